#include "Codepage.h"

#include <cerrno>
#include <iconv.h>

namespace common {

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

} // namespace common
