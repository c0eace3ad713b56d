#pragma once

#include <ctime>
#include <string>

namespace ticket {

// "yyyy年M月dd日hh:nn:ss" in GBK: the year in four digits, the month without a leading zero, the
// day, hour (24-hour clock), minutes and seconds in two digits each; 2024年3月05日14:07:09.
std::string dateTimeText(const std::tm& time);

} // namespace ticket
