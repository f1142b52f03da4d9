#include "support/qt_app.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

QApplication* ensureQtApp() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
    // Headless unless the caller asked for a platform on purpose.
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lumadraw_tests";
    static char* argv[] = {name, nullptr};
    // Kept alive until the process ends: widgets of static test fixtures may
    // still be destroyed after main returns.
    static QApplication* app = new QApplication(argc, argv);
    return app;
}

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensureQtApp(); }
};

const auto* const kQtAppEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
