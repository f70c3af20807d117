#include "platform/file_exists_win.h"

#include <gtest/gtest.h>

#include "tests/win/test_folder.h"

TEST(FileExists, SeesOnlyOrdinaryFilesOfThatName) {
    TestFolder folder;
    folder.WriteFile(L"data.dat", "x");
    folder.WriteFile(L"hidden.dat", "x");
    ::SetFileAttributesW(folder.PathOf(L"hidden.dat").c_str(), FILE_ATTRIBUTE_HIDDEN);
    folder.WriteFile(L"system.dat", "x");
    ::SetFileAttributesW(folder.PathOf(L"system.dat").c_str(), FILE_ATTRIBUTE_SYSTEM);
    folder.WriteFile(L"readonly.dat", "x");
    ::SetFileAttributesW(folder.PathOf(L"readonly.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    folder.MakeFolder(L"folder.dat");

    struct Case {
        std::wstring path;
        bool exists;
    };
    const Case cases[] = {
        {folder.PathOf(L"data.dat"), true},     {folder.PathOf(L"DATA.DAT"), true},
        {folder.PathOf(L"readonly.dat"), true}, {folder.PathOf(L"hidden.dat"), false},
        {folder.PathOf(L"system.dat"), false},  {folder.PathOf(L"folder.dat"), false},
        {folder.PathOf(L"missing.dat"), false}, {folder.PathOf(L"*.dat"), false},
        {folder.PathOf(L"d?ta.dat"), false},    {L"", false},
        {L"Q:\\no drive\\data.dat", false},     {folder.PathOf(L"no folder\\data.dat"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.exists) << std::string(c.path.begin(), c.path.end());
    }
    ::SetFileAttributesW(folder.PathOf(L"readonly.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
}
