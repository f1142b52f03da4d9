// The mouse on the canvas: the fill and the pencil draw and record here;
// every other gesture (turning with Ctrl, carrying the tool with Shift+Alt,
// follow mode, stamping with Shift) is sent to the dispatcher as the key
// commands it stands for. Button and shift masks are compared for equality:
// a move with two buttons held is no left-button move.
#include "tool/canvas_mouse.h"

#include "forms/numbers.h"
#include "logo/draw_command.h"
#include "window/form1.h"

namespace tool {

MousePoint workingPoint(float x, float y, float iconWidth, float iconHeight) {
    return {x - iconWidth / 2, y + iconHeight / 2};
}

logo::Command pencilSegment(float x1, float y1, float x2, float y2, float originX, int16_t originY,
                            int32_t color) {
    logo::Command c;
    c.word = logo::Word::LINERGB;
    c.args = {static_cast<float>(logo::logoX(x1, originX)), static_cast<float>(logo::logoY(y1, originY)),
              static_cast<float>(logo::logoX(x2, originX)), static_cast<float>(logo::logoY(y2, originY))};
    c.color = color;
    return c;
}

namespace {

enum class Side { Right, Below, Left, Above };
enum class Motion { Down, Left, Up, Right };
struct TurnTest {
    Side side;
    Motion motion;
    int key;
};
// A motion clockwise about the centre turns clockwise (Page Up), the other
// sense counter-clockwise (Page Down).
constexpr TurnTest kTests[kTurnTests] = {
    {Side::Right, Motion::Down, 33}, {Side::Below, Motion::Left, 33}, {Side::Left, Motion::Up, 33},
    {Side::Above, Motion::Right, 33}, {Side::Right, Motion::Up, 34}, {Side::Below, Motion::Right, 34},
    {Side::Left, Motion::Down, 34},   {Side::Above, Motion::Left, 34},
};

}  // namespace

int turnKey(int k, const TurnMotion& m, double toolX, double toolY) {
    const TurnTest& t = kTests[k];
    bool side = false;
    switch (t.side) {
        case Side::Right: side = m.mx > toolX; break;
        case Side::Below: side = m.my > toolY; break;
        case Side::Left: side = m.mx < toolX; break;
        case Side::Above: side = m.my < toolY; break;
    }
    bool moved = false;
    switch (t.motion) {
        case Motion::Down: moved = m.curY > m.prevY; break;
        case Motion::Left: moved = m.curX < m.prevX; break;
        case Motion::Up: moved = m.curY < m.prevY; break;
        case Motion::Right: moved = m.curX > m.prevX; break;
    }
    return side && moved ? t.key : 0;
}

}  // namespace tool

namespace {

constexpr int kEnter = 13, kSpace = 32, kLeft = 37, kUp = 38, kF3 = 114;
constexpr int kPencilTool = 8;
constexpr int kDrawResolution = 10;  // twips a Logo unit, as the segments are recorded

// Draws one pencil segment with the pen and records it. It is drawn from the
// recorded text, read back, so that a replay of the record lands on the
// same pixels. A full record still lets the pencil draw.
void drawSegment(Form1& f, float x1, float y1, float x2, float y2) {
    const logo::Command made =
        tool::pencilSegment(x1, y1, x2, y2, f.LogoOriginX, f.LogoOriginY, f.Picture4->ForeColor());
    const std::string text = logo::toText(made);
    const auto read = logo::parse(text);
    logo::drawCommand(*f.Picture4, read ? *read : made, f.LogoOriginX, f.LogoOriginY, kDrawResolution);
    f.Picture4->Refresh();
    if (f.AppendCommand(text)) f.CheckLogocommandArray();
}

// Puts a value back when the scope ends, also when a key command fails.
template <class T>
class Restore {
public:
    explicit Restore(T& v) : v_(v), saved_(v) {}
    ~Restore() { v_ = saved_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    T& v_;
    T saved_;
};

}  // namespace

void Form1::Picture4_MouseDown(int Button, int Shift, float X, float Y) {
    (void)Shift;
    if (Button != forms::kLeftButton) return;
    const tool::MousePoint p = tool::workingPoint(X, Y, Image9->Width(), Image9->Height());

    if (FillMode) {
        float x = p.x, y = p.y;
        if (Picture4->ScaleMode() == forms::kScaleTwips) {
            x /= forms::kTwipsPerPixel;
            y /= forms::kTwipsPerPixel;
        }
        // Recorded unrounded in canvas pixels; two fills at one point are
        // both kept (no duplicate check).
        logo::Command fill;
        fill.word = logo::Word::FLOODFILLAT;
        fill.args = {x, y};
        fill.color = Picture4->ForeColor();
        const std::string text = logo::toText(fill);
        AppendCommand(text);
        // Filled at the pixel a replay of the recorded text fills.
        const auto read = logo::parse(text);
        const double px = read ? read->args[0] : x, py = read ? read->args[1] : y;
        Picture4->setScaleMode(forms::kScalePixels);
        Pic_Flood(0, forms::toInt16(px), forms::toInt16(py));
        Picture4->Refresh();
    }

    if (ToolNo == kPencilTool) {
        LastX = p.x;
        LastY = p.y;
    }
    Picture4->setScaleMode(forms::kScaleTwips);
}

void Form1::Picture4_MouseMove(int Button, int Shift, float X, float Y) {
    if (Shift == forms::kCtrl) RotateWithMouse(X, Y);
    Picture3->setVisible(false);
    if (Shift == forms::kShift + forms::kAlt) {
        GoWithMouse(X, Y);
        RepaintWindow();
        if (Button == forms::kLeftButton) KeyResponder(kEnter, 0);
    }
    Shape10->setVisible(false);

    if (ToolNo == kPencilTool && Button == forms::kLeftButton) {
        // From here on the event works at the pencil's tip.
        const tool::MousePoint p = tool::workingPoint(X, Y, Image9->Width(), Image9->Height());
        X = p.x;
        Y = p.y;
        if (PenStarted == 0) {
            LastX = X;
            LastY = Y;
        }
        // With a shift key held nothing is drawn: the release draws the
        // straight line from the last point drawn.
        if (Shift == 0) {
            drawSegment(*this, LastX, LastY, X, Y);
            LastX = X;
            LastY = Y;
            PenStarted = 1;
        }
        if (Check1(4).Value() == 1) KeyResponder(kF3, 0);
    }

    if (FollowMouse) {
        // Both arms are carried, unturned, so that their midpoints lie on
        // the point.
        for (forms::Line* arm : {Line1, Line2}) {
            const float midX = (arm->X1() + arm->X2()) / 2.0f;
            const double midY = (static_cast<double>(arm->Y1()) + arm->Y2()) / 2;
            const double dx = static_cast<double>(X) - midX;
            const double dy = static_cast<double>(Y) - midY;
            arm->setX1(static_cast<float>(arm->X1() + dx));
            arm->setY1(static_cast<float>(arm->Y1() + dy));
            arm->setX2(static_cast<float>(arm->X2() + dx));
            arm->setY2(static_cast<float>(arm->Y2() + dy));
        }
        MakeBox();
        // Two pen-mode toggles leave the mode as it was; the dispatcher's
        // tail re-derives the tool from the moved arms.
        KeyResponder(kSpace, 0);
        KeyResponder(kSpace, 0);
        if (Button == forms::kLeftButton) {
            KeyResponder(kEnter, 0);
            if (Check1(4).Value() == 1) KeyResponder(kF3, 0);
        }
    }

    if (Shift == forms::kShift) KeyResponder(kUp, 1);
}

void Form1::Picture4_MouseUp(int Button, int Shift, float X, float Y) {
    if (Button == forms::kLeftButton && Shift == forms::kShift && ToolNo == kPencilTool) {
        // Shift at the release closes the stroke with a straight line.
        const tool::MousePoint p = tool::workingPoint(X, Y, Image9->Width(), Image9->Height());
        drawSegment(*this, LastX, LastY, p.x, p.y);
        LastX = p.x;
        LastY = p.y;
        PenStarted = 1;
    }
    Picture12->setVisible(false);
    // A right click shows the option panel where it was laid out.
    if (Button == forms::kRightButton) Picture12->setVisible(true);
}

void Form1::GoWithMouse(double Mx, double My) {
    // Pen up, so neither move stamps; the step and the mode come back after.
    const float dx = static_cast<float>(ToolX - Mx);
    const int32_t dy = forms::toInt32(ToolY - My);
    Restore<float> step(MovingStep);
    Restore<int16_t> mode(PenMode);
    MovingStep = dx;
    PenMode = 0;
    KeyResponder(kLeft, 0);
    MovingStep = static_cast<float>(dy);
    KeyResponder(kUp, 0);
}

void Form1::RotateWithMouse(double Mx, double My) {
    PrevMouseX = CurMouseX;
    PrevMouseY = CurMouseY;
    CurMouseX = Mx;
    CurMouseY = forms::toInt32(My);
    const tool::TurnMotion m{Mx, My, CurMouseX, PrevMouseX, static_cast<double>(CurMouseY), PrevMouseY};
    // Each test reads the centre afresh: a turn may have moved it a little.
    for (int k = 0; k < tool::kTurnTests; ++k) {
        const int key = tool::turnKey(k, m, ToolX, ToolY);
        if (key != 0) KeyResponder(key, 0);
    }
}

void Form1::ConnectCanvasMouseEvents() {
    Picture4->MouseDown = [this](int b, int s, float x, float y) { Picture4_MouseDown(b, s, x, y); };
    Picture4->MouseMove = [this](int b, int s, float x, float y) { Picture4_MouseMove(b, s, x, y); };
    Picture4->MouseUp = [this](int b, int s, float x, float y) { Picture4_MouseUp(b, s, x, y); };
}
