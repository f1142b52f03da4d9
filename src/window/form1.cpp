// Form1's construction and teardown, and finding a control by name.
#include "window/form1.h"

Form1::Form1() : forms::Form("Form1") {
    // Building from the description fires no event: no handler is connected
    // yet, and the forms layer stays quiet while the form is building.
    setBuilding(true);
    BuildFromDescription();
    setBuilding(false);

    ConnectWindowEvents();
    ConnectCanvasEvents();
    ConnectCanvasMouseEvents();
    ConnectTextToolEvents();
    ConnectToolBoxEvents();
    ConnectColorBoxEvents();
    ConnectSettingsEvents();
    ConnectGalleryEvents();
    ConnectOptionEvents();
    ConnectCloserEvents();
}

// Controls are destroyed before their containers: first the array members
// (none of them holds another control), including those loaded at run time,
// then the single controls in the reverse of the order they were built.
Form1::~Form1() {
    auto unloadAll = [](auto& array) {
        while (array.Count() > 0) array.Unload(array.UBound());
    };
    unloadAll(Label1);
    unloadAll(Image1);
    unloadAll(Command5);
    unloadAll(Side);
    unloadAll(Eli);
    unloadAll(Line4);
    unloadAll(Line5);
    unloadAll(Image3);
    unloadAll(Command4);
    unloadAll(Image5);
    unloadAll(Command6);
    unloadAll(Command8);
    unloadAll(Image4);
    unloadAll(Check1);
    unloadAll(Picture10);
    unloadAll(Label2);
    byName_.clear();
    ordered_.clear();
    while (!owned_.empty()) owned_.pop_back();
}

forms::Control* Form1::find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}
