#include "present/product_info_win.h"

#include <windows.h>

#include <vector>

#include "platform/program_folder_win.h"
#include "platform/text_win.h"

namespace {

std::string VersionString(const std::vector<char>& block, const wchar_t* name) {
    // The resource carries one language: US English, Unicode.
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return Narrow(std::wstring(static_cast<const wchar_t*>(value), length - 1));
}

}  // namespace

ProductInfo LoadProductInfo() {
    return LoadProductInfoFrom(ProgramPath());
}

ProductInfo LoadProductInfoFrom(const std::wstring& executablePath) {
    ProductInfo info;
    // The banner is a page of the program folder, so it shows without a network.
    const std::wstring folder = executablePath.substr(0, executablePath.find_last_of(L"\\/"));
    info.bannerAddress = Narrow(folder + L"\\" + kBannerPageName);
    const wchar_t* path = executablePath.c_str();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) {
        return info;
    }
    std::vector<char> block(size);
    if (!::GetFileVersionInfoW(path, 0, size, block.data())) {
        return info;
    }
    info.productName = VersionString(block, L"ProductName");
    info.companyName = VersionString(block, L"CompanyName");
    info.websiteAddress = VersionString(block, L"Comments");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        info.majorVersion = HIWORD(fixed->dwFileVersionMS);
        info.minorVersion = LOWORD(fixed->dwFileVersionMS);
    }
    return info;
}
