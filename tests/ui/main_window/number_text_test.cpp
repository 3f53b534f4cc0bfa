// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Reading a box's text as a number and showing a result as text.
#include "ui/main_window/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

struct ReadCase
{
    std::string text;
    double number;
};

const ReadCase readCases[] = {
    {"1.4", 1.4},
    {"  2", 2},
    {"\t\n-3.5", -3.5},
    {"+7", 7},
    {"1,5", 1},
    {"2abc", 2},
    {"abc", 0},
    {" ", 0},
    {"", 0},
    {".", 0},
    {"-", 0},
    {"+.", 0},
    {"- 5", 0},
    {".5", 0.5},
    {"5.", 5},
    {"-.5", -0.5},
    {"00001.5", 1.5},
    {"1.2.3", 1.2},
    {"1 2", 1},
    {"1e3", 1000},
    {"1E-2", 0.01},
    {"2.5e-3xyz", 0.0025},
    {"1e", 1},
    {"1e+", 1},
    {"1e-x", 1},
    {"1d3", 1},
    {"0x10", 0},
    {"inf", 0},
    {"nan", 0},
    {"Infinity", 0},
    {"\xef\xbc\x91", 0}, // fullwidth digit one
    {"\xc2\xa0"
     "2",
     0}, // a no-break space is not a blank
    {"3\xc2\xa0", 3},
    {"0.1", 0.1},
    {"1.2345678901234567890123", 1.2345678901234568},
    {"9007199254740993", 9007199254740992}, // a tie goes to the even double
    {"2.2250738585072011e-308", 2.2250738585072011e-308},
    {"4.9e-324", 4.9406564584124654e-324},
    {"1e400", infinity},
    {"-1e400", -infinity},
    {"1e99999999999999999999999", infinity},
    {"1" + std::string(400, '0'), infinity},
    {"0." + std::string(400, '0') + "1e400", 0.1},
    {"0e99999999999", 0},
    {"123.456e-2", 1.23456},
    {"1.e2", 100},
    {".5e1", 5},
    {"0." + std::string(20, '0') + "5e21", 5},
    {"0.5e-99999999999999999999", 0},
    {"1e-400", 0},
    {"0." + std::string(400, '0') + "1", 0},
};

TEST(ReadNumber, ReadsTheLongestLeadingNumber)
{
    for (const ReadCase &c : readCases) {
        SCOPED_TRACE("text: \"" + c.text.substr(0, 40) + "\"");
        EXPECT_EQ(ReadNumber(c.text), c.number);
    }
}

TEST(ReadNumber, UnderflowKeepsTheSign)
{
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-400")));
    EXPECT_FALSE(std::signbit(ReadNumber("1e-400")));
}

TEST(ReadNumber, ReadsAMillionCharacters)
{
    EXPECT_EQ(ReadNumber(std::string(1'000'000, ' ') + "2.5"), 2.5);
    EXPECT_EQ(ReadNumber("2.5" + std::string(1'000'000, 'x')), 2.5);
    EXPECT_EQ(ReadNumber("0." + std::string(1'000'000, '3')), 1.0 / 3);
    EXPECT_EQ(ReadNumber(std::string(1'000'000, '9')), infinity);
}

struct ShowCase
{
    double number;
    const char *text;
};

const ShowCase showCases[] = {
    {1, "1"},
    {1.2, "1.2"},
    {1.892929158737854, "1.8929"},
    {0.5, "0.5"},
    {1.7999999999999998, "1.8"},
    {2.23606797749979, "2.2361"},
    {1.0464550974, "1.0465"},
    {0, "0"},
    {-0.0, "0"},
    {-0.00004, "0"},
    {-2, "-2"},
    {-1.23456, "-1.2346"},
    {0.0001, "0.0001"},
    {0.03125, "0.0312"}, // exact ties go to the even neighbour
    {0.09375, "0.0938"},
    {1.00005, "1.0001"}, // the double lies just above the half
    {0.00015, "0.0001"}, // and this one just below
    {4.9406564584124654e-324, "0"},
    {123, "123"},
    {1e10, "10000000000"},
    {12345678901.23456, "12345678901.2346"},
    {123456789012.3456, "123456789012.346"}, // 15 significant digits at most
    {100000000000000.5, "100000000000000"}, // a tie at the 15th digit goes to even
    {100000000000001.5, "100000000000002"},
    {999999999999999.9, "1e+15"}, // the carry moves the exponent
    {1e15, "1e+15"},
    {-1.5e20, "-1.5e+20"},
    {1e300, "1e+300"},
    {std::numeric_limits<double>::max(), "1.79769313486232e+308"},
    {infinity, ""},
    {-infinity, ""},
    {std::numeric_limits<double>::quiet_NaN(), ""},
};

TEST(ShowNumber, RoundsToFourDecimalsInTheGeneralForm)
{
    for (const ShowCase &c : showCases) {
        SCOPED_TRACE(testing::Message() << "number: " << c.number);
        EXPECT_EQ(ShowNumber(c.number), c.text);
    }
}

TEST(ShowNumber, ReadsBackAsTheRoundedNumber)
{
    // A second click reads what the first one showed.
    EXPECT_EQ(ReadNumber(ShowNumber(1.23456)), 1.2346);
    EXPECT_EQ(ReadNumber(ShowNumber(-0.00049)), -0.0005);
    EXPECT_EQ(ReadNumber(ShowNumber(2.5e20)), 2.5e20);
}

// Qt puts the user's locale into the C library; a comma locale must change nothing.
class CommaLocale : public testing::Test
{
protected:
    void SetUp() override
    {
        // musl, the C library of WebAssembly, takes any locale's name but keeps the ".".
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr
                && std::string_view(std::localeconv()->decimal_point) == ",")
                return;
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, ConversionsKeepTheDecimalPoint)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1);
    EXPECT_EQ(ShowNumber(1.5), "1.5");
    EXPECT_EQ(ShowNumber(1.5e20), "1.5e+20");
}

} // namespace
