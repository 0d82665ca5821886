// SPDX-License-Identifier: MIT
#include "common/CodePage.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>

#include "common/Windows1252.h"
#endif

namespace vindel {
namespace {

struct EncodeCase {
    std::u16string text;
    std::string bytes;
};

// On Linux this is Vindel's own table; on Windows, with code page 1252, the
// platform's, which the table was generated from.
TEST(CodePage, EncodesToWindows1252WithBestFit) {
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system's code page is " << GetACP();
#endif
    const EncodeCase cases[] = {
        {u"SG300-10", "SG300-10"},
        {u"caf\u00E9", "caf\xE9"},                // Latin-1 range stays one byte
        {u"\u20AC\u0160\u017E", "\x80\x8A\x9E"},  // the 0x80-0x9F block
        {u"\u0141\u00F3d\u017A",
         "L\xF3"
         "dz"},                             // Polish letters fall back to their base
        {u"\u0111\u0110", "d\xD0"},         // but D with stroke is Eth, not D
        {u"\uFF21\u2212\u2013", "A-\x96"},  // best fits beyond Latin Extended-A
        {u"\u0416", "?"},                   // Cyrillic: no fit
        {u"\U0001F600", "??"},              // each half of the pair gives its "?"
        {u"\xD800x", "?x"},                 // unpaired surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToAnsi(c.text), c.bytes);
    }
}

TEST(CodePage, EveryByteRoundTrips) {
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system's code page is " << GetACP();
#endif
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
    EXPECT_EQ(FromAnsi("\x80\x81\xE9"), u"\u20AC\u0081\u00E9");
}

#ifdef _WIN32
// What Windows makes of the text in code page 1252, whatever the system's
// code page.
std::string Platform1252(std::u16string_view text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    std::string out(text.size(), '\0');
    const int written = WideCharToMultiByte(1252, 0, wide, length, out.data(),
                                            static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return out;
}

// Vindel's Windows-1252, which Linux uses, against the platform's: every code
// unit on its own, all of them as one text (so every surrogate meets its
// neighbours), pairs in and out of order, and every byte back.
TEST(CodePage, Windows1252IsThePlatformsForEveryCodeUnit) {
    std::u16string all;
    int differing = 0;
    for (unsigned unit = 0; unit < 0x10000; ++unit) {
        const std::u16string one(1, static_cast<char16_t>(unit));
        all += one;
        if (ToWindows1252(one) != Platform1252(one) && ++differing <= 10)
            ADD_FAILURE() << "U+" << std::hex << unit << " gives a byte the platform doesn't";
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(ToWindows1252(all), Platform1252(all));
    for (const std::u16string text :
         {u"\U0001F600", u"a\U00010400b\U0010FFFF", u"\xDC00\xD800", u"\xD800\xD800\xDC00"}) {
        EXPECT_EQ(ToWindows1252(text), Platform1252(text));
    }

    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t platform = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &platform, 1);
        EXPECT_EQ(FromWindows1252(std::string(1, byte)), std::u16string(1, char16_t(platform)))
            << "byte " << b;
    }
}

// The code page is the system's, whichever it is. ctest runs this under
// several locales of wine, and says through VINDEL_EXPECTED_ACP which code
// page each must give, so that a locale that didn't take can't pass unseen.
TEST(CodePage, FollowsTheSystemsAnsiCodePage) {
    if (const char* expected = std::getenv("VINDEL_EXPECTED_ACP")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    struct Case {
        UINT code_page;
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        {1252, u"\u00E9\u20AC", "\xE9\x80"},
        {1251, u"\u0416\u20AC", "\xC6\x88"},  // Cyrillic, and the euro at 0x88
        // Shift-JIS: two bytes for each of these characters.
        {932, u"\u65E5\u672C", "\x93\xFA\x96\x7B"},
    };
    bool checked = false;
    for (const Case& c : cases) {
        if (c.code_page != GetACP())
            continue;
        checked = true;
        EXPECT_EQ(ToAnsi(c.text), c.bytes);
        EXPECT_EQ(FromAnsi(c.bytes), c.text);
        EXPECT_EQ(ToAnsi(u"config"), "config");  // what Vindel types itself
    }
    if (!checked)
        GTEST_SKIP() << "no cases for code page " << GetACP();
}
#endif

}  // namespace
}  // namespace vindel
