// Draws the program's icon, our own picture: a red and white float on the park's blue water with
// rings spreading around it, under a yellow number ball. Writes one PNG per size into
// FOLDER/hicolor/<n>x<n>/apps/qianhaotong.png and the Windows icon FOLDER/qianhaotong.ico (PNG
// entries, as Windows Vista and later read them).
//   make_icon FOLDER
// The results are kept in the repository, since a cross build cannot run this program.
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// The icon drawn on a 256-unit square, scaled to `size` pixels.
QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);

    QLinearGradient water(0, 0, 0, 256);
    water.setColorAt(0, QColor(40, 110, 200));
    water.setColorAt(1, QColor(8, 50, 115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(water);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Rings on the water around the float.
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(QColor(170, 215, 250, 200 - ring * 55), 9 - ring * 2));
        const double rx = 50 + ring * 26;
        painter.drawEllipse(QPointF(128, 186), rx, rx * 0.32);
    }

    // The float: a red top, a white belly and a dark stem.
    painter.setPen(QPen(QColor(30, 30, 40), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(128, 78), QPointF(128, 118));
    QPainterPath top;
    top.moveTo(92, 150);
    top.cubicTo(92, 110, 164, 110, 164, 150);
    top.closeSubpath();
    QPainterPath belly;
    belly.moveTo(92, 150);
    belly.cubicTo(92, 196, 164, 196, 164, 150);
    belly.closeSubpath();
    painter.setPen(QPen(QColor(30, 30, 40), 5));
    painter.setBrush(QColor(225, 35, 40));
    painter.drawPath(top);
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(belly);

    // The number ball the draw lands on.
    QRadialGradient ball(176, 56, 44);
    ball.setColorAt(0, QColor(255, 245, 150));
    ball.setColorAt(1, QColor(235, 175, 20));
    painter.setPen(QPen(QColor(255, 255, 255), 6));
    painter.setBrush(ball);
    painter.drawEllipse(QPointF(186, 68), 38, 38);
    return image;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void put16(std::vector<char>& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::vector<char>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// An ICO file: its directory, then each picture as PNG data.
std::vector<char> ico(const std::vector<int>& sizes) {
    std::vector<QByteArray> pictures;
    for (const int size : sizes) {
        pictures.push_back(png(icon(size)));
    }
    std::vector<char> out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out.push_back(static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i])); // 0 means 256
        out.push_back(static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]));
        out.push_back(0); // no palette
        out.push_back(0);
        put16(out, 1);  // colour planes
        put16(out, 32); // bits per pixel
        put32(out, static_cast<std::uint32_t>(pictures[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(pictures[i].size());
    }
    for (const QByteArray& picture : pictures) {
        out.insert(out.end(), picture.begin(), picture.end());
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = folder / "hicolor" / name / "apps";
        std::filesystem::create_directories(apps);
        if (!icon(size).save(QString::fromStdString((apps / "qianhaotong.png").string()), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", (apps / "qianhaotong.png").string().c_str());
            return 1;
        }
    }
    const std::vector<char> bytes = ico({16, 24, 32, 48, 256});
    std::ofstream out(folder / "qianhaotong.ico", std::ios::binary);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        std::fprintf(stderr, "cannot write the icon\n");
        return 1;
    }
    return 0;
}
