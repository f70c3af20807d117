#include "platform/dialog_win.h"

#include "platform/callback_guard_win.h"

Dialog::~Dialog() {
    Destroy();
}

bool Dialog::CreateModeless(int templateId, HWND owner) {
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                                StaticDialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::RunModal(int templateId, HWND owner) {
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                             StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

void Dialog::EndModal(INT_PTR result) {
    ::EndDialog(m_hwnd, result);
}

void Dialog::Destroy() {
    if (m_hwnd) {
        ::DestroyWindow(m_hwnd);
    }
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->m_hwnd = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) {
        return FALSE;
    }
    const INT_PTR result = GuardCallback(
        "a dialog procedure", [&] { return self->HandleMessage(message, wParam, lParam); },
        [] { return INT_PTR{FALSE}; });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}
