#pragma once
// What a subclass keeps for each window it is attached to. The table owns it and lets it go when
// the subclass forgets the window (at WM_NCDESTROY). Keep one table a thread: a window's messages
// come on the thread that made it, so no lock is needed.

#include <windows.h>

#include <memory>
#include <unordered_map>

template <typename State>
class WindowStates {
public:
    State& Adopt(HWND window, std::unique_ptr<State> state) {
        auto& slot = m_states[window];
        slot = std::move(state);
        return *slot;
    }

    // Null when the window has none: not attached, or already gone.
    State* Find(HWND window) const {
        const auto found = m_states.find(window);
        return found == m_states.end() ? nullptr : found->second.get();
    }

    void Forget(HWND window) { m_states.erase(window); }

private:
    std::unordered_map<HWND, std::unique_ptr<State>> m_states;
};
