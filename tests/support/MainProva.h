#pragma once
#include <QApplication>
#include <QDir>
#include "app/Stile.h"
#include <QTemporaryDir>
#include <QTest>

// Every suite runs offscreen on one 1024 × 768 screen at 96 dots per inch,
// with the style the program uses.
#define TESSELO_TEST_MAIN(Classe)                                                              \
    int main(int argc, char* argv[])                                                           \
    {                                                                                          \
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TESSELO_TEST_SCREEN);               \
        QTemporaryDir runtime;                                                                 \
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());                                   \
        QApplication app(argc, argv);                                                          \
        QApplication::setStyle(CreaStile());                                                   \
        QApplication::setQuitOnLastWindowClosed(false);                                        \
        Classe prova;                                                                          \
        return QTest::qExec(&prova, argc, argv);                                               \
    }
