#pragma once
// Control and menu identifiers of the main window. The end-to-end tests drive the window
// through them too.

// Buttons of the button bar, in their order.
inline constexpr int IDC_CMD_ADD = 101;
inline constexpr int IDC_CMD_DEL = 102;
inline constexpr int IDC_CMD_HIDE = 103;
inline constexpr int IDC_CMD_SHOW = 104;
inline constexpr int IDC_CMD_OPTIONS = 105;
inline constexpr int IDC_CMD_WEBSITE = 106;
// Shown in the status bar while a long command runs.
inline constexpr int IDC_CMD_CANCEL_BATCH = 107;
inline constexpr int IDC_LST_FOLDERS = 110;
// The folder list's name for a screen reader: a label with no size, just before the list.
inline constexpr int IDC_LBL_FOLDERS = 115;
inline constexpr int IDC_STATUS_BAR = 111;
inline constexpr int IDC_PIC_BANNER = 112;
inline constexpr int IDC_WEB_BANNER = 114;

// Menu items: base plus the item's index in its menu.
inline constexpr int IDM_FILE_ITEM = 1000;
inline constexpr int IDM_ACTION_ITEM = 1100;
inline constexpr int IDM_OPTIONS_ITEM = 1200;
inline constexpr int IDM_HELP_ITEM = 1300;
inline constexpr int IDM_ABOUT_ITEM = 1400;
inline constexpr int IDM_ERROR_ITEM = 1500;
inline constexpr int IDM_ROW_ITEM = 1600;
// Added after the classic File items, so that their identifiers stay as they were.
inline constexpr int IDM_FILE_FIND = IDM_FILE_ITEM + 5;

// Posted to the main window when the look at the disk after start has finished.
inline constexpr unsigned kMsgDiskChecked = 0x8000 + 1;  // WM_APP + 1
inline constexpr unsigned kMsgShowBanner = 0x8000 + 2;   // WM_APP + 2: posted after the first paint
inline constexpr unsigned kMsgColumnsDragged = 0x8000 + 3;  // WM_APP + 3
inline constexpr unsigned kMsgFoldersDropped = 0x8000 + 4;  // WM_APP + 4
inline constexpr unsigned kMsgBatchWorker = 0x8000 + 5;     // WM_APP + 5: a long command's news
inline constexpr unsigned kBatchWorkerTimer = 1;  // the main window's timer: a long command's news

inline constexpr wchar_t kMainWindowClass[] = L"MurkwellMainWindow";
