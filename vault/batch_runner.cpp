#include "vault/batch_runner.h"

#include "vault/list_commands.h"

void InlineBatchRunner::Run(std::size_t count, Step step, Applied applied, Finished finished) {
    for (std::size_t index = 0; index < count; ++index) {
        applied(index, step(index, m_prompter));
        if (m_progress && !m_progress->Advance(index + 1, count)) {
            break;  // stopped: what is done stays done, and the end is told as usual
        }
    }
    finished();
}
