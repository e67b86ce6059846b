// Each game's draws with fewer attributes in play, on the rules library
// alone: a turn asks only about attributes in play, each about equally
// often, mapped onto them in the game's own order; with all four in play the
// draws are the design's. On a "su misura" step the one Rnd of the draw falls
// on the attributes by their weights, "none" keeping its share, and without
// weights every draw is as before.
#include "games/FORM2/RegoleFORM2.h"
#include "games/FormDomino/RegoleDomino.h"
#include "games/FormTrova/RegoleTrova.h"
#include "games/Posti/RegolePosti.h"
#include "games/form1/RegoleForm1.h"
#include "games/zirp3/RegoleZirp3.h"
#include "registro/Padronanza.h"
#include "tests/support/CasoPilotato.h"

#include <QTest>
#include <cmath>
#include <tuple>

Q_DECLARE_METATYPE(AttributiInGioco)

namespace {

// What each turn asked, as attribute kinds (1 shape, 2 colour, 3 size,
// 4 thickness; Estrazioni::Niente for "none"), one list per turn: one kind,
// or two for the games of two conditions, first condition first.
using Turni = QList<QList<int>>;

// A game's rules, made on the draws, told the attributes in play (and
// prepared further, when asked) and played for n turns; no turn when they
// refuse them.
using Prepara = std::function<void(RegoleGioco& regole)>;
struct Partita {
    std::function<Turni(Estrazioni& caso, const AttributiInGioco& inGioco, int n, const Prepara& prepara)> gioca;
    Turni operator()(Estrazioni& caso, const AttributiInGioco& inGioco, int n, const Prepara& prepara = {}) const
    {
        return gioca(caso, inGioco, n, prepara);
    }
};
template <class Regole, class... Argomenti>
Partita Gioca(std::function<QList<int>(Regole&)> turno, Argomenti... argomenti)
{
    return {[=](Estrazioni& caso, const AttributiInGioco& inGioco, int n, const Prepara& prepara) {
        Regole r(argomenti..., caso, RegoleGioco::Orologio{});
        if (prepara)
            prepara(r);
        Turni turni;
        for (int i = 0; i < n && r.ImpostaAttributiInGioco(inGioco); ++i)
            turni.append(turno(r));
        return turni;
    }};
}

// The chain games: each block after the first asks one attribute, or none.
Partita Domino(const char* schermo, RegoleDomino::Regola regola)
{
    return Gioca<RegoleDomino>(
        [](RegoleDomino& r) {
            if (r.Catena[1] == Blocco{} || !r.Avanza())
                r.NuovaCatena();
            return QList<int>{r.RispostaGiusta + 1};
        },
        schermo, regola);
}

Partita Posti(const char* schermo, int posti, int capienza)
{
    return Gioca<RegolePosti>(
        [](RegolePosti& r) {
            if (r.NumeroPosti == 4)
                r.ScegliCriteri();
            else
                r.ScegliCriterio();
            return r.NumeroPosti == 4 ? QList<int>{r.Criterio1, r.Criterio2} : QList<int>{r.Criterio1};
        },
        schermo, posti, capienza);
}

struct Gioco {
    const char* schermo;
    int minimo;  // the fewest attributes in play it takes
    bool niente;  // "none" is an answer
    Partita gioca;
};

const QList<Gioco>& Giochi()
{
    static const QList<Gioco> giochi{
        {"form1", 1, false, Gioca<RegoleForm1>([](RegoleForm1& r) {
             r.ScegliAttributo();
             return QList<int>{RegoleForm1::Voce(r.Attributo).criterio};
         })},
        // A set's draw: a turn shown draws again a set that none of its four
        // blocks belongs to, which happens more often to an attribute of more
        // values, so the design shows the sets of the others more often.
        {"FORM2", 1, false, Gioca<RegoleFORM2>([](RegoleFORM2& r) {
             r.ScegliInsieme();
             return QList<int>{r.Criterio};
         })},
        {"zirp3", 1, false, Gioca<RegoleZirp3>([](RegoleZirp3& r) {
             r.PreparaTurno();
             return QList<int>{r.Criterio};
         })},
        {"zirp7", 1, false, Posti("zirp7", 2, 4)},
        {"zirp8", 2, false, Posti("zirp8", 4, 2)},
        {"zirp9", 2, false, Posti("zirp9", 4, 2)},
        {"FormDomino", 1, true, Domino("FormDomino", RegoleDomino::Regola::CosaCambia)},
        {"FormDomino2", 1, true, Domino("FormDomino2", RegoleDomino::Regola::CosaRestaUguale)},
    };
    return giochi;
}

// Draws through a seeded generator, counting them.
struct Seminato {
    explicit Seminato(std::uint64_t seme) : generatore(seme) {}
    SeededRandom generatore;
    int estratti = 0;
    Estrazioni caso{[this] {
                        ++estratti;
                        return generatore.rnd();
                    },
                    [](const Blocco& b) { return b.percorso(QStringLiteral("cartella")); }};
};

// Every subset of the four of one to three attributes.
QList<AttributiInGioco> Sottoinsiemi()
{
    QList<AttributiInGioco> tutti;
    for (int maschera = 1; maschera < 15; ++maschera) {
        QList<int> criteri;
        for (int c = 1; c <= 4; ++c)
            if (maschera & (1 << (c - 1)))
                criteri.append(c);
        tutti.append(AttributiInGioco::Di(criteri));
    }
    return tutti;
}

// Weights by kind that cut [0, 1) exactly in binary: shape 1/8, colour 1/2,
// size 1/4, thickness 1/8, as PesiSuMisura gives them for these estimates.
Estrazioni::Pesi PesiEsatti()
{
    return Registro::Padronanza::PesiSuMisura({0.875, 0.5, 0.75, 0.875});
}

} // namespace

class ProvaInGioco : public QObject {
    Q_OBJECT
private slots:
    // floor(Rnd × k) + 1 among the k in play, mapped onto them in the
    // game's own numbering: "uguale - diverso" numbers size before colour,
    // the others colour before size, so the same Rnd asks each its own
    // first; "none" comes after those in play. With all four it is the
    // design's floor(Rnd × 4) + 1, and floor(Rnd × 5) + 1 with "none".
    void ordineDelGioco()
    {
        double rnd = 0;
        Estrazioni caso([&] { return rnd; }, [](const Blocco&) { return QString(); });
        RegoleForm1 form1(caso, {});
        QVERIFY(form1.ImpostaAttributiInGioco({CriterioColore, CriterioDimensione}));
        for (const auto& [r, comune, diForm1] : {std::tuple{0.3, CriterioColore, CriterioDimensione},
                                                 std::tuple{0.7, CriterioDimensione, CriterioColore}}) {
            rnd = r;
            form1.ScegliAttributo();
            QCOMPARE(RegoleForm1::Voce(form1.Attributo).criterio, int(diForm1));
            QCOMPARE(caso.Attributo({CriterioColore, CriterioDimensione}), int(comune));
        }
        for (const double r : {0.0, 0.2499, 0.25, 0.5, 0.9999}) {
            rnd = r;
            QCOMPARE(caso.Attributo(), int(r * 4) + 1);
            QCOMPARE(caso.AttributoONiente(), int(r * 5) + 1);
            QCOMPARE(caso.AttributoONiente({CriterioForma}), r < 0.5 ? 1 : Estrazioni::Niente);
        }
    }

    // A turn asks only about attributes in play (or none, where the game
    // has it), each as often as the others: every place of a turn's kinds
    // is uniform over them, within four standard deviations, for a fixed
    // seed. Two conditions are always two different kinds.
    void soloQuelliInGioco_data()
    {
        QTest::addColumn<int>("gioco");
        QTest::addColumn<AttributiInGioco>("inGioco");
        for (int g = 0; g < Giochi().size(); ++g)
            for (const AttributiInGioco& in : Sottoinsiemi())
                if (in.quanti() >= Giochi()[g].minimo)
                    QTest::addRow("%s %s", Giochi()[g].schermo, qPrintable(in.nomi().join('+'))) << g << in;
    }
    void soloQuelliInGioco()
    {
        QFETCH(int, gioco);
        QFETCH(AttributiInGioco, inGioco);
        constexpr int N = 3000;
        const Gioco& g = Giochi()[gioco];
        Seminato s(20261209 + gioco);
        const Turni turni = g.gioca(s.caso, inGioco, N);
        QCOMPARE(turni.size(), N);

        QList<int> esiti;
        for (int c = 1; c <= 4; ++c)
            if (inGioco.contiene(c))
                esiti.append(c);
        if (g.niente)
            esiti.append(Estrazioni::Niente);
        const double p = 1.0 / esiti.size();
        const double tolleranza = 4 * std::sqrt(N * p * (1 - p));
        for (qsizetype posto = 0; posto < turni[0].size(); ++posto) {
            QMap<int, int> conti;
            for (const QList<int>& turno : turni) {
                QVERIFY2(esiti.contains(turno[posto]), qPrintable(QString::number(turno[posto])));
                ++conti[turno[posto]];
            }
            for (const int esito : esiti)
                QVERIFY2(std::abs(conti[esito] - N * p) <= tolleranza,
                         qPrintable(QStringLiteral("kind %1 asked %2 times of %3").arg(esito).arg(conti[esito]).arg(N)));
        }
        for (const QList<int>& turno : turni)
            if (turno.size() == 2)
                QVERIFY(turno[0] != turno[1]);
    }

    // With all four in play a game draws exactly what it draws without a
    // path, the design's draws: the same kinds turn after turn and the same
    // number of Rnd taken, for the same seed.
    void tuttiEQuattroComeIlDisegno_data()
    {
        QTest::addColumn<int>("gioco");
        for (int g = 0; g < Giochi().size(); ++g)
            QTest::newRow(Giochi()[g].schermo) << g;
    }
    void tuttiEQuattroComeIlDisegno()
    {
        QFETCH(int, gioco);
        const Gioco& g = Giochi()[gioco];
        Seminato disegno(99), percorso(99);
        const Turni attesi = g.gioca(disegno.caso, AttributiInGioco{}, 500);
        const Turni giocati = g.gioca(percorso.caso, AttributiInGioco{1, 2, 3, 4}, 500);
        QCOMPARE(giocati, attesi);
        QCOMPARE(percorso.estratti, disegno.estratti);
        QCOMPARE(percorso.caso.BloccoCorrente(), disegno.caso.BloccoCorrente());
    }

    // A weighted draw takes one Rnd and falls on the attributes in play by
    // their running totals, in the game's own order; "none" comes where the
    // unweighted draw puts it, and the attributes share the rest.
    void suMisura_pesiCumulati()
    {
        double rnd = 0;
        int estratti = 0;
        Estrazioni caso([&] { ++estratti; return rnd; }, [](const Blocco&) { return QString(); });
        const auto pesi = PesiEsatti();
        QCOMPARE(pesi, (Estrazioni::Pesi{0.125, 0.5, 0.25, 0.125}));
        // Shape to 1/8, colour to 5/8, size to 7/8, thickness to the end.
        for (const auto& [r, atteso] : {std::pair{0.0, 1}, {0.1249, 1}, {0.125, 2}, {0.6249, 2}, {0.625, 3},
                                        {0.8749, 3}, {0.875, 4}, {0.9999, 4}}) {
            rnd = r;
            QCOMPARE(caso.Attributo({}, Estrazioni::OrdineComune, pesi), atteso);
        }
        // Colour (1/2) and size (1/4) alone: colour to 2/3 in the common
        // order; "uguale - diverso" numbers size first, so size to 1/3.
        RegoleForm1 form1(caso, {});
        QVERIFY(form1.ImpostaAttributiInGioco({CriterioColore, CriterioDimensione}));
        form1.ImpostaSuMisura([&] { return pesi; });
        QVERIFY(form1.SuMisura());
        for (const auto& [r, comune, diForm1] : {std::tuple{0.33, CriterioColore, CriterioDimensione},
                                                 std::tuple{0.34, CriterioColore, CriterioColore},
                                                 std::tuple{0.66, CriterioColore, CriterioColore},
                                                 std::tuple{0.67, CriterioDimensione, CriterioColore}}) {
            rnd = r;
            form1.ScegliAttributo();
            QCOMPARE(RegoleForm1::Voce(form1.Attributo).criterio, int(diForm1));
            QCOMPARE(caso.Attributo({CriterioColore, CriterioDimensione}, Estrazioni::OrdineComune, pesi), int(comune));
        }
        // With "none": 4/5 of [0, 1) for the four by their weights, then none.
        for (const auto& [r, atteso] : {std::pair{0.0, 1}, {0.0999, 1}, {0.1, 2}, {0.4999, 2}, {0.5, 3},
                                        {0.7, 4}, {0.7999, 4}, {0.8, Estrazioni::Niente}, {0.9999, Estrazioni::Niente}}) {
            rnd = r;
            QCOMPARE(caso.AttributoONiente({}, Estrazioni::OrdineComune, pesi), atteso);
            QCOMPARE(caso.AttributoONiente({}), int(r * 5) + 1);
        }
        // One attribute in play and none: half each, whatever the weight.
        rnd = 0.4999;
        QCOMPARE(caso.AttributoONiente({CriterioSpessore}, Estrazioni::OrdineComune, pesi), 4);
        rnd = 0.5;
        QCOMPARE(caso.AttributoONiente({CriterioSpessore}, Estrazioni::OrdineComune, pesi), Estrazioni::Niente);
        QCOMPARE(estratti, 8 + 4 * 2 + 9 * 2 + 2);
    }

    // Over many seeded draws each attribute in play comes up in proportion
    // to its weight, within four standard deviations, and "none" at
    // 1/(k + 1) as without weights; an attribute at the least weight still
    // comes up.
    void suMisura_quoteDeiPesi_data()
    {
        QTest::addColumn<AttributiInGioco>("inGioco");
        QTest::addColumn<bool>("niente");
        for (const AttributiInGioco& in : Sottoinsiemi() + QList<AttributiInGioco>{{}})
            for (const bool niente : {false, true})
                QTest::addRow("%s%s", qPrintable(in.nomi().join('+')), niente ? " or none" : "") << in << niente;
    }
    void suMisura_quoteDeiPesi()
    {
        QFETCH(AttributiInGioco, inGioco);
        QFETCH(bool, niente);
        constexpr int N = 20000;
        // Colour learned, shape nearly, size half-way, thickness not yet.
        const auto pesi = Registro::Padronanza::PesiSuMisura({0.85, 0.99, 0.5, 0.2});
        Seminato s(4242);
        QMap<int, int> conti;
        for (int i = 0; i < N; ++i)
            ++conti[niente ? s.caso.AttributoONiente(inGioco, Estrazioni::OrdineComune, pesi)
                           : s.caso.Attributo(inGioco, Estrazioni::OrdineComune, pesi)];
        QCOMPARE(s.estratti, N);
        const int k = inGioco.quanti();
        const double parte = niente ? double(k) / (k + 1) : 1.0;
        double totale = 0;
        for (int c = 1; c <= 4; ++c)
            if (inGioco.contiene(c))
                totale += pesi[c - 1];
        QMap<int, double> quote;
        for (int c = 1; c <= 4; ++c)
            if (inGioco.contiene(c))
                quote[c] = parte * pesi[c - 1] / totale;
        if (niente)
            quote[Estrazioni::Niente] = 1.0 / (k + 1);
        QCOMPARE(conti.keys(), quote.keys());
        for (auto q = quote.cbegin(); q != quote.cend(); ++q) {
            const double tolleranza = 4 * std::sqrt(N * q.value() * (1 - q.value()));
            QVERIFY2(std::abs(conti[q.key()] - N * q.value()) <= tolleranza,
                     qPrintable(QStringLiteral("kind %1 drawn %2 times of %3, expected %4")
                                    .arg(q.key()).arg(conti[q.key()]).arg(N).arg(N * q.value())));
        }
    }

    // Every game on a "su misura" step asks each attribute in play, the one
    // learned too, and more often those further from learned; the chain
    // games keep "none" at its share. A turn takes as many Rnd as without
    // weights in the games whose other draws do not depend on the attribute
    // asked.
    void suMisura_inOgniGioco_data()
    {
        QTest::addColumn<int>("gioco");
        for (int g = 0; g < Giochi().size(); ++g)
            QTest::newRow(Giochi()[g].schermo) << g;
    }
    void suMisura_inOgniGioco()
    {
        QFETCH(int, gioco);
        const Gioco& g = Giochi()[gioco];
        constexpr int N = 4000;
        // Colour learned: the least weight; thickness not yet.
        const auto pesi = Registro::Padronanza::PesiSuMisura({0.5, 1.0, 0.5, 0.0});
        Seminato pesato(7), uniforme(7);
        const Turni turni = g.gioca(pesato.caso, AttributiInGioco{1, 2, 3, 4}, N,
                                    [&](RegoleGioco& r) { r.ImpostaSuMisura([=] { return pesi; }); });
        const Turni senza = g.gioca(uniforme.caso, AttributiInGioco{1, 2, 3, 4}, N);
        QMap<int, int> conti, contiSenza;
        for (qsizetype i = 0; i < N; ++i) {
            ++conti[turni[i][0]];
            ++contiSenza[senza[i][0]];
        }
        for (int c = 1; c <= 4; ++c)
            QVERIFY2(conti[c] > 0, qPrintable(QStringLiteral("kind %1 never asked").arg(c)));
        QVERIFY2(conti[2] < contiSenza[2] / 3, qPrintable(QStringLiteral("colour %1 times, %2 without weights")
                                                             .arg(conti[2]).arg(contiSenza[2])));
        QVERIFY(conti[4] > conti[1] && conti[4] > conti[3]);
        if (g.niente) {
            const double tolleranza = 4 * std::sqrt(N * 0.2 * 0.8);
            QVERIFY(std::abs(conti[Estrazioni::Niente] - N * 0.2) <= tolleranza);
        }
        if (QByteArray("form1 zirp3 zirp7").split(' ').contains(g.schermo))
            QCOMPARE(pesato.estratti, uniforme.estratti);
    }

    // Without weights every draw is the design's: rules that were on a "su
    // misura" step and are no more draw exactly what rules never on one
    // draw, turn after turn, Rnd for Rnd.
    void suMisura_senzaPesiComeIlDisegno_data() { tuttiEQuattroComeIlDisegno_data(); }
    void suMisura_senzaPesiComeIlDisegno()
    {
        QFETCH(int, gioco);
        const Gioco& g = Giochi()[gioco];
        Seminato disegno(99), tolti(99);
        const Turni attesi = g.gioca(disegno.caso, AttributiInGioco{}, 500);
        const Turni giocati = g.gioca(tolti.caso, AttributiInGioco{}, 500, [](RegoleGioco& r) {
            r.ImpostaSuMisura([] { return PesiEsatti(); });
            r.ImpostaSuMisura({});
        });
        QCOMPARE(giocati, attesi);
        QCOMPARE(tolti.estratti, disegno.estratti);
        QCOMPARE(tolti.caso.BloccoCorrente(), disegno.caso.BloccoCorrente());
    }

    // A game is never told attributes it cannot play with: "trova il
    // blocco" chooses none, the roads with two forks and the table need two.
    // Refused, the attributes in play stay as they were.
    void attributiRifiutati()
    {
        Seminato s(1);
        RegoleTrova trova(s.caso, {});
        QVERIFY(!trova.ImpostaAttributiInGioco({1}) && trova.InGioco().tutti());
        for (const char* schermo : {"zirp8", "zirp9"}) {
            RegolePosti posti(schermo, 4, 2, s.caso, {});
            QVERIFY(posti.ImpostaAttributiInGioco({2, 4}) && !posti.ImpostaAttributiInGioco({3}));
            QCOMPARE(posti.InGioco(), (AttributiInGioco{2, 4}));
        }
    }
};

QTEST_GUILESS_MAIN(ProvaInGioco)
#include "tst_in_gioco.moc"
