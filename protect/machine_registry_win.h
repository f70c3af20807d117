#pragma once
// The machine store's registry access under HKEY_LOCAL_MACHINE.

#include "protect/machine_store.h"

class Win32MachineRegistry final : public MachineRegistry {
public:
    MachineValue Read(const std::string& keyPath, std::string_view name) override;
    Outcome Write(const std::string& keyPath,
                  std::string_view name,
                  std::string_view text) override;
};
