#pragma once
// Takes a long command's steps on a thread of its own. What the steps did is fetched by the
// window's thread on a timer (a message per folder would cost the work a trip to the system
// each); a question a step asks, and the steps' end, come as a posted message at once. The
// window's thread shows the question while the step waits for the answer. The window's own
// message loop is the only one.

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/prompter.h"
#include "vault/batch_runner.h"

class BatchWorker {
public:
    // Questions from the steps are put to `prompter` on the window's thread.
    explicit BatchWorker(Prompter& prompter) : m_prompter(prompter) {}
    ~BatchWorker();
    BatchWorker(const BatchWorker&) = delete;
    BatchWorker& operator=(const BatchWorker&) = delete;

    // The window whose procedure passes `message`, and its timer `timerId`, to OnMessage.
    void Attach(HWND window, UINT message, UINT_PTR timerId);
    // Starts the steps. `applied` and `finished` run in OnMessage, on the window's thread.
    void Start(std::size_t count,
               BatchRunner::Step step,
               BatchRunner::Applied applied,
               BatchRunner::Finished finished);
    bool Running() const { return m_active; }
    // The steps end after the one under way; a question waiting for its answer is dropped.
    void RequestStop();
    // The window's answer to the message: the steps' outcomes applied, a question asked, and
    // once the thread has ended, `finished`.
    void OnMessage();
    // Stops the steps, waits for the thread and applies what it did, without asking anything:
    // for a window that is going away.
    void FinishNow();

private:
    struct Question {
        std::string text;
        std::string title;
        PromptButtons buttons = PromptButtons::Ok;
        PromptIcon icon = PromptIcon::None;
        bool answered = false;
        PromptAnswer answer = PromptAnswer::Ok;
    };
    class AskingPrompter;

    void Work(std::size_t count, const BatchRunner::Step& step);
    PromptAnswer AskFromWorker(const std::string& text,
                               const std::string& title,
                               PromptButtons buttons,
                               PromptIcon icon);
    void PostNews();  // with m_mutex held
    void ApplyOutcomes(std::vector<std::pair<std::size_t, bool>> outcomes);
    void End();

    Prompter& m_prompter;
    HWND m_window = nullptr;
    UINT m_message = 0;
    UINT_PTR m_timerId = 0;
    std::thread m_thread;
    bool m_active = false;  // from Start until `finished` has been called
    std::atomic<bool> m_stop{false};
    BatchRunner::Applied m_applied;
    BatchRunner::Finished m_finished;

    std::mutex m_mutex;  // guards what follows
    std::condition_variable m_answered;
    std::vector<std::pair<std::size_t, bool>> m_outcomes;  // not yet applied
    std::shared_ptr<Question> m_question;                  // waiting for its answer
    bool m_questionTaken = false;                          // being shown on the window's thread
    bool m_ended = false;                                  // the thread has taken its last step
    bool m_newsPosted = false;                             // a message is on its way
};
