#include "shell/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, ScanTakesThePathThatFollowsAndShowAllStandsAlone) {
    struct Case {
        std::vector<std::string> arguments;
        ParsedCommandLine expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{"/scan", "D:\\"}, {CommandLineRequest::Scan, "D:\\"}},
        {{"-SCAN", "C:\\Old Files"}, {CommandLineRequest::Scan, "C:\\Old Files"}},
        {{"/Scan", "\xC3\x84rger", "extra"}, {CommandLineRequest::Scan, "\xC3\x84rger"}},
        {{"/scan"}, {CommandLineRequest::ScanUsage, ""}},
        {{"/scan", ""}, {CommandLineRequest::ScanUsage, ""}},
        {{"/showall"}, {CommandLineRequest::ShowAll, ""}},
        {{"-ShowAll", "ignored"}, {CommandLineRequest::ShowAll, ""}},
        {{"/HiddenCount"}, {CommandLineRequest::HiddenCount, ""}},
        // Words the program does not know leave its start as it always was.
        {{"/scanner", "C:\\"}, {}},
        {{"scan", "C:\\"}, {}},
        {{"C:\\", "/scan"}, {}},
        {{"/show"}, {}},
        {{"/showall2"}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.arguments), c.expected)
            << (c.arguments.empty() ? "(none)" : c.arguments[0]);
    }
}
