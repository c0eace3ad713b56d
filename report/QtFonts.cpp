#include "QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace report {

namespace {

// Our Hei face: WenQuanYi Micro Hei with a character cell of one em, as 黑体 and 宋体 have.
const QString shippedHei = QStringLiteral("Lanzhou Hei");

void loadShippedFaces(const QString& folder) {
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(dir.filePath(file));
    }
}

} // namespace

void installFonts(const QString& folder) {
    loadShippedFaces(folder);
    // FreeType emboldens a face without a bold style only below 64 pixels; the number display
    // and the ticket printed at printer resolution are larger and must look bold all the same.
    qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");

    // Faces with a one-em cell come before the taller ones; a character the chosen face lacks is
    // taken from the next face of its list.
    QFont::insertSubstitutions(QStringLiteral(u"黑体"), {QStringLiteral("SimHei"), shippedHei,
                                                         QStringLiteral("WenQuanYi Zen Hei"),
                                                         QStringLiteral("Noto Sans CJK SC"),
                                                         QStringLiteral("Droid Sans Fallback")});
    QFont::insertSubstitutions(
        QStringLiteral(u"宋体"),
        {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("AR PL SungtiL GB"),
         QStringLiteral("AR PL UMing CN"), shippedHei, QStringLiteral("Noto Serif CJK SC"),
         QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

QFont qtFont(const Font& font) {
    QFont result(QString::fromStdString(font.face));
    result.setPointSize(font.pointSize);
    result.setBold(font.bold);
    return result;
}

} // namespace report
