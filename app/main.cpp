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
    servizi().suono.reset();
    return esito;
}
