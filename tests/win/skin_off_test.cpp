// With the skin switched off, windows keep the system's look and the skin engine is never made,
// not even at shutdown. A process of its own, so that nothing else has made the engine.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "present/about_window_win.h"
#include "present/control_colors_win.h"
#include "present/product_info_win.h"
#include "present/skin_controls_win.h"
#include "present/skin_engine_win.h"
#include "present/skin_form_win.h"
#include "present/skin_frame_win.h"
#include "present/skin_win.h"

TEST(SkinOff, WindowsKeepTheStandardLookAndNoEngineIsMade) {
    ProductInfo info = LoadProductInfo();
    info.skinEnabled = false;
    const Skin skin(BuiltInSkinPalette());
    gSkin = &skin;  // even with a skin at hand, a window with skinning off does not use it

    AboutWindow about(info);
    ASSERT_TRUE(about.Create(nullptr));
    const HWND window = about.Handle();
    EXPECT_FALSE(HasSkinFrame(window));
    EXPECT_EQ(::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    int plainLabels = 0;
    int skinLabels = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const ControlKind kind = KindOfControl(child);
        plainLabels += kind == ControlKind::Label;
        skinLabels += kind == ControlKind::SkinLabel;
        EXPECT_FALSE(ControlBackColor(child).has_value());
        EXPECT_FALSE(HasSkinLook(child));
    }
    // Four plain labels, left uncovered; the four designed skin labels and the template.
    EXPECT_EQ(plainLabels, 4);
    EXPECT_EQ(skinLabels, 5);
    ::DestroyWindow(window);

    StopSkinEngine(info.skinEnabled);
    EXPECT_FALSE(SkinEngine::Exists());
    gSkin = nullptr;
}
