// The window's full-screen layout as pure functions: from the screen size in
// twips to every position and size that start-up gives the panels and their
// contents. No Qt and no Form1, so any screen size can be checked alone.
//
// Arithmetic follows the window exactly: each formula is evaluated in double
// precision from the single-precision values the controls hold, and its result
// is stored as a float; later formulas read back those floats. Every Left,
// Top, Width and Height below is such a stored float, in twips, relative to
// the control's container.
//
// Sound behaviour where the plain formulas would fail: a width or height that
// would come out negative (tiny screens, or very wide ones for their height)
// is held at 0, and later formulas read the 0 back, as the window would.
// Positions may be negative (panels parked off the canvas). The settings
// panel's text box, buttons and sliders, which the formulas make too low to
// show a line of text on many screens (even below zero on wide ones), are
// held at one line's height, each where the formulas place it; on wide screens
// that leaves some of them below their frame's bottom, and fitSettingsPanel
// (panel_fit.h) brings them back in after the formulas.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace layout {

struct Rect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

// A control of which the layout sets only the position; its size keeps its
// design value.
struct Pos {
    float Left = 0, Top = 0;
};

inline constexpr int kIconCount = 10;       // Image1(0..9), the tool icons
inline constexpr int kColorCellCount = 28;  // Label2(0..27), the colour cells

// Design values that the formulas read and no layout step sets, in twips.
struct Design {
    // Main panels.
    float Label1Height = 255;       // Label1(0), the "TOOLS" title
    float Picture3Width = 3255;     // the tool-name hint panel
    float Label7Height = 300;       // "VRK Help"
    float Command7Width = 255, Command7Height = 255;
    float ProgressBar2Height = 255;
    float Command1Width = 375, Command1Height = 270;
    float Command2Width = 975, Command2Height = 495;
    float Command3Width = 975;
    float Label5Height = 375;
    float Shape10Width = 4335, Shape10Height = 5295;
    float IconWidth = 1200, IconHeight = 975;  // an icon's natural size (80 x 65 px)
    // Gallery viewports and settings panel.
    float Picture5Height = 2295;
    float HScroll1Left = 0, HScroll1Top = 1920, HScroll1Height = 255;
    float Picture7Height = 4095;
    float HScroll2Left = 0, HScroll2Top = 2760, HScroll2Height = 375;
    float Command6PlayHeight = 255;  // Command6(2)
    float Label9Width = 735, Label9Height = 255;
    float Text4Width = 495, Text4Height = 285;
    float Command8Height = 255;  // Command8(0..2)
    // The least height of the settings panel's text box, buttons and sliders:
    // one line of the panel's font, the design height of its buttons. No
    // control holds it.
    float PanelLineHeight = 255;
};

// The commander strip and its row: command line and three buttons.
struct Commander {
    Rect Picture18;
    int16_t Margin = 0;  // Picture18.Width * 0.005, rounded half to even
    Rect Text2;
    std::array<Rect, 3> Command5;  // "&Run", "Close", "&Clear"
};

// Everything the main-panel stretch of start-up sets, in the order set.
struct MainPanels {
    // Tool box. Image1 holds the icons after the squeeze test: Width is the
    // natural width; Height the natural height, or the squeezed height when
    // Image1Stretch is true (then Stretch is on for every icon).
    Rect Picture1;
    Rect Label1;  // member 0: Left 0, Top 0, Width = tool box width, design Height
    bool Image1Stretch = false;
    std::array<Rect, kIconCount> Image1;
    float Shape1Width = 0, Shape1Height = 0;  // frame of the chosen tool
    Pos Picture3;                             // hint panel, parked left of the canvas
    Rect Picture4;                            // canvas
    // Help panel (in the canvas) and its contents.
    Rect Picture19;
    Rect Label10;
    Pos Label7;
    Rect RichTextBox2;
    Rect Shape7;
    Pos Command7;
    // Colour column.
    Rect Label14;
    Rect Picture2;
    // Script Manager panel (in the canvas) and its contents.
    Rect Picture11;
    Rect Label4;
    Rect ProgressBar2;  // Height is the design height
    Rect RichTextBox1;
    Rect Image6;
    Pos Command1, Command2, Command3, Label5, Label6;
    Rect Shape8;
    Pos Shape10;     // colour preview circle (in the canvas)
    Rect Picture13;  // settings panel (in the canvas)
    Commander commander;
};

// The main panels for a screen of the given size in twips (the window has just
// been given the same outer size).
MainPanels mainPanels(float screenWidth, float screenHeight, const Design& d = Design{});

// The commander strip laid out from the tool box and the canvas (the window's
// CommanderSetting). Throws forms::OverflowError if the margin does not fit in
// 16 bits, which no real screen comes near.
Commander commanderStrip(const Rect& picture1, const Rect& picture4);

// The 28 colour cells inside the colour box Picture2 of the given size: two
// columns of 14, the left at 0, the right at the box's middle.
std::array<Rect, kColorCellCount> colorCells(float picture2Width, float picture2Height);

// Gallery viewports and the settings panel's contents.
struct StripsAndSettings {
    Rect Picture5, HScroll1;  // gallery viewport (in the canvas) and its scroll bar
    Rect Picture7, HScroll2;  // second strip viewport and its scroll bar
    int16_t PanelGap = 0;     // Picture13.Width * 0.006, rounded half to even
    // The sliders HScroll3..5, the buttons Command4 and Command6(0..1) and the
    // repeat box Text3 are at least Design::PanelLineHeight high.
    Rect Frame1, HScroll3;    // "Draw Width"
    Rect Frame2, HScroll4;    // "Moving Step"
    Rect Frame3, HScroll5;    // "Rotating Step"
    Rect Frame4;              // "Tool Size"
    std::array<Rect, 7> Command4;
    Rect Picture14, Picture15, Picture16;  // move pad, turn pad, small frames
    Rect Frame5, Text3;                    // "Repeat"
    Rect Frame7;                           // "Clear"
    Rect Frame6, Label9, Text4;            // "Animated Play"
    std::array<Rect, 3> Command6;          // "CS", "CB" (in Frame7), "Play" (in Frame6)
    Rect Frame8;                               // "File"
    std::array<Rect, 3> Command8;
    std::array<Rect, 9> Image4;  // move pad cells
    std::array<Rect, 4> Image5;  // turn pad cells
};

// Lays out the strip viewports and the settings panel from the screen height
// and the main panels (tool box, canvas, settings panel), by the formulas
// alone: fitSettingsPanel then fits the panel's contents. Throws
// forms::OverflowError if PanelGap does not fit in 16 bits (no real screen).
StripsAndSettings stripsAndSettings(float screenHeight, const MainPanels& m,
                                    const Design& d = Design{});

// The gallery strip Picture6 filled with `count` thumbnails Image3(0..).
struct GalleryStrip {
    double Size = 0, Gap = 0;  // thumbnail side and spacing, from the strip height
    Rect Picture6;             // Left 0, Top 0, the filled width, the strip height
    std::vector<Rect> Image3;  // one per thumbnail, side by side
    int16_t HScroll1Max = 0;   // scroll range in units of 120 twips of travel
};

// Builds the strip geometry for `count` thumbnails (count < 1 gives no
// thumbnail) in a strip `stripHeight` high, seen through a viewport
// `viewportWidth` wide. The scroll range is held at 32767 however many
// thumbnails there are.
GalleryStrip galleryStrip(float stripHeight, int count, float viewportWidth);

}  // namespace layout
