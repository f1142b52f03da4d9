// A bare Qt window: one plain widget shown at the size given as WIDTHxHEIGHT
// (1024x768 without one) until the process is ended. The resident memory of
// the program is compared with this one's at the same size.
#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int width = 1024, height = 768;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s [WIDTHxHEIGHT]\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setGeometry(0, 0, width, height);
    window.show();
    return app.exec();
}
