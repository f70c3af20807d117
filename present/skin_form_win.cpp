#include "present/skin_form_win.h"

#include <commctrl.h>

#include <vector>

#include "platform/text_win.h"
#include "platform/window_win.h"
#include "present/control_colors_win.h"
#include "present/high_contrast_win.h"
#include "present/skin_controls_win.h"
#include "present/skin_frame_win.h"
#include "present/skin_label_win.h"
#include "present/skin_rules.h"
#include "present/skin_win.h"

namespace {

int HighestSkinLabelId(const std::vector<HWND>& controls) {
    int highest = kSkinLabelTemplateId;
    for (const HWND control : controls) {
        if (WindowClassOf(control) == kSkinLabelClass) {
            highest = std::max(highest, ::GetDlgCtrlID(control));
        }
    }
    return highest;
}

}  // namespace

void ApplySkin(HWND window, const Skin& skin) {
    for (const HWND child : ControlsOf(window)) {
        AttachSkinControl(child, skin);
    }
    AttachSkinFrame(window, skin);
}

void SkinForm(HWND window) {
    if (!gSkin) {
        return;  // the start-up window holds the skin; without it there is nothing to apply
    }
    const auto back = gSkin->Colour(2);
    const auto text = gSkin->Colour(3);
    const auto panel = gSkin->Colour(4);
    if (!back || !text || !panel) {
        return;
    }
    ColorControls(window, *back, *text, *panel);
    for (const HWND control : ControlsOf(window)) {
        if (KindOfControl(control) == ControlKind::ListView) {
            FollowContrast(control);
        }
    }
    ApplySkin(window, *gSkin);
}

void ReplaceLabels(HWND window) {
    const HWND templateLabel = ::GetDlgItem(window, kSkinLabelTemplateId);
    const HWND templateContainer = templateLabel ? ::GetParent(templateLabel) : nullptr;
    if (!templateContainer) {
        return;
    }
    const std::vector<HWND> controls = ControlsOf(window);
    std::vector<ControlOnWindow> described;
    described.reserve(controls.size());
    for (const HWND control : controls) {
        described.push_back(
            {KindOfControl(control), reinterpret_cast<std::uintptr_t>(::GetParent(control))});
    }
    int nextId = HighestSkinLabelId(controls) + 1;
    for (const std::size_t index :
         LabelsToReplace(described, reinterpret_cast<std::uintptr_t>(templateContainer))) {
        const HWND label = controls[index];
        RECT rect{};
        ::GetWindowRect(label, &rect);
        ::MapWindowPoints(nullptr, templateContainer, reinterpret_cast<POINT*>(&rect), 2);
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
        const HWND skinLabel =
            CreateSkinLabel(templateContainer, nextId++, TextOfWindow(label), rect,
                            (::GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE) != 0, font);
        // The skin label lies just over the plain one, which must not paint through it, and
        // under whatever lay over the plain one.
        ::SetWindowLongW(label, GWL_STYLE, ::GetWindowLongW(label, GWL_STYLE) | WS_CLIPSIBLINGS);
        const HWND above = ::GetWindow(label, GW_HWNDPREV);
        ::SetWindowPos(skinLabel, above && above != skinLabel ? above : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // Covered, it is hidden too: a screen reader would otherwise meet each caption twice.
        if (::GetWindowLongW(label, GWL_STYLE) & WS_VISIBLE) {  // its window may not show yet
            ::ShowWindow(label, SW_HIDE);
        }
    }
}

HWND CreateSkinLabelTemplate(HWND container, const RECT& rect) {
    return CreateSkinLabel(container, kSkinLabelTemplateId, L"Windowed Label", rect, false,
                           nullptr);
}
