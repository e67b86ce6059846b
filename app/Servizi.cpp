#include "app/Servizi.h"

#include "app/CanaleAudio.h"
#include "app/Dialoghi.h"
#include "app/Modulo1.h"
#include "media/Lingua.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

// tesselo/ in the user's data folder ($XDG_DATA_HOME, by default
// ~/.local/share); none without a home folder, as the root folder would
// stand in for it.
QString CartellaUtenteReale()
{
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME") && qEnvironmentVariableIsEmpty("HOME"))
        return {};
    const QString dati = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return dati.isEmpty() ? QString() : dati + QStringLiteral("/tesselo");
}

} // namespace

QString CartellaCopieUtente()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/tesselo/figure");
}

Servizi& servizi()
{
    static Servizi s;
    return s;
}

void usaServiziReali()
{
    auto& s = servizi();
    s.caso = std::make_unique<SeededRandom>(SeededRandom::semeDalloOrologio());
    s.suono = std::make_unique<CanaleAudio>();
    s.messaggio = MostraMessaggio;
    // The game closes its screens first (Modulo1::TerminaProgramma, set by
    // its entry); without screens, the event loop is left.
    s.termina = [] { QCoreApplication::exit(0); };
    s.beep = [] { QApplication::beep(); };
    // Named here, not at each look-up: pictures are also looked up on a
    // thread of their own.
    s.cartellaApplicazione = QCoreApplication::applicationDirPath();
    s.cartellaUtente = CartellaUtenteReale();
    // Beside the names' voices, in the user's cache.
    s.cartellaCopie = CartellaCopieUtente();
    s.cartellaTraduzioni.clear();
    s.orologio = nullptr;
    s.apriCartella = [](const QString& cartella) {
        return QProcess::startDetached(QStringLiteral("xdg-open"), {cartella});
    };
}

bool ImpostaLinguaDelGioco(const QString& codice)
{
    const QString cartella = servizi().cartellaTraduzioni;
    return Lingua::Imposta(codice, cartella.isEmpty()
                                       ? QCoreApplication::applicationDirPath() + QStringLiteral("/traduzioni")
                                       : cartella);
}
