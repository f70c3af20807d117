// Hiding then revealing real folders through HideFolder/ShowFolder, against a bare
// MoveFileW + SetFileAttributesW loop over the same folders in the same run.
// Usage: hide_bench [folders]   (default 1000)

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win/bare_folder_loop.h"
#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "vault/folder_disk_win.h"
#include "vault/folder_hider.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

HideRevealTimes ThroughHider(const std::vector<std::string>& paths) {
    Win32FolderDisk disk;
    MessageBoxPrompter prompter;
    HideRevealTimes timing;
    auto start = Clock::now();
    for (const auto& path : paths) {
        if (!HideFolder(path, disk, prompter)) {
            std::fprintf(stderr, "HideFolder failed\n");
        }
    }
    timing.hide = Seconds(Clock::now() - start);
    start = Clock::now();
    for (const auto& path : paths) {
        if (!ShowFolder(path, disk, prompter)) {
            std::fprintf(stderr, "ShowFolder failed\n");
        }
    }
    timing.reveal = Seconds(Clock::now() - start);
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"murkwell-hide-bench";
    ::CreateDirectoryW(root.c_str(), nullptr);
    std::vector<std::wstring> widePaths;
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        widePaths.push_back(root + L"\\Folder " + std::to_wstring(i));
        ::CreateDirectoryW(widePaths.back().c_str(), nullptr);
        paths.push_back(Narrow(widePaths.back()));
    }

    // Alternate the two, three rounds each, and keep the best of each: the same folders, the
    // same warm server.
    HideRevealTimes bestBare{1e9, 1e9};
    HideRevealTimes bestHider{1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        const HideRevealTimes bare = BareHideRevealLoop(widePaths);
        const HideRevealTimes hider = ThroughHider(paths);
        bestBare = {std::min(bestBare.hide, bare.hide), std::min(bestBare.reveal, bare.reveal)};
        bestHider = {std::min(bestHider.hide, hider.hide),
                     std::min(bestHider.reveal, hider.reveal)};
    }
    for (const auto& path : widePaths) {
        ::RemoveDirectoryW(path.c_str());
    }
    ::RemoveDirectoryW(root.c_str());

    std::printf("folders: %d\n", count);
    std::printf("bare loop:           hide %.3f s, reveal %.3f s\n", bestBare.hide,
                bestBare.reveal);
    std::printf("HideFolder/ShowFolder: hide %.3f s, reveal %.3f s\n", bestHider.hide,
                bestHider.reveal);
    std::printf("ratio: hide %.2f, reveal %.2f, both %.2f\n", bestHider.hide / bestBare.hide,
                bestHider.reveal / bestBare.reveal,
                (bestHider.hide + bestHider.reveal) / (bestBare.hide + bestBare.reveal));
    return 0;
}
