// Lumadraw's entry point: the Qt application, the platform, the window.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <exception>
#include <iostream>

#include "forms/picture_io.h"
#include "forms/platform.h"
#include "forms/qt_platform.h"
#include "window/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lumadraw"));
    app.setWindowIcon(QIcon(QPixmap::fromImage(forms::builtinPicture(1))));
    app.setQuitOnLastWindowClosed(true);

    forms::QtPlatform platform;
    forms::setPlatform(&platform);

    int status = 0;
    {
        Form1 form;
        try {
            form.Form_Load();
        } catch (const std::exception& e) {
            // A failing start-up step must not end the program: the window
            // is shown as far as it was set up.
            std::cerr << "lumadraw: start-up failed: " << e.what() << '\n';
        } catch (...) {
            std::cerr << "lumadraw: start-up failed\n";
        }
        form.Show();
        status = app.exec();
    }
    forms::setPlatform(nullptr);
    return status;
}
