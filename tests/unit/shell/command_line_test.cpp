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
        {{"/Scan", "\xC3\x84rger"}, {CommandLineRequest::Scan, "\xC3\x84rger"}},
        // An unquoted path with spaces arrives in pieces: searching its first piece would search
        // another folder.
        {{"/scan", "C:\\Old", "Files"}, {CommandLineRequest::ScanSplitPath, "C:\\Old"}},
        {{"/scan"}, {CommandLineRequest::ScanUsage, ""}},
        {{"/scan", ""}, {CommandLineRequest::ScanUsage, ""}},
        {{"/showall"}, {CommandLineRequest::ShowAll, ""}},
        {{"-ShowAll", "ignored"}, {CommandLineRequest::ShowAll, ""}},
        {{"/HiddenCount"}, {CommandLineRequest::HiddenCount, ""}},
        // Words that are not switches leave the start as it always was.
        {{"scan", "C:\\"}, {}},
        {{"C:\\", "/scan"}, {}},
        {{""}, {}},
        // A switch the program does not know is refused rather than opening the window.
        {{"/scanner", "C:\\"}, {CommandLineRequest::UnknownSwitch, "/scanner"}},
        {{"/show"}, {CommandLineRequest::UnknownSwitch, "/show"}},
        {{"/showall2"}, {CommandLineRequest::UnknownSwitch, "/showall2"}},
        {{"/showal"}, {CommandLineRequest::UnknownSwitch, "/showal"}},
        {{"--showall"}, {CommandLineRequest::UnknownSwitch, "--showall"}},
        {{"/showall:x"}, {CommandLineRequest::UnknownSwitch, "/showall:x"}},
        {{"-"}, {CommandLineRequest::UnknownSwitch, "-"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.arguments), c.expected)
            << (c.arguments.empty() ? "(none)" : c.arguments[0]);
    }
}

TEST(CommandLine, EachRefusalSaysWhatToDoInOneLine) {
    EXPECT_EQ(RefusalText({CommandLineRequest::UnknownSwitch, "/showal"}),
              "Murkwell.exe does not know \"/showal\". It knows /showall, /hiddencount and /scan "
              "PATH.");
    EXPECT_NE(RefusalText({CommandLineRequest::ScanSplitPath, "C:\\Old"}).find("quotation marks"),
              std::string::npos);
    EXPECT_EQ(RefusalText({CommandLineRequest::ScanUsage, ""}), "Usage: Murkwell.exe /scan PATH");
    for (const auto request : {CommandLineRequest::OpenWindow, CommandLineRequest::Scan,
                               CommandLineRequest::ShowAll, CommandLineRequest::HiddenCount}) {
        EXPECT_EQ(RefusalText({request, "x"}), "");
    }
    for (const auto request : {CommandLineRequest::ScanUsage, CommandLineRequest::ScanSplitPath,
                               CommandLineRequest::UnknownSwitch}) {
        EXPECT_EQ(RefusalText({request, "x"}).find('\n'), std::string::npos);
    }
}
