#pragma once

#include "present/product_info.h"

// Fills the record from the running executable's version resource.
ProductInfo LoadProductInfo();
