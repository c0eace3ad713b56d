#include "Codepage.h"

#ifdef _WIN32
#include "ByteText.h"

#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace common {

#ifdef _WIN32

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

#else

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; stops at the first byte it cannot take and reports where.
    std::string run(std::string_view text, std::size_t& consumed) {
        std::string out;
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            consumed = 0;
            return out;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        consumed = text.size() - inLeft;
        return out;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string gbkToUtf8(std::string_view gbk) {
    Converter converter("UTF-8", "CP936");
    std::string utf8;
    while (!gbk.empty()) {
        std::size_t consumed = 0;
        utf8 += converter.run(gbk, consumed);
        gbk.remove_prefix(consumed);
        if (!gbk.empty()) {
            utf8 += "\xEF\xBF\xBD";
            gbk.remove_prefix(1);
        }
    }
    return utf8;
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    Converter converter("CP936", "UTF-8");
    std::size_t consumed = 0;
    std::string gbk = converter.run(utf8, consumed);
    if (consumed != utf8.size()) {
        return std::nullopt;
    }
    return gbk;
}

#endif

} // namespace common
