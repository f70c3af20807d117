#pragma once
// What the program says about itself, read from its own version resource at start.

#include <string>

struct ProductInfo {
    std::string productName;
    std::string companyName;
    std::string websiteAddress;
    bool skinEnabled = true;
    bool bannerEnabled = true;
    int majorVersion = 0;
    int minorVersion = 0;
};

// "Murkwell by Kestrelby": the main window's caption.
inline std::string MainWindowCaption(const ProductInfo& info) {
    return info.productName + " by " + info.companyName;
}
