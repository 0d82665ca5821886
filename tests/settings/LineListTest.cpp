// SPDX-License-Identifier: MIT
#include "settings/LineList.h"

#include <gtest/gtest.h>

#include <vector>

#include "FailureText.h"
#include "common/Exception.h"

namespace vindel {
namespace {

std::vector<std::u16string> LinesOf(std::string_view bytes) {
    LineList list;
    list.SetText(DecodeFileText(bytes));
    return list.Lines();
}

using Lines = std::vector<std::u16string>;

TEST(LineList, DecodesMarksBreaksAndNul) {
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF", "a\r\nb\r\n", {u"a", u"b"}},
        {"LF only", "a\nb\n", {u"a", u"b"}},
        {"CR only", "a\rb\r", {u"a", u"b"}},
        {"no break after last line", "a\r\nb", {u"a", u"b"}},
        {"LF CR is two breaks", "a\n\rb", {u"a", u"", u"b"}},
        {"empty lines kept", "\r\n\r\nx\r\n", {u"", u"", u"x"}},
        {"NUL cuts the text", std::string("a\r\nb\0c\r\nd\r\n", 11), {u"a", u"b"}},
        {"8-bit code page", "caf\xE9\r\n\x80", {u"caf\u00E9", u"\u20AC"}},
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\nx",
         {u"caf\u00E9", u"x"}},
        {"UTF-8 mark, invalid sequence",
         "\xEF\xBB\xBF"
         "a\r\n\xC3(\r\n",
         {}},
        {"UTF-16 LE, odd byte ignored",
         std::string("\xFF\xFE"
                     "a\0\r\0\n\0\xAC\x20"
                     "b",
                     11),
         {u"a", u"\u20AC"}},
        {"UTF-16 BE", std::string("\xFE\xFF\0a\0\n\0b", 8), {u"a", u"b"}},
        {"mark alone", "\xEF\xBB\xBF", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinesOf(c.bytes), c.lines) << c.name;
    }
}

TEST(LineList, IndexErrorsNameTheIndex) {
    LineList list;
    list.Add(u"a");
    const auto message_of = [](auto&& action) {
        return testing::FailureText<EStringListError>(action);
    };
    EXPECT_EQ(message_of([&] { list.Get(1); }), u"List index out of bounds (1)");
    EXPECT_EQ(message_of([&] { list.Get(-1); }), u"List index out of bounds (-1)");
    EXPECT_EQ(message_of([&] { list.Delete(1); }), u"List index out of bounds (1)");
    EXPECT_EQ(message_of([&] { list.Insert(2, u"x"); }), u"List index out of bounds (2)");
    list.Insert(1, u"b");  // inserting at the end is allowed
    EXPECT_EQ(list.Lines(), (Lines{u"a", u"b"}));
}

}  // namespace
}  // namespace vindel
