#include "qt_init.h"

#include <QApplication>
#include <cstdlib>

void startHeadlessQt() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "lumadraw_fuzz";
    static char* argv[] = {name, nullptr};
    // Lives as long as the process: the targets never return to a main.
    new QApplication(argc, argv);
}
