// The next child without restarting, and each child's learning path in the
// sitting: the menu's symbol held for a second (mouse or finger) or the
// teacher's keys open "Chi gioca?" again; every child plays the path the
// register assigns them, their answers carry its uuid and step, and what
// they did stays with them for the rest of the run; a "su misura" step
// draws by what the child has learned. Without a class, none of it shows.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "app/StimeBambino.h"
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
#include <cmath>
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

// A first answer of "uguale - diverso" about the attribute alone.
Registro::Risposta Risposta(const char* attributo, bool esatta, const QDateTime& quando)
{
    Registro::Risposta r = Registro::NuovaRisposta();
    r.quando = quando;
    r.schermo = QStringLiteral("form1");
    r.gioco = QStringLiteral("uguale - diverso");
    r.domande = {{QString::fromLatin1(attributo), {}, false}};
    r.blocchi = {Blocco{"cerchio", "rosso", "grande", "spesso"}, Blocco{"cerchio", "blu", "grande", "sottile"}};
    r.risposta = QStringLiteral("DIVERSI");
    r.esatta = esatta;
    return r;
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
        ClasseProva::Cartella dati;
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

    // On a "su misura" step what a child has learned comes up rarely, and
    // never vanishes: Mattia's register holds twenty right first answers
    // about colour in "uguale - diverso" and none about the rest, so colour
    // is drawn about 0.1 / (0.1 + 3 × 0.8) of the turns and each other
    // attribute a third of the rest. Each first answer he gives then moves
    // the weight of the attribute it asked, and his retries move none.
    void suMisura_imparatoEsceDiRado()
    {
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Bambino> classe = ClasseProva::Crea(percorso, 3);
        const qint64 mattia = std::find_if(classe.begin(), classe.end(), [](const auto& b) { return b.nome == "Mattia"; })->id;
        Passo passo = P("form1", 99);
        passo.suMisura = true;
        Assegna(percorso, "Su misura", {passo}, mattia);
        {
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(percorso), Registro::Accesso::Ok);
            QList<std::pair<Registro::Risposta, qint64>> colori;
            for (int i = 0; i < 20; ++i)
                colori.append({Risposta("colore", true, QDateTime::currentDateTime().addDays(-1).addSecs(i * 10)), mattia});
            QCOMPARE(archivio.registraTutte(colori), Registro::Accesso::Ok);
        }
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ScegliSimbolo(Mattia);
        QTRY_VERIFY(Seduta::StimeLette());
        Partita::ApriDalMenu(VoceDi(IdSchermo::form1));
        form1& gioco = Gioco<form1>(IdSchermo::form1);
        constexpr int N = 1000;
        QMap<int, int> conti;
        for (int i = 0; i < N; ++i) {
            gioco.ScegliAttributo();
            ++conti[RegoleForm1::Voce(gioco.Attributo).criterio];
        }
        const double colore = 0.1 / 2.5, altro = 0.8 / 2.5;
        QVERIFY2(std::abs(conti[CriterioColore] - N * colore) <= 4 * std::sqrt(N * colore * (1 - colore)),
                 qPrintable(QStringLiteral("colour asked %1 times of %2").arg(conti[CriterioColore]).arg(N)));
        for (const int c : {CriterioForma, CriterioDimensione, CriterioSpessore})
            QVERIFY2(std::abs(conti[c] - N * altro) <= 4 * std::sqrt(N * altro * (1 - altro)),
                     qPrintable(QStringLiteral("kind %1 asked %2 times of %3").arg(c).arg(conti[c]).arg(N)));

        // A right first answer lowers the weight of the attribute asked, and
        // of no other.
        const int chiesto = RegoleForm1::Voce(gioco.Attributo).criterio;
        const std::array<double, 4> prima = Seduta::PesiSuMisura();
        QVERIFY(Partita::Giusta(IdSchermo::form1));
        const std::array<double, 4> dopo = Seduta::PesiSuMisura();
        for (int c = 1; c <= 4; ++c)
            QVERIFY(c == chiesto ? dopo[c - 1] < prima[c - 1] : dopo[c - 1] == prima[c - 1]);
        Registro::Risposta riprova = Risposta("forma", false, QDateTime::currentDateTime());
        riprova.tentativo = 2;
        servizi().registra(riprova);
        QCOMPARE(Seduta::PesiSuMisura(), dopo);
    }

    // What the register holds and what the child gives meanwhile are one
    // history: an answer given while the register is read counts once,
    // after the register's; a register that cannot be read leaves the
    // starting estimates with the answers given.
    void suMisura_stimeLetteEDate()
    {
        using namespace Registro::Padronanza;
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const qint64 bambino = ClasseProva::Crea(percorso, 3).first().id;
        Stime attese;
        {
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(percorso), Registro::Accesso::Ok);
            for (int i = 0; i < 6; ++i) {
                const auto r = Risposta(i % 2 ? "colore" : "forma", i != 3, QDateTime::currentDateTime().addSecs(i - 60));
                QCOMPARE(archivio.registra(r, bambino), Registro::Accesso::Ok);
                attese.aggiungi({bambino, r.quando.toMSecsSinceEpoch(), r.schermo, AbilitaDi(r.domande), r.esatta});
            }
        }
        const auto nuova = Risposta("colore", false, QDateTime::currentDateTime());
        const Prova provaNuova{bambino, nuova.quando.toMSecsSinceEpoch(), nuova.schermo, AbilitaDi(nuova.domande), false};
        attese.aggiungi(provaNuova);
        const auto pesiDi = [&](const Stime& stime) {
            std::array<double, 4> s{};
            for (int i = 0; i < 4; ++i)
                s[i] = stime.di(bambino, Abilita(i)).stima;
            return PesiSuMisura(s);
        };

        Seduta::StimeBambino lette(bambino, percorso, std::nullopt);
        lette.aggiungi(nuova);
        QTRY_VERIFY(lette.lette());
        QCOMPARE(lette.pesi(), pesiDi(attese));

        Seduta::StimeBambino senza(bambino, dati.filePath("nessuno.sqlite"), std::nullopt);
        senza.aggiungi(nuova);
        QTRY_VERIFY(senza.finito());
        QVERIFY(!senza.lette());
        Stime soloNuova;
        soloNuova.aggiungi(provaNuova);
        QCOMPARE(senza.pesi(), pesiDi(soloNuova));
        QVERIFY(!QFileInfo::exists(dati.filePath("nessuno.sqlite")));
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
        ClasseProva::Cartella dati;
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
        ClasseProva::Cartella dati;
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
