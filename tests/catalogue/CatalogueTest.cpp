// SPDX-License-Identifier: MIT
#include "catalogue/PortNumberTexts.h"
#include "catalogue/SwitchModels.h"

#include "common/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace vindel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SwitchModels, RowsInProboxOrderWithTextsDerivedFromTheirPortCount) {
    const std::vector<std::u16string_view> names{u"SG300-10", u"SG300-20", u"SG300-28",
                                                 u"SG300-52"};
    const std::vector<int> portCounts{9, 19, 27, 51};
    ASSERT_EQ(SwitchModels.size(), names.size());
    for (std::size_t i = 0; i < SwitchModels.size(); ++i) {
        const SwitchModel& row = SwitchModels[i];
        SCOPED_TRACE(ToUtf8(row.ModelName));
        EXPECT_EQ(row.ModelName, names[i]);
        EXPECT_EQ(row.PortCount, portCounts[i]);
        // Two spaces before "Port"; none after "G".
        EXPECT_EQ(row.PortCountText, DecimalText(row.PortCount) + u"  Port");
        EXPECT_EQ(row.ControlPortText, u"Port G" + DecimalText(row.PortCount + 1));
        EXPECT_EQ(row.FrontPicture, std::u16string(row.ModelName) + u".png");
    }
}

TEST(SwitchModels, LookUpByIndexOnlyInsideTheTable) {
    const struct {
        int index;
        std::optional<std::size_t> row;
    } cases[] = {{0, 0}, {3, 3}, {-1, std::nullopt}, {4, std::nullopt}, {INT_MIN, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(FindModelByIndex(c.index), c.row ? &SwitchModels[*c.row] : nullptr);
    }
}

TEST(SwitchModels, LookUpByNameIsExact) {
    const struct {
        std::u16string_view name;
        std::optional<std::size_t> row;
    } cases[] = {
        {u"SG300-10", 0},
        {u"SG300-52", 3},
        {u"sg300-28", std::nullopt},
        {u"SG300-28 ", std::nullopt},
        {u" SG300-28", std::nullopt},
        {u"SG300-2", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        EXPECT_EQ(FindModelByName(c.name), c.row ? &SwitchModels[*c.row] : nullptr);
    }
}

TEST(PortNumberTexts, EntryKReadsKPlusOneWithoutPadding) {
    const auto& texts = PortNumberTexts();
    ASSERT_EQ(texts.size(), 60u);
    EXPECT_EQ(texts[0], u"1");
    EXPECT_EQ(texts[8], u"9");
    EXPECT_EQ(texts[9], u"10");
    EXPECT_EQ(texts[59], u"60");
    for (std::size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(texts[k], DecimalText(static_cast<long long>(k) + 1));
    }
}

TEST(PortNumberTexts, CountBoxChoicesAreTheFirstNEntries) {
    EXPECT_THAT(FirstPortNumberTexts(9),
                ElementsAre(u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"));
    EXPECT_THAT(FirstPortNumberTexts(0), IsEmpty());
    EXPECT_THAT(FirstPortNumberTexts(-1), IsEmpty());
    EXPECT_EQ(FirstPortNumberTexts(51).back(), u"51");
    EXPECT_EQ(FirstPortNumberTexts(61).size(), 60u);
}

}  // namespace
}  // namespace vindel
