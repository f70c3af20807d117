#include "present/skin_rules.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 7> kListLikeTypes = {
    "TextBox", "ComboBox", "FileListBox", "DirListBox", "DriveListBox", "ListBox", "ListView"};

}  // namespace

ControlColours ColoursForControl(std::string_view typeName, const SkinColours& colours) {
    if (typeName == "CommandButton") {
        return {colours.back, std::nullopt};
    }
    if (std::find(kListLikeTypes.begin(), kListLikeTypes.end(), typeName) != kListLikeTypes.end()) {
        return {colours.back, colours.text};
    }
    if (typeName == "PictureBox") {
        return {colours.panel, std::nullopt};
    }
    return {};
}

std::vector<std::size_t> LabelsToReplace(const std::vector<ControlOnWindow>& controls,
                                         std::uintptr_t templateContainer) {
    std::vector<std::size_t> labels;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        // Only plain labels: a skin label is never covered again.
        if (controls[i].typeName == "Label" && controls[i].container == templateContainer) {
            labels.push_back(i);
        }
    }
    return labels;
}
