// The window's description table. One row per control (or per run of array
// members that share their properties), in description order; each
// container's group starts with a comment line.
#include "window/window_description.h"

namespace window {
namespace {

using K = forms::ControlKind;
using forms::rgb;

forms::Font font(const char* name, float size, bool bold = false) { return {name, size, bold}; }

constexpr forms::Color kBlue = rgb(0, 0, 255);
constexpr forms::Color kYellow = rgb(255, 255, 0);
constexpr forms::Color kWhite = rgb(255, 255, 255);
constexpr forms::Color kRed = rgb(255, 0, 0);
constexpr forms::Color kPink = rgb(255, 192, 192);   // settings panel
constexpr forms::Color kPeach = rgb(255, 224, 192);  // its box of small frames
constexpr forms::Color kMint = rgb(192, 255, 192);   // number boxes, splash

// The tool icons: member k shows picture 14 - k.
DesignProps toolIcon(int k, const char* tip) {
    return {.left = 120, .top = 265 + 975.0f * k, .width = 1200, .height = 975, .toolTip = tip,
            .stretch = true, .picture = 14 - k};
}

// The move pad stands in a 3 x 3 square at design (top row 5, 1, 6; middle
// 0, 4, 2; bottom 8, 3, 7); member k shows picture 28 - k.
DesignProps movePad(int k, int column, int row, const char* tip) {
    return {.left = 495.0f * column, .top = 495.0f * row, .width = 495, .height = 495, .toolTip = tip,
            .borderStyle = 1, .stretch = true, .picture = 28 - k};
}

DesignProps turnPad(int k, const char* tip) {
    return {.left = 735.0f * k, .top = 0, .width = 735, .height = 735, .toolTip = tip, .borderStyle = 1,
            .stretch = true, .picture = 16 + k};
}

DesignProps toolSizeButton(int k, const char* caption, const char* tip) {
    return {.left = 120, .top = 240 + 300.0f * k, .width = 495, .height = 285, .caption = caption,
            .toolTip = tip, .font = font("Arial", 8.25f)};
}

DesignProps optionButton(float top, float height, const char* caption, int picture) {
    return {.left = 120, .top = top, .width = 735, .height = height, .caption = caption,
            .font = font("Arial", 8.25f), .picture = picture};
}

DesignProps colourCell(std::optional<forms::Color> back, std::optional<forms::Color> fore) {
    return {.caption = "Label2", .backColor = back, .foreColor = fore, .borderStyle = 1};
}

std::vector<ControlDescription> buildTable() {
    return {
        // The window
        {nullptr, "Form1", -1, K::Form, {.caption = "Lumadraw", .borderStyle = 1, .picture = 1}},

        // In Form1, hidden holder Picture20
        {"Form1", "Picture20", -1, K::PictureBox, {.backColor = kBlue, .picture = 2}},
        {"Picture20", "FileList", -1, K::ListBox, {}},
        {"Picture20", "FolderList", -1, K::ListBox, {}},
        {"Picture20", "Image8", -1, K::Image, {.picture = 3}},
        {"Picture20", "Image7", -1, K::Image, {.picture = 4}},

        // Splash panel Picture21
        {"Form1", "Picture21", -1, K::PictureBox, {.backColor = kMint, .borderStyle = 0}},
        {"Picture21", "Timer1", -1, K::Timer, {.enabled = true, .interval = 1}},
        {"Picture21", "Image2", -1, K::Image, {}},
        {"Picture21", "Label12", -1, K::Label,
         {.font = font("Arial Black", 72, true), .foreColor = kYellow, .alignment = 2, .backStyle = 0}},

        {"Form1", "Timer7", -1, K::Timer, {.enabled = false, .interval = 100}},
        {"Form1", "Pichidden", -1, K::PictureBox, {.autoRedraw = true, .autoSize = true}},

        // Tool box Picture1
        {"Form1", "Picture1", -1, K::PictureBox, {.backColor = rgb(255, 255, 128), .borderStyle = 0}},
        {"Picture1", "Shape1", -1, K::Shape, {.shape = 2, .borderColor = rgb(255, 0, 255), .borderWidth = 5}},
        {"Picture1", "Label1", 0, K::Label,
         {.left = 0, .height = 255, .caption = "TOOLS", .font = font("MS Sans Serif", 9.75f, true),
          .backColor = kBlue, .foreColor = kYellow, .alignment = 2}},
        {"Picture1", "Image1", 0, K::Image, toolIcon(0, "Line Tool")},
        {"Picture1", "Image1", 1, K::Image, toolIcon(1, "Box Tool")},
        {"Picture1", "Image1", 2, K::Image, toolIcon(2, "Ellipse Tool")},
        {"Picture1", "Image1", 3, K::Image, toolIcon(3, "Eraser Tool")},
        {"Picture1", "Image1", 4, K::Image, toolIcon(4, "Text Tool")},
        {"Picture1", "Image1", 5, K::Image, toolIcon(5, "Filled Box Tool")},
        {"Picture1", "Image1", 6, K::Image, toolIcon(6, "Filled Ellipse Tool")},
        {"Picture1", "Image1", 7, K::Image, toolIcon(7, "Picture Tool")},
        {"Picture1", "Image1", 8, K::Image, toolIcon(8, "Pencil Tool")},
        {"Picture1", "Image1", 9, K::Image, toolIcon(9, "Fill Color Tool")},

        // Commander strip Picture18
        {"Form1", "Picture18", -1, K::PictureBox, {}},
        {"Picture18", "Command5", 0, K::CommandButton, {.caption = "&Run", .font = font("Arial", 11.25f, true)}},
        {"Picture18", "Command5", 1, K::CommandButton, {.caption = "Close", .font = font("Arial", 11.25f, true)}},
        {"Picture18", "Command5", 2, K::CommandButton, {.caption = "&Clear", .font = font("Arial", 11.25f, true)}},
        {"Picture18", "Text2", -1, K::TextBox, {.font = font("Arial", 12, true), .backColor = rgb(255, 255, 192)}},

        // The canvas Picture4
        {"Form1", "Picture4", -1, K::PictureBox,
         {.font = font("Arial", 8.25f), .backColor = rgb(64, 0, 0), .foreColor = kYellow, .borderStyle = 0,
          .autoRedraw = true, .drawWidth = 2, .mousePointer = 99, .tabIndex = 0}},

        // "Script Manager" panel Picture11
        {"Picture4", "Picture11", -1, K::PictureBox, {.backColor = kPeach, .borderStyle = 0, .mousePointer = 3}},
        {"Picture11", "Command3", -1, K::CommandButton, {.width = 975, .caption = "Cancel"}},
        {"Picture11", "Command2", -1, K::CommandButton, {.width = 975, .height = 495, .caption = "Update"}},
        {"Picture11", "Command1", -1, K::CommandButton,
         {.width = 375, .height = 270, .caption = "X", .font = font("Arial", 11.25f, true), .mousePointer = 1}},
        {"Picture11", "RichTextBox1", -1, K::RichTextBox, {.font = font("Arial", 12)}},
        {"Picture11", "ProgressBar2", -1, K::ProgressBar, {.height = 255}},
        {"Picture11", "Shape8", -1, K::Shape, {.borderColor = kBlue, .borderWidth = 3}},
        {"Picture11", "Label4", -1, K::Label,
         {.caption = "Script Manager", .font = font("Arial", 15.75f), .backColor = kBlue, .foreColor = kWhite,
          .mousePointer = 1, .alignment = 2}},
        {"Picture11", "Label6", -1, K::Label, {.width = 3375, .height = 375, .font = font("Arial", 12, true)}},
        {"Picture11", "Label5", -1, K::Label, {.width = 3375, .height = 375, .font = font("Arial", 12, true)}},
        {"Picture11", "Image6", -1, K::Image, {.borderStyle = 1, .stretch = true}},

        // Gallery viewport Picture5 and the strip Picture6
        {"Picture4", "Picture5", -1, K::PictureBox,
         {.height = 2295, .backColor = rgb(255, 128, 255), .borderStyle = 0}},
        {"Picture5", "HScroll1", -1, K::HScrollBar,
         {.left = 0, .top = 1920, .height = 255, .min = 0, .max = 32767, .value = 0}},
        {"Picture5", "Picture6", -1, K::PictureBox,
         {.left = 0, .top = 0, .width = 12000, .height = 1935, .backColor = rgb(255, 255, 128), .borderStyle = 0}},
        {"Picture6", "Image3", 0, K::Image,
         {.left = 4920, .top = 240, .width = 1815, .height = 1335, .borderStyle = 1, .stretch = true}},
        {"Picture6", "Shape6", -1, K::Shape, {.borderColor = kRed, .borderWidth = 5}},

        // Help panel Picture19
        {"Picture4", "Picture19", -1, K::PictureBox,
         {.backColor = rgb(192, 255, 255), .foreColor = kSysWindowText, .mousePointer = 1, .visible = false}},
        {"Picture19", "Command7", -1, K::CommandButton,
         {.width = 255, .height = 255, .caption = "X", .font = font("MS Sans Serif", 8.25f, true)}},
        {"Picture19", "RichTextBox2", -1, K::RichTextBox, {}},
        {"Picture19", "Label7", -1, K::Label,
         {.height = 300, .caption = "VRK Help", .font = font("MS Sans Serif", 12, true), .foreColor = kWhite,
          .backStyle = 0}},
        {"Picture19", "Shape7", -1, K::Shape, {.borderColor = kBlue, .borderWidth = 3}},
        {"Picture19", "Label10", -1, K::Label,
         {.font = font("MS Sans Serif", 9.75f, true), .backColor = kBlue, .foreColor = kWhite}},

        {"Picture4", "Text1", -1, K::TextBox, {.font = font("Arial", 8.25f)}},

        // Holder of the hint panel's background, Picture9
        {"Picture4", "Picture9", -1, K::PictureBox, {.autoSize = true}},
        {"Picture9", "Picture17", -1, K::PictureBox,
         {.width = 1230, .height = 1260, .backColor = kSysWindow, .autoSize = true, .picture = 15}},

        {"Picture4", "Timer2", -1, K::Timer, {.enabled = false, .interval = 1}},
        {"Picture4", "Timer3", -1, K::Timer, {.enabled = false, .interval = 50}},

        // Settings panel Picture13
        {"Picture4", "Picture13", -1, K::PictureBox, {.backColor = kPink, .mousePointer = 1}},
        {"Picture13", "Frame1", -1, K::Frame, {.caption = "Draw Width", .backColor = kPink}},
        {"Frame1", "HScroll3", -1, K::HScrollBar, {.min = 1, .max = 100, .value = 1}},
        {"Picture13", "Frame2", -1, K::Frame, {.caption = "Moving Step", .backColor = kPink}},
        {"Frame2", "HScroll4", -1, K::HScrollBar, {.min = 1, .max = 1000, .value = 100}},
        {"Picture13", "Frame3", -1, K::Frame, {.caption = "Rotating Step", .backColor = kPink}},
        {"Frame3", "HScroll5", -1, K::HScrollBar, {.min = 1, .max = 360, .value = 1}},
        {"Picture13", "Frame4", -1, K::Frame, {.caption = "Tool Size", .backColor = kPink, .foreColor = rgb(0, 0, 0)}},
        {"Frame4", "Command4", 0, K::CommandButton,
         toolSizeButton(0, "W+", "Click here to increase the width of the tool")},
        {"Frame4", "Command4", 1, K::CommandButton,
         toolSizeButton(1, "W-", "Click here to decrease the width of the tool")},
        {"Frame4", "Command4", 2, K::CommandButton,
         toolSizeButton(2, "H+", "Click here to increase the height of the tool")},
        {"Frame4", "Command4", 3, K::CommandButton,
         toolSizeButton(3, "H-", "Click here to decrease the height of the tool")},
        {"Frame4", "Command4", 4, K::CommandButton,
         toolSizeButton(4, "M", "Click here to change the mode of the tool")},
        {"Frame4", "Command4", 5, K::CommandButton, toolSizeButton(5, "+", "Click here to get a bigger tool")},
        {"Frame4", "Command4", 6, K::CommandButton, toolSizeButton(6, "-", "Click here to get a smaller tool")},

        // Turn pad Picture15
        {"Picture13", "Picture15", -1, K::PictureBox, {.borderStyle = 0}},
        {"Picture15", "Image5", 0, K::Image, turnPad(0, "Left turn around the center of the tool")},
        {"Picture15", "Image5", 1, K::Image, turnPad(1, "Right Turn around the center of the tool")},
        {"Picture15", "Image5", 2, K::Image, turnPad(2, "Turn Anti-clock wise around the virtual center")},
        {"Picture15", "Image5", 3, K::Image, turnPad(3, "Turn clock wise around the virtual center")},

        // Box of small frames Picture16
        {"Picture13", "Picture16", -1, K::PictureBox, {.backColor = kPeach}},
        {"Picture16", "Frame5", -1, K::Frame, {.caption = "Repeat", .backColor = kPeach}},
        {"Frame5", "Text3", -1, K::TextBox, {.text = "1", .backColor = kMint}},
        {"Picture16", "Frame6", -1, K::Frame, {.caption = "Animated Play", .backColor = kPeach}},
        {"Frame6", "Text4", -1, K::TextBox, {.width = 495, .height = 285, .text = "1", .backColor = kMint}},
        {"Frame6", "Command6", 2, K::CommandButton, {.height = 255, .caption = "Play", .toolTip = "Repeat Again"}},
        {"Frame6", "Label9", -1, K::Label, {.width = 735, .height = 255, .caption = "Duration", .backColor = kPeach}},
        {"Picture16", "Frame7", -1, K::Frame, {.caption = "Clear", .backColor = kPeach}},
        {"Frame7", "Command6", 0, K::CommandButton,
         {.caption = "CS", .toolTip = "ClearScreen", .font = font("Arial", 8.25f)}},
        {"Frame7", "Command6", 1, K::CommandButton,
         {.caption = "CB", .toolTip = "Clear Background Picture", .font = font("Arial", 8.25f)}},
        {"Picture16", "Frame8", -1, K::Frame, {.caption = "File", .backColor = kPeach}},
        {"Frame8", "Command8", 0, K::CommandButton, {.height = 255, .caption = "Save As"}},
        {"Frame8", "Command8", 1, K::CommandButton, {.height = 255, .caption = "Open"}},
        {"Frame8", "Command8", 2, K::CommandButton, {.height = 255, .caption = "Close"}},

        // Move pad Picture14
        {"Picture13", "Picture14", -1, K::PictureBox, {.backColor = kRed}},
        {"Picture14", "Image4", 0, K::Image, movePad(0, 0, 1, "Move Left")},
        {"Picture14", "Image4", 1, K::Image, movePad(1, 1, 0, "Move Up")},
        {"Picture14", "Image4", 2, K::Image, movePad(2, 2, 1, "Move Right")},
        {"Picture14", "Image4", 3, K::Image, movePad(3, 1, 2, "Move Down")},
        {"Picture14", "Image4", 4, K::Image, movePad(4, 1, 1, "Move to Home")},
        {"Picture14", "Image4", 5, K::Image, movePad(5, 0, 0, "Move Left Top")},
        {"Picture14", "Image4", 6, K::Image, movePad(6, 2, 0, "Move Right Top")},
        {"Picture14", "Image4", 7, K::Image, movePad(7, 2, 2, "Move Right Bottom")},
        {"Picture14", "Image4", 8, K::Image, movePad(8, 0, 2, "Move Left Bottom")},

        // Pop-up option panel Picture12 (its design rectangle stands)
        {"Picture4", "Picture12", -1, K::PictureBox,
         {.left = 240, .top = 1800, .width = 975, .height = 3495, .mousePointer = 1}},
        {"Picture12", "Check1", 0, K::CheckBox, optionButton(120, 255, "Mouse", 32)},
        {"Picture12", "Check1", 1, K::CheckBox, optionButton(480, 255, "SM", 31)},
        {"Picture12", "Check1", 2, K::CheckBox, optionButton(840, 375, "Hints", 30)},
        {"Picture12", "Check1", 3, K::CheckBox, optionButton(1200, 375, "Com", 29)},
        {"Picture12", "Check1", 4, K::CheckBox, optionButton(1560, 375, "ACol", 33)},
        {"Picture12", "Check1", 5, K::CheckBox, optionButton(1920, 375, "Grid", 34)},
        {"Picture12", "Check1", 6, K::CheckBox, optionButton(2280, 375, "Cen", 35)},
        {"Picture12", "Timer5", -1, K::Timer, {.enabled = true, .interval = 5000}},

        // Second strip viewport Picture7 (never shown)
        {"Picture4", "Picture7", -1, K::PictureBox, {.height = 4095}},
        {"Picture7", "HScroll2", -1, K::HScrollBar,
         {.left = 0, .top = 2760, .height = 375, .min = 0, .max = 32767, .value = 0}},
        {"Picture7", "Picture8", -1, K::PictureBox,
         {.left = -8880, .top = 120, .width = 17655, .height = 2655, .backColor = rgb(255, 255, 128)}},
        {"Picture8", "Picture10", 0, K::PictureBox,
         {.left = 2400, .top = 480, .width = 2175, .height = 2055, .backColor = rgb(128, 255, 128),
          .borderStyle = 0}},

        // Tool-name hint panel Picture3
        {"Picture4", "Picture3", -1, K::PictureBox,
         {.width = 3255, .height = 1095, .backColor = rgb(0, 0, 0), .foreColor = kSysWindowText, .borderStyle = 0,
          .autoRedraw = true}},
        {"Picture3", "Timer6", -1, K::Timer, {.enabled = false, .interval = 1}},
        {"Picture3", "Label3", -1, K::Label,
         {.left = 0, .top = 360, .width = 3255, .height = 375, .caption = "Line Tool",
          .font = font("MS Sans Serif", 13.5f), .foreColor = kRed, .alignment = 2, .backStyle = 0}},

        // The rest of the canvas: progress, dialogs, the tool outline, grid
        // templates and the colour preview
        {"Picture4", "ProgressBar1", -1, K::ProgressBar, {}},
        {"Picture4", "CommonDialog1", -1, K::CommonDialog, {}},
        {"Picture4", "Line2", -1, K::Line, {.borderColor = kYellow}},
        {"Picture4", "Line1", -1, K::Line, {.borderColor = kYellow}},
        {"Picture4", "Side", 0, K::Line, {.borderColor = kYellow}, 4},
        {"Picture4", "Eli", 0, K::Line, {.borderColor = rgb(0, 255, 255)}},
        {"Picture4", "Shape2", -1, K::Shape,
         {.shape = 0, .fillStyle = 7, .fillColor = kMint, .borderColor = rgb(128, 255, 128)}},
        {"Picture4", "Shape5", -1, K::Shape, {.shape = 2, .borderColor = kYellow}},
        {"Picture4", "Line4", 0, K::Line, {.visible = false, .borderColor = kSysMenu, .lineStyle = 3}, 2},
        {"Picture4", "Line5", 0, K::Line, {.visible = false, .borderColor = kSysWindow, .lineStyle = 3}, 2},
        {"Picture4", "Line6", -1, K::Line, {.visible = false, .borderColor = rgb(255, 255, 128), .lineStyle = 3}},
        {"Picture4", "Shape10", -1, K::Shape,
         {.width = 4335, .height = 5295, .shape = 3, .fillStyle = 0, .fillColor = kRed, .borderColor = kYellow,
          .borderWidth = 4}},

        // Colour box Picture2: 28 cells, then the two markers
        {"Form1", "Picture2", -1, K::PictureBox, {.backColor = kBlue, .autoRedraw = true, .picture = 36}},
        {"Picture2", "Label2", 0, K::Label, colourCell(std::nullopt, kYellow)},
        {"Picture2", "Label2", 1, K::Label, colourCell(std::nullopt, std::nullopt), 5},
        {"Picture2", "Label2", 6, K::Label, colourCell(rgb(224, 224, 224), std::nullopt)},
        {"Picture2", "Label2", 7, K::Label, colourCell(std::nullopt, std::nullopt), 21},
        {"Picture2", "Shape4", -1, K::Shape, {.borderColor = rgb(128, 128, 128), .borderWidth = 3}},
        {"Picture2", "Shape3", -1, K::Shape, {.borderColor = kRed, .borderWidth = 3}},

        // The last two controls of the window
        {"Form1", "Label14", -1, K::Label,
         {.caption = "COLORS", .font = font("MS Sans Serif", 9.75f, true), .backColor = kBlue, .foreColor = kYellow,
          .alignment = 2}},
        {"Form1", "Image9", -1, K::Image, {.width = 480, .height = 480, .picture = 37}},
    };
}

}  // namespace

const std::vector<ControlDescription>& formDescription() {
    static const std::vector<ControlDescription> table = buildTable();
    return table;
}

}  // namespace window
