#include "tests/win/test_folder.h"

#include <atomic>
#include <stdexcept>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + L"murkwell-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    RemoveTree(m_path);
    if (!::CreateDirectoryW(m_path.c_str(), nullptr)) {
        throw std::runtime_error("cannot create the test folder");
    }
}

TestFolder::~TestFolder() {
    RemoveTree(m_path);
}

std::string TestFolder::Utf8PathOf(const std::wstring& name) const {
    return Narrow(PathOf(name));
}

void TestFolder::MakeFolder(const std::wstring& name) const {
    if (!::CreateDirectoryW(PathOf(name).c_str(), nullptr)) {
        throw std::runtime_error("cannot create a folder");
    }
}

void TestFolder::WriteFile(const std::wstring& name, const std::string& bytes) const {
    UniqueFile file(::CreateFileW(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr)) {
        throw std::runtime_error("cannot write a file");
    }
}

std::string TestFolder::ReadFile(const std::wstring& name) const {
    UniqueFile file(::CreateFileW(PathOf(name).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (!file) {
        throw std::runtime_error("cannot open a file");
    }
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

bool TestFolder::Exists(const std::wstring& name) const {
    return Attributes(name) != INVALID_FILE_ATTRIBUTES;
}

DWORD TestFolder::Attributes(const std::wstring& name) const {
    return ::GetFileAttributesW(PathOf(name).c_str());
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW found{};
    UniqueFind find(::FindFirstFileW((path + L"\\*").c_str(), &found));
    if (find) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                RemoveTree(path + L"\\" + name);
            }
        } while (::FindNextFileW(find.Get(), &found));
    }
    find.Reset();
    ::RemoveDirectoryW(path.c_str());
}

std::wstring FromUnixPath(const std::string& unixPath) {
    std::wstring path = L"Z:" + Widen(unixPath);
    for (auto& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}
