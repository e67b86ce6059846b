// The rules of the nine games on their own, without a widget: what each turn
// draws, which answers are right, and the facts each judged answer carries
// for the class register.
#include "games/FORM2/RegoleFORM2.h"
#include "games/FormDomino/RegoleDomino.h"
#include "games/FormTrova/RegoleTrova.h"
#include "games/Posti/RegolePosti.h"
#include "games/form1/RegoleForm1.h"
#include "games/zirp3/RegoleZirp3.h"
#include "registro/Giochi.h"
#include "tests/support/CasoPilotato.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>

using Registro::Domanda;
using Registro::Risposta;

namespace {

// The clock the turns are timed by, moved on by hand.
qint64 adesso = 0;
qint64 Orologio()
{
    return adesso;
}

// The draws the rules are given: a generator each test pins, pictures under
// a folder of the suite's own.
std::unique_ptr<CasoPilotato> pilotato;
Estrazioni caso([] { return pilotato->rnd(); },
                [](const Blocco& blocco) { return blocco.percorso(QStringLiteral("cartella")); });

CasoPilotato& Caso()
{
    return *pilotato;
}

// Blocks written by their names: "triangolo rosso grande spesso".
Blocco Bl(const QString& nome)
{
    const auto blocco = BloccoDaNome(nome);
    if (!blocco)
        qFatal("not a block: %s", qPrintable(nome));
    return *blocco;
}

QList<Blocco> Blocchi(const QStringList& nomi)
{
    QList<Blocco> blocchi;
    for (const QString& nome : nomi)
        blocchi.append(Bl(nome));
    return blocchi;
}

void Accoda(const QStringList& nomi)
{
    for (const QString& nome : nomi)
        Caso().accoda(RndPerBlocco(Bl(nome)));
}

// "NON colore rosso", "forma": a question's conditions as one line per
// condition, for readable tables.
QStringList Testi(const QList<Domanda>& domande)
{
    QStringList testi;
    for (const Domanda& d : domande)
        testi << QStringLiteral("%1%2%3")
                     .arg(d.negata ? "NON " : "", d.attributo, d.valore.isEmpty() ? "" : " " + d.valore);
    return testi;
}

void ControllaGioco(const Risposta& r, const char* schermo)
{
    QCOMPARE(r.schermo, QString(schermo));
    QCOMPARE(r.gioco, Registro::DidascaliaGioco(schermo));
    QVERIFY(r.gioco != r.schermo);
    QVERIFY(!r.id.isNull());
    QVERIFY(qAbs(r.quando.secsTo(QDateTime::currentDateTime())) < 60);
}

const QString Quadrato = "quadrato rosso grande spesso";
const QString QuadratoBlu = "quadrato blu grande spesso";
const QString Triangolo = "triangolo rosso piccolo sottile";
const QString TriangoloGiallo = "triangolo giallo grande sottile";
const QString Rotondo = "rotondo blu piccolo spesso";

// Each game, driven for the same thing: a turn is shown at 1000 ms, answered
// wrongly at 1250 and again, rightly, at 1600; the next question starts at
// 2000 and is answered at 2100. Returns those three answers.
struct Guida {
    const char* schermo;
    std::function<QList<Risposta>()> gioca;
};

QList<Risposta> Gioca(const std::function<void()>& turno, const std::function<Risposta(bool)>& rispondi,
                      const std::function<void()>& prossimo)
{
    adesso = 1000;
    turno();
    QList<Risposta> risposte;
    adesso = 1250;
    risposte << rispondi(false);
    adesso = 1600;
    risposte << rispondi(true);
    adesso = 2000;
    prossimo();
    adesso = 2100;
    risposte << rispondi(true);
    return risposte;
}

// The place where the waiting block belongs, or the one after it.
int Posto(const RegolePosti& r, bool giusto)
{
    const int k = r.PostoGiusto(r.a(), r.b());
    return giusto ? k : (k + 1) % r.NumeroPosti;
}

QList<Risposta> GiocaPosti(RegolePosti r, bool dueCondizioni)
{
    return Gioca(
        [&] {
            if (dueCondizioni)
                r.ScegliCriteri();
            else
                r.ScegliCriterio();
            r.NuovoBlocco();
        },
        [&](bool giusta) { return r.GiudicaPosto(Posto(r, giusta)); }, [&] { r.NuovoBlocco(); });
}

QList<Risposta> GiocaDomino(RegoleDomino r)
{
    return Gioca(
        [&] { r.NuovaCatena(); },
        [&](bool giusta) { return r.GiudicaRisposta(giusta ? r.RispostaGiusta : (r.RispostaGiusta + 1) % 5); },
        [&] { r.Avanza(); });
}

const QList<Guida>& Guide()
{
    static const QList<Guida> guide{
        {"form1",
         [] {
             RegoleForm1 r(caso, Orologio);
             const auto rispondi = [&](bool giusta) {
                 const bool uguali = r.ValoriConfronto[0] == r.ValoriConfronto[1];
                 return uguali == giusta ? r.GiudicaUguale() : r.GiudicaDiverso();
             };
             const auto turno = [&] {
                 r.ScegliAttributo();
                 r.NuovaCoppia();
             };
             return Gioca(turno, rispondi, turno);
         }},
        {"FORM2",
         [] {
             RegoleFORM2 r(caso, Orologio);
             const auto rispondi = [&](bool giusta) {
                 r.NumeroInseriti = giusta ? r.NumeroGiusti : 0;
                 return r.GiudicaFatto();
             };
             return Gioca([&] { r.PreparaTurno(); }, rispondi, [&] { r.PreparaTurno(); });
         }},
        {"zirp3",
         [] {
             RegoleZirp3 r(caso, Orologio);
             const auto rispondi = [&](bool giusta) {
                 return r.GiudicaNumero(giusta ? r.NumeroGiusti : (r.NumeroGiusti + 1) % 10);
             };
             return Gioca([&] { r.PreparaTurno(); }, rispondi, [&] { r.PreparaTurno(); });
         }},
        {"FormTrova",
         [] {
             RegoleTrova r(caso, Orologio);
             const auto rispondi = [&](bool giusta) {
                 for (int k = 0; k < RegoleTrova::NumeroBlocchi; ++k)
                     if ((r.Blocchi[k] == r.Blocchi[r.Bersaglio]) == giusta)
                         return r.GiudicaBlocco(k);
                 qFatal("twelve copies of one block");
             };
             return Gioca([&] { r.PreparaRicerca(); }, rispondi, [&] { r.PreparaRicerca(); });
         }},
        {"zirp7", [] { return GiocaPosti(RegolePosti("zirp7", 2, 4, caso, Orologio), false); }},
        {"zirp8", [] { return GiocaPosti(RegolePosti("zirp8", 4, 2, caso, Orologio), true); }},
        {"zirp9", [] { return GiocaPosti(RegolePosti("zirp9", 4, 2, caso, Orologio), true); }},
        {"FormDomino", [] { return GiocaDomino(RegoleDomino("FormDomino", RegoleDomino::Regola::CosaCambia, caso, Orologio)); }},
        {"FormDomino2",
         [] { return GiocaDomino(RegoleDomino("FormDomino2", RegoleDomino::Regola::CosaRestaUguale, caso, Orologio)); }},
    };
    return guide;
}

} // namespace

class ProvaRegole : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The rules need no window: this suite runs without a GUI application.
        QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));
    }

    void init()
    {
        pilotato = std::make_unique<CasoPilotato>(7);
        caso.ImpostaBloccoCorrente(Bl(Quadrato));
    }

    // "uguale - diverso": the attribute asked, both blocks left to right and
    // the caption of the button pressed, which agrees with the attribute's
    // noun.
    void form1_giudizio_data()
    {
        QTest::addColumn<int>("attributo");
        QTest::addColumn<QStringList>("coppia");
        QTest::addColumn<bool>("uguale");
        QTest::addColumn<bool>("esatta");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QString>("domanda");
        QTest::newRow("colore uguale, UGUALE") << 4 << QStringList{Quadrato, Triangolo} << true << true << "UGUALE" << "colore";
        QTest::newRow("colore diverso, UGUALE") << 4 << QStringList{Quadrato, Rotondo} << true << false << "UGUALE" << "colore";
        QTest::newRow("forma diversa, DIVERSA") << 1 << QStringList{Quadrato, Triangolo} << false << true << "DIVERSA" << "forma";
        QTest::newRow("dimensione uguale, DIVERSA") << 2 << QStringList{Quadrato, QuadratoBlu} << false << false << "DIVERSA" << "dimensione";
        QTest::newRow("spessore diverso, DIVERSO") << 3 << QStringList{Rotondo, Triangolo} << false << true << "DIVERSO" << "spessore";
    }
    void form1_giudizio()
    {
        QFETCH(int, attributo);
        QFETCH(QStringList, coppia);
        QFETCH(bool, uguale);
        RegoleForm1 r(caso, Orologio);
        Caso().accoda({RndPer(attributo, 4)});
        Accoda(coppia);
        r.ScegliAttributo();
        r.NuovaCoppia();
        const Risposta risposta = uguale ? r.GiudicaUguale() : r.GiudicaDiverso();
        ControllaGioco(risposta, "form1");
        QTEST(risposta.esatta, "esatta");
        QTEST(risposta.risposta, "risposta");
        QFETCH(QString, domanda);
        QCOMPARE(Testi(risposta.domande), QStringList{domanda});
        QCOMPARE(risposta.blocchi, Blocchi(coppia));
    }

    // "insiemi": a block clicked is judged by the set's word and recorded
    // alone; "Fatto" is right only once every block with the word has been
    // moved, while checking waits for it, and records the turn's four
    // blocks; with automatic checking, the click that completes the set is
    // the right answer.
    void FORM2_giudizio_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("inseriti");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<bool>("esatta");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QStringList>("blocchi");
        const QStringList tutti{Triangolo, Rotondo, QuadratoBlu, Quadrato};
        QTest::newRow("un blocco senza la parola") << "blocco" << 1 << 0 << false << false << Rotondo << QStringList{Rotondo};
        QTest::newRow("un blocco con la parola") << "blocco" << 3 << 1 << false << true << Quadrato << QStringList{Quadrato};
        QTest::newRow("Fatto con un blocco solo") << "Fatto" << 0 << 1 << false << false << "Fatto" << tutti;
        QTest::newRow("Fatto con l'insieme pieno") << "Fatto" << 0 << 2 << false << true << "Fatto" << tutti;
        QTest::newRow("Fatto col controllo automatico") << "Fatto" << 0 << 2 << true << false << "Fatto" << tutti;
        QTest::newRow("automatico, l'ultimo blocco") << "chiusura" << 0 << 2 << true << true << Triangolo << QStringList{Triangolo};
        QTest::newRow("automatico, insieme non pieno") << "chiusura" << 0 << 1 << true << false << Triangolo << QStringList{Triangolo};
    }
    void FORM2_giudizio()
    {
        QFETCH(QString, azione);
        QFETCH(int, indice);
        RegoleFORM2 r(caso, Orologio);
        Accoda({Quadrato});
        Caso().accoda({RndPer(CriterioColore, 4)});
        Accoda({Triangolo, Rotondo, QuadratoBlu, Quadrato});
        r.PreparaTurno();
        QCOMPARE(r.Attributi[0], QString("rosso"));
        QCOMPARE(r.NumeroGiusti, qint16(2));
        QFETCH(int, inseriti);
        QFETCH(bool, automatico);
        r.NumeroInseriti = qint16(inseriti);
        r.ControlloAutomatico = automatico;
        const Risposta risposta = azione == "blocco" ? r.SceltaBlocco(indice)
                                  : azione == "Fatto" ? r.GiudicaFatto()
                                                      : r.ChiusuraAutomatica(indice);
        ControllaGioco(risposta, "FORM2");
        QTEST(risposta.esatta, "esatta");
        QTEST(risposta.risposta, "risposta");
        QCOMPARE(Testi(risposta.domande), QStringList{"colore rosso"});
        QFETCH(QStringList, blocchi);
        QCOMPARE(risposta.blocchi, Blocchi(blocchi));
    }

    // A drawing in which no block has the set's word is drawn again whole,
    // reference block and kind too; the turn holds the second drawing.
    void FORM2_senzaBlocchiDellInsiemeSiPescaAncora()
    {
        RegoleFORM2 r(caso, Orologio);
        Accoda({Quadrato});
        Caso().accoda({RndPer(CriterioColore, 4)});
        Accoda({Rotondo, QuadratoBlu, TriangoloGiallo, Rotondo});
        Accoda({Triangolo});
        Caso().accoda({RndPer(CriterioForma, 4)});
        Accoda({Rotondo, Quadrato, TriangoloGiallo, QuadratoBlu});
        r.PreparaTurno();
        QCOMPARE(r.Attributi[0], QString("triangolo"));
        QCOMPARE(r.NumeroGiusti, qint16(1));
        QCOMPARE(QList<Blocco>(r.Blocchi.begin(), r.Blocchi.end()),
                 Blocchi({Rotondo, Quadrato, TriangoloGiallo, QuadratoBlu}));
        QCOMPARE(Caso().inCoda(), std::size_t(0));
    }

    // "quanti sono ?": the number pressed against the count of blocks with
    // the condition's word; the answer carries all nine blocks.
    void zirp3_giudizio_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("esatta");
        QTest::newRow("il numero giusto") << 2 << true;
        QTest::newRow("uno di più") << 3 << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("nove") << 9 << false;
    }
    void zirp3_giudizio()
    {
        QFETCH(int, numero);
        const QStringList nove{Quadrato, Triangolo, Rotondo, TriangoloGiallo, Rotondo,
                               Quadrato, QuadratoBlu, Quadrato, Rotondo};
        RegoleZirp3 r(caso, Orologio);
        Accoda({Triangolo});
        Caso().accoda({RndPer(CriterioSpessore, 4)});
        Accoda(nove);
        r.PreparaTurno();
        const Risposta risposta = r.GiudicaNumero(numero);
        ControllaGioco(risposta, "zirp3");
        QTEST(risposta.esatta, "esatta");
        QCOMPARE(risposta.risposta, QString::number(numero));
        QCOMPARE(Testi(risposta.domande), QStringList{"spessore sottile"});
        QCOMPARE(risposta.blocchi, Blocchi(nove));
    }

    // "trova il blocco": the described block, or any copy of it, is right;
    // the answer asks the described block's four words and carries the
    // block clicked.
    void FormTrova_giudizio_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("esatta");
        QTest::newRow("il blocco descritto") << 2 << true;
        QTest::newRow("una sua copia") << 9 << true;
        QTest::newRow("un altro blocco") << 0 << false;
        QTest::newRow("uno che differisce in una parola") << 5 << false;
    }
    void FormTrova_giudizio()
    {
        QFETCH(int, indice);
        const QStringList dodici{Rotondo, Quadrato, Triangolo, Rotondo, QuadratoBlu, "triangolo rosso piccolo spesso",
                                 Quadrato, TriangoloGiallo, Rotondo, Triangolo, QuadratoBlu, Quadrato};
        RegoleTrova r(caso, Orologio);
        Caso().accoda({RndPer(3, 12)});
        Accoda(dodici);
        r.PreparaRicerca();
        QCOMPARE(r.Bersaglio, qint16(2));
        const Risposta risposta = r.GiudicaBlocco(indice);
        ControllaGioco(risposta, "FormTrova");
        QTEST(risposta.esatta, "esatta");
        QCOMPARE(risposta.risposta, dodici[indice]);
        QCOMPARE(Testi(risposta.domande),
                 (QStringList{"forma triangolo", "colore rosso", "dimensione piccolo", "spessore sottile"}));
        QCOMPARE(risposta.blocchi, Blocchi({dodici[indice]}));
    }

    // The games of places: the waiting block's conditions, with "NON" apart
    // where it lacks the word, and the place chosen named as on the screen.
    void posti_giudizio_data()
    {
        QTest::addColumn<QByteArray>("schermo");
        QTest::addColumn<int>("posti");
        QTest::addColumn<int>("capienza");
        QTest::addColumn<QString>("attesa");
        QTest::addColumn<int>("posto");
        QTest::addColumn<bool>("esatta");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QStringList>("domande");
        const QStringList rossoNonGrande{"colore rosso", "NON dimensione grande"};
        QTest::newRow("le strade 1, NON ROSSO") << QByteArray("zirp7") << 2 << 4 << Rotondo << 1 << true << "NON ROSSO" << QStringList{"NON colore rosso"};
        QTest::newRow("le strade 1, ROSSO per un blu") << QByteArray("zirp7") << 2 << 4 << Rotondo << 0 << false << "ROSSO" << QStringList{"NON colore rosso"};
        QTest::newRow("le strade 1, ROSSO") << QByteArray("zirp7") << 2 << 4 << Quadrato << 0 << true << "ROSSO" << QStringList{"colore rosso"};
        QTest::newRow("le strade 2, ROSSO, NON GRANDE") << QByteArray("zirp8") << 4 << 2 << Triangolo << 1 << true << "ROSSO, NON GRANDE" << rossoNonGrande;
        QTest::newRow("le strade 2, ROSSO, GRANDE per un piccolo") << QByteArray("zirp8") << 4 << 2 << Triangolo << 0 << false << "ROSSO, GRANDE" << rossoNonGrande;
        QTest::newRow("tabella, NON ROSSO, GRANDE per un rosso") << QByteArray("zirp9") << 4 << 2 << Triangolo << 2 << false << "NON ROSSO, GRANDE" << rossoNonGrande;
        QTest::newRow("tabella, NON ROSSO, NON GRANDE") << QByteArray("zirp9") << 4 << 2 << Rotondo << 3 << true << "NON ROSSO, NON GRANDE" << QStringList{"NON colore rosso", "NON dimensione grande"};
    }
    void posti_giudizio()
    {
        QFETCH(QByteArray, schermo);
        QFETCH(int, posti);
        QFETCH(int, capienza);
        QFETCH(QString, attesa);
        QFETCH(int, posto);
        RegolePosti r(schermo.constData(), posti, capienza, caso, Orologio);
        if (posti == 2) {
            // One condition, from a block drawn for it.
            Accoda({Quadrato});
            Caso().accoda({RndPer(CriterioColore, 4)});
            r.ScegliCriterio();
        } else {
            // Two, from the block drawn last (the square, set before each test).
            Caso().accoda({RndPer(CriterioColore, 4), RndPer(CriterioDimensione, 4)});
            r.ScegliCriteri();
        }
        Accoda({attesa});
        QVERIFY(r.NuovoBlocco());
        const Risposta risposta = r.GiudicaPosto(posto);
        ControllaGioco(risposta, schermo.constData());
        QTEST(risposta.esatta, "esatta");
        QTEST(risposta.risposta, "risposta");
        QTEST(Testi(risposta.domande), "domande");
        QCOMPARE(risposta.blocchi, Blocchi({attesa}));
    }

    // As soon as one place is full the turn is over: no block is drawn.
    void posti_unPostoPienoFinisceIlTurno_data()
    {
        QTest::addColumn<int>("posti");
        QTest::addColumn<int>("capienza");
        QTest::addColumn<int>("pieno");
        QTest::newRow("le strade 1, NON A") << 2 << 4 << 1;
        QTest::newRow("tabella, l'ultima cella") << 4 << 2 << 3;
    }
    void posti_unPostoPienoFinisceIlTurno()
    {
        QFETCH(int, posti);
        QFETCH(int, capienza);
        QFETCH(int, pieno);
        RegolePosti r("zirp9", posti, capienza, caso, Orologio);
        r.NumeroInseriti[pieno] = qint16(capienza - 1);
        QVERIFY(r.NuovoBlocco());
        ++r.NumeroInseriti[pieno];
        const int estratti = Caso().estratti;
        QVERIFY(!r.NuovoBlocco());
        QCOMPARE(Caso().estratti, estratti);
    }

    // The chain games: the attribute that really changes (or stays) is
    // asked, none for "niente"; the pair is recorded older block first and
    // the answer by the word beside its button.
    void domino_giudizio_data()
    {
        QTest::addColumn<bool>("resta");
        QTest::addColumn<QList<double>>("estrazioni");
        QTest::addColumn<QString>("seconda");
        QTest::addColumn<int>("bottone");
        QTest::addColumn<bool>("esatta");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QStringList>("domande");
        const QList<double> dimensione{RndPer(3, 5)};
        const QString piccolo = "quadrato rosso piccolo spesso";
        QTest::newRow("cambia la dimensione") << false << dimensione << piccolo << 2 << true << "dimensione" << QStringList{"dimensione"};
        QTest::newRow("cambia la dimensione, detto niente") << false << dimensione << piccolo << 4 << false << "niente" << QStringList{"dimensione"};
        QTest::newRow("non cambia niente") << false << QList<double>{RndPer(5, 5)} << Quadrato << 4 << true << "niente" << QStringList{};
        QTest::newRow("non cambia niente, detto forma") << false << QList<double>{RndPer(5, 5)} << Quadrato << 0 << false << "forma" << QStringList{};
        const QList<double> spessore{RndPer(4, 5), RndPer(3, 3), RndPer(3, 4)};
        const QString rettangolo = "rettangolo blu piccolo spesso";
        QTest::newRow("resta lo spessore") << true << spessore << rettangolo << 3 << true << "spessore" << QStringList{"spessore"};
        QTest::newRow("resta lo spessore, detto colore") << true << spessore << rettangolo << 1 << false << "colore" << QStringList{"spessore"};
    }
    void domino_giudizio()
    {
        QFETCH(bool, resta);
        QFETCH(QList<double>, estrazioni);
        QFETCH(int, bottone);
        RegoleDomino r(resta ? "FormDomino2" : "FormDomino",
                       resta ? RegoleDomino::Regola::CosaRestaUguale : RegoleDomino::Regola::CosaCambia, caso, Orologio);
        Accoda({Quadrato});
        Caso().accoda(estrazioni);
        r.NuovaCatena();
        QCOMPARE(Caso().inCoda(), std::size_t(0));
        const Risposta risposta = r.GiudicaRisposta(bottone);
        ControllaGioco(risposta, resta ? "FormDomino2" : "FormDomino");
        QTEST(risposta.esatta, "esatta");
        QTEST(risposta.risposta, "risposta");
        QTEST(Testi(risposta.domande), "domande");
        QFETCH(QString, seconda);
        QCOMPARE(risposta.blocchi, Blocchi({Quadrato, seconda}));
        QCOMPARE(r.RispostaPer(risposta.blocchi[0], risposta.blocchi[1]), int(r.RispostaGiusta));
        QCOMPARE(caso.BloccoCorrente(), Bl(seconda));
        QCOMPARE(caso.PercorsoBlocco, caso.PercorsoDi(Bl(seconda)));
    }

    // A chain holds twelve blocks: ten right answers each add one, every
    // pair allowing one answer only; the eleventh completes it.
    void domino_catenaDiDodiciBlocchi_data()
    {
        QTest::addColumn<bool>("resta");
        QTest::newRow("Cosa cambia?") << false;
        QTest::newRow("Cosa resta uguale?") << true;
    }
    void domino_catenaDiDodiciBlocchi()
    {
        QFETCH(bool, resta);
        RegoleDomino r("FormDomino", resta ? RegoleDomino::Regola::CosaRestaUguale : RegoleDomino::Regola::CosaCambia,
                       caso, Orologio);
        r.NuovaCatena();
        for (int passo = 1; passo < RegoleDomino::Passi; ++passo)
            QVERIFY(r.Avanza());
        QCOMPARE(r.PassoCatena, qint16(RegoleDomino::Passi - 1));
        for (int i = 0; i + 1 < RegoleDomino::Blocchi; ++i) {
            QVERIFY(r.Catena[i + 1].valido());
            QVERIFY(r.RispostaPer(r.Catena[i], r.Catena[i + 1]) >= 0);
        }
        QCOMPARE(r.RispostaPer(r.Catena[10], r.Catena[11]), int(r.RispostaGiusta));
        QVERIFY(!r.Avanza());
    }

    // Every game times an answer from its turn's start, a second answer to
    // the same question too, and starts again with the next question; each
    // answer has an id of its own.
    void tempi_dallInizioDelTurno_data()
    {
        QTest::addColumn<int>("gioco");
        for (int i = 0; i < Guide().size(); ++i)
            QTest::newRow(Guide()[i].schermo) << i;
    }
    void tempi_dallInizioDelTurno()
    {
        QFETCH(int, gioco);
        const Guida& guida = Guide()[gioco];
        QCOMPARE(QString(guida.schermo), QString(Registro::Giochi()[gioco].schermo));
        const QList<Risposta> risposte = guida.gioca();
        QCOMPARE(risposte.size(), 3);
        QList<qint64> tempi;
        QList<bool> esatte;
        QSet<QUuid> id;
        for (const Risposta& r : risposte) {
            ControllaGioco(r, guida.schermo);
            tempi << r.millisecondi;
            esatte << r.esatta;
            id.insert(r.id);
            QVERIFY(!r.blocchi.isEmpty());
            for (const Blocco& b : r.blocchi)
                QVERIFY(b.valido());
        }
        QCOMPARE(tempi, (QList<qint64>{250, 600, 100}));
        QCOMPARE(esatte, (QList<bool>{false, true, true}));
        QCOMPARE(id.size(), 3);
    }
};

QTEST_GUILESS_MAIN(ProvaRegole)
#include "tst_regole.moc"
