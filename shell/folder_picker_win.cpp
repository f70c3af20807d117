#include "shell/folder_picker_win.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "platform/com_ptr_win.h"
#include "platform/text_win.h"

namespace {

int CALLBACK StartInFolder(HWND dialog, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, startFolder);
    }
    return 0;
}

}  // namespace

std::string SystemFolderPicker::PickFolder() {
    std::wstring chosen;
    if (!TryModernDialog(chosen)) {
        chosen = ClassicDialog();
    }
    return Narrow(chosen);
}

// False when the system has no modern picker; `chosen` stays empty when the user cancels.
bool SystemFolderPicker::TryModernDialog(std::wstring& chosen) {
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IFileOpenDialog, dialog.PutVoid()))) {
        return false;
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                       FOS_NOCHANGEDIR);
    ComPtr<IShellItem> start;
    if (SUCCEEDED(::SHCreateItemFromParsingName(m_startFolder.c_str(), nullptr, IID_IShellItem,
                                                start.PutVoid()))) {
        dialog->SetFolder(start.Get());
    }
    if (FAILED(dialog->Show(m_owner))) {
        return true;  // cancelled
    }
    ComPtr<IShellItem> result;
    UniqueCoTaskString path;
    if (SUCCEEDED(dialog->GetResult(result.Put())) &&
        SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, path.Put())) && path) {
        chosen = path.Get();
    }
    return true;
}

std::wstring SystemFolderPicker::ClassicDialog() {
    BROWSEINFOW browse{};
    browse.hwndOwner = m_owner;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX | BIF_VALIDATE;
    browse.lpfn = StartInFolder;
    browse.lParam = reinterpret_cast<LPARAM>(m_startFolder.c_str());
    const UniqueIdList chosen(::SHBrowseForFolderW(&browse));
    if (!chosen) {
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(chosen.Get(), path)) {
        return {};
    }
    return path;
}
