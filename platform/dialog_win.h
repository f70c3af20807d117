#pragma once
// Base class of the dialogs made from templates: the dialog procedure finds the
// object through DWLP_USER and hands the message to HandleMessage.

#include <windows.h>

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND Handle() const { return m_hwnd; }
    bool CreateModeless(int templateId, HWND owner);
    // Shows the dialog with `owner` disabled until it ends; the result is EndModal's.
    INT_PTR RunModal(int templateId, HWND owner);
    void EndModal(INT_PTR result);
    void Destroy();

protected:
    // Returns TRUE when the message was handled, as a dialog procedure does.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};
