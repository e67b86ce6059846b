// The program's own start, as main() does it, up to the first paint of the
// start screen; prints milliseconds since process start and peak memory.
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "bench/Misura.h"
#include "screens/Schermi.h"

#include <QApplication>
#include <QEvent>
#include <QStyleFactory>
#include <QTimer>

namespace {
class PrimoDisegno final : public QObject {
protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !fatto) {
            fatto = true;
            // Report once this paint (and its siblings in the same pass) is done.
            QTimer::singleShot(0, [] {
                Riporta(MillisecondiDallAvvio());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }
    bool fatto = false;
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
