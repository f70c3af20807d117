#pragma once
// The start-up window: decides between a stealth start, a start behind the password
// and a normal one, pauses, then has the main window created. It stays loaded, hidden, for the
// whole run.

#include <functional>

#include "platform/window_win.h"
#include "present/product_info.h"
#include "present/skin_win.h"
#include "protect/guarded_window.h"
#include "shell/startup_pause.h"

class SplashWindow final : public Window, public GuardedWindow {
public:
    // `prepareMainWindow` runs early in the pause, `createMainWindow` when it is over.
    SplashWindow(std::function<void()> prepareMainWindow, std::function<void()> createMainWindow)
        : m_prepareMainWindow(std::move(prepareMainWindow)),
          m_createMainWindow(std::move(createMainWindow)) {}

    bool Create(const ProductInfo& productInfo);

    HWND WindowHandle() const override { return Handle(); }
    // The skin of every window of the program, loaded with this window.
    const Skin& SkinControl() const { return m_skin; }
    // Continues start-up after the decision, or after the right password.
    void ResumeStart() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& area) const;

    std::function<void()> m_prepareMainWindow;
    std::function<void()> m_createMainWindow;
    bool m_prepared = false;
    Skin m_skin{BuiltInSkinPalette()};
    const ProductInfo* m_productInfo = nullptr;
    StartupPause m_pause;
    long long m_pauseStart = 0;
};
