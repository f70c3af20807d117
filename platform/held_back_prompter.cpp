#include "platform/held_back_prompter.h"

#include <utility>

PromptAnswer HeldBackPrompter::Ask(const std::string& text,
                                   const std::string& title,
                                   PromptButtons buttons,
                                   PromptIcon icon) {
    PromptAnswer answer = PromptAnswer::Ok;
    std::string told = text;
    switch (buttons) {
        case PromptButtons::Ok:
            break;
        case PromptButtons::YesNo:
            answer = m_yesNoAnswer;
            told += "\r\n\r\n" + m_productName + " started in stealth mode, so this was answered " +
                    (answer == PromptAnswer::Yes ? "Yes." : "No.");
            icon = PromptIcon::Information;
            break;
        case PromptButtons::OkCancel:
        case PromptButtons::AbortRetryIgnore:
            // Nothing at a start asks these; whatever might, nothing is risked.
            answer =
                buttons == PromptButtons::OkCancel ? PromptAnswer::Cancel : PromptAnswer::Abort;
            break;
    }
    m_held.push_back({std::move(told), title, icon});
    return answer;
}

void HeldBackPrompter::TellHeldBack(Prompter& prompter) {
    for (const Held& held : std::exchange(m_held, {})) {
        prompter.Ask(held.text, held.title, PromptButtons::Ok, held.icon);
    }
}
