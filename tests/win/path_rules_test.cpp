#include "shell/path_rules_win.h"

#include <gtest/gtest.h>

#include "platform/text_win.h"
#include "tests/win/test_folder.h"

TEST(Win32PathRules, ShortAndOddSpellingsResolveToTheFullLongPath) {
    TestFolder folder;
    folder.MakeFolder(L"\u00c4rger mit langem Namen");
    folder.MakeFolder(L"\u00c4rger mit langem Namen\\App");
    const std::wstring longPath = folder.PathOf(L"\u00c4rger mit langem Namen\\App");
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameW(longPath.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::wstring(shortPath), longPath);

    Win32PathRules rules;
    const std::string expected = Narrow(longPath);
    for (const std::wstring& spelling :
         {std::wstring(shortPath), longPath + L"\\", longPath + L"\\..\\App", longPath}) {
        EXPECT_EQ(rules.CanonicalPath(Narrow(spelling)), expected) << Narrow(spelling);
    }
    EXPECT_EQ(rules.CanonicalPath("C:\\"), "C:\\");
    EXPECT_EQ(rules.FoldCase("c:\\\xC3\xA4rger"), rules.FoldCase("C:\\\xC3\x84RGER"));
    EXPECT_NE(rules.FoldCase("\xC3\xA4"), rules.FoldCase("a"));
}
