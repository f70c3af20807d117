// A second process for the Windows tests.
//   save-loop <folder>  saves two different lists into <folder>, alternately, until killed
//   hold <folder>       opens <folder> without delete sharing and waits until killed

#include <windows.h>

#include <string>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win/saver_lists.h"
#include "vault/list_file.h"
#include "vault/list_storage_win.h"

namespace {

int SaveLoop(const std::wstring& folder) {
    FolderListStorage storage(folder);
    SystemCodePage codePage;
    ScriptedPrompter prompter;
    const VectorFolderList lists[] = {SaverList(0), SaverList(1)};
    for (unsigned round = 0;; ++round) {
        if (!SaveList(lists[round % 2], storage, codePage, prompter)) {
            return 3;
        }
    }
}

int Hold(const std::wstring& folder) {
    UniqueFile handle(::CreateFileW(folder.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) {
        return 4;
    }
    ::Sleep(INFINITE);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::wstring mode = argv[1];
    if (mode == L"save-loop") {
        return SaveLoop(argv[2]);
    }
    if (mode == L"hold") {
        return Hold(argv[2]);
    }
    return 2;
}
