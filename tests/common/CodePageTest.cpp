#include "common/CodePage.h"

#include <gtest/gtest.h>

namespace vindel {
namespace {

struct EncodeCase {
    std::u16string text;
    std::string bytes;
};

TEST(CodePage, EncodesToWindows1252WithBestFit) {
    const EncodeCase cases[] = {
        {u"SG300-10", "SG300-10"},
        {u"caf\u00E9", "caf\xE9"},                // Latin-1 range stays one byte
        {u"\u20AC\u0160\u017E", "\x80\x8A\x9E"},  // the 0x80-0x9F block
        {u"\u0141\u00F3d\u017A",
         "L\xF3"
         "dz"},                // Polish letters fall back to their base
        {u"\u0416", "?"},      // Cyrillic: no fit
        {u"\U0001F600", "?"},  // one character outside the BMP, one "?"
        {u"\xD800x", "?x"},    // unpaired surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToAnsi(c.text), c.bytes);
    }
}

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
    EXPECT_EQ(FromAnsi("\x80\x81\xE9"), u"\u20AC\u0081\u00E9");
}

}  // namespace
}  // namespace vindel
