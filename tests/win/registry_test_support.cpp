#include "tests/win/registry_test_support.h"

#include <sstream>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"

void ClearProgramRegistry() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrelby");
    HKEY software = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | kProgramView,
                        &software) == ERROR_SUCCESS) {
        ::RegDeleteTreeW(software, L"Kestrelby");
        ::RegCloseKey(software);
    }
    HKEY run = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        ::RegDeleteValueW(run, L"Murkwell");
        ::RegCloseKey(run);
    }
}

std::string RegQuery(const std::wstring& key, const std::wstring& value) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ::CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    UniqueKernelHandle reader(readEnd);
    UniqueKernelHandle writer(writeEnd);

    std::wstring commandLine = L"reg.exe query \"" + key + L"\" /v \"" + value + L"\" /reg:32";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.Get();
    startup.hStdError = writer.Get();
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &info)) {
        return "(reg.exe did not start)";
    }
    writer.Reset();
    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(reader.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        output.append(buffer, read);
    }
    ::WaitForSingleObject(info.hProcess, 10000);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);

    // The value's line reads "    <name>    <type>    <data>".
    std::istringstream lines(output);
    std::string line;
    const std::string name = Narrow(value);
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string first;
        std::string type;
        if (words >> first >> type && _stricmp(first.c_str(), name.c_str()) == 0) {
            std::string data;
            std::getline(words, data);
            const auto start = data.find_first_not_of(" \t");
            data = start == std::string::npos ? "" : data.substr(start);
            while (!data.empty() && (data.back() == '\r' || data.back() == ' ')) {
                data.pop_back();
            }
            return type + (data.empty() ? "" : " " + data);
        }
    }
    return {};
}
