// The window's full-screen layout. Each function runs the formulas in the
// order in which start-up sets the properties, and every formula reads the
// float values already stored, so the results are the values the controls
// hold afterwards.
#include "window/layout.h"

#include <algorithm>
#include <cmath>

#include "forms/numbers.h"

namespace layout {

namespace {

// Promotes a stored float, so that the whole formula runs in double precision.
constexpr double D(float v) { return v; }

// A position as the window stores it.
float pos(double v) { return static_cast<float>(v); }

// A width or height as the window stores it. A control cannot take a negative
// size, so one that would come out below zero is held at zero.
float size(double v) { return v > 0 ? static_cast<float>(v) : 0.0f; }

}  // namespace

Commander commanderStrip(const Rect& picture1, const Rect& picture4) {
    Commander c;
    // The strip keeps the canvas width given it just before; the commander
    // places it again (Left, Height, Top) with the same formulas.
    c.Picture18.Left = pos(D(picture1.Width) + picture1.Left);
    c.Picture18.Height = size(D(picture4.Height) * 0.05);
    c.Picture18.Top = 0;
    c.Picture18.Width = picture4.Width;
    const Rect& s = c.Picture18;

    const int16_t m = forms::toInt16(D(s.Width) * 0.005);
    c.Margin = m;

    c.Text2.Left = m;
    c.Text2.Width = size(D(s.Width) * 0.7);
    c.Text2.Height = size(D(s.Height) - 2 * m);
    c.Text2.Top = m;

    // Each button stands one margin right of the one before; the third adds
    // the first button's width to the second's left (all three are equal).
    for (int i = 0; i < 3; ++i) {
        Rect& b = c.Command5[i];
        if (i == 0)
            b.Left = pos(D(c.Text2.Width) + c.Text2.Left + m);
        else
            b.Left = pos(D(c.Command5[0].Width) + c.Command5[i - 1].Left + m);
        b.Top = m;
        b.Height = size(D(s.Height) - 2 * m);
        b.Width = size(D(s.Width) * 0.05);
    }
    return c;
}

MainPanels mainPanels(float screenWidth, float screenHeight, const Design& d) {
    MainPanels p;
    // The window's outer size was set to the screen size just before.
    const float formWidth = screenWidth, formHeight = screenHeight;

    // Tool box. With Stretch off every icon takes its picture's natural size.
    for (Rect& icon : p.Image1) {
        icon.Width = d.IconWidth;
        icon.Height = d.IconHeight;
    }
    p.Shape1Width = p.Image1[0].Width;
    p.Shape1Height = p.Image1[0].Height;

    p.Picture1.Left = 0;
    p.Picture1.Top = 0;
    p.Picture1.Height = size(D(screenHeight) * 0.975);
    p.Picture1.Width = size(D(p.Image1[0].Width) * 1.2);

    p.Label1.Left = 0;
    p.Label1.Top = 0;
    p.Label1.Width = p.Picture1.Width;
    p.Label1.Height = d.Label1Height;

    for (int i = 0; i < kIconCount; ++i) {
        Rect& icon = p.Image1[i];
        icon.Left = pos(D(p.Picture1.Width) * 0.1);
        icon.Top = pos(D(p.Label1.Top) + 10 + p.Label1.Height + i * D(p.Image1[0].Height));
    }

    // Squeeze test, compared at single precision; equal does not squeeze.
    const float column = static_cast<float>(D(p.Image1[0].Height) * 10 + p.Label1.Height);
    if (column > p.Picture1.Height) {
        p.Image1Stretch = true;
        for (int i = 0; i < kIconCount; ++i) {
            Rect& icon = p.Image1[i];
            icon.Height = size((D(p.Picture1.Height) - p.Label1.Height) / 10);
            // Icon 0's height is the squeezed one from here on.
            icon.Top = pos(i * D(p.Image1[0].Height) + p.Label1.Height);
        }
        p.Shape1Width = p.Image1[0].Width;
        p.Shape1Height = p.Image1[0].Height;
    }

    // Hint panel: just left of the canvas, out of sight.
    p.Picture3.Top = p.Image1[0].Top;
    p.Picture3.Left = pos(-D(d.Picture3Width));

    // Canvas, in the order Height, Left, Width, Top.
    Rect& c = p.Picture4;
    c.Height = size(screenHeight);
    c.Left = pos(D(p.Picture1.Width) + p.Picture1.Left);
    c.Width = size(D(screenWidth) - 2 * D(p.Picture1.Width));
    c.Top = 0;

    // Help panel, centred in the window (not the canvas): W, H, L, T.
    Rect& h = p.Picture19;
    h.Width = size(D(formWidth) * 0.6);
    h.Height = size(D(formHeight) * 0.6);
    h.Left = pos(D(formWidth) * 0.2 - c.Left);
    h.Top = pos(D(formHeight) * 0.2);
    p.Label10 = {0, 0, h.Width, 375};
    p.Label7.Left = 120;
    p.Label7.Top = pos(D(p.Label10.Height) / 2 - D(d.Label7Height) / 2);
    p.RichTextBox2.Left = 240;
    p.RichTextBox2.Top = pos(D(p.Label10.Height) + 240);
    p.RichTextBox2.Width = size(D(h.Width) - 480);
    p.RichTextBox2.Height = size(D(h.Height) - 480 - p.Label10.Height);
    p.Shape7 = {0, 0, size(D(h.Width) - 10), size(D(h.Height) - 10)};
    p.Command7.Left = pos(D(h.Width) - d.Command7Width - 120);
    p.Command7.Top = pos(D(p.Label10.Height) / 2 - D(d.Command7Height) / 2);

    // Colour column, each in the order H, L, T, W.
    p.Label14.Height = p.Label1.Height;
    p.Label14.Left = pos(D(c.Width) + c.Left);
    p.Label14.Top = 0;
    p.Label14.Width = p.Picture1.Width;
    p.Picture2.Height = size(D(p.Picture1.Height) - p.Label14.Height);
    p.Picture2.Left = pos(D(c.Width) + c.Left);
    p.Picture2.Top = pos(D(p.Label14.Height) + p.Label14.Top);
    p.Picture2.Width = p.Picture1.Width;

    // Script Manager panel: W, H, L, T.
    Rect& s = p.Picture11;
    s.Width = size(D(c.Width) * 0.8);
    s.Height = size(D(c.Height) * 0.6);
    s.Left = pos(D(c.Width) * 0.1);
    s.Top = pos(D(c.Height) * 0.1);
    p.Label4 = {0, 0, s.Width, 500};
    Rect& bar = p.ProgressBar2;
    bar.Left = 60;
    bar.Top = pos(D(s.Height) - d.ProgressBar2Height - 60);
    bar.Width = size(D(s.Width) - 120);
    bar.Height = d.ProgressBar2Height;
    Rect& text = p.RichTextBox1;
    text.Left = 240;
    text.Top = pos(D(p.Label4.Height) + 240);
    text.Width = size(D(s.Width) * 0.6);
    text.Height = size(D(bar.Top) - text.Top - 120);
    Rect& copy = p.Image6;
    copy.Left = pos(D(text.Left) + text.Width + 120);
    copy.Top = text.Top;
    copy.Width = size(D(s.Width) - copy.Left - 240);
    copy.Height = size(D(copy.Width) * 0.7);
    p.Command1.Left = pos(D(s.Width) - d.Command1Width - 120);
    p.Command1.Top = pos(D(p.Label4.Height) / 2 - D(d.Command1Height) / 2);
    p.Command2.Left = pos(D(copy.Left) + copy.Width - d.Command2Width);
    p.Command2.Top = pos(D(copy.Top) + copy.Height + 120);
    p.Command3.Left = pos(D(p.Command2.Left) - d.Command3Width - 120);
    p.Command3.Top = p.Command2.Top;
    p.Label5.Left = copy.Left;
    p.Label5.Top = pos(D(p.Command2.Top) + d.Command2Height + 120);
    p.Label6.Left = copy.Left;
    p.Label6.Top = pos(D(p.Label5.Top) + d.Label5Height + 120);
    p.Shape8 = {0, 0, size(D(s.Width) - 10), size(D(s.Height) - 10)};

    // Colour preview circle, centred on the canvas's top-right corner.
    p.Shape10.Left = pos(D(c.Width) - D(d.Shape10Width) / 2);
    p.Shape10.Top = pos(-D(d.Shape10Height) / 2);

    // Settings panel over the top of the canvas: L, W, T, H.
    p.Picture13 = {0, 0, c.Width, size(D(screenHeight) * 0.13)};

    // Commander strip (L, H, T, W), then the cells of the colour box (its own
    // function), then the commander lays the strip's row out.
    p.commander = commanderStrip(p.Picture1, c);
    return p;
}

std::array<Rect, kColorCellCount> colorCells(float picture2Width, float picture2Height) {
    constexpr int count = kColorCellCount;
    constexpr int half = count / 2;
    const float w = static_cast<float>(D(picture2Width) * 0.9);
    const float h = static_cast<float>(D(picture2Height) / count);
    std::array<Rect, count> cells;
    for (int i = 0; i < count; ++i) {
        const int row = i < half ? i : i - half;
        Rect& cell = cells[i];
        cell.Left = i < half ? 0.0f : pos(D(picture2Width) * 0.5);
        cell.Width = size(D(w) / 2);
        cell.Height = size(2 * D(h));
        cell.Top = pos(row * 2 * D(h));
    }
    return cells;
}

StripsAndSettings stripsAndSettings(float screenHeight, const MainPanels& m, const Design& d) {
    StripsAndSettings r;
    const Rect& canvas = m.Picture4;
    const Rect& tools = m.Picture1;

    // Gallery viewport near the canvas bottom, and its scroll bar.
    r.Picture5 = {0, pos(0.975 * (D(screenHeight) - d.Picture5Height)), canvas.Width,
                  d.Picture5Height};
    r.HScroll1 = {d.HScroll1Left, d.HScroll1Top, r.Picture5.Width, d.HScroll1Height};

    // Second strip viewport (never shown) and its scroll bar.
    r.Picture7.Left = pos(D(tools.Left) + tools.Width);
    r.Picture7.Top = pos(D(canvas.Height) - d.Picture7Height - 0.05 * D(canvas.Height));
    r.Picture7.Width = size(D(canvas.Width) - tools.Width);
    r.Picture7.Height = d.Picture7Height;
    r.HScroll2 = {d.HScroll2Left, d.HScroll2Top, r.Picture7.Width, d.HScroll2Height};

    // The settings panel's spacing unit. Whole multiples of it are whole
    // numbers (int: no 16-bit wrap); 1.1, 2.2, 3.5 times and a third are real.
    const float w13 = m.Picture13.Width, h13 = m.Picture13.Height;
    const int g = forms::toInt16(D(w13) * 0.006);
    r.PanelGap = static_cast<int16_t>(g);
    const double frameHeight = (D(h13) - 3 * g) / 2;
    // A text box, button or slider shows at least one line of text.
    auto lineHigh = [&](double v) { return std::max(size(v), d.PanelLineHeight); };

    // Two columns of two frames, each followed by its content.
    r.Frame1 = {pos(g), pos(g), size(0.2 * D(w13)), size(frameHeight)};
    r.HScroll3 = {pos(g), pos(1.1 * g + r.Frame1.Top), size(D(r.Frame1.Width) - 2 * g),
                  lineHigh(D(r.Frame1.Height) - 3.5 * g)};
    r.Frame2 = {pos(2 * g + D(r.Frame1.Width)), pos(g), size(0.2 * D(w13)), size(frameHeight)};
    r.HScroll4 = {pos(g), pos(1.1 * g + r.Frame2.Top), size(D(r.Frame2.Width) - 2 * g),
                  lineHigh(D(r.Frame2.Height) - 3.5 * g)};
    r.Frame3 = {pos(g), pos(2 * g + D(r.Frame1.Height)), size(0.2 * D(w13)), size(frameHeight)};
    r.HScroll5 = {pos(g), pos(2.2 * g), size(D(r.Frame3.Width) - 2 * g),
                  lineHigh(D(r.Frame3.Height) - 3.5 * g)};
    r.Frame4 = {pos(2 * g + D(r.Frame1.Width)), pos(2 * g + D(r.Frame1.Height)),
                size(0.2 * D(w13)), size(frameHeight)};
    for (int i = 0; i < 7; ++i) {
        // Member by member: from member 1 on, the left reads member 0's width.
        Rect& b = r.Command4[i];
        b.Left = pos(g + i * D(r.Command4[0].Width));
        b.Top = pos(2.2 * g);
        b.Width = size((D(r.Frame4.Width) - 2 * g) / 7);
        b.Height = lineHigh(D(r.Frame4.Height) - 3.5 * g);
    }

    // Move pad, turn pad and the box of small frames, side by side.
    const float boxHeight = size(D(h13) - 2 * g);
    r.Picture14 = {pos(2 * D(r.Frame1.Width) + 3 * g), pos(g), size(0.1 * D(w13)), boxHeight};
    r.Picture15 = {pos(D(r.Picture14.Left) + r.Picture14.Width + g), pos(g), size(0.1 * D(w13)),
                   boxHeight};
    r.Picture16 = {pos(D(r.Picture15.Left) + r.Picture14.Width + g), pos(g),
                   size(D(w13) - r.Picture15.Left - r.Picture15.Width - 2 * g), boxHeight};
    const double w16 = r.Picture16.Width, h16 = r.Picture16.Height;

    // The small frames: "Repeat" above "Clear", then "Animated Play" and "File".
    r.Frame5 = {pos(g), pos(g / 3.0), size(0.2 * w16), size(0.4 * h16)};
    r.Text3 = {pos(g), pos(2 * g), size(D(r.Frame5.Width) - 2 * g),
               lineHigh(D(r.Frame5.Height) - 4 * g)};
    r.Frame7 = {pos(g), pos(D(r.Frame5.Top) + r.Frame5.Height + g), size(0.2 * w16),
                size(0.4 * h16)};
    r.Command6[0] = {pos(g), pos(3 * g), size(D(r.Frame7.Width) / 3),
                     lineHigh(D(r.Frame7.Height) - 4 * g)};
    r.Command6[1] = {pos(D(r.Frame7.Width) / 2 + g), pos(3 * g), size(D(r.Frame7.Width) / 3),
                     lineHigh(D(r.Frame7.Height) - 4 * g)};
    // "CS" and "CB" stand lowest in their frame: a line-high button that would
    // reach past the frame's bottom (wide screens) rises to end there.
    for (Rect* b : {&r.Command6[0], &r.Command6[1]})
        if (b->Top + b->Height > r.Frame7.Height) b->Top = std::max(0.0f, r.Frame7.Height - b->Height);
    const float frame7Bottom = pos(D(r.Frame7.Top) + r.Frame7.Height);
    r.Frame6 = {pos(D(r.Frame5.Left) + r.Frame5.Width + g), pos(g / 3.0), size(0.3 * w16),
                size(frame7Bottom)};
    Rect& play = r.Command6[2];
    play.Left = 120;
    play.Top = pos(D(r.Frame6.Height) - d.Command6PlayHeight - 120);
    play.Width = size(D(r.Frame6.Width) - 240);
    play.Height = d.Command6PlayHeight;
    r.Label9 = {120, pos(D(play.Top) - d.Label9Height - 120), d.Label9Width, d.Label9Height};
    r.Text4 = {pos(D(r.Label9.Width) + 120), r.Label9.Top, d.Text4Width, d.Text4Height};
    r.Frame8 = {pos(D(r.Frame6.Left) + r.Frame6.Width + g), pos(g / 3.0), size(0.3 * w16),
                size(frame7Bottom)};
    const float fileWidth = size(D(r.Frame8.Width) - 240);
    r.Command8[0] = {120, 240, fileWidth, d.Command8Height};
    r.Command8[1] = {120, pos(D(r.Command8[0].Height) + 240), fileWidth, d.Command8Height};
    r.Command8[2] = {120, pos(D(r.Command8[0].Height) + r.Command8[1].Top), fileWidth,
                     d.Command8Height};

    // Move pad: 3 x 3 cells; member k sits in column kMoveCol[k], row kMoveRow[k].
    static constexpr int kMoveCol[9] = {0, 1, 2, 1, 1, 0, 2, 2, 0};
    static constexpr int kMoveRow[9] = {1, 0, 1, 2, 1, 0, 0, 2, 2};
    const double w14 = r.Picture14.Width, h14 = r.Picture14.Height;
    for (int k = 0; k < 9; ++k)
        r.Image4[k] = {pos(kMoveCol[k] * w14 / 3), pos(kMoveRow[k] * h14 / 3), size(w14 / 3),
                       size(h14 / 3)};

    // Turn pad: 2 x 2 cells; the lower row starts at cell 0's height.
    const double w15 = r.Picture15.Width, h15 = r.Picture15.Height;
    r.Image5[0] = {0, 0, size(w15 / 2), size(h15 / 2)};
    r.Image5[1] = {pos(w15 / 2), 0, size(w15 / 2), size(h15 / 2)};
    r.Image5[2] = {0, r.Image5[0].Height, size(w15 / 2), size(h15 / 2)};
    r.Image5[3] = {pos(w15 / 2), r.Image5[0].Height, size(w15 / 2), size(h15 / 2)};
    return r;
}

GalleryStrip galleryStrip(float stripHeight, int count, float viewportWidth) {
    GalleryStrip s;
    const int n = std::max(count, 0);
    s.Size = D(stripHeight) * 0.8;
    s.Gap = D(stripHeight) * 0.1;
    s.Image3.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Rect& t = s.Image3[static_cast<size_t>(i)];
        t.Top = pos(s.Gap);
        t.Width = size(s.Size);
        t.Height = size(s.Size);
        // Each thumbnail starts one gap after the stored right edge of the
        // one before it.
        if (i == 0) {
            t.Left = pos(s.Gap);
        } else {
            const Rect& prev = s.Image3[static_cast<size_t>(i) - 1];
            t.Left = pos(D(prev.Left) + prev.Width + s.Gap);
        }
    }
    s.Picture6 = {0, 0, size(n * s.Size + (n + 1.0) * s.Gap), stripHeight};

    // One unit of the scroll bar is 120 twips of travel. The range is a
    // 16-bit value: a strip too long for it scrolls over its first 32767
    // units instead of failing.
    if (s.Picture6.Width > viewportWidth) {
        const double units = forms::roundHalfEven((D(s.Picture6.Width) - viewportWidth) / 120);
        s.HScroll1Max = units == 0 ? 1 : static_cast<int16_t>(std::min(units, 32767.0));
    } else {
        s.HScroll1Max = 0;
    }
    return s;
}

}  // namespace layout
