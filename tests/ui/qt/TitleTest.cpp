// SPDX-License-Identifier: MIT
#include "ui/Title.h"

#include <gtest/gtest.h>

#include <QChar>

#include "common/Text.h"
#include "ui/Application.h"

namespace vindel {
namespace {

TEST(Title, FromProgramPath) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"/usr/bin/Vindel", u"Vindel"},
        {u"C:\\Program Files\\Vindel\\Vindel.exe", u"Vindel"},
        {u"C:\\Tools\\VINDEL.EXE", u"Vindel"},
        {u"/opt/vin.del.exe", u"vin"},
        {u"/opt/\u00C9CRAN", u"\u00C9cran"},
        {u"C:\\\u0414\u041E\u041C.exe", u"\u0414\u043E\u043C"},  // Cyrillic
        {u"/opt/\u0394\u0395\u039B\u03A4\u0391", u"\u0394\u03B5\u03BB\u03C4\u03B1"},
        {u"/opt/a\u0178\u0130", u"a\u00FF\u0069"},  // one character for one
        // Outside the basic plane the pair is one letter, first or not.
        {u"/opt/\U00010400\U00010401", u"\U00010400\U00010429"},
        {u"Vindel", u"Vindel"},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(TitleFromProgramPath(path), title) << ToUtf8(path);
    }
}

// The title's own lower-case table gives, for every character, the lower
// case Qt gives (but I with dot above, whose simple lower case is "i").
TEST(Title, LowerCaseOfEveryCharacterIsQts) {
    int differing = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if ((code >= 0xD800 && code <= 0xDFFF) || code == U'.' || code == U'/' || code == U'\\')
            continue;
        std::u16string name = u"A";
        const char32_t lower = code == 0x0130 ? U'i' : QChar::toLower(code);
        std::u16string expected = name;
        for (const auto& [from, to] : {std::pair{code, &name}, {lower, &expected}}) {
            if (QChar::requiresSurrogates(from)) {
                to->push_back(QChar::highSurrogate(from));
                to->push_back(QChar::lowSurrogate(from));
            } else {
                to->push_back(static_cast<char16_t>(from));
            }
        }
        if (TitleFromProgramPath(name) != expected && ++differing <= 5)
            ADD_FAILURE() << "U+" << std::hex << unsigned(code);
    }
    EXPECT_EQ(differing, 0);
}

TEST(ErrorBox, FinalPeriodRule) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"List index out of bounds (4)", u"List index out of bounds (4)"},
        {u"''abc'' is not a valid integer value", u"''abc'' is not a valid integer value."},
        {u"Socket Error # 10061\r\nConnection refused.",
         u"Socket Error # 10061\r\nConnection refused."},
        {u"Done!", u"Done!"},
        {u"ends in a space ", u"ends in a space "},
        {u"version 2", u"version 2."},
        {u"", u""},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(ErrorBoxText(message), shown) << ToUtf8(message);
    }
}

}  // namespace
}  // namespace vindel
