#include "app/Caratteri.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include "app/Stile.h"
#include <QTranslator>

int main(int argc, char* argv[])
{
    TaciDecodificatori();
    QApplication app(argc, argv);
    const std::jthread caratteri = PreparaCaratteri();
    QApplication::setApplicationName(QStringLiteral("Tesselo"));
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own texts (standard buttons, context menus) in Italian.
    QTranslator traduzione;
    if (traduzione.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);

    usaServiziReali();
    Schermi::CreaTutti();
    Modulo1::Main();
    const int esito = QApplication::exec();
    Schermi::DistruggiTutti();
    // The preparation of pictures ahead of need stops while Qt's shared
    // thread pool, on which its decoder scales pictures and waits, still
    // stands: stopped only when the static objects go, it could be left
    // waiting for work queued on a pool already gone, and the exit with it.
    SvuotaCacheFigure();
    servizi().suono.reset();
    return esito;
}
