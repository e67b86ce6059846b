#include "bench/Banco.h"

#include "app/FileSicuri.h"
#include "app/Modulo1.h"
#include "games/FORM2/FORM2.h"
#include "games/FormDomino/SchermoDomino.h"
#include "games/FormTrova/FormTrova.h"
#include "games/form1/form1.h"
#include "games/zirp3/zirp3.h"
#include "games/zirp7/zirp7.h"
#include "games/zirp8/zirp8.h"
#include "games/zirp9/zirp9.h"
#include "screens/Schermi.h"
#include "screens/Schermo.h"
#include "controls/Immagine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <unistd.h>

namespace {

class SuonoMuto final : public SoundInterface {
public:
    void playSound(const QString&) override {}
    void playVoice(const QString&) override {}
};

// Counts the paint events of every top-level window.
class ContaDisegni final : public QObject {
public:
    QHash<const QWidget*, int> disegni;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && oggetto->isWidgetType())
            ++disegni[static_cast<QWidget*>(oggetto)->window()];
        return false;
    }
};

ContaDisegni& Disegni()
{
    static ContaDisegni* filtro = [] {
        auto* f = new ContaDisegni;
        qApp->installEventFilter(f);
        return f;
    }();
    return *filtro;
}

} // namespace

QString CartellaMedia()
{
    const QString altra = qEnvironmentVariable("BENCH_MEDIA");
    return altra.isEmpty() ? QStringLiteral(TESSELO_APP_DIR) : altra;
}

void PreparaBanco(std::uint64_t seme)
{
    auto& s = servizi();
    s.caso = std::make_unique<SeededRandom>(seme);
    s.suono = std::make_unique<SuonoMuto>();
    s.messaggio = [](const QString&, int stile, const QString&) {
        return stile == StileDomanda ? int(RispostaSi) : int(RispostaOk);
    };
    s.termina = [] {};
    s.beep = [] {};
    s.cartellaApplicazione = CartellaMedia();
    // As the game keeps the pictures fitted to their boxes between runs: in
    // a folder of the benchmark's own, empty as it starts, which its first
    // visits fill.
    static const QTemporaryDir copie;
    s.cartellaCopie = copie.path();
    Modulo1::SuonoAttivo = true;
    Schermi::CreaTutti();
    Disegni();
}

QAbstractButton* Bottone_(IdSchermo id, const QString& nome)
{
    Schermo* s = Schermi::Trova(id);
    return s && s->finestra() ? s->finestra()->findChild<QAbstractButton*>(nome) : nullptr;
}

namespace {

// Wall-clock milliseconds, or with BENCH_CPU=1 the CPU time of all the
// process's threads: steadier for comparing two versions on a busy machine.
qint64 TempoCpu()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

} // namespace

Cronometro::Cronometro() : inizioCpu(TempoCpu())
{
    t.start();
}

double Cronometro::millisecondi() const
{
    static const bool cpu = qEnvironmentVariableIsSet("BENCH_CPU");
    return cpu ? (TempoCpu() - inizioCpu) / 1e6 : t.nsecsElapsed() / 1e6;
}

void Svuota()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double MisuraFinoAlDisegno(IdSchermo id, const std::function<void()>& azione)
{
    ContaDisegni& conta = Disegni();
    conta.disegni.clear();
    const Cronometro t;
    azione();
    const QWidget* finestra = Schermi::Trova(id)->finestra();
    int prima = -1;
    for (;;) {
        // A window taken away from under a click goes before the next paint,
        // as it does when the event loop regains control.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const int ora = conta.disegni.value(finestra);
        if (ora > 0 && ora == prima)
            break;
        prima = ora;
    }
    return t.millisecondi();
}

FigureNuove::FigureNuove(IdSchermo id) : id(id)
{
    azzera();
}

void FigureNuove::azzera()
{
    raccogli();
}

QStringList FigureNuove::raccogli()
{
    QStringList nuove;
    std::map<const QObject*, QString> ora;
    // A screen not yet opened has no window.
    const QWidget* finestra = Schermi::Trova(id)->finestra();
    for (const Immagine* i : finestra ? finestra->findChildren<Immagine*>() : QList<Immagine*>()) {
        if (!i->isVisible() || i->vuota())
            continue;
        ora[i] = i->file();
        const auto prima = mostrate.find(i);
        if (prima == mostrate.end() || prima->second != i->file())
            nuove.append(i->file());
    }
    mostrate = std::move(ora);
    return nuove;
}

double DecodificaSola(const QStringList& file)
{
    const Cronometro t;
    for (const QString& f : file) {
        // The name a screen asks for, found whatever its letter case, as the
        // program finds it.
        QImageReader lettore(TrovaFile(f));
        const QImage immagine = lettore.read();
        if (immagine.isNull())
            qFatal("cannot decode %s", qPrintable(f));
    }
    return t.millisecondi();
}

double Mediana(std::vector<double> valori)
{
    if (valori.empty())
        return 0;
    std::sort(valori.begin(), valori.end());
    const std::size_t n = valori.size();
    return n % 2 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}

long MemoriaResidenteKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campi = statm.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

namespace {

template <class T>
T& Gioco(IdSchermo id)
{
    return static_cast<T&>(*Schermi::Trova(id));
}

void Clicca(IdSchermo id, const QString& nome)
{
    QAbstractButton* b = Bottone_(id, nome);
    if (!b || !b->isEnabled())
        qFatal("control %s missing or disabled", qPrintable(nome));
    b->click();
    Svuota();
}

QString Elemento(const char* nome, int indice)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(indice);
}

// Where a block goes in the roads and table games: left (or top) when it has
// the first value, then left when it has the second.
int Area(bool a, bool b)
{
    return (a ? 0 : 2) + (b ? 0 : 1);
}


QString AvantiDopoTuttiIBlocchi(IdSchermo id, const std::function<QString()>& areaGiusta)
{
    while (!Bottone_(id, "bottoneavanti")->isEnabled())
        Clicca(id, areaGiusta());
    return QStringLiteral("bottoneavanti");
}

} // namespace

std::vector<Partita> Partite()
{
    using I = IdSchermo;
    const auto strade1 = [] {
        // Left for a block with the word A: its word of that kind is Attributi(2).
        return Elemento("Frame1", Gioco<zirp7>(I::zirp7).a() ? 0 : 1);
    };
    const auto strade2 = [] {
        auto& g = Gioco<zirp8>(I::zirp8);
        return Elemento("Frame1", zirp8::AreaDi(g.Attributi[2] == g.Attributi[0], g.Attributi[3] == g.Attributi[1]));
    };
    const auto tabella = [] {
        auto& g = Gioco<zirp9>(I::zirp9);
        return Elemento("Frame1", Area(g.Attributi[2] == g.Attributi[0], g.Attributi[3] == g.Attributi[1]));
    };
    const auto catena = [](IdSchermo id) {
        return [id] {
            auto& g = Gioco<SchermoDomino>(id);
            // The answers up to the last pair of the chain; the last one starts a new chain.
            while (g.PassoCatena < SchermoDomino::Passi - 1)
                Clicca(id, Elemento("Command1", g.RispostaGiusta));
            return Elemento("Command1", g.RispostaGiusta);
        };
    };
    const auto anello = [](IdSchermo id) {
        return [id] { return Elemento("Command1", Gioco<SchermoDomino>(id).RispostaGiusta); };
    };
    return {
        {"uguale - diverso", I::form1, 0, "avanti",
         [] {
             auto& g = Gioco<form1>(I::form1);
             Clicca(I::form1, g.ValoriConfronto[0] == g.ValoriConfronto[1] ? "UGUALI" : "DIVERSI");
             return QStringLiteral("bottoneavanti");
         },
         {}},
        {"insiemi", I::FORM2, 1, "right answer",
         [] {
             auto& g = Gioco<FORM2>(I::FORM2);
             for (int k = 0; k < 4; ++k)
                 if (g.Attributi[k + 1] == g.Attributi[0])
                     Clicca(I::FORM2, Elemento("Image1", k));
             return QStringLiteral("Command1");
         },
         {}},
        {"quanti sono ?", I::zirp3, 2, "avanti",
         [] {
             Clicca(I::zirp3, Elemento("NUMERI", Gioco<zirp3>(I::zirp3).NumeroGiusti));
             return QStringLiteral("bottoneavanti");
         },
         {}},
        {"trova il blocco", I::FormTrova, 3, "avanti",
         [] {
             Clicca(I::FormTrova, Elemento("Image1", Gioco<FormTrova>(I::FormTrova).Bersaglio));
             return QStringLiteral("bottoneavanti");
         },
         {}},
        {"le strade 1", I::zirp7, 4, "avanti", [=] { return AvantiDopoTuttiIBlocchi(I::zirp7, strade1); },
         strade1},
        {"le strade 2", I::zirp8, 5, "avanti", [=] { return AvantiDopoTuttiIBlocchi(I::zirp8, strade2); },
         strade2},
        {"tabella", I::zirp9, 6, "avanti", [=] { return AvantiDopoTuttiIBlocchi(I::zirp9, tabella); }, tabella},
        {"Cosa cambia?", I::FormDomino, 7, "new chain", catena(I::FormDomino), anello(I::FormDomino)},
        {"Cosa resta uguale?", I::FormDomino2, 8, "new chain", catena(I::FormDomino2), anello(I::FormDomino2)},
    };
}

