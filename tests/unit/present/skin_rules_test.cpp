#include "present/skin_rules.h"

#include <gtest/gtest.h>

TEST(SkinRules, ColoursEachKindOfControlByTheTable) {
    const SkinColours skin{0x00F0F0F0, 0x00303030, 0x00E0E8EA};
    struct Case {
        ControlKind kind;
        ControlColours expected;
    };
    const Case cases[] = {
        // A button's text colour is never changed.
        {ControlKind::CommandButton, {skin.back, std::nullopt}},
        {ControlKind::TextBox, {skin.back, skin.text}},
        {ControlKind::ComboBox, {skin.back, skin.text}},
        {ControlKind::FileListBox, {skin.back, skin.text}},
        {ControlKind::DirListBox, {skin.back, skin.text}},
        {ControlKind::DriveListBox, {skin.back, skin.text}},
        {ControlKind::ListBox, {skin.back, skin.text}},
        {ControlKind::ListView, {skin.back, skin.text}},
        {ControlKind::PictureBox, {skin.panel, std::nullopt}},
        {ControlKind::Label, {}},
        {ControlKind::SkinLabel, {}},
        {ControlKind::CheckBox, {}},
        {ControlKind::Frame, {}},
        {ControlKind::StatusBar, {}},
        {ControlKind::WebBrowser, {}},
        {ControlKind::Image, {}},
        {ControlKind::OptionButton, {}},
        {ControlKind::Other, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ControlKindName(c.kind)));
        EXPECT_EQ(ColoursForControl(c.kind, skin), c.expected);
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
         {{ControlKind::CommandButton, kWindow},
          {ControlKind::ListView, kWindow},
          {ControlKind::SkinLabel, kWindow}},
         kWindow,
         {}},
        {"four labels on the window, in window order",
         {{ControlKind::Label, kWindow},
          {ControlKind::SkinLabel, kWindow},
          {ControlKind::Label, kWindow},
          {ControlKind::PictureBox, kWindow},
          {ControlKind::Label, kWindow},
          {ControlKind::Label, kWindow}},
         kWindow,
         {0, 2, 4, 5}},
        {"labels in another frame or picture box stay plain",
         {{ControlKind::Label, kFrame},
          {ControlKind::Label, kPicture},
          {ControlKind::Label, kWindow}},
         kFrame,
         {0}},
        {"skin labels are never replaced", {{ControlKind::SkinLabel, kFrame}}, kFrame, {}},
        {"empty window", {}, kWindow, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LabelsToReplace(c.controls, c.templateContainer), c.expected);
    }
}
