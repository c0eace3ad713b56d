#include "settings/EcbStream.h"
#include "AesOracle.h"
#include "common/Errors.h"
#include "settings/ByteStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string keyBytes = "0123456789abcdefghijklmn";

settings::Key192 key() {
    settings::Key192 key{};
    std::copy(keyBytes.begin(), keyBytes.end(), key.begin());
    return key;
}

std::string blocks(const std::string& plaintext) {
    return oracle::encrypt(keyBytes, plaintext);
}

template <typename Error>
std::string failureOf(settings::ByteStream& source, std::int32_t count,
                      settings::ByteStream& destination) {
    try {
        settings::DecryptStreamEcb(source, count, key(), destination);
    } catch (const Error& error) {
        return error.what();
    }
    return "no failure";
}

// A stream whose size promises more than it delivers, or that stores only so many bytes.
class FaultyStream final : public settings::ByteStream {
public:
    FaultyStream(std::string bytes, std::int64_t claimedSize, std::size_t capacity)
        : inner_(std::move(bytes)), claimedSize_(claimedSize), capacity_(capacity) {}
    std::int64_t size() const override { return claimedSize_; }
    std::int64_t position() const override { return inner_.position(); }
    void setPosition(std::int64_t position) override { inner_.setPosition(position); }
    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        return inner_.read(buffer, count);
    }
    std::size_t write(const std::uint8_t* buffer, std::size_t count) override {
        const std::size_t room = capacity_ - std::min(capacity_, inner_.bytes().size());
        return inner_.write(buffer, std::min(count, room));
    }
    const std::string& bytes() const { return inner_.bytes(); }

private:
    settings::MemoryStream inner_;
    std::int64_t claimedSize_;
    std::size_t capacity_;
};

TEST(EcbStreamFraming, CountZeroTakesTheWholeSourceFromItsStart) {
    const std::string plaintext(48, 'p');
    settings::MemoryStream source(blocks(plaintext));
    source.setPosition(source.size());
    settings::MemoryStream destination;
    settings::DecryptStreamEcb(source, 0, key(), destination);
    EXPECT_EQ(destination.bytes(), plaintext);
}

TEST(EcbStreamFraming, CountZeroOnAnEightByteSourceAtItsEndFailsOnSize) {
    settings::MemoryStream source(std::string(8, 'h'));
    source.setPosition(8);
    settings::MemoryStream destination;
    EXPECT_EQ(failureOf<EAESError>(source, 0, destination), "Invalid buffer size for decryption");
    EXPECT_EQ(source.position(), 0);
    EXPECT_TRUE(destination.bytes().empty());
}

TEST(EcbStreamFraming, Count32With48LeftDecryptsTwoBlocksAndLeavesOneUnread) {
    const std::string plaintext =
        std::string(16, 'a') + std::string(16, 'b') + std::string(16, 'c');
    settings::MemoryStream source("head" + blocks(plaintext));
    source.setPosition(4);
    settings::MemoryStream destination;
    settings::DecryptStreamEcb(source, 32, key(), destination);
    EXPECT_EQ(destination.bytes(), plaintext.substr(0, 32));
    EXPECT_EQ(source.position(), 36);
}

TEST(EcbStreamFraming, Count48With40LeftFailsBeforeReadingAnything) {
    settings::MemoryStream source(std::string(48, 'x'));
    source.setPosition(8);
    settings::MemoryStream destination;
    EXPECT_EQ(failureOf<EAESError>(source, 48, destination), "Invalid buffer size for decryption");
    EXPECT_EQ(source.position(), 8);
    EXPECT_TRUE(destination.bytes().empty());
}

TEST(EcbStreamFraming, AnEmptySourceGivesNothingAndNoFailure) {
    settings::MemoryStream source;
    settings::MemoryStream destination;
    EXPECT_EQ(failureOf<common::Error>(source, 0, destination), "no failure");
    EXPECT_EQ(failureOf<common::Error>(source, 16, destination), "no failure");
    EXPECT_TRUE(destination.bytes().empty());
}

TEST(EcbStreamFraming, AShortReadFailsWithTheReadError) {
    FaultyStream source(blocks(std::string(16, 'a')), 32, 0);
    settings::MemoryStream destination;
    EXPECT_EQ(failureOf<EStreamError>(source, 0, destination), "Stream read error");
    EXPECT_EQ(destination.bytes(), std::string(16, 'a'));
}

TEST(EcbStreamFraming, AShortWriteFailsWithTheWriteErrorKeepingTheBlocksWritten) {
    settings::MemoryStream source(blocks(std::string(16, 'a') + std::string(16, 'b')));
    FaultyStream destination("", 0, 20);
    EXPECT_EQ(failureOf<EStreamError>(source, 0, destination), "Stream write error");
    EXPECT_EQ(destination.bytes().substr(0, 16), std::string(16, 'a'));
    EXPECT_EQ(source.position(), 32);
}

TEST(EcbStreamFraming, BlocksAreDecryptedAloneAndTrailingZerosStay) {
    const std::string plaintext =
        std::string(16, 'q') + std::string(16, 'q') + std::string(16, '\0');
    settings::MemoryStream source(blocks(plaintext));
    settings::MemoryStream destination;
    settings::DecryptStreamEcb(source, 0, key(), destination);
    EXPECT_EQ(destination.bytes(), plaintext);
    EXPECT_EQ(source.bytes().substr(0, 16), source.bytes().substr(16, 16));
}

TEST(EcbStreamFraming, AReadyScheduleGivesTheSameResult) {
    const std::string plaintext(32, 'z');
    settings::MemoryStream source(blocks(plaintext));
    settings::MemoryStream destination;
    settings::DecryptStreamEcb(source, 0, settings::MakeDecryptionSchedule(key()), destination);
    EXPECT_EQ(destination.bytes(), plaintext);
}

} // namespace
