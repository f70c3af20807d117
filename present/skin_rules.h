#pragma once
// What the skin does to a window's controls, by the control's kind: which colours a control
// takes, which labels get a skin label over them. Plain rules, no window involved.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The kinds of control the skin's rules tell apart.
enum class ControlKind {
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    Label,
    Image,
    PictureBox,
    TextBox,
    ComboBox,
    FileListBox,
    DirListBox,
    DriveListBox,
    ListBox,
    ListView,
    StatusBar,
    SkinLabel,
    WebBrowser,
    Other,
};

// The kind's name as the skin's rules spell it ("CommandButton", "Frame" ...), for messages.
std::string_view ControlKindName(ControlKind kind);

// The skin's three colours, as 0x00BBGGRR values.
struct SkinColours {
    std::uint32_t back = 0;   // buttons and list-like controls
    std::uint32_t text = 0;   // text of list-like controls
    std::uint32_t panel = 0;  // picture boxes
};

// The colour properties a control is given. Unset ones stay as they are.
struct ControlColours {
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> foreColor;

    bool operator==(const ControlColours&) const = default;
};

// ColorControls' rule for one control: buttons take the back colour only (their text colour is
// never touched), list-like controls both colours, picture boxes the panel colour, and every
// other kind nothing.
ControlColours ColoursForControl(ControlKind kind, const SkinColours& colours);

// One control of a window as the label replacement sees it.
struct ControlOnWindow {
    ControlKind kind = ControlKind::Other;
    std::uintptr_t container = 0;  // what holds the control
};

// The plain labels that get a skin label over them, in the window's control order: those that
// share the container of the template skin label.
std::vector<std::size_t> LabelsToReplace(const std::vector<ControlOnWindow>& controls,
                                         std::uintptr_t templateContainer);
