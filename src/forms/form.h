// The top-level window. Its caption is the window title. Its Left, Top,
// Width and Height are the outer rectangle, frame and title bar included
// (twips / 15 pixels on the screen); the inner area is what the window
// manager's frame leaves. It keeps the model's active control (the keyboard
// focus) and knows whether it is still being built from its description,
// when property changes fire no events.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;

    void setCaption(const std::string& c) override;  // the window title

    // Shows the window (non-modal) and repaints it; no timer ticks meanwhile.
    void Show();
    // Repaints the window and its controls now.
    void Refresh();

    // The control with the keyboard focus.
    Control* ActiveControl() const { return active_; }
    void setActiveControl(Control* c) { active_ = c; }

    // While building, setting Value / Text / BackColor fires nothing.
    bool building() const { return building_; }
    void setBuilding(bool b) { building_ = b; }

    // The screen size in twips (from the platform).
    static float ScreenWidth();
    static float ScreenHeight();

    // Runs when the user closes the window; set Cancel to non-zero to keep
    // the window open.
    std::function<void(int& Cancel)> Unload;
    // Runs once when the window is loaded (called by the program's main).
    std::function<void()> Load;

    // Asks the window to close as the user's close does (runs Unload).
    // Returns true when it closed.
    bool Close();

protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;
    void syncGeometry() override;

private:
    Control* active_ = nullptr;
    bool building_ = false;
};

}  // namespace forms
