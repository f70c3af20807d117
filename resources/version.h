#pragma once
// What the program says about itself; the version resource is built from these.

#define MURKWELL_PRODUCT_NAME "Murkwell"
#define MURKWELL_COMPANY_NAME "Kestrelby"
#define MURKWELL_WEBSITE "www.murkwell.example"
#define MURKWELL_VERSION_TEXT "1.03"
#define MURKWELL_VERSION_BINARY 1, 3, 0, 0
