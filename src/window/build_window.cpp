// Building Form1 from its description: creating each control, placing it
// in its container, storing it where Form1 keeps it, and applying the
// row's design properties.
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <map>
#include <stdexcept>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picture_box.h"
#include "forms/picture_io.h"
#include "forms/windowless.h"
#include "window/form1.h"
#include "window/window_description.h"

namespace window {
namespace {

using K = forms::ControlKind;

// ---- Applying a row ----

struct Size {
    float width, height;
};

// Where the description gives no size: a size the layout replaces.
Size placeholderSize(K kind) {
    switch (kind) {
    case K::Form: return {9600, 7200};
    case K::PictureBox: return {1215, 1215};
    case K::Label: return {1215, 255};
    case K::TextBox: return {1215, 285};
    case K::Frame: return {1815, 1215};
    case K::CommandButton: return {1215, 375};
    case K::CheckBox: return {1215, 255};
    case K::ListBox: return {1215, 1035};
    case K::HScrollBar: return {1815, 255};
    case K::Shape: return {1215, 615};
    case K::ProgressBar: return {1815, 255};
    case K::RichTextBox: return {2415, 1215};
    case K::Image:
    case K::Timer:
    case K::CommonDialog: return {480, 480};
    case K::Line: return {0, 0};
    }
    return {480, 480};
}

// The platform's defaults of each class that differ from the forms layer's
// own: the desktop's colours, and the fixed single border of picture boxes
// and text-like boxes.
void applyClassDefaults(forms::Control& c, const forms::SystemColors& sys) {
    switch (c.Kind()) {
    case K::Form:
    case K::PictureBox:
    case K::Label:
    case K::Frame:
    case K::CommandButton:
    case K::CheckBox:
        c.setBackColor(sys.buttonFace);
        c.setForeColor(sys.windowText);
        break;
    case K::TextBox:
    case K::ListBox:
    case K::RichTextBox:
        c.setBackColor(sys.window);
        c.setForeColor(sys.windowText);
        break;
    case K::Shape: static_cast<forms::Shape&>(c).setBorderColor(sys.windowText); break;
    case K::Line: static_cast<forms::Line&>(c).setBorderColor(sys.windowText); break;
    default: break;
    }
    switch (c.Kind()) {
    case K::PictureBox:
    case K::TextBox:
    case K::ListBox:
    case K::RichTextBox: c.setBorderStyle(1); break;
    default: break;
    }
}

void applyClassProps(forms::Control& c, const DesignProps& p, const forms::SystemColors& sys) {
    auto color = [&](forms::Color v) { return resolveColor(v, sys); };
    if (auto* box = dynamic_cast<forms::PictureBox*>(&c)) {
        if (p.autoRedraw) box->setAutoRedraw(*p.autoRedraw);
        if (p.autoSize) box->setAutoSize(*p.autoSize);
        if (p.drawWidth) box->setDrawWidth(*p.drawWidth);
    } else if (auto* image = dynamic_cast<forms::Image*>(&c)) {
        if (p.stretch) image->setStretch(*p.stretch);
    } else if (auto* label = dynamic_cast<forms::Label*>(&c)) {
        if (p.alignment) label->setAlignment(*p.alignment);
        if (p.backStyle) label->setBackStyle(*p.backStyle);
    } else if (auto* text = dynamic_cast<forms::TextBox*>(&c)) {
        if (p.text) text->setText(p.text);
    } else if (auto* rich = dynamic_cast<forms::RichTextBox*>(&c)) {
        if (p.text) rich->setText(p.text);
    } else if (auto* bar = dynamic_cast<forms::HScrollBar*>(&c)) {
        if (p.min) bar->setMin(*p.min);
        if (p.max) bar->setMax(*p.max);
        if (p.value) bar->setValue(*p.value);
    } else if (auto* timer = dynamic_cast<forms::Timer*>(&c)) {
        if (p.interval) timer->setInterval(*p.interval);
    } else if (auto* shape = dynamic_cast<forms::Shape*>(&c)) {
        if (p.shape) shape->setShapeKind(*p.shape);
        if (p.fillStyle) shape->setFillStyle(*p.fillStyle);
        if (p.fillColor) shape->setFillColor(color(*p.fillColor));
        if (p.borderColor) shape->setBorderColor(color(*p.borderColor));
        if (p.borderWidth) shape->setBorderWidth(*p.borderWidth);
        if (p.lineStyle) shape->setLineStyle(*p.lineStyle);
    } else if (auto* line = dynamic_cast<forms::Line*>(&c)) {
        if (p.borderColor) line->setBorderColor(color(*p.borderColor));
        if (p.borderWidth) line->setBorderWidth(*p.borderWidth);
        if (p.lineStyle) line->setLineStyle(*p.lineStyle);
    }
}

// Sets the built-in picture; true when the picture sized the control.
bool applyPicture(forms::Control& c, int number) {
    const QImage picture = forms::builtinPicture(number);
    if (auto* image = dynamic_cast<forms::Image*>(&c)) {
        image->setPicture(picture);
        return !image->Stretch();
    }
    if (auto* box = dynamic_cast<forms::PictureBox*>(&c)) {
        box->setPicture(picture);
        return box->AutoSize();
    }
    if (auto* check = dynamic_cast<forms::CheckBox*>(&c)) {
        check->setPicture(picture);
    } else if (c.Kind() == K::Form && c.widget()) {
        c.widget()->setWindowIcon(QIcon(QPixmap::fromImage(picture)));
    }
    return false;
}

}  // namespace

forms::Color resolveColor(forms::Color c, const forms::SystemColors& sys) {
    switch (c) {
    case kSysMenu: return sys.menu;
    case kSysWindow: return sys.window;
    case kSysWindowText: return sys.windowText;
    case kSysButtonFace: return sys.buttonFace;
    default: return c;
    }
}

void applyDesign(forms::Control& c, const DesignProps& p, const forms::SystemColors& sys) {
    applyClassDefaults(c, sys);
    if (p.font) {
        c.setFontName(p.font->Name);
        c.setFontSize(p.font->Size);
        c.setFontBold(p.font->Bold);
    }
    if (p.backColor) c.setBackColor(resolveColor(*p.backColor, sys));
    if (p.foreColor) c.setForeColor(resolveColor(*p.foreColor, sys));
    if (p.borderStyle) c.setBorderStyle(*p.borderStyle);
    if (p.mousePointer) c.setMousePointer(*p.mousePointer);
    if (p.tabIndex) c.setTabIndex(*p.tabIndex);
    if (p.caption) c.setCaption(p.caption);
    if (p.toolTip) c.setToolTipText(p.toolTip);
    applyClassProps(c, p, sys);

    // Lines take their ends from the code that shows them.
    if (c.Kind() != K::Line) {
        const Size placeholder = placeholderSize(c.Kind());
        c.Move(p.left.value_or(0), p.top.value_or(0), p.width.value_or(placeholder.width),
               p.height.value_or(placeholder.height));
    }
    // A picture that sizes its control gives way to a listed size.
    if (p.picture != 0 && applyPicture(c, p.picture)) {
        if (p.width) c.setWidth(*p.width);
        if (p.height) c.setHeight(*p.height);
    }
    if (p.enabled) c.setEnabled(*p.enabled);
    if (p.visible) c.setVisible(*p.visible);
}

}  // namespace window

// ---- Building Form1 ----

namespace {

using window::ControlDescription;
using K = forms::ControlKind;

// Creates the control of a row and stores it where Form1 keeps it: a single
// control in its typed member (owned by the form), an array member in its
// array.
using Maker = std::function<forms::Control*(int index)>;

template <class T>
Maker single(T*& slot, const char* name, std::vector<std::unique_ptr<forms::Control>>& owned) {
    return [&slot, name, &owned](int index) -> forms::Control* {
        if (index != -1 || slot != nullptr)
            throw std::logic_error(std::string("window description: ") + name + " listed wrongly");
        auto control = std::make_unique<T>(name);
        slot = control.get();
        owned.push_back(std::move(control));
        return slot;
    };
}

template <class T>
Maker member(forms::ControlArray<T>& array) {
    return [&array](int index) -> forms::Control* {
        if (index < 0 || array.Exists(index))
            throw std::logic_error("window description: " + array.Name() + " member listed wrongly");
        return &array.add(std::make_unique<T>(array.Name(), index));
    };
}

// Controls that the keyboard can reach get a tab index.
bool takesTabIndex(forms::ControlKind k) {
    return k != K::Line && k != K::Shape && k != K::Image && k != K::Timer && k != K::CommonDialog;
}

// Image and Label are drawn on their container, beneath its windowed
// controls.
bool isLightweight(forms::ControlKind k) {
    return k == K::Image || k == K::Label;
}

// Puts `upper` directly above its sibling `lower`, where `lower` stood; every
// other sibling keeps its place.
void stackAbove(QWidget& upper, QWidget& lower) {
    upper.stackUnder(&lower);
    lower.stackUnder(&upper);
}

}  // namespace

void Form1::BuildFromDescription() {
#define ONE(x) {#x, single(x, #x, owned_)}
#define ARRAY(x) {#x, member(x)}
    std::map<std::string, Maker> makers = {
        ONE(Picture20), ONE(Picture21), ONE(Timer7), ONE(Pichidden), ONE(Picture1), ONE(Picture18),
        ONE(Picture4), ONE(Picture2), ONE(Label14), ONE(Image9),
        ONE(FileList), ONE(FolderList), ONE(Image8), ONE(Image7),
        ONE(Timer1), ONE(Image2), ONE(Label12),
        ONE(Shape1), ARRAY(Label1), ARRAY(Image1),
        ARRAY(Command5), ONE(Text2),
        ONE(Picture11), ONE(Picture5), ONE(Picture19), ONE(Text1), ONE(Picture9), ONE(Timer2), ONE(Timer3),
        ONE(Picture13), ONE(Picture12), ONE(Picture7), ONE(Picture3), ONE(ProgressBar1), ONE(CommonDialog1),
        ONE(Line2), ONE(Line1), ARRAY(Side), ARRAY(Eli), ONE(Shape2), ONE(Shape5), ARRAY(Line4), ARRAY(Line5),
        ONE(Line6), ONE(Shape10),
        ONE(Command3), ONE(Command2), ONE(Command1), ONE(RichTextBox1), ONE(ProgressBar2), ONE(Shape8),
        ONE(Label4), ONE(Label6), ONE(Label5), ONE(Image6),
        ONE(HScroll1), ONE(Picture6), ARRAY(Image3), ONE(Shape6),
        ONE(Command7), ONE(RichTextBox2), ONE(Label7), ONE(Shape7), ONE(Label10),
        ONE(Picture17),
        ONE(Frame1), ONE(HScroll3), ONE(Frame2), ONE(HScroll4), ONE(Frame3), ONE(HScroll5), ONE(Frame4),
        ARRAY(Command4), ONE(Picture15), ARRAY(Image5), ONE(Picture16), ONE(Frame5), ONE(Text3), ONE(Frame6),
        ONE(Text4), ARRAY(Command6), ONE(Label9), ONE(Frame7), ONE(Frame8), ARRAY(Command8), ONE(Picture14),
        ARRAY(Image4),
        ARRAY(Check1), ONE(Timer5),
        ONE(HScroll2), ONE(Picture8), ARRAY(Picture10),
        ONE(Timer6), ONE(Label3),
        ARRAY(Label2), ONE(Shape4), ONE(Shape3),
    };
#undef ONE
#undef ARRAY

    const forms::SystemColors sys = forms::platform().systemColors();
    std::map<std::string, bool> built;
    int nextTabIndex = 1;  // 0 belongs to the canvas

    for (const ControlDescription& row : window::formDescription()) {
        if (row.container == nullptr) {  // the window itself
            window::applyDesign(*this, row.props, sys);
            continue;
        }
        auto maker = makers.find(row.name);
        if (maker == makers.end())
            throw std::logic_error(std::string("window description: no member for ") + row.name);
        forms::Control* container =
            std::string(row.container) == Name() ? static_cast<forms::Control*>(this) : find(row.container);
        if (container == nullptr)
            throw std::logic_error(std::string("window description: ") + row.name + " comes before its container " +
                                   row.container);

        const int first = row.index;
        const int last = row.index < 0 ? row.index : row.index + row.count - 1;
        for (int index = first; index <= last; ++index) {
            forms::Control* control = maker->second(index);
            if (control->Kind() != row.kind)
                throw std::logic_error(std::string("window description: ") + row.name + " is not a " +
                                       forms::kindName(row.kind));
            control->attach(container);
            window::applyDesign(*control, row.props, sys);
            if (takesTabIndex(row.kind) && !row.props.tabIndex) control->setTabIndex(nextTabIndex++);

            const std::string key =
                index < 0 ? std::string(row.name) : std::string(row.name) + "(" + std::to_string(index) + ")";
            byName_[key] = control;
            ordered_.push_back(control);
        }
        built[row.name] = true;
    }
    for (const auto& [name, maker] : makers)
        if (!built.count(name)) throw std::logic_error("window description: " + name + " is not described");

    // Stacking: a control listed earlier covers one listed later, and the
    // drawn controls (images, labels) lie beneath the windowed ones.
    for (bool lightweight : {true, false})
        for (auto it = ordered_.rbegin(); it != ordered_.rend(); ++it)
            if ((*it)->widget() && isLightweight((*it)->Kind()) == lightweight) (*it)->widget()->raise();
    // The tool-name hint slides in over the settings panel, not behind it.
    stackAbove(*Picture3->widget(), *Picture13->widget());
    for (forms::Control* control : ordered_)
        if (auto* box = dynamic_cast<forms::PictureBox*>(control)) box->restack();

    // The control with tab index 0 holds the focus first (Qt gives it the
    // focus when the window is first activated).
    for (forms::Control* control : ordered_) {
        if (takesTabIndex(control->Kind()) && control->TabIndex() == 0) {
            setActiveControl(control);
            if (control->widget()) control->widget()->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

