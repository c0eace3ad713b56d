#include "DateTimeText.h"

#include <cstdio>

namespace ticket {

std::string dateTimeText(const std::tm& time) {
    char text[64];
    // 年 \xc4\xea, 月 \xd4\xc2, 日 \xc8\xd5 in code page 936.
    std::snprintf(text, sizeof text, "%04d\xc4\xea%d\xd4\xc2%02d\xc8\xd5%02d:%02d:%02d",
                  time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min,
                  time.tm_sec);
    return text;
}

} // namespace ticket
