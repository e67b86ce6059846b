#include "app/Seduta.h"
#include "app/Servizi.h"
#include "controls/Bottone.h"
#include "games/form1/form1.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QLabel>
#include <QSet>
#include <QTest>

// What a child sees of a learning path: the marks on the menu's buttons,
// the games outside a "solo il percorso" path closed, a path done, and a
// game under a step with its attributes, its stars and its celebration.

namespace {

Passo P(const char* gioco, int esatte, AttributiInGioco attributi = {})
{
    return {QString::fromLatin1(gioco), attributi, esatte};
}

void Imposta(QList<Passo> passi, QList<int> esatte = {}, bool solo = false)
{
    Percorso percorso{QStringLiteral("Prime forme"), {}, solo, std::move(passi)};
    Seduta::ImpostaAvanzamento(Avanzamento(std::move(percorso), esatte));
}

Bottone* BottoneDi(const char* nome)
{
    return Ctl<Bottone>(IdSchermo::formMenu, QString::fromLatin1(nome));
}

int Volte(const QStringList& percorsi, const QString& file)
{
    return int(std::count_if(percorsi.begin(), percorsi.end(), [&](const QString& p) { return p.endsWith(file); }));
}

const Partita::VoceGioco& UgualeDiverso()
{
    return Partita::Giochi().first();
}

} // namespace

class ProvaPercorsoSchermi : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        Seduta::ImpostaAvanzamento(std::nullopt);
        servizi().registra = {};
    }

    // Without a path the menu and a game are as designed: no mark, no
    // description, every game open, no stars, all four attributes in play.
    void senzaPercorso_tuttoComePrima()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        for (const Partita::VoceGioco& g : Partita::Giochi()) {
            Bottone* b = BottoneDi(g.bottoneMenu);
            QVERIFY(b->isEnabled());
            QVERIFY(b->icon().isNull());
            QVERIFY(b->accessibleDescription().isEmpty());
        }
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->finestra()->findChild<QWidget*>("Traguardo"));
        Partita::ApriDalMenu(UgualeDiverso());
        QVERIFY(Gioco<form1>(IdSchermo::form1).InGioco().tutti());
        QVERIFY(!Schermi::Trova(IdSchermo::form1)->finestra()->findChild<QLabel*>("StellePercorso"));
        QCOMPARE(Volte(a.suono.voci, "/ben_fatto.wav"), 0);
        QVERIFY(a.suono.suonati.isEmpty());
    }

    // Each game of the path shows its step: done, the next, or to come; a
    // game in two steps shows the first not done. Games outside the path
    // stay open and unmarked.
    void menu_segniEDescrizioni()
    {
        Ambiente a;
        Imposta({P("FORM2", 1), P("form1", 2), P("zirp7", 3), P("form1", 4), P("zirp3", 1)}, {1, 1, 0, 0, 1});
        Partita::AvviaFinoAlMenu();
        QCOMPARE(BottoneDi("Command2")->accessibleDescription(), QStringLiteral("passo 1 di 5, fatto"));
        QCOMPARE(BottoneDi("Command1")->accessibleDescription(), QStringLiteral("passo 2 di 5, il prossimo"));
        QCOMPARE(BottoneDi("Command4")->accessibleDescription(), QStringLiteral("passo 3 di 5"));
        QCOMPARE(BottoneDi("Command3")->accessibleDescription(), QStringLiteral("passo 5 di 5, fatto"));
        QSet<qint64> segni;
        for (const char* nome : {"Command1", "Command2", "Command4"}) {
            segni.insert(BottoneDi(nome)->icon().cacheKey());
            QVERIFY(BottoneDi(nome)->iconSize().height() > BottoneDi(nome)->height() / 2);
        }
        QCOMPARE(segni.size(), 3);
        QVERIFY(BottoneDi("Command8")->icon().isNull());
        QVERIFY(BottoneDi("Command8")->isEnabled());
        QVERIFY(a.suono.voci.filter("ben_fatto").isEmpty());
    }

    // "solo il percorso": the games outside it cannot be opened.
    void menu_soloIlPercorso()
    {
        Ambiente a;
        Imposta({P("FORM2", 3), P("zirp9", 1, {1, 2})}, {}, true);
        Partita::AvviaFinoAlMenu();
        for (const Partita::VoceGioco& g : Partita::Giochi()) {
            const bool nelPercorso = g.id == IdSchermo::FORM2 || g.id == IdSchermo::zirp9;
            QCOMPARE(BottoneDi(g.bottoneMenu)->isEnabled(), nelPercorso);
        }
    }

    // A path done shows on the menu, with the jingle and "Ben fatto!" the
    // first time only.
    void menu_percorsoFinito_unaFestaSola()
    {
        Ambiente a;
        Imposta({P("form1", 1), P("FormTrova", 2)}, {1, 2});
        Partita::AvviaFinoAlMenu();
        QVERIFY(Ctl(IdSchermo::formMenu, "Traguardo")->isVisible());
        QCOMPARE(Volte(a.suono.suonati, "/si1.wav"), 1);
        QTRY_COMPARE(Volte(a.suono.voci, "/ben_fatto.wav"), 1);
        Partita::ApriDalMenu(UgualeDiverso());
        Partita::TornaAlMenu(a, IdSchermo::form1);
        QVERIFY(Ctl(IdSchermo::formMenu, "Traguardo")->isVisible());
        QTest::qWait(1500);
        QCOMPARE(Volte(a.suono.voci, "/ben_fatto.wav"), 1);
    }

    // Under a step the game asks only its attributes, the stars count the
    // right answers (not the wrong ones), and the goal is celebrated once;
    // the game goes on.
    void gioco_attributiStelleEFesta()
    {
        Ambiente a;
        QList<Registro::Risposta> risposte;
        servizi().registra = [&](const Registro::Risposta& r) { risposte.append(r); };
        Imposta({P("form1", 3, {2})}, {1});
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(UgualeDiverso());
        QCOMPARE(Gioco<form1>(IdSchermo::form1).InGioco(), AttributiInGioco({2}));
        auto* stelle = Ctl<QLabel>(IdSchermo::form1, "StellePercorso");
        QCOMPARE(stelle->accessibleName(), QStringLiteral("1 di 3"));
        QVERIFY(Partita::Sbagliata(IdSchermo::form1));
        QCOMPARE(stelle->accessibleName(), QStringLiteral("1 di 3"));
        QVERIFY(Partita::Giusta(IdSchermo::form1));
        QCOMPARE(stelle->accessibleName(), QStringLiteral("2 di 3"));
        QVERIFY(!Ctl(IdSchermo::form1, "FestaPercorso")->isVisible());
        QVERIFY(Partita::Giusta(IdSchermo::form1));
        QCOMPARE(stelle->accessibleName(), QStringLiteral("3 di 3"));
        QVERIFY(Ctl(IdSchermo::form1, "FestaPercorso")->isVisible());
        QTRY_COMPARE(Volte(a.suono.voci, "/ben_fatto.wav"), 1);
        QTRY_VERIFY(!Ctl(IdSchermo::form1, "FestaPercorso")->isVisible());
        for (int i = 0; i < 3; ++i)
            QVERIFY(Partita::Giusta(IdSchermo::form1));
        QCOMPARE(stelle->accessibleName(), QStringLiteral("3 di 3"));
        QTest::qWait(1200);
        QCOMPARE(Volte(a.suono.voci, "/ben_fatto.wav"), 1);
        QVERIFY(Seduta::AvanzamentoDelBambino()->fatto(0));
        for (const Registro::Risposta& r : risposte)
            QCOMPARE(r.domande.value(0).attributo, QStringLiteral("colore"));
        QCOMPARE(risposte.size(), 6);
    }
};

TESSELO_TEST_MAIN(ProvaPercorsoSchermi)
#include "tst_percorso_schermi.moc"
