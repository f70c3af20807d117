#include "vault/redirected_path.h"

#include <gtest/gtest.h>

namespace {

const SystemFolderNames kNames{L"C:\\Windows",
                               {L"C:\\Windows\\System32", L"C:\\WINDOWS\\SYSTEM~1"}};

struct Case {
    const wchar_t* path;
    const wchar_t* expected;
};

TEST(RedirectedPathTest, OnlyTheSystemFolderAndWhatLiesInItGoThroughSysnative) {
    const Case cases[] = {
        {L"C:\\Windows\\System32", L"C:\\Windows\\Sysnative"},
        {L"C:\\Windows\\System32\\", L"C:\\Windows\\Sysnative\\"},
        {L"C:\\Windows\\System32\\Secret", L"C:\\Windows\\Sysnative\\Secret"},
        {L"c:\\windows\\SYSTEM32\\Tax 2024\\Inner", L"C:\\Windows\\Sysnative\\Tax 2024\\Inner"},
        {L"C:/Windows/System32/Secret", L"C:\\Windows\\Sysnative/Secret"},
        {L"C:\\WINDOWS\\SYSTEM~1\\Secret", L"C:\\Windows\\Sysnative\\Secret"},
        {L"C:\\Windows\\System32\\Ünïcode \u4e2d", L"C:\\Windows\\Sysnative\\Ünïcode \u4e2d"},
        // Not the system folder: each stays as it is.
        {L"C:\\Windows\\System32x\\Secret", L"C:\\Windows\\System32x\\Secret"},
        {L"C:\\Windows\\SysWOW64\\Secret", L"C:\\Windows\\SysWOW64\\Secret"},
        {L"C:\\Windows\\Sysnative\\Secret", L"C:\\Windows\\Sysnative\\Secret"},
        {L"C:\\Windows", L"C:\\Windows"},
        {L"C:\\Windows\\Temp\\System32", L"C:\\Windows\\Temp\\System32"},
        {L"D:\\Windows\\System32\\Secret", L"D:\\Windows\\System32\\Secret"},
        {L"C:\\Data\\Secret", L"C:\\Data\\Secret"},
        {L"C:\\Windows\\System3", L"C:\\Windows\\System3"},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ThroughSysnative(c.path, kNames), c.expected);
    }
}

TEST(RedirectedPathTest, NamesWithClosingSeparatorsOrNoSystemFolderChangeNothingElse) {
    const SystemFolderNames closing{L"C:\\Windows\\", {L"C:\\Windows\\System32\\"}};
    EXPECT_EQ(ThroughSysnative(L"C:\\Windows\\System32\\A", closing), L"C:\\Windows\\Sysnative\\A");
    const SystemFolderNames none{L"C:\\Windows", {}};
    EXPECT_EQ(ThroughSysnative(L"C:\\Windows\\System32\\A", none), L"C:\\Windows\\System32\\A");
    const SystemFolderNames empty{L"C:\\Windows", {L""}};
    EXPECT_EQ(ThroughSysnative(L"C:\\A", empty), L"C:\\A");
}

}  // namespace
