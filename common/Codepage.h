#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 936 (GBK) is the program's data; the windows speak UTF-8/UTF-16. These two are the
// only crossings between them.
namespace common {

// GBK bytes as UTF-8. A byte sequence that is not GBK becomes U+FFFD, so nothing is lost silently
// without a mark.
std::string gbkToUtf8(std::string_view gbk);

// UTF-8 text as GBK bytes, or nothing when a character has no place in code page 936.
std::optional<std::string> utf8ToGbk(std::string_view utf8);

#ifdef _WIN32
// A wide text (a file name) in the ANSI code page, for the ANSI interfaces and the system's own
// texts. A character the code page cannot hold becomes its default character.
std::string ansiFromWide(std::wstring_view wide);
// GBK bytes as a wide text, for the wide interfaces that take the program's own data.
std::wstring wideFromGbk(std::string_view gbk);
#endif

} // namespace common
