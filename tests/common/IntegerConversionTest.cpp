#include "common/IntegerConversion.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Accepted {
    std::string text;
    std::int32_t value;
};

void PrintTo(const Accepted& accepted, std::ostream* out) {
    *out << '"' << accepted.text << "\" as " << accepted.value;
}

class IntegerConversionAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(IntegerConversionAccepts, GivesTheValue) {
    EXPECT_EQ(common::strToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IntegerConversionAccepts,
    testing::Values(Accepted{"7", 7}, Accepted{"   7", 7}, Accepted{"+7", 7}, Accepted{"-7", -7},
                    Accepted{"0", 0}, Accepted{"-0", 0}, Accepted{"007", 7}, Accepted{"$7", 7},
                    Accepted{"x7", 7}, Accepted{"X7", 7}, Accepted{"0x7", 7}, Accepted{"0X7", 7},
                    Accepted{"$3A", 58}, Accepted{"$3a", 58}, Accepted{" +$3A", 58},
                    Accepted{"-$10", -16}, Accepted{"2147483647", 2147483647},
                    Accepted{"-2147483648", INT32_MIN}, Accepted{"0000000000000000000042", 42},
                    Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", INT32_MIN},
                    Accepted{"-$80000000", INT32_MIN}, Accepted{"$7FFFFFFF", INT32_MAX},
                    Accepted{"$000000000001", 1}));

class IntegerConversionRefuses : public testing::TestWithParam<std::string> {};

TEST_P(IntegerConversionRefuses, WithTheTextInTheMessage) {
    const std::string& text = GetParam();
    try {
        common::strToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, IntegerConversionRefuses,
                         testing::Values("", " ", "+", "-", "$", "x", "0x", "0X", "7 ", "7a",
                                         "58mm", "\t7", "7\r", "++7", "+-7", "- 7", "1#2", "#",
                                         "7.0", "1e3", "0x-7", "$G", "$-1", "2147483648",
                                         "-2147483649", "99999999999999999999", "$100000000",
                                         "0x1FFFFFFFF", "\xd2\xbb"));

} // namespace
