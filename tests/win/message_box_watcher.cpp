#include "tests/win/message_box_watcher.h"

#include "platform/text_win.h"

namespace {

struct BoxSearch {
    HWND found;
};

std::wstring TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    ::GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[64] = {};
    ::GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

// The message text is the box's static control with the longest text (the icon has none).
std::wstring MessageTextOf(HWND box) {
    std::wstring best;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) {
            std::wstring text = TextOf(child);
            if (text.size() > best.size()) {
                best = std::move(text);
            }
        }
    }
    return best;
}

BOOL CALLBACK FindVisibleBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<BoxSearch*>(context);
    if (::IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::deque<int> answers)
    : m_threadId(::GetCurrentThreadId()),
      m_answers(std::move(answers)),
      m_thread([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    m_stop = true;
    m_thread.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard lock(m_mutex);
    return m_seen;
}

void MessageBoxWatcher::Watch() {
    while (!m_stop) {
        BoxSearch search{nullptr};
        ::EnumThreadWindows(m_threadId, FindVisibleBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            Answer(search.found);
        }
        ::Sleep(20);
    }
}

void MessageBoxWatcher::Answer(HWND box) {
    int button = IDOK;
    {
        std::lock_guard lock(m_mutex);
        m_seen.push_back({Narrow(TextOf(box)), Narrow(MessageTextOf(box))});
        if (!m_answers.empty()) {
            button = m_answers.front();
            m_answers.pop_front();
        }
    }
    const HWND control = ::GetDlgItem(box, button);
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
    // Wait until the box has gone, so it is not answered twice.
    for (int i = 0; i < 250 && ::IsWindow(box); ++i) {
        ::Sleep(20);
    }
}
