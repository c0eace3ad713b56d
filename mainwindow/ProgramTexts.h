#pragma once

#include "dialogs/DialogTexts.h"

#include <QString>

#include <cstdint>
#include <string>

// The program's own texts, as shown; those of the message boxes are in dialogs/DialogTexts.h.
namespace texts {

inline const QString mainCaption = QStringLiteral(u"岚舟签号通V2.0");
inline const QString startTooltip = QStringLiteral(u"自动抽号打印一键完成。");
inline const QString reprintTooltip = QStringLiteral(u"再次打印。");
inline const QString startQuestion =
    QStringLiteral(u"请选择\"是\"否加载原始数据！点\"是\"加载原始数据（适用于每次全新活动的开始），"
                   u"点\"否\"加载上一次剩下的数据（适用于软件意外关闭、电脑意外断电等）！");
inline const QString startFailure = QStringLiteral(u"软件加载失败，即将关闭，请稍后重试。");
inline const QString reprintQuestion =
    QStringLiteral(u"程序即将再次打印抽取结果！点\"是\"再次打印，点\"否\"返回程序！");
inline const QString accessPassword = QStringLiteral("580317");
// The private message the main window posts to itself to mask the access prompt.
inline constexpr int maskPasswordMessage = 0x400 + 200;
// 完 in code page 936: the number display's text when nothing can be drawn.
inline const std::string finishedGbk = "\xcd\xea";

// "已经摇出<drawn>个，还剩下<left>个。"
inline QString statusLine(std::int32_t drawn, std::int32_t left) {
    return QStringLiteral(u"已经摇出%1个，还剩下%2个。").arg(drawn).arg(left);
}

} // namespace texts
