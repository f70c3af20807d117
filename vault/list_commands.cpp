#include "vault/list_commands.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "vault/disk_check.h"
#include "vault/folder_hider.h"
#include "vault/hidden_folder_scan.h"
#include "vault/list_file.h"

namespace {

constexpr std::size_t kListedFailures = 25;  // folders named in a batch's closing box

// Passes a batch's first few messages on and keeps the rest back, so that hundreds of failures
// do not become hundreds of boxes; the batch then names the failed folders in one box.
class BatchPrompter final : public Prompter {
public:
    explicit BatchPrompter(Prompter& inner) : m_inner(inner) {}

    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon icon) override {
        if (m_shown < kBatchFailureBoxes) {
            ++m_shown;
            return m_inner.Ask(text, title, buttons, icon);
        }
        m_keptBack = true;
        return PromptAnswer::Ok;
    }

    bool KeptBack() const { return m_keptBack; }

private:
    Prompter& m_inner;
    int m_shown = 0;
    bool m_keptBack = false;
};

// `header`, then the folders one to a line, the first few of a long list only.
std::string WithFolderNames(std::string header, const std::vector<std::string>& folders) {
    for (std::size_t i = 0; i < folders.size() && i < kListedFailures; ++i) {
        header += "\r\n" + folders[i];
    }
    if (folders.size() > kListedFailures) {
        header += "\r\n... and " + std::to_string(folders.size() - kListedFailures) + " more";
    }
    return header;
}

std::string FailedFoldersText(const std::vector<std::string>& failed, std::string_view to) {
    return WithFolderNames(
        std::to_string(failed.size()) + " folders could not be made " + std::string(to) + ":\r\n",
        failed);
}

// Whether the list file can carry this path in the system's code page.
bool ListFileCanStore(std::string_view path, const CodePage& codePage) {
    const auto bytes = codePage.FromUtf8(path);
    return bytes && CanStoreInListFile(*bytes);
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 ? 2 : 1;  // four-byte sequences need a surrogate pair
        }
    }
    return units;
}

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
    return found != text.end() || part.empty();
}

namespace {

bool ContainsProgram(std::string_view picked,
                     std::string_view programFolder,
                     const PathRules* pathRules) {
    if (ContainsIgnoringCase(programFolder, picked)) {
        return true;
    }
    if (!pathRules) {
        return false;
    }
    // As typed, and as full long paths: both with every letter folded.
    const auto contains = [&](std::string_view text, std::string_view part) {
        return pathRules->FoldCase(text).find(pathRules->FoldCase(part)) != std::string::npos;
    };
    return contains(programFolder, picked) ||
           contains(pathRules->CanonicalPath(programFolder), pathRules->CanonicalPath(picked));
}

}  // namespace

AddVerdict JudgeFolderToAdd(std::string_view picked,
                            std::string_view programFolder,
                            const CodePage& codePage,
                            const PathRules* pathRules) {
    if (picked.empty()) {
        return AddVerdict::Cancelled;
    }
    if (ContainsProgram(picked, programFolder, pathRules)) {
        return AddVerdict::ContainsProgram;
    }
    if (picked.size() == 3) {
        return AddVerdict::Drive;
    }
    if (!ListFileCanStore(picked, codePage)) {
        return AddVerdict::Unstorable;
    }
    if (Utf16Length(picked) + kHiddenSuffix.size() > kMaxHiddenPathLength) {
        return AddVerdict::TooLong;
    }
    if (ContainsIgnoringCase(picked, "\\program files") ||
        ContainsIgnoringCase(picked, "\\windows")) {
        return AddVerdict::NeedsSystemWarning;
    }
    return AddVerdict::Allowed;
}

bool FolderCommands::Save() {
    // A failed save has told the user; the rows stay as they are for the next attempt.
    return SaveList(m_env.rows, m_env.storage, m_env.codePage, m_env.prompter);
}

void FolderCommands::Refuse(const std::string& text) {
    m_env.prompter.Ask(text, m_env.appTitle, PromptButtons::Ok, PromptIcon::None);
}

void FolderCommands::PutBackRemoved(RemoveUndo& undo) {
    if (!undo.CanUndo(m_env.rows)) {
        return;
    }
    const std::size_t count = undo.RemovedCount();
    undo.Restore(m_env.rows);
    Save();
    m_env.status.SetText("Put back " + std::to_string(count) + " folders");
}

void FolderCommands::Add() {
    AddFolder(m_env.picker.PickFolder());
}

void FolderCommands::AddDropped(const std::vector<std::string>& paths) {
    for (const auto& path : paths) {
        if (!path.empty()) {  // an empty path would read as a cancelled pick
            AddFolder(path);
        }
    }
}

void FolderCommands::AddFolder(const std::string& picked) {
    switch (JudgeFolderToAdd(picked, m_env.programFolder, m_env.codePage, m_env.pathRules)) {
        case AddVerdict::Cancelled:
            return;
        case AddVerdict::ContainsProgram:
            Refuse("You cannot hide a folder that contains this program.");
            return;
        case AddVerdict::Drive:
            Refuse("You cannot hide drives.");
            return;
        case AddVerdict::Unstorable:
            Refuse(
                "You cannot hide a folder whose name has characters that the folder list cannot "
                "store.");
            return;
        case AddVerdict::TooLong:
            Refuse("You cannot hide a folder whose path is too long.");
            return;
        case AddVerdict::NeedsSystemWarning: {
            const PromptAnswer answer = m_env.prompter.Ask(
                "Hiding System or Program Files is not recommended and could cause problems "
                "with certain programs or make your computer inoperable.\r\n\r\nAre you sure you "
                "want to add \"" +
                    picked + "\" to your folder list?",
                "Critial Warning", PromptButtons::OkCancel, PromptIcon::None);
            if (answer != PromptAnswer::Ok) {
                return;
            }
            break;
        }
        case AddVerdict::Allowed:
            break;
    }
    m_env.rows.Append({picked, std::string(kStatusVisible), false});
    m_env.status.SetText("Added: " + picked);
    Save();
}

void FolderCommands::RemoveTicked() {
    if (m_env.prompter.Ask("Are you sure you want to remove all selected folders from the list?",
                           "Really Delete?", PromptButtons::OkCancel,
                           PromptIcon::None) != PromptAnswer::Ok) {
        return;
    }
    struct Candidate {
        std::size_t row;
        FolderEntry entry;
    };
    struct Removal {
        std::vector<Candidate> ticked;
        std::vector<std::size_t> removable;  // rows, ascending
        bool kept = false;
    };
    auto removal = std::make_shared<Removal>();
    for (std::size_t i = 0; i < m_env.rows.Count(); ++i) {
        if (m_env.rows.IsChecked(i)) {
            removal->ticked.push_back({i, m_env.rows.At(i)});
        }
    }
    // The word alone is not trusted: a folder found under its hidden name stays listed, or
    // nothing would be left to bring it back.
    auto removable = [removal, &disk = m_env.disk](std::size_t index, Prompter&) {
        const FolderEntry& entry = removal->ticked[index].entry;
        return entry.status == kStatusVisible &&
               !(IsUsablePath(entry.path) && disk.FolderExists(HiddenPathOf(entry.path)));
    };
    auto applied = [removal](std::size_t index, bool remove) {
        if (remove) {
            removal->removable.push_back(removal->ticked[index].row);
        } else {
            removal->kept = true;
        }
    };
    // The rows go together at the end, also when the user stopped the walk: the list never
    // changes under the steps.
    auto finished = [this, removal] {
        const std::size_t removed = removal->removable.size();
        m_env.rows.RemoveRows(removal->removable);
        if (removed > 0 && m_env.rows.Count() == 0) {
            Save();  // emptied: saved, and the previous status text stays
            return;
        }
        std::string text = "Removed " + std::to_string(removed) + " folders";
        if (removal->kept) {
            text += ". Could not remove Hidden folders";
        }
        m_env.status.SetText(text);
        Save();
    };
    const std::size_t count = removal->ticked.size();
    Runner().Run(count, removable, applied, finished);
}

void FolderCommands::RemoveAll() {
    if (m_env.prompter.Ask("Really remove all folders?", "Confirm Delete", PromptButtons::OkCancel,
                           PromptIcon::None) != PromptAnswer::Ok) {
        return;
    }
    CheckAll();
    RemoveTicked();
}

void FolderCommands::MoveTicked(std::string_view from,
                                std::string_view to,
                                FolderOperation operation) {
    struct Move {
        std::vector<std::size_t> rows;
        std::vector<std::string> paths;  // read by the steps, wherever they run
        std::vector<bool> missing;
        std::optional<BatchPrompter> prompter;
        int moved = 0;
        std::vector<std::string> failed;
        std::chrono::steady_clock::time_point lastSave;
        bool savingAsItGoes = true;  // until a save fails: its message is not repeated every moment
    };
    auto move = std::make_shared<Move>();
    for (std::size_t i = 0; i < m_env.rows.Count(); ++i) {
        if (!m_env.rows.IsChecked(i)) {
            continue;
        }
        FolderEntry entry = m_env.rows.At(i);
        if (entry.status == from) {
            move->rows.push_back(i);
            move->paths.push_back(std::move(entry.path));
            move->missing.push_back(entry.missing);
        }
    }
    move->lastSave = m_env.now();
    auto step = [move, operation, &disk = m_env.disk](std::size_t index, Prompter& prompter) {
        if (!move->prompter) {
            move->prompter.emplace(prompter);
        }
        return operation(move->paths[index], disk, *move->prompter);
    };
    // Only a folder really moved counts: a failed reveal stays "Hidden", so its entry cannot be
    // removed while the folder is still hidden on disk.
    const std::string toWord(to);
    auto applied = [this, move, toWord](std::size_t index, bool worked) {
        if (!worked) {
            move->failed.push_back(move->paths[index]);
            return;
        }
        const std::size_t row = move->rows[index];
        m_env.rows.SetStatus(row, toWord);
        if (move->missing[index]) {
            m_env.rows.SetMissing(row, false);
        }
        ++move->moved;
        if (const auto now = m_env.now();
            move->savingAsItGoes && now - move->lastSave >= kBatchSaveInterval) {
            move->savingAsItGoes = Save();
            move->lastSave = now;
        }
    };
    auto finished = [this, move, toWord] {
        m_env.status.SetText("Made " + std::to_string(move->moved) + " folders " + toWord);
        Save();
        if (move->prompter && move->prompter->KeptBack()) {
            m_env.prompter.Ask(FailedFoldersText(move->failed, toWord), "Error", PromptButtons::Ok,
                               PromptIcon::None);
        }
    };
    const std::size_t count = move->rows.size();
    Runner().Run(count, step, applied, finished);
}

void FolderCommands::HideTicked() {
    MoveTicked(kStatusVisible, kStatusHidden, HideFolder);
}

void FolderCommands::ShowTicked() {
    MoveTicked(kStatusHidden, kStatusVisible, ShowFolder);
}

void FolderCommands::HideAll() {
    CheckAll();
    HideTicked();
}

void FolderCommands::ShowAll() {
    CheckAll();
    ShowTicked();
}

void FolderCommands::CheckAll() {
    for (std::size_t i = 0; i < m_env.rows.Count(); ++i) {
        m_env.rows.SetChecked(i, true);
    }
}

void FolderCommands::UncheckAll() {
    for (std::size_t i = 0; i < m_env.rows.Count(); ++i) {
        m_env.rows.SetChecked(i, false);
    }
}

void FolderCommands::MarkSelected(std::string_view status) {
    if (const auto selected = m_env.rows.Selected()) {
        m_env.rows.SetStatus(*selected, std::string(status));
        Save();  // a repair kept only in the window would be undone at the next start
    }
}

std::size_t FolderCommands::ApplyDiskCheck(const PresenceLookup& seen) {
    std::size_t corrected = 0;
    for (std::size_t i = 0; i < m_env.rows.Count(); ++i) {
        const FolderEntry entry = m_env.rows.At(i);
        const auto presence = seen(entry.path);
        if (!presence) {
            continue;
        }
        DiskVerdict verdict = JudgeAgainstDisk(entry.status, *presence);
        if (verdict.status != entry.status) {
            // What was seen may be old by now (a command may have run since): look again.
            verdict = JudgeAgainstDisk(entry.status, LookAtFolder(entry.path, m_env.disk));
            if (verdict.status != entry.status) {
                m_env.rows.SetStatus(i, std::string(verdict.status));
                ++corrected;
            }
        }
        if (verdict.missing != entry.missing) {
            m_env.rows.SetMissing(i, verdict.missing);
        }
    }
    if (corrected > 0) {
        m_env.status.SetText("Corrected " + std::to_string(corrected) +
                             " folders to match the disk");
        Save();
    }
    return corrected;
}

void FolderCommands::MarkSelectedVisible() {
    MarkSelected(kStatusVisible);
}

void FolderCommands::MarkSelectedHidden() {
    MarkSelected(kStatusHidden);
}

std::vector<std::string> FolderCommands::AddFoundHidden(const std::vector<std::string>& realPaths) {
    ListedFolders listed(m_env.rows, m_env.pathRules);
    std::vector<std::string> added;
    std::vector<std::string> unstorable;
    for (const auto& path : realPaths) {
        if (listed.Holds(path)) {
            continue;
        }
        if (!ListFileCanStore(path, m_env.codePage)) {
            unstorable.push_back(path);
            continue;
        }
        m_env.rows.Append({path, std::string(kStatusHidden), false});
        listed.Insert(path);
        added.push_back(path);
    }
    if (!added.empty()) {
        m_env.status.SetText("Added " + std::to_string(added.size()) +
                             " hidden folders to the list");
        Save();
    }
    if (!unstorable.empty()) {
        const std::string text = WithFolderNames(
            std::to_string(unstorable.size()) +
                " folders could not be added: the folder list cannot store the characters in "
                "their names. Reveal them instead.\r\n",
            unstorable);
        m_env.prompter.Ask(text, m_env.appTitle, PromptButtons::Ok, PromptIcon::None);
    }
    return added;
}

void FolderCommands::RevealFound(const std::vector<std::string>& realPaths,
                                 BatchRunner& runner,
                                 std::function<void(std::vector<std::string>)> revealed) {
    struct Reveal {
        std::vector<std::string> paths;
        std::optional<BatchPrompter> prompter;
        std::vector<std::string> revealed;
        std::vector<std::string> failed;
    };
    auto reveal = std::make_shared<Reveal>();
    reveal->paths = InRevealOrder(realPaths);
    auto step = [reveal, &disk = m_env.disk](std::size_t index, Prompter& prompter) {
        if (!reveal->prompter) {
            reveal->prompter.emplace(prompter);
        }
        return ShowFolder(reveal->paths[index], disk, *reveal->prompter);
    };
    auto applied = [reveal](std::size_t index, bool shown) {
        (shown ? reveal->revealed : reveal->failed).push_back(reveal->paths[index]);
    };
    auto finished = [this, reveal, revealed = std::move(revealed)] {
        if (reveal->prompter && reveal->prompter->KeptBack()) {
            m_env.prompter.Ask(FailedFoldersText(reveal->failed, kStatusVisible), "Error",
                               PromptButtons::Ok, PromptIcon::None);
        }
        revealed(std::move(reveal->revealed));
    };
    const std::size_t count = reveal->paths.size();
    runner.Run(count, step, applied, finished);
}
