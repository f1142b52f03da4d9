// The top-level window. Its caption is the window title. It keeps the
// model's active control (the keyboard focus) and knows whether it is still
// being built from its description, when property changes fire no events.
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

    // Shows the window (non-modal) and repaints it.
    void Show();
    // Repaints the window and its controls now.
    void Refresh();

    // Window geometry in twips. The window is placed on the screen at
    // Left/Top (twips / 15 pixels) and sized to Width x Height.
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

private:
    Control* active_ = nullptr;
    bool building_ = false;
};

}  // namespace forms
