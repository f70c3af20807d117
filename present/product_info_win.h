#pragma once

#include "present/product_info.h"

#include <string>

// The banner's page, beside the program.
inline constexpr wchar_t kBannerPageName[] = L"banner.html";

// Fills the record from the running executable's version resource.
ProductInfo LoadProductInfo();
// The same, from the version resource of another executable.
ProductInfo LoadProductInfoFrom(const std::wstring& executablePath);
