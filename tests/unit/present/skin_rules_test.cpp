#include "present/skin_rules.h"

#include <gtest/gtest.h>

TEST(SkinRules, ColoursEachKindOfControlByTheTable) {
    const SkinColours skin{0x00F0F0F0, 0x00303030, 0x00E0E8EA};
    struct Case {
        const char* typeName;
        ControlColours expected;
    };
    const Case cases[] = {
        // A button's text colour is never changed.
        {"CommandButton", {skin.back, std::nullopt}},
        {"TextBox", {skin.back, skin.text}},
        {"ComboBox", {skin.back, skin.text}},
        {"FileListBox", {skin.back, skin.text}},
        {"DirListBox", {skin.back, skin.text}},
        {"DriveListBox", {skin.back, skin.text}},
        {"ListBox", {skin.back, skin.text}},
        {"ListView", {skin.back, skin.text}},
        {"PictureBox", {skin.panel, std::nullopt}},
        {"Label", {}},
        {"SkinLabel", {}},
        {"CheckBox", {}},
        {"Frame", {}},
        {"StatusBar", {}},
        {"WebBrowser", {}},
        {"Timer", {}},
        {"", {}},
        {"listview", {}},  // type names are compared exactly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typeName);
        EXPECT_EQ(ColoursForControl(c.typeName, skin), c.expected);
    }
}

TEST(SkinRules, ReplacesOnlyPlainLabelsBesideTheTemplate) {
    constexpr std::uintptr_t kWindow = 1, kFrame = 2, kPicture = 3;
    struct Case {
        const char* name;
        std::vector<ControlOnWindow> controls;
        std::uintptr_t templateContainer;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {"no labels at all, as on the main window",
         {{"CommandButton", kWindow}, {"ListView", kWindow}, {"SkinLabel", kWindow}},
         kWindow,
         {}},
        {"four labels on the window, in window order",
         {{"Label", kWindow},
          {"SkinLabel", kWindow},
          {"Label", kWindow},
          {"PictureBox", kWindow},
          {"Label", kWindow},
          {"Label", kWindow}},
         kWindow,
         {0, 2, 4, 5}},
        {"labels in another frame or picture box stay plain",
         {{"Label", kFrame}, {"Label", kPicture}, {"Label", kWindow}},
         kFrame,
         {0}},
        {"skin labels are never replaced", {{"SkinLabel", kFrame}}, kFrame, {}},
        {"empty window", {}, kWindow, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LabelsToReplace(c.controls, c.templateContainer), c.expected);
    }
}
