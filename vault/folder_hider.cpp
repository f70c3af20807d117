#include "vault/folder_hider.h"

#include "vault/folder_entry.h"

namespace {

constexpr std::string_view kErrorTitle = "Error";

void ReportInUse(Prompter& prompter, const std::string& path) {
    prompter.Ask(
        "Error: could not hide the following folder because it is currently in use:\r\n\r\n" +
            path +
            "\r\n\r\nClose any program that might be accessing files in this folder.  If the "
            "problem persists it could be a windows explorer error, which can be fixed by "
            "restarting your computer.",
        std::string(kErrorTitle), PromptButtons::Ok, PromptIcon::None);
}

void ReportError(Prompter& prompter, const RuntimeError& error) {
    prompter.Ask(ErrorLines(error), std::string(kErrorTitle), PromptButtons::Ok, PromptIcon::None);
}

}  // namespace

std::string HiddenPathOf(std::string_view path) {
    std::string hidden(path);
    hidden += kHiddenSuffix;
    return hidden;
}

bool IsUsablePath(std::string_view path) {
    // "\\?\" is the one place a question mark may stand: the long-path prefix.
    const std::string_view body = path.starts_with("\\\\?\\") ? path.substr(4) : path;
    if (body.empty() || (!IsFullPath(body) && !body.starts_with("UNC\\"))) {
        return false;
    }
    for (std::size_t i = 0; i < body.size(); ++i) {
        const auto c = static_cast<unsigned char>(body[i]);
        if (c < 32 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*') {
            return false;
        }
        // A colon belongs only after a drive letter.
        if (c == ':' && i != 1) {
            return false;
        }
    }
    return true;
}

FolderPresence LookAtFolder(const std::string& path, FolderDisk& disk) {
    if (!IsUsablePath(path)) {
        return {};
    }
    return {disk.FolderExists(path), disk.FolderExists(HiddenPathOf(path))};
}

namespace {

bool RefuseUnusable(const std::string& path, Prompter& prompter) {
    if (IsUsablePath(path)) {
        return false;
    }
    ReportError(prompter, {kBadFileNameError, "Bad file name or number"});
    return true;
}

}  // namespace

bool HideFolder(const std::string& path, FolderDisk& disk, Prompter& prompter) {
    if (RefuseUnusable(path, prompter)) {
        return false;
    }
    const std::string hiddenPath = HiddenPathOf(path);
    if (auto renamed = disk.RenameFolder(path, hiddenPath); renamed.Failed()) {
        if (renamed.Error().number == kPathFileAccessError) {
            ReportInUse(prompter, path);
        } else {
            ReportError(prompter, renamed.Error());
        }
        return false;
    }
    if (auto marked = disk.SetFolderAttributes(hiddenPath, FolderAttributes::AllSet);
        marked.Failed()) {
        // The entry stays "Visible", so the folder must too: take the suffix off again.
        auto restored = disk.RenameFolder(hiddenPath, path);
        ReportError(prompter, marked.Error());
        if (restored.Failed()) {
            ReportError(prompter, restored.Error());
        }
        return false;
    }
    return true;
}

bool ShowFolder(const std::string& path, FolderDisk& disk, Prompter& prompter) {
    if (RefuseUnusable(path, prompter)) {
        return false;
    }
    const std::string hiddenPath = HiddenPathOf(path);
    if (auto cleared = disk.SetFolderAttributes(hiddenPath, FolderAttributes::Cleared);
        cleared.Failed()) {
        ReportError(prompter, cleared.Error());
        return false;
    }
    if (auto renamed = disk.RenameFolder(hiddenPath, path); renamed.Failed()) {
        // The entry stays "Hidden", so the folder must be wholly hidden again.
        (void)disk.SetFolderAttributes(hiddenPath, FolderAttributes::AllSet);
        ReportError(prompter, renamed.Error());
        return false;
    }
    return true;
}
