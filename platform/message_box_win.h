#pragma once
// Real modal message boxes for the logic's questions.

#include <windows.h>

#include "platform/prompter.h"

class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    HWND Owner() const { return m_owner; }

    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override;

private:
    HWND m_owner;
};
