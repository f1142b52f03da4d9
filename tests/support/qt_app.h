// One QApplication for the whole test run (offscreen). Every test that
// creates widgets or pixmaps calls ensureQtApp() first; a global test
// environment also creates it before the first test runs.
#pragma once

class QApplication;

QApplication* ensureQtApp();
