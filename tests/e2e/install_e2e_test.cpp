// The real setup program under Wine, run silently as an administrator would: install, the
// shortcuts and the uninstall entry, an update over a list, and uninstalls that must not leave
// a folder hidden without its list.

#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <set>
#include <vector>

#include "platform/com_ptr_win.h"
#include "platform/text_win.h"
#include "tests/e2e/main_window_fixture.h"
#include "tests/win/child_process.h"
#include "tests/win/registry_test_support.h"

namespace {

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Murkwell";
constexpr DWORD kHiddenAndSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        result = path;
    }
    ::CoTaskMemFree(path);
    return result;
}

bool FileThere(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    ::CloseHandle(file);
    return bytes;
}

void PutFile(const std::wstring& path, const std::string& bytes) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::wstring UninstallValue(const wchar_t* name) {
    wchar_t text[1024] = {};
    DWORD size = sizeof(text);
    if (::RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text,
                       &size) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return text;
}

bool UninstallEntryThere() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

// Where a shortcut points, read as the shell reads it.
std::wstring ShortcutTarget(const std::wstring& link) {
    ComPtr<IShellLinkW> shortcut;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(shortcut.Put())))) {
        return L"(no shell link)";
    }
    ComPtr<IPersistFile> file;
    if (FAILED(shortcut->QueryInterface(IID_PPV_ARGS(file.Put()))) ||
        FAILED(file->Load(link.c_str(), STGM_READ))) {
        return L"(not loaded)";
    }
    wchar_t target[MAX_PATH] = {};
    shortcut->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    return target;
}

class InstallTest : public ::testing::Test {
protected:
    TestFolder folders;  // the folders the user hid
    TestFolder chosen;   // a folder picked for the install
    std::wstring defaultFolder = KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Murkwell";
    std::wstring startMenu = KnownFolder(FOLDERID_Programs) + L"\\Murkwell";

    void SetUp() override {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Clean();
    }
    void TearDown() override {
        Clean();
        ::CoUninitialize();
    }
    void Clean() {
        ClearProgramRegistry();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
        RemoveTree(defaultFolder);
        RemoveTree(startMenu);
    }

    // The setup of the build under test: the 64-bit tests install the 64-bit setup.
    static std::wstring SetupProgram() { return FromUnixPath(MURKWELL_SETUP_FILE); }

    // Runs a command line to its end; its exit code, or -1.
    static int RunToEnd(std::wstring commandLine, DWORD timeoutMs = 60000) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info)) {
            return -1;
        }
        ::CloseHandle(info.hThread);
        DWORD code = static_cast<DWORD>(-1);
        if (::WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
            ::GetExitCodeProcess(info.hProcess, &code);
        }
        ::CloseHandle(info.hProcess);
        return static_cast<int>(code);
    }

    static int Install(const std::wstring& folder = {}) {
        std::wstring commandLine = L"\"" + SetupProgram() + L"\" /S";
        if (!folder.empty()) {
            commandLine += L" /D=" + folder;  // the last argument, unquoted, as NSIS wants it
        }
        return RunToEnd(commandLine);
    }

    // The uninstaller hands over to a copy of itself and ends: this waits for the copy's work.
    static bool Uninstall(const std::wstring& folder) {
        if (RunToEnd(L"\"" + folder + L"\\Uninstall.exe\" /S") != 0) {
            return false;
        }
        return WaitUntil(
            [&] { return !FileThere(folder + L"\\Uninstall.exe") && !UninstallEntryThere(); },
            60000);
    }

    void MakeHiddenFolder(const std::wstring& name) {
        const std::wstring hidden = name + L"HIDDEN123456";
        folders.MakeFolder(hidden);
        ::SetFileAttributesW(folders.PathOf(hidden).c_str(), kHiddenAndSystem);
    }

    bool ShownAgain(const std::wstring& name) {
        return folders.Exists(name) && !folders.Exists(name + L"HIDDEN123456") &&
               (folders.Attributes(name) & kHiddenAndSystem) == 0;
    }

    static void WriteList(const std::wstring& file, const std::vector<StoredEntry>& entries) {
        SystemCodePage codePage;
        StoredList stored;
        for (const auto& entry : entries) {
            stored.entries.push_back({*codePage.FromUtf8(entry.path), entry.status});
        }
        PutFile(file, FormatListBytes(stored));
    }

    static std::vector<std::string> StatusesIn(const std::wstring& file) {
        std::vector<std::string> statuses;
        for (const auto& entry : ParseListBytes(FileBytes(file)).entries) {
            statuses.push_back(entry.status);
        }
        return statuses;
    }
};

TEST_F(InstallTest, ProgramAndSetupCarryTheirIconAndVersion) {
    const HMODULE program =
        ::LoadLibraryExW(BuiltProgramPath().c_str(), nullptr,
                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(::LockResource(::LoadResource(program, found)));
    ASSERT_NE(group, nullptr);
    // GRPICONDIR: reserved, type, count; then 14-byte entries starting with width and height.
    const int count = group[4] | (group[5] << 8);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = group + 6 + 14 * i;
        const int width = entry[0] == 0 ? 256 : entry[0];
        EXPECT_EQ(entry[0], entry[1]);              // square
        EXPECT_EQ(entry[6] | (entry[7] << 8), 32);  // bits a pixel
        sizes.insert(width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    for (const int size : {16, 32, 48, 256}) {
        const HANDLE icon = ::LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        ::DestroyIcon(static_cast<HICON>(icon));
    }
    ::FreeLibrary(program);

    const std::wstring setup = SetupProgram();
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeW(setup.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(setup.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"ProductName", L"Murkwell"},
        {L"CompanyName", L"Kestrelby"},
        {L"ProductVersion", L"1.03"},
    };
    for (const auto& [name, text] : expected) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), &value, &length)) << Narrow(name);
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), text);
    }
}

TEST_F(InstallTest, SilentInstallPutsTheProgramItsShortcutsAndItsUninstallEntryInPlace) {
    ASSERT_EQ(Install(), 0);

    for (const wchar_t* file : {L"Murkwell.exe", L"Help.chm", L"banner.html", L"Uninstall.exe"}) {
        EXPECT_TRUE(FileThere(defaultFolder + L"\\" + file)) << Narrow(file);
    }
    EXPECT_EQ(FileBytes(defaultFolder + L"\\Murkwell.exe"), FileBytes(BuiltProgramPath()));
    EXPECT_EQ(ShortcutTarget(startMenu + L"\\Murkwell.lnk"), defaultFolder + L"\\Murkwell.exe");
    EXPECT_EQ(ShortcutTarget(startMenu + L"\\Readme-Help.lnk"), defaultFolder + L"\\Help.chm");

    EXPECT_EQ(UninstallValue(L"DisplayName"), L"Murkwell");
    EXPECT_EQ(UninstallValue(L"DisplayVersion"), L"1.03");
    EXPECT_EQ(UninstallValue(L"Publisher"), L"Kestrelby");
    EXPECT_EQ(UninstallValue(L"DisplayIcon"), defaultFolder + L"\\Murkwell.exe,0");
    EXPECT_EQ(UninstallValue(L"InstallLocation"), defaultFolder);
    EXPECT_EQ(UninstallValue(L"UninstallString"), L"\"" + defaultFolder + L"\\Uninstall.exe\"");
    EXPECT_EQ(UninstallValue(L"QuietUninstallString"),
              L"\"" + defaultFolder + L"\\Uninstall.exe\" /S");
    DWORD estimatedSize = 0;
    DWORD size = sizeof(estimatedSize);
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize", RRF_RT_REG_DWORD,
                             nullptr, &estimatedSize, &size),
              ERROR_SUCCESS);
    EXPECT_GE(estimatedSize, FileBytes(BuiltProgramPath()).size() / 1024);  // in KB

    {
        // The installed program starts and shows its window (without the help a first start
        // opens: the help viewer would hold the help file).
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestrelby\\Murkwell\\Settings",
                          L"showHelp", REG_SZ, L"0", sizeof(L"0"));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::wstring commandLine = L"\"" + defaultFolder + L"\\Murkwell.exe\"";
        ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, defaultFolder.c_str(), &startup, &info));
        ::CloseHandle(info.hThread);
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindVisibleWindow(info.dwProcessId, kMainWindowClass)); },
                  20000);
        EXPECT_NE(window, nullptr);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(::WaitForSingleObject(info.hProcess, 15000), WAIT_OBJECT_0);
        ::CloseHandle(info.hProcess);
    }

    ASSERT_TRUE(Uninstall(defaultFolder));
    EXPECT_FALSE(FileThere(defaultFolder));
    EXPECT_FALSE(FileThere(startMenu));
}

TEST_F(InstallTest, AnUpdateKeepsTheListAndNeverReplacesARunningProgram) {
    const std::wstring folder = chosen.PathOf(L"Murkwell");
    ASSERT_EQ(Install(folder), 0);
    EXPECT_EQ(UninstallValue(L"InstallLocation"), folder);
    WriteList(folder + L"\\data.dat", {{"C:\\Data\\Tax", "Hidden"}, {"C:\\Data\\Old", "Visible"}});
    PutFile(folder + L"\\data.bak", FileBytes(folder + L"\\data.dat") + "\xC3\xE8\x8D\x8A");
    const std::string list = FileBytes(folder + L"\\data.dat");
    const std::string backup = FileBytes(folder + L"\\data.bak");
    PutFile(folder + L"\\Murkwell.exe", "an older program");

    ASSERT_EQ(Install(folder), 0);
    EXPECT_EQ(FileBytes(folder + L"\\Murkwell.exe"), FileBytes(BuiltProgramPath()));
    EXPECT_EQ(FileBytes(folder + L"\\data.dat"), list);
    EXPECT_EQ(FileBytes(folder + L"\\data.bak"), backup);

    // With the program running, a silent update stops with exit code 2 and replaces nothing.
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kestrelby\\Murkwell\\Settings", L"showHelp",
                      REG_SZ, L"0", sizeof(L"0"));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + folder + L"\\Murkwell.exe\"";
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.c_str(), &startup, &info));
    ::CloseHandle(info.hThread);
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (window = FindVisibleWindow(info.dwProcessId, kMainWindowClass)); }, 20000));
    PutFile(folder + L"\\Help.chm", "an older help file");
    EXPECT_EQ(Install(folder), 2);
    EXPECT_EQ(FileBytes(folder + L"\\Help.chm"), "an older help file");
    EXPECT_EQ(::WaitForSingleObject(info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(info.hProcess, 15000), WAIT_OBJECT_0);
    ::CloseHandle(info.hProcess);
    EXPECT_EQ(FileBytes(folder + L"\\data.dat"), list);
}

TEST_F(InstallTest, SilentUninstallShowsEveryHiddenFolderBeforeRemovingTheProgram) {
    const std::wstring folder = chosen.PathOf(L"Murkwell");
    ASSERT_EQ(Install(folder), 0);
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Photos");
    WriteList(folder + L"\\data.dat",
              {{folders.Utf8PathOf(L"Tax"), "Hidden"}, {folders.Utf8PathOf(L"Photos"), "Hidden"}});

    ASSERT_TRUE(Uninstall(folder));

    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_TRUE(ShownAgain(L"Photos"));
    EXPECT_FALSE(FileThere(folder));  // the list went with the program: nothing was left hidden
}

// A list emptied (by a damaged save, or by hand) beside a backup that still lists hidden
// folders: the uninstaller counts the backup's and shows them, and never deletes a list that
// names a folder still hidden.
TEST_F(InstallTest, UninstallWithAnEmptyListShowsWhatItsBackupListsHidden) {
    const std::wstring folder = chosen.PathOf(L"Murkwell");
    ASSERT_EQ(Install(folder), 0);
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Photos");
    WriteList(folder + L"\\data.bak",
              {{folders.Utf8PathOf(L"Tax"), "Hidden"}, {folders.Utf8PathOf(L"Photos"), "Hidden"}});
    WriteList(folder + L"\\data.dat", {});

    ASSERT_TRUE(Uninstall(folder));

    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_TRUE(ShownAgain(L"Photos"));
    EXPECT_FALSE(FileThere(folder));  // removed only once nothing it listed was still hidden
}

TEST_F(InstallTest, UninstallKeepsTheListWhenAFolderCannotBeShown) {
    const std::wstring folder = chosen.PathOf(L"Murkwell");
    ASSERT_EQ(Install(folder), 0);
    MakeHiddenFolder(L"Tax");
    MakeHiddenFolder(L"Busy");
    WriteList(folder + L"\\data.dat",
              {{folders.Utf8PathOf(L"Tax"), "Hidden"}, {folders.Utf8PathOf(L"Busy"), "Hidden"}});
    ChildProcess holder(L"hold", folders.PathOf(L"BusyHIDDEN123456"));
    ASSERT_TRUE(holder.Running());
    ::Sleep(300);  // let it open the folder

    ASSERT_TRUE(Uninstall(folder));

    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_TRUE(folders.Exists(L"BusyHIDDEN123456"));
    EXPECT_FALSE(FileThere(folder + L"\\Murkwell.exe"));
    ASSERT_TRUE(FileThere(folder + L"\\data.dat"));
    EXPECT_EQ(StatusesIn(folder + L"\\data.dat"), (std::vector<std::string>{"Visible", "Hidden"}));
    holder.Kill();

    // Installed there again, the program shows what is left.
    ASSERT_EQ(Install(folder), 0);
    EXPECT_EQ(RunToEnd(L"\"" + folder + L"\\Murkwell.exe\" /showall"), 0);
    EXPECT_TRUE(ShownAgain(L"Busy"));
    ASSERT_TRUE(Uninstall(folder));
    EXPECT_FALSE(FileThere(folder));
}

#ifdef _WIN64
// The machine an executable was built for, from its PE header; 0 when it is not one.
WORD MachineOf(const std::wstring& exe) {
    const std::string bytes = FileBytes(exe);
    if (bytes.size() < 0x40) {
        return 0;
    }
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const std::size_t header =
        byteAt(0x3c) | byteAt(0x3d) << 8 | byteAt(0x3e) << 16 | std::size_t{byteAt(0x3f)} << 24;
    if (header + 6 > bytes.size() || bytes.compare(header, 4, std::string("PE\0\0", 4)) != 0) {
        return 0;
    }
    return static_cast<WORD>(byteAt(header + 4) | byteAt(header + 5) << 8);
}

// The 32-bit program installed by its setup (laid out as that setup leaves it where this host
// starts no 32-bit process), then the 64-bit setup over it: an update that keeps the list and
// the settings, after which the 64-bit program reads the 32-bit program's list.
TEST_F(InstallTest, The64BitSetupOverA32BitInstallIsAnUpdateThatKeepsEverything) {
    const std::wstring program32 = FromUnixPath(MURKWELL_PROGRAM_32);
    if (!FileThere(program32)) {
        GTEST_SKIP() << "the 32-bit build was not built (MURKWELL_ONLY_BUILD=64)";
    }
    const std::wstring folder = defaultFolder;
    if (RunToEnd(L"\"" + FromUnixPath(MURKWELL_SETUP_FILE_32) + L"\" /S") == -1) {
        ASSERT_EQ(::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr), ERROR_SUCCESS);
        ASSERT_TRUE(::CopyFileW(program32.c_str(), (folder + L"\\Murkwell.exe").c_str(), FALSE));
        for (const auto& [name, value] : {std::pair{L"DisplayName", std::wstring(L"Murkwell")},
                                          std::pair{L"DisplayVersion", std::wstring(L"1.03")},
                                          std::pair{L"InstallLocation", folder}}) {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kUninstallKey, name, REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        }
    }
    ASSERT_EQ(MachineOf(folder + L"\\Murkwell.exe"), IMAGE_FILE_MACHINE_I386);
    MakeHiddenFolder(L"Tax");
    WriteList(folder + L"\\data.dat",
              {{folders.Utf8PathOf(L"Tax"), "Hidden"}, {"C:\\Data\\Old", "Visible"}});
    PutFile(folder + L"\\data.bak", FileBytes(folder + L"\\data.dat"));
    const std::string list = FileBytes(folder + L"\\data.dat");
    const std::wstring settingsKey = L"Software\\Kestrelby\\Murkwell\\Settings";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, settingsKey.c_str(), L"chkHotkeyHide", REG_SZ, L"1",
                      sizeof(L"1"));

    ASSERT_EQ(Install(), 0);
    EXPECT_EQ(MachineOf(folder + L"\\Murkwell.exe"), IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(UninstallValue(L"InstallLocation"), folder);
    EXPECT_EQ(FileBytes(folder + L"\\data.dat"), list);
    EXPECT_EQ(FileBytes(folder + L"\\data.bak"), list);
    wchar_t hotkey[8] = {};
    DWORD size = sizeof(hotkey);
    EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, settingsKey.c_str(), L"chkHotkeyHide",
                             RRF_RT_REG_SZ, nullptr, hotkey, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(hotkey, L"1");

    EXPECT_EQ(RunToEnd(L"\"" + folder + L"\\Murkwell.exe\" /hiddencount"), 1);
    EXPECT_EQ(FileBytes(folder + L"\\data.dat"), list);
    ASSERT_TRUE(Uninstall(folder));
    EXPECT_TRUE(ShownAgain(L"Tax"));
    EXPECT_FALSE(FileThere(folder));
}
#endif

}  // namespace
