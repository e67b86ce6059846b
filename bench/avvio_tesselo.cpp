// The program's own start, as main() does it, up to the first paint of the
// start screen; prints milliseconds since process start and peak memory.
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "bench/Misura.h"
#include "screens/Schermi.h"

#include <QApplication>
#include "app/Stile.h"


int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    PrimoDisegno filtro;
    app.installEventFilter(&filtro);
    usaServiziReali();
    servizi().cartellaApplicazione = QStringLiteral(TESSELO_APP_DIR);
    Schermi::CreaTutti();
    Modulo1::Main();
    const int esito = QApplication::exec();
    Schermi::DistruggiTutti();
    return esito;
}
