#include "common/Errors.h"
#include "imaging/ImageError.h"
#include "imaging/JpegDecoder.h"
#include "imaging/PngDecoder.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::readBytes;

// The test picture: 4 × 2 blocks of 16 × 16 pixels, each block one colour with one alpha.
struct Colour {
    int r, g, b, a;
};
constexpr std::array<Colour, 8> colours = {{{255, 0, 0, 255},
                                            {0, 255, 0, 255},
                                            {0, 0, 255, 255},
                                            {255, 255, 255, 255},
                                            {0, 0, 0, 255},
                                            {255, 255, 0, 200},
                                            {0, 255, 255, 0},
                                            {128, 64, 32, 255}}};
constexpr int blockSize = 16;
constexpr int widthInBlocks = 4;

Colour blockAt(int x, int y) {
    return colours[static_cast<std::size_t>(y / blockSize * widthInBlocks + x / blockSize)];
}

// The test pictures, converted from the block pictures when the tests were built.
std::filesystem::path picture(const std::string& file) {
    return std::filesystem::path(QHT_TEST_PICTURES) / file;
}

class Pictures : public testing::Test {
protected:
    testsupport::TempFolder folder;

    // binaryAlpha: the file keeps only fully transparent and fully opaque pixels.
    static void expectPixels(const imaging::Image& image, bool grey, bool alpha, int tolerance,
                             bool binaryAlpha = false) {
        ASSERT_EQ(image.width, 64);
        ASSERT_EQ(image.height, 32);
        ASSERT_EQ(image.rgba.size(), 64u * 32u * 4u);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 64; ++x) {
                // Block centres only: lossy JPEG blurs the edges between blocks.
                if (tolerance > 0 && (x % blockSize < 4 || x % blockSize > 11 ||
                                      y % blockSize < 4 || y % blockSize > 11)) {
                    continue;
                }
                const Colour c = blockAt(x, y);
                const std::uint8_t* p = &image.rgba[static_cast<std::size_t>((y * 64 + x) * 4)];
                const int a = binaryAlpha ? (c.a > 127 ? 255 : 0) : c.a;
                const int expected[4] = {c.r, grey ? c.r : c.g, grey ? c.r : c.b, alpha ? a : 255};
                // A fully transparent pixel may carry any colour.
                for (int i = expected[3] == 0 ? 3 : 0; i < 4; ++i) {
                    ASSERT_LE(std::abs(p[i] - expected[i]), tolerance)
                        << "pixel " << x << "," << y << " channel " << i;
                }
            }
        }
    }
};

struct PngKind {
    std::string name;
    bool grey;
    bool alpha;
    bool binaryAlpha;
};

class PngKinds : public Pictures, public testing::WithParamInterface<PngKind> {};

TEST_P(PngKinds, DecodeToTheExactPixels) {
    const PngKind& kind = GetParam();
    expectPixels(imaging::decodePngFile(picture(kind.name + ".png")), kind.grey, kind.alpha, 0,
                 kind.binaryAlpha);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PngKinds,
    testing::Values(PngKind{"Grey8", true, false, false}, PngKind{"Grey16", true, false, false},
                    PngKind{"Rgb8", false, false, false}, PngKind{"Rgb16", false, false, false},
                    PngKind{"Palette8", false, false, false},
                    PngKind{"PaletteWithTransparentEntries", false, true, true},
                    PngKind{"GreyAlpha8", true, true, false},
                    PngKind{"GreyAlpha16", true, true, false}, PngKind{"Rgba8", false, true, false},
                    PngKind{"Rgba16", false, true, false},
                    PngKind{"Interlaced", false, true, false}),
    [](const testing::TestParamInfo<PngKind>& info) { return info.param.name; });

TEST_F(Pictures, LowBitDepthGreyAndPalettePngsDecode) {
    // Black and white only, so one bit per pixel holds the picture.
    for (const std::string depth : {"1", "2", "4"}) {
        const auto image = imaging::decodePngFile(picture("BlackAndWhite" + depth + ".png"));
        ASSERT_EQ(image.width, 64);
        EXPECT_EQ(image.rgba[0], 255) << depth; // the red block is white after the threshold
        EXPECT_EQ(image.rgba[static_cast<std::size_t>((16 * 64 + 1) * 4)], 0)
            << depth; // black block
        EXPECT_EQ(image.rgba[3], 255);
    }
    expectPixels(imaging::decodePngFile(picture("Palette4.png")), false, false, 0);
}

struct JpegKind {
    std::string name;
    bool grey;
};

class JpegKinds : public Pictures, public testing::WithParamInterface<JpegKind> {};

TEST_P(JpegKinds, DecodeCloseToThePixels) {
    const JpegKind& kind = GetParam();
    expectPixels(imaging::decodeJpegFile(picture(kind.name + ".jpg")), kind.grey, false, 12);
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegKinds,
                         testing::Values(JpegKind{"Baseline", false}, JpegKind{"Subsampled", false},
                                         JpegKind{"Progressive", false}, JpegKind{"Grey", true},
                                         JpegKind{"Cmyk", false}),
                         [](const testing::TestParamInfo<JpegKind>& info) {
                             return info.param.name;
                         });

template <typename Decode> std::string failureOf(Decode decode, const std::string& bytes) {
    try {
        decode(bytes);
    } catch (const imaging::EImageError& error) {
        return error.what();
    }
    return "decoded";
}

TEST_F(Pictures, DamagedPngsFailWithLibpngsMessage) {
    const std::string good = readBytes(picture("Plain.png"));
    std::string badCrc = good;
    badCrc[good.find("IDAT") + 10] ^= 0x55;
    EXPECT_NE(failureOf(imaging::decodePng, good.substr(0, good.size() / 2)), "decoded");
    EXPECT_NE(failureOf(imaging::decodePng, badCrc), "decoded");
    EXPECT_EQ(failureOf(imaging::decodePng, ""), "Read Error: the file ends early");
    EXPECT_EQ(failureOf(imaging::decodePng, "just some text, no picture"), "Not a PNG file");
    const std::string jpeg = readBytes(picture("Plain.jpg"));
    EXPECT_EQ(failureOf(imaging::decodePng, jpeg), "Not a PNG file");
}

TEST_F(Pictures, DamagedJpegsFailWithLibjpegsMessage) {
    const std::string good = readBytes(picture("Plain.jpg"));
    EXPECT_EQ(failureOf(imaging::decodeJpeg, ""), "Empty input file");
    EXPECT_EQ(failureOf(imaging::decodeJpeg, good.substr(0, 40)),
              "JPEG datastream contains no image");
    EXPECT_EQ(failureOf(imaging::decodeJpeg, good.substr(0, good.size() - 40)),
              "Premature end of JPEG file");
    const std::string png = readBytes(picture("Plain.png"));
    EXPECT_EQ(failureOf(imaging::decodeJpeg, png), "Not a JPEG file: starts with 0x89 0x50");
    const std::string progressive = readBytes(picture("Progressive.jpg"));
    EXPECT_EQ(failureOf(imaging::decodeJpeg, progressive.substr(0, progressive.size() / 2)),
              "Premature end of JPEG file");
}

// A header that claims a huge picture is refused before memory is taken for it.
TEST(HugePictures, AreRefusedFromTheirHeader) {
    EXPECT_EQ(failureOf(imaging::decodeJpeg,
                        readBytes(std::string(QHT_TEST_DATA) + "/pictures/huge-header.jpg")),
              "Image too large");
    // A PNG signature, an IHDR chunk for 10000 × 10000 RGBA and an empty IDAT, CRCs and all.
    const std::string png =
        std::string("\x89PNG\r\n\x1a\n", 8) +
        std::string("\0\0\0\x0dIHDR\0\0\x27\x10\0\0\x27\x10\x08\x06\0\0\0", 21) +
        "\xba\x4e\x62\x27" + std::string("\0\0\0\0IDAT\x35\xaf\x06\x1e", 12);
    EXPECT_EQ(failureOf(imaging::decodePng, png), "Image too large");
    // A text chunk claiming almost two gigabytes is skipped, not read into memory.
    EXPECT_EQ(failureOf(imaging::decodePng,
                        readBytes(std::string(QHT_TEST_DATA) + "/pictures/huge-chunk.png")),
              "Read Error: the file ends early");
}

TEST_F(Pictures, AMissingFileFailsWithTheFileOpenError) {
    const auto path = folder / "skin" / "blue" / "ks.png";
    try {
        imaging::decodePngFile(path);
        FAIL() << "decoded a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path.string() + "\". " +
                                                 testsupport::missingFolderReason());
    }
    EXPECT_THROW(imaging::decodeJpegFile(path), EFOpenError);
}

} // namespace
