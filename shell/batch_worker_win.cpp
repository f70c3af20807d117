#include "shell/batch_worker_win.h"

namespace {

// How often the window's thread fetches the steps' outcomes while they run.
constexpr UINT kFetchEveryMs = 50;

}  // namespace

// The steps' prompter: each question goes to the window's thread and waits for its answer.
class BatchWorker::AskingPrompter final : public Prompter {
public:
    explicit AskingPrompter(BatchWorker& worker) : m_worker(worker) {}
    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override {
        return m_worker.AskFromWorker(text, title, buttons, icon);
    }

private:
    BatchWorker& m_worker;
};

BatchWorker::~BatchWorker() {
    RequestStop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void BatchWorker::Attach(HWND window, UINT message, UINT_PTR timerId) {
    m_window = window;
    m_message = message;
    m_timerId = timerId;
}

void BatchWorker::Start(std::size_t count,
                        BatchRunner::Step step,
                        BatchRunner::Applied applied,
                        BatchRunner::Finished finished) {
    m_applied = std::move(applied);
    m_finished = std::move(finished);
    {
        const std::lock_guard lock(m_mutex);
        m_stop = false;
        m_ended = false;
        m_outcomes.clear();
        m_question.reset();
    }
    m_active = true;
    ::SetTimer(m_window, m_timerId, kFetchEveryMs, nullptr);
    m_thread = std::thread([this, count, step = std::move(step)] { Work(count, step); });
}

void BatchWorker::RequestStop() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_answered.notify_all();
}

void BatchWorker::Work(std::size_t count, const BatchRunner::Step& step) {
    AskingPrompter prompter(*this);
    for (std::size_t index = 0; index < count && !m_stop; ++index) {
        bool outcome = false;
        try {
            outcome = step(index, prompter);
        } catch (...) {
            m_stop = true;  // nothing more is tried; this folder counts as not done
        }
        const std::lock_guard lock(m_mutex);
        m_outcomes.emplace_back(index, outcome);
    }
    const std::lock_guard lock(m_mutex);
    m_ended = true;
    PostNews();
}

void BatchWorker::PostNews() {
    if (!m_newsPosted) {
        m_newsPosted = true;
        ::PostMessageW(m_window, m_message, 0, 0);
    }
}

PromptAnswer BatchWorker::AskFromWorker(const std::string& text,
                                        const std::string& title,
                                        PromptButtons buttons,
                                        PromptIcon icon) {
    auto question = std::make_shared<Question>();
    question->text = text;
    question->title = title;
    question->buttons = buttons;
    question->icon = icon;
    std::unique_lock lock(m_mutex);
    if (m_stop) {
        return UnansweredAnswer(buttons);
    }
    m_question = question;
    m_questionTaken = false;
    PostNews();
    m_answered.wait(lock, [&] { return question->answered || m_stop; });
    m_question.reset();
    return question->answered ? question->answer : UnansweredAnswer(buttons);
}

void BatchWorker::OnMessage() {
    std::vector<std::pair<std::size_t, bool>> outcomes;
    std::shared_ptr<Question> question;
    bool ended = false;
    {
        const std::lock_guard lock(m_mutex);
        m_newsPosted = false;
        outcomes = std::exchange(m_outcomes, {});
        if (m_question && !m_questionTaken) {
            question = m_question;
            m_questionTaken = true;
        }
        ended = m_ended;
    }
    ApplyOutcomes(std::move(outcomes));
    if (question) {
        // The box runs its own loop meanwhile, as any box does; the steps wait for it.
        const PromptAnswer answer =
            m_prompter.Ask(question->text, question->title, question->buttons, question->icon);
        {
            const std::lock_guard lock(m_mutex);
            question->answer = answer;
            question->answered = true;
        }
        m_answered.notify_all();
    }
    if (ended) {
        End();
    }
}

void BatchWorker::ApplyOutcomes(std::vector<std::pair<std::size_t, bool>> outcomes) {
    for (const auto& [index, outcome] : outcomes) {
        if (m_applied) {
            m_applied(index, outcome);
        }
    }
}

void BatchWorker::FinishNow() {
    if (!m_active) {
        return;
    }
    RequestStop();
    m_thread.join();
    std::vector<std::pair<std::size_t, bool>> outcomes;
    {
        const std::lock_guard lock(m_mutex);
        outcomes = std::exchange(m_outcomes, {});
    }
    ApplyOutcomes(std::move(outcomes));
    End();
}

void BatchWorker::End() {
    if (!m_active) {
        return;  // ended already, by an earlier message
    }
    m_active = false;
    if (m_thread.joinable()) {
        m_thread.join();  // it has taken its last step and only returns now
    }
    ::KillTimer(m_window, m_timerId);
    m_applied = nullptr;
    if (auto finished = std::exchange(m_finished, nullptr)) {
        finished();
    }
}
