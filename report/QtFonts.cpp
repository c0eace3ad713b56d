#include "QtFonts.h"

#include <QString>
#include <QStringList>

namespace report {

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral(u"黑体"),
                               {QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei"),
                                QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("Droid Sans Fallback")});
    QFont::insertSubstitutions(
        QStringLiteral(u"宋体"),
        {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN"),
         QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
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
