#include "platform/message_box_win.h"

#include "platform/text_win.h"

namespace {

UINT ButtonStyle(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return MB_OKCANCEL;
        case PromptButtons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
        case PromptButtons::YesNo:
            return MB_YESNO;
        case PromptButtons::Ok:
            break;
    }
    return MB_OK;
}

UINT IconStyle(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return MB_ICONINFORMATION;
        case PromptIcon::Warning:
            return MB_ICONWARNING;
        case PromptIcon::Error:
            return MB_ICONERROR;
        case PromptIcon::Question:
            return MB_ICONQUESTION;
        case PromptIcon::None:
            break;
    }
    return 0;
}

PromptAnswer AnswerOf(int result) {
    switch (result) {
        case IDOK:
            return PromptAnswer::Ok;
        case IDABORT:
            return PromptAnswer::Abort;
        case IDRETRY:
            return PromptAnswer::Retry;
        case IDIGNORE:
            return PromptAnswer::Ignore;
        case IDYES:
            return PromptAnswer::Yes;
        case IDNO:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;  // also a box closed without a button
    }
}

}  // namespace

PromptAnswer MessageBoxPrompter::Ask(const std::string& text,
                                     const std::string& title,
                                     PromptButtons buttons,
                                     PromptIcon icon) {
    // Without an owner the box must still hold every window of the program, not float free.
    const UINT modality = m_owner ? MB_APPLMODAL : MB_TASKMODAL;
    return AnswerOf(::MessageBoxW(m_owner, Widen(text).c_str(), Widen(title).c_str(),
                                  ButtonStyle(buttons) | IconStyle(icon) | modality));
}
