#pragma once
// Modal questions and messages, as the logic needs them. The Win32 side shows real message
// boxes; tests of the logic answer them in memory.

#include <string>

enum class PromptButtons { Ok, OkCancel, AbortRetryIgnore, YesNo };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows `text` (UTF-8, lines separated by CR LF) under `title` and waits for an answer.
    virtual PromptAnswer Ask(const std::string& text,
                             const std::string& title,
                             PromptButtons buttons,
                             PromptIcon icon) = 0;
};

// The answer a box gets when no one is there to answer it: OK to a message, and the button that
// refuses to anything that asks.
inline PromptAnswer UnansweredAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return PromptAnswer::Cancel;
        case PromptButtons::AbortRetryIgnore:
            return PromptAnswer::Abort;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
    }
    return PromptAnswer::Cancel;
}
