#pragma once
// One QGuiApplication for the whole test program: fonts and pictures need it.

#include <QGuiApplication>

inline QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "render_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication a(argc, argv);
    return a;
}
