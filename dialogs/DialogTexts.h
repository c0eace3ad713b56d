#pragma once

#include <QString>

// The texts of the program's message boxes and prompts, which every window shows.
namespace texts {

inline const QString applicationTitle = QStringLiteral(u"岚舟软件");
inline const QString noticeCaption = QStringLiteral(u"提示");
// The buttons of the program's own message boxes, as the Chinese system labels its message box;
// Y and N answer the question without Alt.
inline const QString yesButton = QStringLiteral(u"是(&Y)");
inline const QString noButton = QStringLiteral(u"否(&N)");
inline const QString okButton = QStringLiteral(u"确定");
inline const QString passwordPrompt = QStringLiteral(u"请输入密码：              ");

} // namespace texts
