#pragma once
// The skin engine: once started, it gives the program's message boxes the skin too, since the
// system makes those windows and no load of ours runs for them.

#include <windows.h>

#include "platform/unique_resource_win.h"

class Skin;

class SkinEngine {
public:
    // The one engine, made on first use.
    static SkinEngine& Instance();
    // Whether the engine was ever made in this run.
    static bool Exists();

    void HandSkin(const Skin& skin);
    void Start();
    void Stop();
    bool Running() const { return static_cast<bool>(m_hook); }

private:
    SkinEngine() = default;
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    // Puts the message box watch on each top-level dialog as it is made.
    static LRESULT WatchNewDialogs(int code, WPARAM wParam, LPARAM lParam);

    const Skin* m_skin = nullptr;
    UniqueHook m_hook;
};

// The start-up steps: make the engine if needed, hand it the skin, start it.
void StartSkinEngine(const Skin& skin);
// The shutdown step: with the skin on, make the engine if needed and stop it. With the skin
// off the engine is never made.
void StopSkinEngine(bool skinEnabled);
