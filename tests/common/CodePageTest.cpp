#include "common/CodePage.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#endif

namespace vindel {
namespace {

struct EncodeCase {
    std::u16string text;
    std::string bytes;
};

// On Linux this is Vindel's own table; on Windows, with code page 1252, the
// platform's, which the table was made to match.
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
         "dz"},            // Polish letters fall back to their base
        {u"\u0416", "?"},  // Cyrillic: no fit
#ifdef _WIN32
        {u"\U0001F600", "??"},  // Windows gives each half of the pair its "?"
#else
        {u"\U0001F600", "?"},  // one character outside the BMP, one "?"
#endif
        {u"\xD800x", "?x"},  // unpaired surrogate
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
