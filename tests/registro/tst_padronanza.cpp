// What each child has learned: the forward update against values worked out
// by hand, the skills of real questions, the fit recovering known
// probabilities and keeping its bounds, the levels, the stored model read
// back as hostile text, the "su misura" weights and each child's estimates.
#include "registro/Padronanza.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <random>

using namespace Registro;
using namespace Registro::Padronanza;

namespace {

// Predefinito()'s probabilities: L0 0.2, T 0.1, G 0.25, S 0.1.
const Parametri Base{0.2, 0.1, 0.25, 0.1};

// A screen of the catalogue and the chance of a right answer there without
// the skill.
struct Schermo {
    const char* nome;
    double indovinare;
};

// Answers of the forma skill by a class following the model exactly, from a
// seeded generator: each child starts learned with probability L0, answers
// right with 1 - S when learned and with the screen's guess when not, and
// learns with probability T after each answer. Children are interleaved
// answer by answer, as a register gives them.
QList<Prova> Generate(const Parametri& vero, const QList<Schermo>& schermi, int bambini, int risposte,
                      unsigned seme)
{
    std::mt19937_64 caso(seme);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<bool> appreso(bambini);
    for (int b = 0; b < bambini; ++b)
        appreso[b] = u(caso) < vero.iniziale;
    QList<Prova> prove;
    for (int n = 0; n < risposte; ++n)
        for (int b = 0; b < bambini; ++b) {
            const Schermo& s = schermi[(n + b) % schermi.size()];
            const bool esatta = u(caso) < (appreso[b] ? 1 - vero.sbagliare : s.indovinare);
            prove.append({b + 1, 1000LL * n, QString::fromLatin1(s.nome), 1u << int(Abilita::Forma), esatta});
            appreso[b] = appreso[b] || u(caso) < vero.apprendimento;
        }
    return prove;
}

void Limiti(const Modello& m)
{
    for (const Parametri& p : m.abilita) {
        for (double v : {p.iniziale, p.apprendimento, p.indovinare, p.sbagliare}) {
            QVERIFY(v > 0);
            QVERIFY(v < 1);
        }
        QVERIFY(p.indovinare <= MassimoIndovinare);
        QVERIFY(p.sbagliare <= MassimoSbagliare);
    }
    for (const auto& g : m.indovinarePerGioco)
        for (double v : g) {
            QVERIFY(v > 0);
            QVERIFY(v <= MassimoIndovinare);
        }
}

QByteArray Json(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

} // namespace

class ProvaPadronanza : public QObject {
    Q_OBJECT

private slots:
    // The equations of Corbett and Anderson (1994), with L0 = 0.2, T = 0.1,
    // G = 0.25, S = 0.1:
    //   P(right) = L (1 - S) + (1 - L) G = 0.2 * 0.9 + 0.8 * 0.25 = 0.38
    //   right from 0.2: L|right = 0.18 / 0.38 = 9/19; then 9/19 + 10/19 * 0.1 = 10/19
    //   wrong from 0.2: L|wrong = 0.02 / (0.02 + 0.8 * 0.75) = 1/31; then 1/31 + 30/31 * 0.1 = 4/31
    //   right from 10/19: (9/19) / (9/19 + 9/19 * 0.25) = 0.8; then 0.8 + 0.2 * 0.1 = 0.82
    //   wrong from 0.82: 0.082 / (0.082 + 0.18 * 0.75) = 82/217; then (82 + 13.5) / 217 = 95.5/217
    void aggiornaComeNelleEquazioni()
    {
        QCOMPARE(ProbabilitaEsatta(0.2, Base), 0.38);
        QCOMPARE(Aggiorna(0.2, true, Base), 10.0 / 19);
        QCOMPARE(Aggiorna(0.2, false, Base), 4.0 / 31);
        QCOMPARE(Aggiorna(Aggiorna(0.2, true, Base), true, Base), 0.82);
        QCOMPARE(Aggiorna(0.82, false, Base), 95.5 / 217);
    }

    void abilitaDelleDomande()
    {
        const unsigned trova = AbilitaDi({{"forma", "triangolo"}, {"colore", "rosso"}, {"dimensione", "grande"},
                                          {"spessore", "spesso"}});
        QCOMPARE(trova, 0b01111u);
        QCOMPARE(AbilitaDi({{"colore", "rosso", true}}), 1u << int(Abilita::Colore) | 1u << int(Abilita::ConNon));
        QCOMPARE(AbilitaDi({{"spessore", {}}, {"dimensione", "piccolo"}}), 0b01100u);
        // "niente" in the chain games asks no attribute.
        QCOMPARE(AbilitaDi({Domanda{}}), 0u);
        QVERIFY(Esercita(trova, Abilita::Spessore));
        QVERIFY(!Esercita(trova, Abilita::ConNon));
    }

    // 500 children of 40 answers each, on two screens of very different
    // guesses: every probability comes back within 0.05.
    void adattaRitrovaLeProbabilita()
    {
        const Parametri vero{0.3, 0.08, 0.2, 0.12};
        const QList<Schermo> schermi{{"form1", 0.45}, {"FormTrova", 0.1}};
        const Modello m = Adatta(Generate(vero, schermi, 500, 40, 33));
        const Parametri forma = m.abilita[int(Abilita::Forma)];
        QVERIFY2(std::abs(forma.iniziale - vero.iniziale) < 0.05, qPrintable(QString::number(forma.iniziale)));
        QVERIFY2(std::abs(forma.apprendimento - vero.apprendimento) < 0.05,
                 qPrintable(QString::number(forma.apprendimento)));
        QVERIFY2(std::abs(forma.sbagliare - vero.sbagliare) < 0.05, qPrintable(QString::number(forma.sbagliare)));
        for (const Schermo& s : schermi) {
            const double g = m.di(Abilita::Forma, QString::fromLatin1(s.nome)).indovinare;
            QVERIFY2(std::abs(g - s.indovinare) < 0.05, qPrintable(QStringLiteral("%1 %2").arg(s.nome).arg(g)));
        }
        // The skills without answers keep the defaults, in every game too.
        QCOMPARE(m.abilita[int(Abilita::Colore)], Predefinito().abilita[int(Abilita::Colore)]);
        QCOMPARE(m.di(Abilita::Colore, "form1"), Predefinito().abilita[int(Abilita::Colore)]);
        QCOMPARE(m.prove, 500 * 40);
        QVERIFY(m.adattato.isValid());
    }

    // The fit follows each child's answers in time, whatever order the
    // children come in.
    void adattaQualunqueOrdineDeiBambini()
    {
        QList<Prova> prove = Generate({0.3, 0.08, 0.2, 0.12}, {{"zirp7", 0.4}}, 40, 30, 5);
        Modello interleaved = Adatta(prove);
        std::stable_sort(prove.begin(), prove.end(), [](const Prova& a, const Prova& b) { return a.bambino > b.bambino; });
        std::reverse(prove.begin(), prove.end());  // each child's answers newest first now
        Modello perBambino = Adatta(prove);
        perBambino.adattato = interleaved.adattato;
        QCOMPARE(perBambino, interleaved);
    }

    // A class that can explain nothing but by guessing or slipping: the
    // bounds hold, and the model is one the register accepts back.
    void adattaNeiLimiti_data()
    {
        QTest::addColumn<bool>("esatta");
        QTest::newRow("always right") << true;
        QTest::newRow("always wrong") << false;
    }
    void adattaNeiLimiti()
    {
        QFETCH(bool, esatta);
        // Each skill asked alone in turn, "NON" with the shape.
        static const unsigned abilita[] = {0b00001u, 0b00010u, 0b00100u, 0b01000u, 0b10001u};
        QList<Prova> prove;
        for (int n = 0; n < 50; ++n)
            for (qint64 b = 1; b <= 30; ++b)
                prove.append({b, n, n % 2 ? "form1" : "zirp8", abilita[n % 5], esatta});
        const Modello m = Adatta(prove);
        Limiti(m);
        QCOMPARE(m.indovinarePerGioco.size(), 2);
        QCOMPARE(Modello::DaJson(m.json()), std::optional(m));
    }

    // Under MinimoRisposteAbilita answers a skill keeps the defaults; under
    // MinimoRisposteGioco a game keeps the skill's own guess.
    void prediefinitiFinoAbbastanza()
    {
        const auto prove = [](int forma, int colore, int zirp3) {
            QList<Prova> p;
            for (int i = 0; i < forma; ++i)
                p.append({1 + i % 10, i, i < zirp3 ? "zirp3" : "form1", 1u << int(Abilita::Forma), i % 3 > 0});
            for (int i = 0; i < colore; ++i)
                p.append({1 + i % 10, i, "form1", 1u << int(Abilita::Colore), i % 3 > 0});
            return p;
        };
        const Modello poche = Adatta(prove(MinimoRisposteAbilita - 1, 300, 0));
        QCOMPARE(poche.abilita[int(Abilita::Forma)], Base);
        QVERIFY(poche.abilita[int(Abilita::Colore)] != Base);
        QCOMPARE(poche.indovinarePerGioco.keys(), QList<QString>{"form1"});
        QCOMPARE(poche.di(Abilita::Forma, "form1"), Base);

        const Modello abbastanza = Adatta(prove(MinimoRisposteAbilita, MinimoRisposteAbilita - 1, MinimoRisposteGioco));
        const Parametri forma = abbastanza.abilita[int(Abilita::Forma)];
        QVERIFY(forma != Base);
        QCOMPARE(abbastanza.abilita[int(Abilita::Colore)], Base);
        QCOMPARE(abbastanza.indovinarePerGioco.size(), 2);
        // A game's skills without a guess of their own take the skill's.
        QCOMPARE(abbastanza.di(Abilita::Colore, "zirp3"), Base);
        QCOMPARE(Adatta(prove(MinimoRisposteAbilita, 0, MinimoRisposteGioco - 1)).indovinarePerGioco.keys(),
                 QList<QString>{"form1"});
        // An answer of several skills is a chance to learn each, but not the
        // evidence of any: alone, it leaves the defaults.
        QList<Prova> trova = prove(300, 0, 0);
        for (Prova& p : trova)
            p.abilita = 0b01111u;
        QCOMPARE(Adatta(trova).abilita, Predefinito().abilita);
        // Screens outside the catalogue never get one.
        QList<Prova> ignoti = prove(300, 0, 0);
        for (Prova& p : ignoti)
            p.schermo = "formX";
        QVERIFY(Adatta(ignoti).indovinarePerGioco.isEmpty());
    }

    void livelli_data()
    {
        QTest::addColumn<double>("stima");
        QTest::addColumn<int>("risposte");
        QTest::addColumn<Livello>("livello");
        QTest::newRow("4 answers, sure") << 0.99 << 4 << Livello::PocheRisposte;
        QTest::newRow("0 answers") << 0.2 << 0 << Livello::PocheRisposte;
        QTest::newRow("5 answers, sure") << 0.99 << 5 << Livello::Acquisito;
        QTest::newRow("0.95") << 0.95 << 5 << Livello::Acquisito;
        QTest::newRow("just under 0.95") << 0.9499 << 40 << Livello::InVia;
        QTest::newRow("0.6") << 0.6 << 5 << Livello::InVia;
        QTest::newRow("just under 0.6") << 0.5999 << 5 << Livello::NonAncora;
    }
    void livelli()
    {
        QFETCH(double, stima);
        QFETCH(int, risposte);
        QFETCH(Livello, livello);
        QCOMPARE(LivelloDi(stima, risposte), livello);
        QCOMPARE((Stima{stima, risposte, {}}.livello()), livello);
    }

    void modelloLettoComeScritto()
    {
        Modello m = Adatta(Generate({0.3, 0.08, 0.2, 0.12}, {{"form1", 0.45}, {"zirp3", 0.15}}, 20, 20, 9));
        QCOMPARE(m.indovinarePerGioco.size(), 2);
        QCOMPARE(Modello::DaJson(m.json()), std::optional(m));
        QCOMPARE(Modello::DaJson(Predefinito().json()), std::optional(Predefinito()));
    }

    // A stored model is hostile text: any value out of its bounds, of the
    // wrong type or size refuses it whole.
    void modelloOstile_data()
    {
        QTest::addColumn<QByteArray>("testo");
        const QJsonObject buono = QJsonDocument::fromJson(Predefinito().json()).object();
        const auto conAbilita = [&](const char* chiave, const QJsonValue& valore) {
            QJsonObject o = buono, a = o["abilita"].toObject();
            a[chiave] = valore;
            o["abilita"] = a;
            return Json(o);
        };
        const auto conGiochi = [&](const QJsonObject& giochi) {
            QJsonObject o = buono;
            o["indovinare"] = giochi;
            return Json(o);
        };
        QTest::newRow("guess 0.5") << conAbilita("forma", QJsonArray{0.2, 0.1, 0.5, 0.1});
        QTest::newRow("slip 0.3") << conAbilita("colore", QJsonArray{0.2, 0.1, 0.2, 0.3});
        QTest::newRow("negative") << conAbilita("spessore", QJsonArray{-0.1, 0.1, 0.2, 0.1});
        QTest::newRow("over 1") << conAbilita("con_non", QJsonArray{1.5, 0.1, 0.2, 0.1});
        QTest::newRow("huge") << QByteArray(Json(buono)).replace("0.2,", "1e999,");
        QTest::newRow("NaN") << QByteArray(Json(buono)).replace("0.2,", "NaN,");
        QTest::newRow("text for a number") << conAbilita("forma", QJsonArray{"0.2", 0.1, 0.2, 0.1});
        QTest::newRow("three probabilities") << conAbilita("forma", QJsonArray{0.2, 0.1, 0.2});
        QTest::newRow("five probabilities") << conAbilita("forma", QJsonArray{0.2, 0.1, 0.2, 0.1, 0.1});
        QTest::newRow("object for the probabilities") << conAbilita("forma", QJsonObject{{"iniziale", 0.2}});
        QTest::newRow("a skill missing") << QByteArray(Json(buono)).replace("\"dimensione\"", "\"altro\"");
        QTest::newRow("a game's guess 0.6") << conGiochi({{"form1", QJsonArray{0.6, 0.2, 0.2, 0.2, 0.2}}});
        QTest::newRow("a game's four guesses") << conGiochi({{"form1", QJsonArray{0.2, 0.2, 0.2, 0.2}}});
        QTest::newRow("a game's long name") << conGiochi({{QString(33, 'x'), QJsonArray{0.2, 0.2, 0.2, 0.2, 0.2}}});
        QJsonObject tanti;
        for (int i = 0; i < 65; ++i)
            tanti[QString::number(i)] = QJsonArray{0.2, 0.2, 0.2, 0.2, 0.2};
        QTest::newRow("65 games") << conGiochi(tanti);
        QJsonObject quando = buono;
        quando["adattato"] = 1e300;
        QTest::newRow("a moment out of range") << Json(quando);
        quando["adattato"] = 1.5;
        QTest::newRow("a moment not whole") << Json(quando);
        QTest::newRow("an array") << QByteArray("[1, 2]");
        QTest::newRow("not JSON") << QByteArray("{\"abilita\": ");
        QTest::newRow("too long") << QByteArray(Json(buono)).append(QByteArray(70000, ' '));
    }
    void modelloOstile()
    {
        QFETCH(QByteArray, testo);
        QVERIFY(!Modello::DaJson(testo));
    }

    void pesiSuMisura()
    {
        QCOMPARE(PesiSuMisura({1.0, 0.95, 0.5, 0.0}), (std::array<double, 4>{PesoMinimo, PesoMinimo, 0.5, 1.0}));
        QCOMPARE(PesiSuMisura({0.85, 0.2, 0.2, 0.2})[0], 1 - 0.85);
    }

    // Each child's estimates apart, the game's own guess used: with G = 0.45
    // in form1 a right answer from 0.2 gives 0.18 / (0.18 + 0.8 * 0.45) = 1/3,
    // then 1/3 + 2/3 * 0.1 = 0.4.
    void stimePerBambino()
    {
        Modello m = Predefinito();
        m.indovinarePerGioco.insert("form1", {0.45, 0.45, 0.45, 0.45, 0.45});
        Stime stime(m);
        const unsigned forma = 1u << int(Abilita::Forma);
        stime.aggiungi({7, 1, "form1", forma, true});
        stime.aggiungi({9, 2, "zirp3", forma | 1u << int(Abilita::Colore), true});
        stime.aggiungi({9, 3, "zirp3", forma, false});
        stime.aggiungi({9, 4, "form1", forma, true});
        QCOMPARE(stime.bambini(), (QList<qint64>{7, 9}));
        const Stima sette = stime.di(7, Abilita::Forma);
        QCOMPARE(sette.stima, 0.4);
        QCOMPARE(sette.risposte, 1);
        QCOMPARE(sette.giocoPiuGiocato, "form1");
        const Stima nove = stime.di(9, Abilita::Forma);
        QCOMPARE(nove.stima, Aggiorna(Aggiorna(10.0 / 19, false, Base), true, m.di(Abilita::Forma, "form1")));
        QCOMPARE(nove.risposte, 3);
        QCOMPARE(nove.giocoPiuGiocato, "zirp3");
        QCOMPARE(stime.di(9, Abilita::Colore).stima, 10.0 / 19);
        // Nothing answered: the start's estimate, no answers.
        QCOMPARE(stime.di(7, Abilita::Colore).stima, Base.iniziale);
        QCOMPARE(stime.di(7, Abilita::Colore).risposte, 0);
        QCOMPARE(stime.di(3, Abilita::Forma).livello(), Livello::PocheRisposte);
    }
};

QTEST_GUILESS_MAIN(ProvaPadronanza)
#include "tst_padronanza.moc"
