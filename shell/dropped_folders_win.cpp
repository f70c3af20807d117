#include "shell/dropped_folders_win.h"

#include <utility>

#include "platform/text_win.h"
#include "vault/list_commands.h"

DroppedFolders::DroppedFolders(HWND window, UINT waitingMessage)
    : m_window(window), m_waitingMessage(waitingMessage) {
    m_target.Register(window);
}

DroppedFolders::~DroppedFolders() {
    m_target.Revoke();
}

void DroppedFolders::TakeDropFiles(HDROP drop) {
    Take(FoldersInDrop(drop));
    ::DragFinish(drop);
}

void DroppedFolders::Take(const std::vector<std::wstring>& folders) {
    for (const auto& folder : folders) {
        m_waiting.push_back(Narrow(folder));
    }
    ::PostMessageW(m_window, m_waitingMessage, 0, 0);
}

void DroppedFolders::AddWaiting(FolderCommands* commands, bool windowReady) {
    if (m_adding) {
        return;  // dropped while Add's message waited: the loop below takes them in turn
    }
    if (!windowReady || !commands) {
        m_waiting.clear();
        return;
    }
    ::SetForegroundWindow(m_window);  // Add's messages come up over the window, not behind
    m_adding = true;
    try {
        while (!m_waiting.empty()) {
            const std::vector<std::string> folders = std::exchange(m_waiting, {});
            commands->AddDropped(folders);
        }
    } catch (...) {
        m_adding = false;
        throw;
    }
    m_adding = false;
}
