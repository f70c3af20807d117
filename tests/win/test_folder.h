#pragma once
// A folder of the test's own under the prefix's temporary folder, removed with its content at
// the end.

#include <windows.h>

#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring PathOf(const std::wstring& name) const { return m_path + L"\\" + name; }
    std::string Utf8PathOf(const std::wstring& name) const;

    void MakeFolder(const std::wstring& name) const;
    void WriteFile(const std::wstring& name, const std::string& bytes) const;
    std::string ReadFile(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;
    DWORD Attributes(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// Removes a file or a folder tree, whatever its attributes.
void RemoveTree(const std::wstring& path);

// Windows path of a Unix path, through Wine's Z: drive.
std::wstring FromUnixPath(const std::string& unixPath);
