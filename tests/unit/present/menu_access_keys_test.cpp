#include "present/menu_access_keys.h"

#include <gtest/gtest.h>

TEST(MenuAccessKeys, ItemsWithoutAMarkedKeyAnswerToTheirFirstFreeLetter) {
    const std::vector<std::u16string> file = {u"&Add Folder",
                                              u"&Remove Selected Folders",
                                              u"R&emove All Folders",
                                              u"&Undo Remove",
                                              u"",
                                              u"Find &Hidden Folders...",
                                              u"",
                                              u"Exit"};
    const std::vector<std::u16string> action = {u"&Show Selected Folders",
                                                u"Show &All Folders",
                                                u"",
                                                u"&Hide Selected Folders",
                                                u"Hide All &Folders",
                                                u"",
                                                u"Select All",
                                                u"Deselect All"};
    struct Case {
        const std::vector<std::u16string>* menu;
        char16_t key;
        int expected;
    };
    const Case cases[] = {
        {&file, u'x', 7},    // E is R&emove's: Exit takes its next letter
        {&file, u'X', 7},    // either case
        {&file, u'e', -1},   // a marked key is the system's to handle
        {&file, u'i', -1},   // Exit's letter is X, not any later one
        {&action, u'e', 6},  // Select All: S is &Show's
        {&action, u'd', 7},  // Deselect All
        {&action, u'l', -1}, {&action, u'\0', -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImpliedAccessKeyItem(*c.menu, c.key), c.expected) << static_cast<int>(c.key);
    }
    EXPECT_EQ(ImpliedAccessKeyItem({u"View Options"}, u'v'), 0);
    EXPECT_EQ(ImpliedAccessKeyItem({u"About This Software"}, u'A'), 0);
    EXPECT_EQ(ImpliedAccessKeyItem({u"Fish && Chips", u"&Fork"}, u'i'), 0);  // && is no mark
    EXPECT_EQ(ImpliedAccessKeyItem({}, u'a'), -1);
}
