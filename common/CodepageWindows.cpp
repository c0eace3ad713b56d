#include "Codepage.h"

#include "ByteText.h"

#include <windows.h>

namespace common {

namespace {

std::string fromWide(std::wstring_view wide, UINT codePage, BOOL* lost) {
    if (wide.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, lost);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                        length, nullptr, lost);
    return text;
}

std::wstring toWide(std::string_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

} // namespace

std::string ansiFromWide(std::wstring_view wide) {
    return fromWide(wide, CP_ACP, nullptr);
}

std::wstring wideFromGbk(std::string_view gbk) {
    return toWide(gbk, 936);
}

std::string gbkToUtf8(std::string_view gbk) {
    // Character by character, so that a byte which is no GBK becomes U+FFFD as through iconv
    // elsewhere; Windows' own table would turn 0xFF into a private-use character and a lone lead
    // byte into "?".
    std::wstring wide;
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length = gbkCharLength(gbk, i);
        wchar_t character[2];
        const int converted = static_cast<unsigned char>(gbk[i]) == 0xFF
                                  ? 0
                                  : MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data() + i,
                                                        static_cast<int>(length), character, 2);
        if (converted > 0) {
            wide.append(character, static_cast<std::size_t>(converted));
            i += length;
        } else {
            wide += L'\xFFFD';
            ++i;
        }
    }
    return fromWide(wide, CP_UTF8, nullptr);
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    const std::wstring wide = toWide(utf8, CP_UTF8);
    BOOL lost = FALSE;
    std::string gbk = fromWide(wide, 936, &lost);
    if (lost) {
        return std::nullopt;
    }
    return gbk;
}

} // namespace common
