// The next child without restarting, and each child's learning path in the
// sitting: the menu's symbol held for a second (mouse or finger) or the
// teacher's keys open "Chi gioca?" again; every child plays the path the
// register assigns them, their answers carry its uuid and step, and what
// they did stays with them for the rest of the run. Without a class, none
// of it shows.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Bottone.h"
#include "games/form1/form1.h"
#include "registro/Archivio.h"
#include "screens/Schermi.h"
#include "screens/formMenu.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointingDevice>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;

namespace {

// ClasseProva::Crea(percorso, 3) sorted by surname, then name, on "Chi
// gioca?": Nicolò (no surname), Mattia D'Angelo, Giulia Rossi, then the
// guest.
enum Simbolo { Nicolo, Mattia, Giulia, Ospite };

Passo P(const char* gioco, int esatte, AttributiInGioco attributi = {})
{
    return {QString::fromLatin1(gioco), attributi, esatte};
}

// Stores a path in the register at percorso and assigns it to the child.
Registro::PercorsoSalvato Assegna(const QString& percorso, const QString& nome, QList<Passo> passi, qint64 bambino)
{
    Registro::Archivio archivio;
    if (archivio.apri(percorso) != Registro::Accesso::Ok)
        qFatal("register: %s", qPrintable(archivio.ultimoErrore()));
    const auto salvato = archivio.salvaPercorso({0, QUuid::createUuid(), {nome, {}, false, std::move(passi)}});
    if (!salvato || !archivio.assegnaPercorso(Registro::Destinatario::Bambino, bambino, salvato->id))
        qFatal("path not stored: %s", qPrintable(archivio.ultimoErrore()));
    return *salvato;
}

void Avvia(const QString& percorso)
{
    Seduta::Avvia(percorso);
    QVERIFY(Seduta::AttendiPronta(60s));
    Modulo1::Main();
    SvuotaEventi();
    ClasseProva::ClicAvvio();
}

bool Caricato(IdSchermo id)
{
    return Schermi::Trova(id)->caricato();
}

QAbstractButton* SimboloDelMenu()
{
    return Ctl<QAbstractButton>(IdSchermo::formMenu, "SimboloGiocatore");
}

// The teacher's keys on the menu.
void TastiInsegnante()
{
    FinestraSchermo* f = Schermi::Trova(IdSchermo::formMenu)->finestra();
    QApplication::setActiveWindow(f);
    QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    SvuotaEventi();
}

// From the menu: the teacher's keys, then the symbol at indice on "Chi gioca?".
void Passa(Simbolo simbolo)
{
    TastiInsegnante();
    QVERIFY(Caricato(IdSchermo::FormChiGioca));
    ClasseProva::ScegliSimbolo(simbolo);
    QVERIFY(Caricato(IdSchermo::formMenu));
}

Bottone* BottoneDi(const char* nome)
{
    return Ctl<Bottone>(IdSchermo::formMenu, QString::fromLatin1(nome));
}

const Partita::VoceGioco& VoceDi(IdSchermo id)
{
    for (const Partita::VoceGioco& g : Partita::Giochi())
        if (g.id == id)
            return g;
    qFatal("no such game");
}

// Opens the game from the menu, gives it these answers and goes back.
void Gioca(Ambiente& a, IdSchermo id, std::initializer_list<bool> risposte)
{
    Partita::ApriDalMenu(VoceDi(id));
    for (const bool giusta : risposte)
        QVERIFY(giusta ? Partita::Giusta(id) : Partita::Sbagliata(id));
    Partita::TornaAlMenu(a, id);
}

QString Stelle(IdSchermo id)
{
    return Ctl<QLabel>(id, "StellePercorso")->accessibleName();
}

QList<std::pair<Registro::Risposta, qint64>> Risposte(const QString& percorso)
{
    Registro::Archivio archivio;
    if (archivio.apri(percorso, false) != Registro::Accesso::Ok)
        return {};
    return archivio.risposte();
}

} // namespace

class ProvaAltroBambino : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", cache.path().toUtf8()); }
    void cleanup() { QVERIFY(Seduta::Termina(10s)); }

    // A child with a path in the register sees its marks and stars; the
    // answers stored carry its uuid and the step played, and the next start
    // counts them. Another child chosen next plays their own path, a child
    // without a path and a guest none; a child chosen again finds what they
    // did in this run. Each answer is the child's who gave it.
    void percorsi_ogniBambinoIlSuo()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Bambino> classe = ClasseProva::Crea(percorso, 3);
        const auto id = [&](const char* nome) {
            return std::find_if(classe.begin(), classe.end(), [&](const auto& b) { return b.nome == nome; })->id;
        };
        const Registro::PercorsoSalvato diMattia =
            Assegna(percorso, "Colori", {P("FORM2", 1, {1}), P("form1", 3, {2})}, id("Mattia"));
        const Registro::PercorsoSalvato diGiulia = Assegna(percorso, "Contare", {P("zirp3", 2)}, id("Giulia"));
        {
            Ambiente a;
            Avvia(percorso);
            ClasseProva::ScegliSimbolo(Mattia);
            QCOMPARE(BottoneDi("Command2")->accessibleDescription(), QStringLiteral("passo 1 di 2, il prossimo"));
            Gioca(a, IdSchermo::FORM2, {true});
            QCOMPARE(BottoneDi("Command2")->accessibleDescription(), QStringLiteral("passo 1 di 2, fatto"));
            QCOMPARE(BottoneDi("Command1")->accessibleDescription(), QStringLiteral("passo 2 di 2, il prossimo"));
            Partita::ApriDalMenu(VoceDi(IdSchermo::form1));
            QCOMPARE(Gioco<form1>(IdSchermo::form1).InGioco(), AttributiInGioco({2}));
            QCOMPARE(Stelle(IdSchermo::form1), QStringLiteral("0 di 3"));
            QVERIFY(Partita::Giusta(IdSchermo::form1));
            QVERIFY(Partita::Sbagliata(IdSchermo::form1));
            QCOMPARE(Stelle(IdSchermo::form1), QStringLiteral("1 di 3"));
            Partita::TornaAlMenu(a, IdSchermo::form1);

            Passa(Giulia);
            QCOMPARE(BottoneDi("Command3")->accessibleDescription(), QStringLiteral("passo 1 di 1, il prossimo"));
            QVERIFY(BottoneDi("Command1")->icon().isNull());
            QVERIFY(BottoneDi("Command1")->accessibleDescription().isEmpty());
            Gioca(a, IdSchermo::zirp3, {true});
            for (const Simbolo senza : {Nicolo, Ospite}) {
                Passa(senza);
                QVERIFY(!Seduta::AvanzamentoDelBambino());
                for (const Partita::VoceGioco& g : Partita::Giochi())
                    QVERIFY(BottoneDi(g.bottoneMenu)->accessibleDescription().isEmpty());
                Gioca(a, IdSchermo::form1, {true});
            }
            Passa(Mattia);
            Partita::ApriDalMenu(VoceDi(IdSchermo::form1));
            QCOMPARE(Stelle(IdSchermo::form1), QStringLiteral("1 di 3"));
            QVERIFY(Partita::Giusta(IdSchermo::form1));
            Partita::TornaAlMenu(a, IdSchermo::form1);
        }
        QVERIFY(Seduta::Termina(10s));

        struct Attesa { qint64 bambino; QString schermo; QUuid percorso; int passo; };
        const QList<Attesa> attese{
            {id("Mattia"), "FORM2", diMattia.uuid, 1}, {id("Mattia"), "form1", diMattia.uuid, 2},
            {id("Mattia"), "form1", diMattia.uuid, 2}, {id("Giulia"), "zirp3", diGiulia.uuid, 1},
            {id("Nicolò"), "form1", {}, 0},            {0, "form1", {}, 0},
            {id("Mattia"), "form1", diMattia.uuid, 2},
        };
        auto risposte = Risposte(percorso);
        std::sort(risposte.begin(), risposte.end(), [](const auto& x, const auto& y) { return x.first.quando < y.first.quando; });
        QCOMPARE(risposte.size(), attese.size());
        for (qsizetype i = 0; i < attese.size(); ++i) {
            const auto& [risposta, bambino] = risposte[i];
            QCOMPARE(bambino, attese[i].bambino);
            QCOMPARE(risposta.schermo, attese[i].schermo);
            QCOMPARE(risposta.percorso, attese[i].percorso);
            QCOMPARE(risposta.passo, attese[i].passo);
        }

        // The next start reads what was recorded: Mattia's first step done,
        // two of three of the second.
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ScegliSimbolo(Mattia);
        QCOMPARE(BottoneDi("Command2")->accessibleDescription(), QStringLiteral("passo 1 di 2, fatto"));
        Partita::ApriDalMenu(VoceDi(IdSchermo::form1));
        QCOMPARE(Stelle(IdSchermo::form1), QStringLiteral("2 di 3"));
    }

    // The symbol on the menu is the playing child's, named by them, in a
    // corner no control of the menu covers. A press shorter than a second,
    // or a click, does nothing; a second held, by the mouse or a finger,
    // opens "Chi gioca?" with no dialog, and so do the teacher's keys; the
    // release that follows chooses nobody.
    void simbolo_tenutoUnSecondo_data()
    {
        QTest::addColumn<bool>("dito");
        QTest::addRow("mouse") << false;
        QTest::addRow("dito") << true;
    }
    void simbolo_tenutoUnSecondo()
    {
        QFETCH(bool, dito);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 3);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ScegliSimbolo(Nicolo);
        QAbstractButton* simbolo = SimboloDelMenu();
        QCOMPARE(simbolo->accessibleName(), QStringLiteral("Nicolò"));
        QCOMPARE(simbolo->focusPolicy(), Qt::NoFocus);
        const QRect posto = NellaFinestra(IdSchermo::formMenu, "SimboloGiocatore");
        for (QWidget* altro : Schermi::Trova(IdSchermo::formMenu)->finestra()->superficie()->findChildren<QWidget*>(
                 Qt::FindDirectChildrenOnly))
            if (altro != simbolo && altro->isVisible())
                QVERIFY2(!posto.intersects(altro->geometry()), qPrintable(altro->objectName()));

        QWidget* finestra = simbolo->window();
        const QPoint centro = simbolo->mapTo(finestra, simbolo->rect().center());
        // The test's own touch screen, registered with Qt until this case ends.
        const std::unique_ptr<QPointingDevice> schermoTattile(dito ? QTest::createTouchDevice() : nullptr);
        const auto premi = [&] {
            if (dito)
                QTest::touchEvent(finestra, schermoTattile.get()).press(0, centro, finestra);
            else
                QTest::mousePress(simbolo, Qt::LeftButton, {}, simbolo->rect().center());
        };
        // Released where it was pressed: on the symbol, or on whatever
        // stands there once "Chi gioca?" has opened.
        const auto lascia = [&](QWidget* dove) {
            if (dito) {
                QTest::touchEvent(dove, schermoTattile.get()).release(0, centro, dove);
                return;
            }
            QWidget* sotto = dove->childAt(centro);
            QTest::mouseRelease(sotto ? sotto : dove, Qt::LeftButton, {}, sotto ? sotto->mapFrom(dove, centro) : centro);
        };
        premi();
        QTest::qWait(400);
        lascia(finestra);
        QTest::qWait(1200);
        QVERIFY(Caricato(IdSchermo::formMenu));
        QVERIFY(!Caricato(IdSchermo::FormChiGioca));

        QElapsedTimer tempo;
        tempo.start();
        premi();
        QTRY_VERIFY_WITH_TIMEOUT(Caricato(IdSchermo::FormChiGioca), 5000);
        QVERIFY(tempo.elapsed() >= 1000);
        QVERIFY(!Caricato(IdSchermo::formMenu));
        lascia(Schermi::Trova(IdSchermo::FormChiGioca)->finestra());
        SvuotaEventi();
        QVERIFY(Caricato(IdSchermo::FormChiGioca));
        QVERIFY(a.messaggi.isEmpty());
        QVERIFY(!Seduta::Scelto());

        ClasseProva::ScegliSimbolo(Giulia);
        QCOMPARE(SimboloDelMenu()->accessibleName(), QStringLiteral("Giulia"));
        TastiInsegnante();
        QVERIFY(Caricato(IdSchermo::FormChiGioca));
        ClasseProva::ScegliSimbolo(Ospite);
        QCOMPARE(SimboloDelMenu()->accessibleName(), QStringLiteral("ospite"));
        QCOMPARE(Seduta::Scelto(), std::optional<qint64>(0));
    }

    // Without a class the menu is the design's: no symbol, and the
    // teacher's keys change nothing.
    void senzaClasse_nienteCambia()
    {
        QTemporaryDir dati;
        Ambiente a;
        Avvia(dati.filePath("registro.sqlite"));
        QVERIFY(Caricato(IdSchermo::formMenu));
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->finestra()->findChild<QWidget*>("SimboloGiocatore"));
        TastiInsegnante();
        QVERIFY(Caricato(IdSchermo::formMenu));
        QVERIFY(!Caricato(IdSchermo::FormChiGioca));
        QVERIFY(a.messaggi.isEmpty());
    }
};

TESSELO_TEST_MAIN(ProvaAltroBambino)
#include "tst_altro_bambino.moc"
