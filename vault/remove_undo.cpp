#include "vault/remove_undo.h"

#include <numeric>

std::vector<RemoveUndo::Shown> RemoveUndo::ShownOf(const FolderList& rows) {
    std::vector<Shown> shown;
    shown.reserve(rows.Count());
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        FolderEntry entry = rows.At(i);
        shown.push_back({std::move(entry.path), std::move(entry.status)});
    }
    return shown;
}

void RemoveUndo::Before(const FolderList& rows) {
    Forget();
    m_before.reserve(rows.Count());
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        m_before.push_back(rows.At(i));
    }
    m_beforeTail = rows.KeptTail();
}

void RemoveUndo::After(const FolderList& rows) {
    m_after = ShownOf(rows);
    m_ready = m_after.size() < m_before.size();
    if (!m_ready) {
        Forget();
    }
}

bool RemoveUndo::CanUndo(const FolderList& rows) const {
    return m_ready && rows.Count() == m_after.size() && ShownOf(rows) == m_after;
}

void RemoveUndo::Restore(FolderRows& rows) {
    std::vector<std::size_t> all(rows.Count());
    std::iota(all.begin(), all.end(), std::size_t{0});
    rows.RemoveRows(all);
    for (auto& entry : m_before) {
        rows.Append(std::move(entry));
    }
    rows.SetKeptTail(std::move(m_beforeTail));
    Forget();
}

void RemoveUndo::Forget() {
    m_before.clear();
    m_beforeTail.clear();
    m_after.clear();
    m_ready = false;
}
