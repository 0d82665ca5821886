// SPDX-License-Identifier: MIT
#include "common/Text.h"

#include <gtest/gtest.h>

namespace vindel {
namespace {

TEST(Text, StrictUtf8RejectsEveryMalformedForm) {
    EXPECT_EQ(DecodeUtf8Strict("a\xC3\xA9\xF0\x9F\x98\x80"), u"a\u00E9\U0001F600");
    const char* invalid[] = {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                             "\xFF", "a\x80"};
    for (const char* bytes : invalid) {
        EXPECT_FALSE(DecodeUtf8Strict(bytes).has_value()) << bytes;
    }
}

TEST(Text, Utf8RoundTrip) {
    const std::u16string text = u"Gr\u00FC\u00DFe \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

}  // namespace
}  // namespace vindel
