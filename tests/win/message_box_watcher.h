#pragma once
// Answers the real message boxes that the code under test shows on this thread, from a second
// thread, the way a person would: it finds each box, reads it and presses a button.

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string title;
    std::string text;
};

class MessageBoxWatcher {
public:
    // `answers` are button identifiers (IDOK, IDCANCEL, ...) pressed in order; IDOK after that.
    explicit MessageBoxWatcher(std::deque<int> answers = {});
    ~MessageBoxWatcher();

    std::vector<SeenMessageBox> Seen() const;

private:
    void Watch();
    void Answer(HWND box);

    DWORD m_threadId;
    std::deque<int> m_answers;
    mutable std::mutex m_mutex;
    std::vector<SeenMessageBox> m_seen;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
