#include "shell/folder_drop_target_win.h"

#include <exception>

std::vector<std::wstring> FoldersInDrop(HDROP drop) {
    std::vector<std::wstring> folders;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(::DragQueryFileW(drop, i, nullptr, 0), L'\0');
        if (name.empty() ||
            ::DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1)) == 0) {
            continue;
        }
        const DWORD attributes = ::GetFileAttributesW(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            folders.push_back(std::move(name));
        }
    }
    return folders;
}

bool FolderDropTarget::Register(HWND window) {
    m_window = window;
    // Older programs drop through WM_DROPFILES; OLE takes the drops of those that use it.
    ::DragAcceptFiles(window, TRUE);
    return SUCCEEDED(::RegisterDragDrop(window, this));
}

void FolderDropTarget::Revoke() {
    if (m_window) {
        ::RevokeDragDrop(m_window);
        m_window = nullptr;
    }
}

HRESULT FolderDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD FolderDropTarget::EffectFor(DWORD allowed) {
    if (allowed & DROPEFFECT_LINK) {
        return DROPEFFECT_LINK;
    }
    return allowed & DROPEFFECT_COPY ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

namespace {

FORMATETC FileNamesFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

}  // namespace

HRESULT FolderDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileNamesFormat();
    m_offersFiles = data && data->QueryGetData(&format) == S_OK;
    *effect = m_offersFiles ? EffectFor(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FolderDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = m_offersFiles ? EffectFor(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT FolderDropTarget::DragLeave() {
    m_offersFiles = false;
    return S_OK;
}

HRESULT FolderDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    m_offersFiles = false;
    *effect = DROPEFFECT_NONE;
    FORMATETC format = FileNamesFormat();
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium))) {
        return S_OK;
    }
    std::vector<std::wstring> folders;
    if (const auto drop = static_cast<HDROP>(::GlobalLock(medium.hGlobal))) {
        folders = FoldersInDrop(drop);
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    *effect = EffectFor(DROPEFFECT_LINK | DROPEFFECT_COPY);
    // The source waits in its drag loop until this returns: the folders are added after,
    // by a message, so that Add's messages never hold it up.
    try {
        m_receiver(folders);
    } catch (const std::exception&) {
        *effect = DROPEFFECT_NONE;  // nothing may be thrown back into the source
    }
    return S_OK;
}
