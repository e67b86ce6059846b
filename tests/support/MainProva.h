#pragma once
#include "app/Servizi.h"
#include "comune/Stile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// The language a suite runs in: TESSELO_LINGUA's ("en"), Italian without.
inline bool LinguaDelleProve()
{
    const QString lingua = qEnvironmentVariable("TESSELO_LINGUA");
    if (lingua.isEmpty() || ImpostaLinguaDelGioco(lingua))
        return true;
    std::fprintf(stderr, "TESSELO_LINGUA: no translation \"%s\"\n", qPrintable(lingua));
    return false;
}

// Every suite runs offscreen on one 1024 × 768 screen at 96 dots per inch,
// with the style the program uses and the build's translations. Under ctest,
// which names the build's own cache folder, the suites keep the pictures
// fitted to their boxes there, as the game keeps them in the user's cache:
// a later suite takes them from there instead of decoding every picture
// again. Run by hand without XDG_CACHE_HOME, a suite keeps none.
#define TESSELO_TEST_MAIN(Classe)                                                              \
    int main(int argc, char* argv[])                                                           \
    {                                                                                          \
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TESSELO_TEST_SCREEN);               \
        QTemporaryDir runtime;                                                                 \
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());                                   \
        QApplication app(argc, argv);                                                          \
        servizi().cartellaTraduzioni = QStringLiteral(TESSELO_APP_DIR "/traduzioni");          \
        if (qEnvironmentVariableIsSet("XDG_CACHE_HOME"))                                       \
            servizi().cartellaCopie = CartellaCopieUtente();                                   \
        if (!LinguaDelleProve())                                                               \
            return 1;                                                                          \
        QApplication::setStyle(CreaStile());                                                   \
        QApplication::setQuitOnLastWindowClosed(false);                                        \
        Classe prova;                                                                          \
        return QTest::qExec(&prova, argc, argv);                                               \
    }
