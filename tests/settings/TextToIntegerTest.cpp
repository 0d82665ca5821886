// SPDX-License-Identifier: MIT
#include "settings/TextToInteger.h"

#include <gtest/gtest.h>

#include <optional>

#include "FailureText.h"
#include "common/Exception.h"
#include "common/Text.h"

namespace vindel {
namespace {

using testing::FailureText;

struct Case {
    const char16_t* text;
    std::optional<std::int32_t> value;  // nothing: the conversion fails
};

TEST(TextToInteger, Table) {
    const Case cases[] = {
        {u" 4", 4},
        {u"   -12", -12},
        {u"+4", 4},
        {u"007", 7},
        {u"0", 0},
        {u"$1F", 31},
        {u"x1F", 31},
        {u"X1f", 31},
        {u"0x1f", 31},
        {u"0X1F", 31},
        {u"-$10", -16},
        {u"$FFFFFFFF", -1},
        {u"$80000000", INT32_MIN},
        {u"$7FFFFFFF", INT32_MAX},
        {u"2147483647", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        {u"0000000000012", 12},
        // failures
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"4 ", std::nullopt},
        {u"\t4", std::nullopt},
        {u"- 4", std::nullopt},
        {u"-", std::nullopt},
        {u"+", std::nullopt},
        {u"$", std::nullopt},
        {u"0x", std::nullopt},
        {u"x", std::nullopt},
        {u"$100000000", std::nullopt},
        {u"$FG", std::nullopt},
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"21474836470", std::nullopt},
        {u"4.0", std::nullopt},
        {u"abc", std::nullopt},
        {u"+-4", std::nullopt},
        {u"$-4", std::nullopt},
        {u"\uFF14", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::string shown = ToUtf8(c.text);
        if (c.value) {
            EXPECT_EQ(TextToInteger(c.text), *c.value) << shown;
        } else {
            EXPECT_THROW(TextToInteger(c.text), EConvertError) << shown;
        }
    }
}

TEST(TextToInteger, MessageQuotesTheWholeLine) {
    EXPECT_EQ(FailureText<EConvertError>([] { TextToInteger(u" 4 "); }),
              u"'' 4 '' is not a valid integer value");
    EXPECT_EQ(FailureText<EConvertError>([] { TextToInteger(u""); }),
              u"'''' is not a valid integer value");
}

}  // namespace
}  // namespace vindel
