// The guarded callbacks: an exception in a callback's body never reaches the system; the message
// gets the default answer and the window goes on working.

#include "platform/callback_guard_win.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/unique_resource_win.h"

namespace {

constexpr UINT kAnswerMessage = WM_APP + 7;  // the bodies answer it themselves
constexpr LRESULT kBodyAnswer = 42;

LRESULT ThrowingOnTextLength(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) {
        throw std::runtime_error("the body failed");
    }
    if (message == kAnswerMessage) {
        return kBodyAnswer;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK GuardedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProc("a test window", ThrowingOnTextLength, window, message, wParam, lParam);
}

LRESULT ThrowingSubclassBody(HWND window,
                             UINT message,
                             WPARAM wParam,
                             LPARAM lParam,
                             UINT_PTR,
                             DWORD_PTR) {
    if (message == WM_GETTEXTLENGTH) {
        throw std::runtime_error("the subclass failed");
    }
    if (message == kAnswerMessage) {
        return kBodyAnswer;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK GuardedSubclass(HWND window,
                                 UINT message,
                                 WPARAM wParam,
                                 LPARAM lParam,
                                 UINT_PTR id,
                                 DWORD_PTR data) {
    return GuardSubclassProc("a test subclass", ThrowingSubclassBody, window, message, wParam,
                             lParam, id, data);
}

int gHookCalls = 0;

LRESULT ThrowingHookBody(int, WPARAM, LPARAM) {
    ++gHookCalls;
    throw std::runtime_error("the hook failed");
}

LRESULT CALLBACK GuardedHook(int code, WPARAM wParam, LPARAM lParam) {
    return GuardHookProc("a test hook", ThrowingHookBody, code, wParam, lParam);
}

class CallbackGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = GuardedWindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"MurkwellGuardTest";
        ::RegisterClassExW(&windowClass);
    }
    void TearDown() override {
        for (const HWND window : {m_guarded, m_edit}) {
            if (window) {
                ::DestroyWindow(window);
            }
        }
    }

    HWND m_guarded = nullptr;
    HWND m_edit = nullptr;
};

}  // namespace

TEST_F(CallbackGuardTest, AFailingWindowProcedureGivesTheDefaultAnswer) {
    m_guarded = ::CreateWindowExW(0, L"MurkwellGuardTest", L"abc", WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_guarded, nullptr);
    // DefWindowProc's answer: the caption's length.
    EXPECT_EQ(::SendMessageW(m_guarded, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(::SendMessageW(m_guarded, kAnswerMessage, 0, 0), kBodyAnswer);
    EXPECT_EQ(::SendMessageW(m_guarded, WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(CallbackGuardTest, AFailingSubclassLeavesTheAnswerToTheControlUnderIt) {
    m_edit = ::CreateWindowExW(0, L"EDIT", L"abcdef", WS_OVERLAPPED, 0, 0, 100, 30, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_edit, nullptr);
    ASSERT_TRUE(::SetWindowSubclass(m_edit, GuardedSubclass, 1, 0));
    EXPECT_EQ(::SendMessageW(m_edit, WM_GETTEXTLENGTH, 0, 0), 6);  // the edit control's answer
    EXPECT_EQ(::SendMessageW(m_edit, kAnswerMessage, 0, 0), kBodyAnswer);
    // Still working after the failure: the edit control takes new text.
    ::SetWindowTextW(m_edit, L"xy");
    EXPECT_EQ(::SendMessageW(m_edit, WM_GETTEXTLENGTH, 0, 0), 2);
    ::RemoveWindowSubclass(m_edit, GuardedSubclass, 1);
}

TEST_F(CallbackGuardTest, AFailingHookLetsTheMessageGoOn) {
    m_guarded = ::CreateWindowExW(0, L"MurkwellGuardTest", L"abc", WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_guarded, nullptr);
    UniqueHook hook(
        ::SetWindowsHookExW(WH_GETMESSAGE, GuardedHook, nullptr, ::GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    gHookCalls = 0;
    ::PostMessageW(m_guarded, kAnswerMessage, 0, 0);
    MSG message{};
    const BOOL got = ::GetMessageW(&message, m_guarded, kAnswerMessage, kAnswerMessage);
    hook.Reset();
    ASSERT_EQ(got, TRUE);
    EXPECT_GE(gHookCalls, 1);  // the hook ran and failed
    EXPECT_EQ(message.message, kAnswerMessage);
    EXPECT_EQ(::DispatchMessageW(&message), kBodyAnswer);
}
