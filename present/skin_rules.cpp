#include "present/skin_rules.h"

std::string_view ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::Label:
            return "Label";
        case ControlKind::Image:
            return "Image";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::FileListBox:
            return "FileListBox";
        case ControlKind::DirListBox:
            return "DirListBox";
        case ControlKind::DriveListBox:
            return "DriveListBox";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::ListView:
            return "ListView";
        case ControlKind::StatusBar:
            return "StatusBar";
        case ControlKind::SkinLabel:
            return "SkinLabel";
        case ControlKind::WebBrowser:
            return "WebBrowser";
        case ControlKind::Other:
            break;
    }
    return "Other";
}

ControlColours ColoursForControl(ControlKind kind, const SkinColours& colours) {
    switch (kind) {
        case ControlKind::CommandButton:
            return {colours.back, std::nullopt};
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::FileListBox:
        case ControlKind::DirListBox:
        case ControlKind::DriveListBox:
        case ControlKind::ListBox:
        case ControlKind::ListView:
            return {colours.back, colours.text};
        case ControlKind::PictureBox:
            return {colours.panel, std::nullopt};
        default:
            return {};
    }
}

std::vector<std::size_t> LabelsToReplace(const std::vector<ControlOnWindow>& controls,
                                         std::uintptr_t templateContainer) {
    std::vector<std::size_t> labels;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        // Only plain labels: a skin label is never covered again.
        if (controls[i].kind == ControlKind::Label && controls[i].container == templateContainer) {
            labels.push_back(i);
        }
    }
    return labels;
}
