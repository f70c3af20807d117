#pragma once
// Folders dragged from Explorer (or any program offering file names) onto the main window. The
// window takes them through OLE drag and drop, which Explorer uses, and through WM_DROPFILES
// from older programs; files among them are left out.

#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

// The folders named in a file drop, in its order; files and names that are gone are left out.
std::vector<std::wstring> FoldersInDrop(HDROP drop);

class FolderDropTarget final : public IDropTarget {
public:
    using Receiver = std::function<void(const std::vector<std::wstring>& folders)>;

    explicit FolderDropTarget(Receiver receiver) : m_receiver(std::move(receiver)) {}
    FolderDropTarget(const FolderDropTarget&) = delete;
    FolderDropTarget& operator=(const FolderDropTarget&) = delete;

    // Registers `window` as a drop target; Revoke before the window goes.
    bool Register(HWND window);
    void Revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    // The window owns this object: COM's counts only have to balance.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data,
                                        DWORD keys,
                                        POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data,
                                   DWORD keys,
                                   POINTL point,
                                   DWORD* effect) override;

private:
    // Adding to the list neither moves nor copies: a link, where the source allows it.
    static DWORD EffectFor(DWORD allowed);

    Receiver m_receiver;
    HWND m_window = nullptr;
    bool m_offersFiles = false;
};
