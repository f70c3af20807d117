#pragma once
// Folders dropped on the main window, from Explorer's drag and drop or an older program's
// WM_DROPFILES. They wait until the drop has ended (the source is still inside its drag loop
// until then), then are added one by one as Add does.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "shell/folder_drop_target_win.h"

class FolderCommands;

class DroppedFolders {
public:
    // `window` is told that folders wait with `waitingMessage`, posted.
    DroppedFolders(HWND window, UINT waitingMessage);
    ~DroppedFolders();
    DroppedFolders(const DroppedFolders&) = delete;
    DroppedFolders& operator=(const DroppedFolders&) = delete;

    // Takes the drop of an older program, and lets it go.
    void TakeDropFiles(HDROP drop);

    // Adds what waits, and what is dropped meanwhile. When the window takes no command now
    // (`windowReady` false: busy, hidden or not loaded) the folders are not taken, as any other
    // command would not be.
    void AddWaiting(FolderCommands* commands, bool windowReady);

private:
    void Take(const std::vector<std::wstring>& folders);

    HWND m_window;
    UINT m_waitingMessage;
    FolderDropTarget m_target{[this](const std::vector<std::wstring>& folders) { Take(folders); }};
    std::vector<std::string> m_waiting;
    bool m_adding = false;
};
