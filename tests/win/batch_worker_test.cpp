// The worker that takes a long command's steps: the steps run on its thread, their outcomes and
// the end come to the window's thread in order, a step's question is asked on the window's
// thread while the step waits, and a stop or a window going away never hangs.

#include "shell/batch_worker_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "tests/support/scripted_prompter.h"

namespace {

constexpr UINT kNewsMessage = WM_APP + 9;
constexpr UINT_PTR kNewsTimer = 3;

// Records on which thread a question was put.
class ThreadNotingPrompter final : public Prompter {
public:
    ScriptedPrompter inner;
    std::vector<DWORD> threads;
    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override {
        threads.push_back(::GetCurrentThreadId());
        return inner.Ask(text, title, buttons, icon);
    }
};

class BatchWorkerTest : public ::testing::Test {
protected:
    ThreadNotingPrompter prompter;
    BatchWorker worker{prompter};
    HWND window = nullptr;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<BatchWorkerTest*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && (message == kNewsMessage || (message == WM_TIMER && wParam == kNewsTimer))) {
            self->worker.OnMessage();
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BatchWorkerTestWindow";
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        worker.Attach(window, kNewsMessage, kNewsTimer);
    }
    void TearDown() override { ::DestroyWindow(window); }

    // The window's own loop, until `done` or ten seconds.
    void RunMessagesUntil(const bool& done) {
        const DWORD start = ::GetTickCount();
        MSG message;
        while (!done && ::GetTickCount() - start < 10000) {
            if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                }
            }
        }
    }
};

}  // namespace

TEST_F(BatchWorkerTest, StepsRunOnTheWorkerAndTheirOutcomesComeBackInOrder) {
    const DWORD windowThread = ::GetCurrentThreadId();
    std::vector<DWORD> stepThreads(200);
    std::vector<std::pair<std::size_t, bool>> applied;
    std::vector<DWORD> appliedThreads;
    bool finished = false;
    worker.Start(
        200,
        [&](std::size_t index, Prompter& stepPrompter) {
            stepThreads[index] = ::GetCurrentThreadId();
            if (index == 7) {  // a failure the step tells about
                stepPrompter.Ask("Error 53", "Error", PromptButtons::Ok, PromptIcon::None);
            }
            ::Sleep(index % 50 == 0 ? 20 : 0);
            return index % 3 != 0;
        },
        [&](std::size_t index, bool outcome) {
            applied.emplace_back(index, outcome);
            appliedThreads.push_back(::GetCurrentThreadId());
        },
        [&] { finished = true; });
    RunMessagesUntil(finished);

    ASSERT_TRUE(finished);
    EXPECT_FALSE(worker.Running());
    ASSERT_EQ(applied.size(), 200u);
    for (std::size_t i = 0; i < applied.size(); ++i) {
        EXPECT_EQ(applied[i], std::make_pair(i, i % 3 != 0)) << i;
        EXPECT_NE(stepThreads[i], windowThread) << i;
    }
    for (const DWORD thread : appliedThreads) {
        EXPECT_EQ(thread, windowThread);
    }
    ASSERT_EQ(prompter.threads.size(), 1u);
    EXPECT_EQ(prompter.threads[0], windowThread);
    EXPECT_EQ(prompter.inner.shown[0].text, "Error 53");
}

TEST_F(BatchWorkerTest, AStopEndsTheStepsAfterTheOneUnderWayAndDropsAWaitingQuestion) {
    std::atomic<std::size_t> taken{0};
    std::size_t applied = 0;
    bool finished = false;
    worker.Start(
        100000,
        [&](std::size_t, Prompter&) {
            ++taken;
            ::Sleep(1);
            return true;
        },
        [&](std::size_t, bool) { ++applied; }, [&] { finished = true; });
    while (taken < 20) {
        ::Sleep(1);
    }
    worker.RequestStop();
    RunMessagesUntil(finished);
    EXPECT_TRUE(finished);
    EXPECT_LT(taken.load(), 100000u);
    EXPECT_EQ(applied, taken.load());  // every step taken is applied, none after the stop

    // A step waiting for an answer when the window goes away: it is let go, and what was done
    // is applied before FinishNow returns, with no message loop at all.
    std::atomic<bool> asking{false};
    std::vector<std::pair<std::size_t, bool>> outcomes;
    PromptAnswer answerWhenStopped = PromptAnswer::Yes;
    finished = false;
    worker.Start(
        5,
        [&](std::size_t index, Prompter& stepPrompter) {
            if (index == 2) {
                asking = true;
                answerWhenStopped =
                    stepPrompter.Ask("Go on?", "Question", PromptButtons::YesNo, PromptIcon::None);
            }
            return true;
        },
        [&](std::size_t index, bool outcome) { outcomes.emplace_back(index, outcome); },
        [&] { finished = true; });
    while (!asking) {
        ::Sleep(1);
    }
    worker.FinishNow();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(answerWhenStopped, PromptAnswer::No);
    EXPECT_EQ(outcomes,
              (std::vector<std::pair<std::size_t, bool>>{{0, true}, {1, true}, {2, true}}));
    EXPECT_TRUE(prompter.threads.empty());  // nothing was shown
}
