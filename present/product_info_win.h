#pragma once

#include "present/product_info.h"

#include <string>

// Fills the record from the running executable's version resource.
ProductInfo LoadProductInfo();
// The same, from the version resource of another executable.
ProductInfo LoadProductInfoFrom(const std::wstring& executablePath);
