#include "present/skin_engine_win.h"

#include "platform/callback_guard_win.h"

#include <commctrl.h>

#include <memory>

#include "present/control_colors_win.h"
#include "present/skin_form_win.h"
#include "present/skin_frame_win.h"
#include "present/skin_win.h"

namespace {

std::unique_ptr<SkinEngine>& TheEngine() {
    static std::unique_ptr<SkinEngine> engine;
    return engine;
}

constexpr UINT_PTR kDialogWatchId = 0x4D454E31;  // "MEN1"
// A message box's text control: the same identifier on every Windows version.
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsMessageBox(HWND dialog) {
    const HWND text = ::GetDlgItem(dialog, kMessageBoxTextId);
    return text && KindOfControl(text) == ControlKind::Label;
}

LRESULT CALLBACK DialogWatchProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// Waits for the dialog's controls to exist, then skins it if it is a message box.
LRESULT WatchDialog(HWND dialog,
                    UINT message,
                    WPARAM wParam,
                    LPARAM lParam,
                    UINT_PTR id,
                    DWORD_PTR data) {
    if (message == WM_INITDIALOG) {
        const LRESULT result = ::DefSubclassProc(dialog, message, wParam, lParam);
        ::RemoveWindowSubclass(dialog, DialogWatchProc, id);
        const auto* skin = reinterpret_cast<const Skin*>(data);
        if (skin && IsMessageBox(dialog)) {
            const auto back = skin->Colour(2), text = skin->Colour(3), panel = skin->Colour(4);
            ColorControls(dialog, *back, *text, *panel);
            ApplySkin(dialog, *skin);
        }
        return result;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(dialog, DialogWatchProc, id);
    }
    return ::DefSubclassProc(dialog, message, wParam, lParam);
}

LRESULT CALLBACK DialogWatchProc(HWND dialog,
                                 UINT message,
                                 WPARAM wParam,
                                 LPARAM lParam,
                                 UINT_PTR id,
                                 DWORD_PTR data) {
    return GuardSubclassProc("the message box watch", WatchDialog, dialog, message, wParam, lParam,
                             id, data);
}

}  // namespace

SkinEngine& SkinEngine::Instance() {
    auto& engine = TheEngine();
    if (!engine) {
        engine.reset(new SkinEngine);
    }
    return *engine;
}

bool SkinEngine::Exists() {
    return TheEngine() != nullptr;
}

void SkinEngine::HandSkin(const Skin& skin) {
    m_skin = &skin;
}

void SkinEngine::Start() {
    if (m_hook || !m_skin) {
        return;
    }
    m_hook.Reset(::SetWindowsHookExW(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId()));
}

void SkinEngine::Stop() {
    m_hook.Reset();
}

LRESULT SkinEngine::WatchNewDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        const HWND window = reinterpret_cast<HWND>(wParam);
        // Dialogs of the system's own dialog class; our template dialogs are skinned by
        // their load and are left alone by the watch, which only takes message boxes.
        wchar_t className[16] = {};
        ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
        if (create && create->lpcs && !(create->lpcs->style & WS_CHILD) &&
            ::lstrcmpW(className, L"#32770") == 0) {
            ::SetWindowSubclass(window, DialogWatchProc, kDialogWatchId,
                                reinterpret_cast<DWORD_PTR>(Instance().m_skin));
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SkinEngine::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    return GuardHookProc("the skin's window hook", WatchNewDialogs, code, wParam, lParam);
}

void StartSkinEngine(const Skin& skin) {
    SkinEngine& engine = SkinEngine::Instance();
    engine.HandSkin(skin);
    engine.Start();
}

void StopSkinEngine(bool skinEnabled) {
    if (skinEnabled) {
        SkinEngine::Instance().Stop();
    }
}
