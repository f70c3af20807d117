#pragma once
// Where a long command's folder work runs. Each step touches the disk only; its outcome reaches
// the list on the list's own thread, in order, and then the command's end. The window runs the
// steps on a worker thread while it keeps answering; without a window they run right here.

#include <cstddef>
#include <functional>

#include "platform/prompter.h"

class BatchProgress;

class BatchRunner {
public:
    // Runs on the worker: the folder work of step `index`. Messages go through `prompter`.
    using Step = std::function<bool(std::size_t index, Prompter& prompter)>;
    // Runs on the list's thread, once for each step taken, in order.
    using Applied = std::function<void(std::size_t index, bool outcome)>;
    // Runs on the list's thread after the last outcome, also when the steps were stopped.
    using Finished = std::function<void()>;

    virtual ~BatchRunner() = default;
    // Takes steps 0 to count - 1 in order until they are done or a stop is asked for.
    virtual void Run(std::size_t count, Step step, Applied applied, Finished finished) = 0;
};

// Takes every step before it returns, telling `progress` (which may stop it) after each.
class InlineBatchRunner final : public BatchRunner {
public:
    InlineBatchRunner(Prompter& prompter, BatchProgress* progress)
        : m_prompter(prompter), m_progress(progress) {}
    void Run(std::size_t count, Step step, Applied applied, Finished finished) override;

private:
    Prompter& m_prompter;
    BatchProgress* m_progress;
};
