#pragma once
// Paths compared as Windows compares them: full long names, letters folded by the system.

#include "vault/list_commands.h"

class Win32PathRules final : public PathRules {
public:
    std::string CanonicalPath(std::string_view path) const override;
    std::string FoldCase(std::string_view text) const override;
};
