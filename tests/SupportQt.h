#pragma once

#include <QApplication>

// Application Qt partagée par les tests qui ouvrent des fenêtres (sous Xvfb).
inline QApplication* AppQt()
{
    static int argc = 1;
    static char nom[] = "tests";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return app;
}
