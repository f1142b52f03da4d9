// The base of every control: its properties as the program sees them (the
// model), its container, its events, and the Qt widget that shows it.
//
// The model is the truth: every getter reads the stored value, never the
// widget. Setters store the value exactly as given and then update the
// widget (pixels = twips / 15). Windowless controls (Line, Shape, Timer,
// CommonDialog) have no widget: a picture box paints its Lines and Shapes.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <functional>
#include <string>
#include <vector>

#include "forms/types.h"

class QWidget;

namespace forms {

class Form;
class EventBridge;

enum class ControlKind {
    Form, PictureBox, Image, Label, TextBox, Frame, CommandButton, CheckBox, ListBox,
    HScrollBar, Timer, Shape, Line, RichTextBox, ProgressBar, CommonDialog
};
const char* kindName(ControlKind k);

class Control {
public:
    Control(ControlKind kind, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }  // -1 outside a control array

    // Places the control in its container (a Form, PictureBox or Frame) and
    // creates its widget there. Called once while the window is built.
    void attach(Control* container);
    Control* Container() const { return container_; }
    const std::vector<Control*>& Children() const { return children_; }
    Form* ParentForm() const;

    // Geometry in twips, relative to the container.
    float Left() const { return left_; }
    float Top() const { return top_; }
    virtual float Width() const { return width_; }
    virtual float Height() const { return height_; }
    void setLeft(float v);
    void setTop(float v);
    virtual void setWidth(float v);
    virtual void setHeight(float v);
    void Move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    virtual void setVisible(bool v);
    // Visible and every container visible too.
    bool IsShown() const;
    bool Enabled() const { return enabled_; }
    virtual void setEnabled(bool v);  // a disabled control takes no clicks

    const std::string& ToolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& t);
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    int BorderStyle() const { return borderStyle_; }
    virtual void setBorderStyle(int s);

    Color BackColor() const { return backColor_; }
    virtual void setBackColor(Color c);
    Color ForeColor() const { return foreColor_; }
    virtual void setForeColor(Color c);

    const Font& font() const { return font_; }
    void setFontName(const std::string& n);
    void setFontSize(float s);
    void setFontBold(bool b);

    // 0 default, 1 arrow, 3 text cursor, 99 the picture of MouseIcon.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int p);
    const QImage& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& icon);  // an empty image clears it

    // Keyboard focus. The form keeps the model's active control, so focus
    // can be checked without a window system.
    void SetFocus();
    bool HasFocus() const;

    // Caption (labels, frames, buttons, check boxes, forms) or Text (text
    // boxes); controls without either ignore it.
    const std::string& Caption() const { return caption_; }
    virtual void setCaption(const std::string& c);

    // Events, named as the handlers receive them. Form1 connects them.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int Button, int Shift, float X, float Y)> MouseDown;
    std::function<void(int Button, int Shift, float X, float Y)> MouseMove;
    std::function<void(int Button, int Shift, float X, float Y)> MouseUp;
    std::function<void(int& KeyCode, int& Shift)> KeyDown;
    std::function<void(int& KeyAscii)> KeyPress;

    // Copies the design properties of `other` (a control array's lowest
    // member) into this one; events are not copied.
    virtual void copyFrom(const Control& other);

    // The Qt widget that shows the control; nullptr for windowless ones.
    QWidget* widget() const { return widget_; }

    // The widget that children are created in (the control's own widget for
    // containers).
    virtual QWidget* childHost() const { return widget_; }

    // Asks the widget to update itself from the model; a windowless control
    // asks its container to repaint where it was shown and where it shows now.
    // A picture box settles its Lines and Shapes once per event-loop turn, so
    // a control changed many times in one key command costs one flag here.
    void invalidate();

    // The pixels a windowless control may paint on its container, in the
    // container's pixels; empty for controls that paint nothing there.
    virtual QRect area() const { return {}; }
    // Settles a windowless control's change: it now shows where area() says,
    // and `dirty` gets where it showed before and where it shows now.
    void settleArea(std::vector<QRect>& dirty);

protected:
    // Creates the widget inside `parent`; windowless controls create none.
    virtual QWidget* createWidget(QWidget* parent);
    // Pushes the model's properties into the widget.
    virtual void syncWidget();
    // Runs on a container after `child` got its widget.
    virtual void childAttached(Control& child) { (void)child; }
    // Runs on a container when its windowless `child` changed (once until the
    // child is settled): the base settles it and repaints at once.
    virtual void childAreaChanged(Control& child);
    // Runs on a container when `child`, still waiting to be settled, goes.
    virtual void childAreaDropped(Control& child) { (void)child; }
    // Repaints the part `r` (pixels) of the widget.
    virtual void updateArea(const QRegion& r);
    // Places and sizes the widget (or repaints the container of a windowless
    // control) from the model's geometry.
    virtual void syncGeometry();
    // The model's geometry in pixels: the edges are rounded, not the size.
    QRect pixelGeometry() const;
    void setWidget(QWidget* w) { widget_ = w; }
    // True while the parent form is being built: value changes fire nothing.
    bool eventsMuted() const;
    // Wires a freshly created widget to the control: event translation,
    // mouse tracking, and forgetting the widget when Qt deletes it.
    void adoptWidget(QWidget* w);
    // Pushes BackColor / ForeColor and the font into the widget.
    virtual void syncPalette();
    virtual void syncFont();

    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    std::vector<Control*> children_;
    QWidget* widget_ = nullptr;

    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    std::string toolTip_, caption_;
    int tabIndex_ = 0, borderStyle_ = 0, mousePointer_ = 0;
    Color backColor_ = rgb(240, 240, 240), foreColor_ = 0;
    Font font_;
    QImage mouseIcon_;

private:
    friend class EventBridge;
    void syncCursor();

    // Where a windowless control was last shown on its container (empty
    // while hidden): the part to repaint when it changes or goes.
    QRect shownArea_;
    // A windowless control changed since its container last settled it.
    bool areaPending_ = false;
};

}  // namespace forms
