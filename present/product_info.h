#pragma once
// What the program says about itself, read from its own version resource at start.

#include <string>

struct ProductInfo {
    std::string productName;
    std::string companyName;
    std::string websiteAddress;
    bool skinEnabled = true;
    bool bannerEnabled = true;
    std::string bannerAddress;  // the page the main window's banner shows
    int majorVersion = 0;
    int minorVersion = 0;
};

// "Murkwell by Kestrelby": the main window's caption.
inline std::string MainWindowCaption(const ProductInfo& info) {
    return info.productName + " by " + info.companyName;
}

// The version as the About window shows it: major and minor as plain numbers ("1.3"; a minor
// version of 10 is "1.10", not "1.1"). The revision is not shown.
inline std::string VersionText(const ProductInfo& info) {
    return std::to_string(info.majorVersion) + "." + std::to_string(info.minorVersion);
}
