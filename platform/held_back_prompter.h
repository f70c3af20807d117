#pragma once
// Messages of a start that must show nothing (stealth mode): nothing appears while the program
// is meant to be invisible. A yes-or-no question gets the answer the caller knows to be safe,
// and every message is shown through the real prompter once the window is, with a word on how
// a question was answered.

#include <string>
#include <vector>

#include "platform/prompter.h"

class HeldBackPrompter final : public Prompter {
public:
    // `yesNoAnswer`: the answer that loses nothing, for the questions this start may ask.
    HeldBackPrompter(PromptAnswer yesNoAnswer, std::string productName)
        : m_yesNoAnswer(yesNoAnswer), m_productName(std::move(productName)) {}

    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override;

    bool HoldsAny() const { return !m_held.empty(); }
    // Shows what was held back, in order, each once.
    void TellHeldBack(Prompter& prompter);

private:
    struct Held {
        std::string text;
        std::string title;
        PromptIcon icon;
    };
    PromptAnswer m_yesNoAnswer;
    std::string m_productName;
    std::vector<Held> m_held;
};
