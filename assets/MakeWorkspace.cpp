// Lays out a demo workspace in the given folder: our own skin pictures (background, start,
// reprint and drawn pictures), a settings file for a park on 58 mm paper, and a pool of 1 to 50.
//   make_workspace FOLDER
#include "common/Codepage.h"
#include "common/LineList.h"
#include "settings/SettingsWriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

QImage background() {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(12, 44, 110));
    sky.setColorAt(1, QColor(8, 70, 120));
    painter.fillRect(image.rect(), sky);
    // The lighter band behind the title, centred at 83/573 of the height.
    QLinearGradient band(0, 45, 0, 130);
    band.setColorAt(0, QColor(12, 44, 110, 0));
    band.setColorAt(0.5, QColor(90, 150, 220));
    band.setColorAt(1, QColor(12, 44, 110, 0));
    painter.fillRect(0, 45, 800, 85, band);
    // Gentle waves near the bottom.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 180, 230, 90), 3));
    for (int row = 0; row < 4; ++row) {
        QPainterPath wave;
        const double y = 470 + row * 28;
        wave.moveTo(0, y);
        for (int x = 0; x <= 800; x += 50) {
            wave.quadTo(x + 12.5, y - 10, x + 25, y);
            wave.quadTo(x + 37.5, y + 10, x + 50, y);
        }
        painter.drawPath(wave);
    }
    return image;
}

// A round button of one colour with a white symbol drawn by symbol().
template <typename Symbol> QImage button(QColor colour, Symbol symbol) {
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(38, 34, 60);
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(1, colour.darker(130));
    painter.setBrush(fill);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(4, 4, 88, 88);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    symbol(painter);
    return image;
}

void save(const QImage& image, const std::filesystem::path& path, const char* format) {
    if (!image.save(QString::fromStdString(path.string()), format, 92)) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        std::exit(1);
    }
}

std::string gbk(const char* utf8) {
    return common::utf8ToGbk(utf8).value();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "skin" / "blue");
    std::filesystem::create_directories(folder / "mydb");

    save(background(), folder / "skin" / "blue" / "BG.jpg", "JPG");
    save(button(QColor(30, 160, 70),
                [](QPainter& p) {
                    p.drawPolygon(QPolygonF({{38, 26}, {38, 70}, {74, 48}}));
                }),
         folder / "skin" / "blue" / "ks.png", "PNG");
    save(button(QColor(90, 110, 140),
                [](QPainter& p) {
                    p.drawRect(28, 40, 40, 22);
                    p.drawRect(36, 24, 24, 14);
                    p.drawRect(36, 64, 24, 12);
                }),
         folder / "skin" / "blue" / "dy.png", "PNG");
    save(button(QColor(230, 130, 20),
                [](QPainter& p) {
                    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.setBrush(Qt::NoBrush);
                    p.drawPolyline(QPolygonF({{28, 50}, {43, 65}, {70, 32}}));
                }),
         folder / "skin" / "blue" / "cs.png", "PNG");

    settings::WriteSettings(settings::Settings({gbk("岚舟垂钓园"), gbk("地址：湖畔路8号"),
                                                gbk("电话：0571-8888"), "58", "1"}),
                            folder / "mydb" / "cs.cd");
    std::vector<std::string> pool;
    for (int i = 1; i <= 50; ++i) {
        pool.push_back(std::to_string(i));
    }
    common::writeLineListFile(folder / "mydb" / "db.cd", pool);
    std::printf("workspace ready in %s\n", folder.string().c_str());
    return 0;
}
