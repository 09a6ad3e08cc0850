#include "ActionTable.h"
#include "ExpectedActions.h"

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

TEST(ActionTableTest, EveryActionHasItsCaptionHintIconAndShortcuts) {
    ASSERT_EQ(ActionTable.size(), ExpectedActions().size());
    for (std::size_t i = 0; i < ActionTable.size(); ++i) {
        const TActionInfo& info = ActionTable[i];
        const TExpectedAction& expected = ExpectedActions()[i];
        SCOPED_TRACE(expected.Name);
        EXPECT_EQ(static_cast<std::size_t>(info.Id), i);
        EXPECT_STREQ(info.Name, expected.Name);
        EXPECT_STREQ(info.Category, expected.Category);
        EXPECT_STREQ(info.Caption, expected.Caption);
        EXPECT_STREQ(info.Hint, expected.Hint);
        EXPECT_EQ(info.Icon, expected.Icon);
        EXPECT_EQ(ActionShortcuts(info), expected.Shortcuts);
        EXPECT_LT(info.Icon, ActionIconCount);
    }
}

TEST(ActionTableTest, EveryIconIndexIsUsedOnce) {
    QList<int> icons;
    for (const TActionInfo& info : ActionTable)
        if (info.Icon >= 0)
            icons << info.Icon;
    std::sort(icons.begin(), icons.end());
    QList<int> all;
    for (int i = 0; i < ActionIconCount; ++i)
        all << i;
    EXPECT_EQ(icons, all);
}

TEST(ActionTableTest, RulesEnableTheActionsOfEachSituation) {
    for (const TExpectedRule& rule : ExpectedRules()) {
        SCOPED_TRACE(rule.Situation);
        for (const TActionInfo& info : ActionTable)
            EXPECT_EQ(IsActionEnabled(info.Rule, rule.State),
                      rule.Enabled.contains(QString::fromLatin1(info.Name)))
                << info.Name;
    }
}

TEST(ActionTableTest, HintsSplitIntoShortAndLongParts) {
    const struct {
        const char* Hint;
        const char* Short;
        const char* Long;
        const char* Panel;
    } cases[] = {
        {"Process files from the list", "Process files from the list",
         "Process files from the list", " Process files from the list"},
        {"Add|Add file(s) to the list ", "Add", "Add file(s) to the list ",
         " Add file(s) to the list "},
        {"Tip|", "Tip", "", " "},
        {"|Only long", "", "Only long", " Only long"},
        {"a|b|c", "a", "b|c", " b|c"},
        {"", "", "", " "},
    };
    for (const auto& c : cases) {
        const QString hint = QString::fromLatin1(c.Hint);
        EXPECT_EQ(GetShortHint(hint), QString::fromLatin1(c.Short)) << c.Hint;
        EXPECT_EQ(GetLongHint(hint), QString::fromLatin1(c.Long)) << c.Hint;
        EXPECT_EQ(HintPanelText(hint), QString::fromLatin1(c.Panel)) << c.Hint;
    }
}

} // namespace
