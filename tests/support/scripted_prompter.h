#pragma once
// Answers message boxes from a script and remembers what was shown.

#include <deque>
#include <string>
#include <vector>

#include "platform/prompter.h"

struct ShownPrompt {
    std::string text;
    std::string title;
    PromptButtons buttons;
    PromptIcon icon;
};

class ScriptedPrompter final : public Prompter {
public:
    // Answers given in order; once they run out every box is answered with OK.
    std::deque<PromptAnswer> answers;
    std::vector<ShownPrompt> shown;

    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        if (answers.empty()) {
            return PromptAnswer::Ok;
        }
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
