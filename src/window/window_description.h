// The window's description: every control of Form1 with its container, its
// class and its design properties, in the order the window is built. It is
// data; Form1's constructor builds the window from it (BuildFromDescription).
#pragma once

#include <optional>
#include <vector>

#include "forms/control.h"
#include "forms/platform.h"
#include "forms/types.h"

namespace window {

// The desktop's colours that the description names by role. They are kept
// in the table as these negative codes and turned into plain RGB numbers
// from the platform when the description is applied, so no control ever
// holds a code.
constexpr forms::Color kSysMenu = -4;
constexpr forms::Color kSysWindow = -5;
constexpr forms::Color kSysWindowText = -8;
constexpr forms::Color kSysButtonFace = -15;

// The RGB value of a description colour (a system code or a plain colour).
forms::Color resolveColor(forms::Color c, const forms::SystemColors& sys);

// The design properties of one control; a property without a value keeps
// the platform's default. Fields must be given in this order in the table.
struct DesignProps {
    // Position and size in twips within the container. A control without a
    // size gets a placeholder that start-up's layout replaces; a picture that
    // sizes its control (an Image without Stretch, an AutoSize PictureBox)
    // gives the size unless one is listed. Lines take no rectangle.
    std::optional<float> left{}, top{}, width{}, height{};
    const char* caption = nullptr;  // also a Form's title
    const char* text = nullptr;  // text boxes and rich text boxes
    const char* toolTip = nullptr;
    std::optional<forms::Font> font{};
    std::optional<forms::Color> backColor{}, foreColor{};
    std::optional<int> borderStyle{};  // 0 none, 1 fixed single
    std::optional<bool> autoRedraw{}, autoSize{};
    std::optional<int> drawWidth{};
    std::optional<int> mousePointer{};  // 1 arrow, 3 text cursor, 99 custom
    std::optional<int> tabIndex{};
    std::optional<bool> visible{};
    std::optional<bool> enabled{};  // timers: whether they run
    std::optional<int> interval{};  // timers, milliseconds
    std::optional<bool> stretch{};  // images
    int picture = 0;  // built-in picture number; 0 none (a Form: its icon)
    std::optional<int> min{}, max{}, value{};  // scroll bars
    std::optional<int> shape{};  // 0 rectangle, 2 oval, 3 circle
    std::optional<int> fillStyle{};  // 0 solid, 7 diagonal cross
    std::optional<forms::Color> fillColor{}, borderColor{};
    std::optional<int> borderWidth{};
    std::optional<int> lineStyle{};  // 3 dotted
    std::optional<int> alignment{};  // labels: 2 centred
    std::optional<int> backStyle{};  // labels: 0 transparent
};

// One row of the description. `count` > 1 makes the row stand for the
// array members index .. index + count - 1, which share the properties.
struct ControlDescription {
    const char* container;  // nullptr for the window itself
    const char* name;
    int index;  // -1 outside a control array
    forms::ControlKind kind;
    DesignProps props;
    int count = 1;
};

// The whole window in description order: the window first, then every
// control, each container before what it holds.
const std::vector<ControlDescription>& formDescription();

// Applies a row's properties to a control already attached to its
// container: the class's platform defaults first, then the listed values.
// Fires nothing as long as the form is building.
void applyDesign(forms::Control& control, const DesignProps& props, const forms::SystemColors& sys);

}  // namespace window
