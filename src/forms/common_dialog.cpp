#include "forms/controls.h"
#include "forms/platform.h"

namespace forms {

CommonDialog::CommonDialog(std::string name, int index)
    : Control(ControlKind::CommonDialog, std::move(name), index) {}

void CommonDialog::setAction(int action) {
    std::string chosen;
    if (action == 1)
        chosen = platform().openFileDialog(DialogTitle, Filter);
    else if (action == 2)
        chosen = platform().saveFileDialog(DialogTitle, Filter);
    else
        return;  // colour, font, printer and help dialogs are not used
    // A cancel gives "" and clears the previous choice, so that nothing is
    // saved twice under an old name.
    FileName = chosen;
    const size_t slash = chosen.find_last_of("/\\");
    FileTitle = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
}

}  // namespace forms
