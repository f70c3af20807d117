#include "shell/path_ellipsis.h"

#include <gtest/gtest.h>

namespace {

// Every character one unit wide, as in a fixed-pitch font.
int Characters(const std::wstring& text) {
    return static_cast<int>(text.size());
}

}  // namespace

TEST(PathEllipsis, KeepsTheFolderNameAndAsMuchOfTheStartAsFits) {
    struct Case {
        const wchar_t* path;
        int width;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Users\\Someone\\Tax 2024", 40, L"C:\\Users\\Someone\\Tax 2024"},
        {L"C:\\Users\\Someone\\Tax 2024", 25, L"C:\\Users\\Someone\\Tax 2024"},
        {L"C:\\Users\\Someone\\Tax 2024", 24, L"C:\\Users\\Som...\\Tax 2024"},
        {L"C:\\Users\\Someone\\Tax 2024", 12, L"...\\Tax 2024"},
        // Too narrow even for the name: the name is kept, for the drawing to cut.
        {L"C:\\Users\\Someone\\Tax 2024", 5, L"...\\Tax 2024"},
        // A trailing separator belongs to the last part.
        {L"C:\\Users\\Someone\\Tax\\", 16, L"C:\\Users...\\Tax\\"},
        // No separator: nothing to take out of the middle.
        {L"Tax 2024", 3, L"Tax 2024"},
        // A server's name alone: the name is kept.
        {L"\\\\server", 3, L"...\\server"},
        {L"", 0, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width);
        const std::wstring shortened = ShortenInTheMiddle(c.path, c.width, Characters);
        EXPECT_EQ(shortened, c.expected);
    }
}

TEST(PathEllipsis, NeverWiderThanAskedWhenTheNameFits) {
    const std::wstring path = L"D:\\Archive\\2019\\Projects\\Kestrel\\Drafts\\Final";
    for (int width = 9; width <= 60; ++width) {
        const std::wstring shortened = ShortenInTheMiddle(path, width, Characters);
        EXPECT_LE(Characters(shortened), width) << width;
        EXPECT_TRUE(shortened.ends_with(L"\\Final")) << width;
    }
}
