// The search for hidden folders over a prepared tree, against a bare FindFirstFileExW walk of
// the same tree in the same run; and Murkwell.exe /scan over it, start to end, for the record.
// Usage: scan_bench FOLDER [Murkwell.exe]   (tools/bench makes the tree)

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "platform/unique_resource_win.h"
#include "vault/hidden_folder_walk_win.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// The floor: every folder listed once, links not followed, nothing else.
std::uint64_t BareWalk(const std::wstring& root) {
    std::uint64_t folders = 0;
    std::vector<std::wstring> toRead{root};
    WIN32_FIND_DATAW data;
    while (!toRead.empty()) {
        const std::wstring folder = std::move(toRead.back());
        toRead.pop_back();
        ++folders;
        const UniqueFind find(::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                                 FindExSearchNameMatch, nullptr,
                                                 FIND_FIRST_EX_LARGE_FETCH));
        if (!find) {
            continue;
        }
        do {
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0) {
                toRead.push_back(folder + L"\\" + data.cFileName);
            }
        } while (::FindNextFileW(find.Get(), &data));
    }
    return folders;
}

// As the Find Hidden Folders window runs it: progress counted, finds handed over under a lock.
std::uint64_t ThroughSearch(const std::wstring& root, std::size_t& found) {
    std::atomic<bool> stop{false};
    WalkProgress progress;
    std::mutex lock;
    std::vector<std::wstring> finds;
    WalkForHiddenFolders(root, stop, progress, [&](const std::wstring& path) {
        const std::lock_guard guard(lock);
        finds.push_back(path);
    });
    found = finds.size();
    return progress.scanned;
}

double ScanCommand(const std::wstring& exe, const std::wstring& root) {
    std::wstring commandLine = L"\"" + exe + L"\" /scan \"" + root + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    const HANDLE nul =
        ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION info{};
    const auto start = Clock::now();
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          nullptr, &startup, &info)) {
        ::CloseHandle(nul);
        return -1;
    }
    ::WaitForSingleObject(info.hProcess, INFINITE);
    const double elapsed = Seconds(Clock::now() - start);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(nul);
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scan_bench FOLDER [Murkwell.exe]\n");
        return 2;
    }
    const std::wstring root = argv[1];
    BareWalk(root);  // the first walk fills the caches for both

    // Alternate the two, three rounds each, and keep the median of each: a walk of 100,000
    // folders under Wine takes half a minute.
    std::vector<double> bare;
    std::vector<double> search;
    std::uint64_t folders = 0;
    std::uint64_t scanned = 0;
    std::size_t found = 0;
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        folders = BareWalk(root);
        bare.push_back(Seconds(Clock::now() - start));
        start = Clock::now();
        scanned = ThroughSearch(root, found);
        search.push_back(Seconds(Clock::now() - start));
    }
    std::sort(bare.begin(), bare.end());
    std::sort(search.begin(), search.end());
    const double bareMedian = bare[bare.size() / 2];
    const double searchMedian = search[search.size() / 2];
    std::printf("folders: %llu (search read %llu, found %zu hidden)\n",
                static_cast<unsigned long long>(folders), static_cast<unsigned long long>(scanned),
                found);
    std::printf("bare FindFirstFileExW walk: %.3f s (median of 3)\n", bareMedian);
    std::printf("search for hidden folders:  %.3f s (median of 3)\n", searchMedian);
    std::printf("ratio: %.2f\n", searchMedian / bareMedian);
    if (argc > 2) {
        std::printf("Murkwell.exe /scan, start to end: %.3f s\n", ScanCommand(argv[2], root));
    }
    return 0;
}
