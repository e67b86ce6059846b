#include "app/Colori.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Immagine.h"
#include "games/FormDomino/SchermoDomino.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QAction>
#include <QLabel>

Q_DECLARE_METATYPE(IdSchermo)

namespace {

IdSchermo id = IdSchermo::FormDomino;

SchermoDomino& Gioco() { return *static_cast<SchermoDomino*>(Schermi::Trova(id)); }
Immagine* Blocco_(int i) { return Ctl<Immagine>(id, QStringLiteral("Image1(%1)").arg(i)); }
QLabel* Quadrato(int i) { return Ctl<QLabel>(id, QStringLiteral("Label1(%1)").arg(i)); }
Bottone* Risposta(int i) { return Ctl<Bottone>(id, QStringLiteral("Command1(%1)").arg(i)); }
QString Testo(const char* nome) { return Ctl<QLabel>(id, nome)->text(); }
quint32 Sfondo() { return ValoreColore(Schermi::Trova(id)->finestra()->sfondo()); }

// The four words of the block a chain picture shows.
QStringList ParoleDi(int i) { return Blocco_(i)->accessibleName().split(' '); }

// Opens the screen: the load colour, then the chain's colour, its first
// block and the first derivation (the answer drawn, then any words drawn).
void Apri(Ambiente& a, IdSchermo schermo, const Blocco& primo, int risposta, QList<double> parole = {},
          int colore = 5)
{
    id = schermo;
    a.caso.accoda({RndPer(2, 18), RndPer(colore, 18)});
    a.caso.accoda(RndPerBlocco(primo));
    a.caso.accoda({RndPer(risposta + 1, 5)});
    a.caso.accoda(parole);
    Schermi::Mostra(id);
}

// Opens the screen with unscripted draws.
void ApriACaso(IdSchermo schermo)
{
    id = schermo;
    Schermi::Mostra(id);
}

// Each square's letter and whether it shows.
QStringList Quadrati()
{
    QStringList stato;
    for (int i = 0; i < 11; ++i)
        stato << Quadrato(i)->text() + (Quadrato(i)->isVisible() ? "+" : "-");
    return stato;
}

void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void RispondiGiusto() { Clic(Risposta(Gioco().RispostaGiusta)); }

// What the design says the two screens differ in.
void DueSchermi()
{
    QTest::addColumn<IdSchermo>("schermo");
    QTest::addColumn<QString>("domanda");
    QTest::newRow("Cosa cambia?") << IdSchermo::FormDomino << Testi::NomeGioco("Cosa cambia?");
    QTest::newRow("Cosa resta uguale?") << IdSchermo::FormDomino2 << Testi::NomeGioco("Cosa resta uguale?");
}

const Blocco TriRossoGS = B("triangolo", "rosso", "grande", "spesso");

} // namespace

class ProvaDomino : public QObject {
    Q_OBJECT
private slots:
    void init() { SvuotaEventi(); }

    // The menu's buttons open the games, each at a new chain: two blocks,
    // the first square shown empty, everything else empty or hidden, counts
    // at 0 and the chain's own background colour.
    void apertura_dalMenuUnaCatenaDiDueBlocchi_data() { DueSchermi(); }
    void apertura_dalMenuUnaCatenaDiDueBlocchi()
    {
        QFETCH(IdSchermo, schermo);
        QFETCH(QString, domanda);
        Ambiente a;
        Schermi::Mostra(IdSchermo::formMenu);
        id = schermo;
        a.caso.accoda({RndPer(2, 18), RndPer(9, 18)});
        a.caso.accoda(RndPerBlocco(TriRossoGS));
        a.caso.accoda({RndPer(3, 5)});
        Clic(Ctl<Bottone>(IdSchermo::formMenu, schermo == IdSchermo::FormDomino ? "Command10" : "Command11"));
        SvuotaEventi();
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Testo("Label2"), domanda);
        QCOMPARE(Sfondo(), Modulo1::Palette[9]);
        QCOMPARE(Gioco().PassoCatena, qint16(0));
        QCOMPARE(Gioco().RispostaGiusta, qint16(2));
        QCOMPARE(Blocco_(0)->accessibleName(), TriRossoGS.nome());
        QVERIFY(!Blocco_(1)->vuota());
        for (int i = 2; i < 12; ++i)
            QVERIFY(Blocco_(i)->vuota());
        QCOMPARE(Quadrati(), QStringList({"+", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
        QCOMPARE(Testo("etEsatti"), Tr("esatti"));
    }

    // Nothing changing on "Cosa cambia?" shows the same picture twice, and
    // only "N" is right; a new shape is drawn again while it equals the old.
    void cambia_nienteEForma()
    {
        Ambiente a;
        Apri(a, IdSchermo::FormDomino, TriRossoGS, 4);
        QCOMPARE(Blocco_(1)->immagine(), Blocco_(0)->immagine());
        for (int i = 0; i < 4; ++i)
            Clic(Risposta(i));
        QCOMPARE(Gioco().PassoCatena, qint16(0));
        a.caso.accoda({RndPer(1, 4), RndPer(1, 5), RndPer(4, 4), RndPer(4, 4), RndPer(2, 4)});
        Clic(Risposta(4));
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Quadrato(0)->text(), RegoleDomino::Lettera(4));
        QCOMPARE(Blocco_(2)->accessibleName(), QString("quadrato rosso grande spesso"));
        QCOMPARE(Modulo1::PercorsoBlocco, Modulo1::PercorsoDi(B("quadrato", "rosso", "grande", "spesso")));
    }

    // Nothing staying on "Cosa resta uguale?": all four change, the toggles
    // first and then the colour and shape draws, each drawn again while it
    // equals the current word; only "N" is right.
    void restaUguale_nienteResta_cambianoTutti()
    {
        Ambiente a;
        Apri(a, IdSchermo::FormDomino2, TriRossoGS, 4,
             {RndPer(1, 3), RndPer(3, 3), RndPer(4, 4), RndPer(1, 4)});
        QCOMPARE(a.caso.inCoda(), std::size_t(0));
        QCOMPARE(Blocco_(1)->accessibleName(), QString("rotondo blu piccolo sottile"));
        for (int i = 0; i < 4; ++i)
            Clic(Risposta(i));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(4));
        Clic(Risposta(4));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
    }

    // Over many steps: neighbours differ in exactly one attribute or none
    // ("Cosa cambia?"), or agree in exactly one or none ("Cosa resta
    // uguale?"), so exactly one button fits, and it is the one the screen
    // holds as right. The newest picture is the shared current block, its
    // path rebuilt by the path rule. Every answer turns up.
    void regole_suMoltiPassi_data() { DueSchermi(); }
    void regole_suMoltiPassi()
    {
        QFETCH(IdSchermo, schermo);
        Ambiente a(77);
        Modulo1::SuonoAttivo = false;
        ApriACaso(schermo);
        const bool cambia = schermo == IdSchermo::FormDomino;
        std::array<int, 5> volte{};
        for (int passo = 0; passo < 600; ++passo) {
            const int p = Gioco().PassoCatena;
            const QStringList prima = ParoleDi(p), dopo = ParoleDi(p + 1);
            QList<int> contati;  // the attributes that differ, or that agree
            for (int k = 0; k < 4; ++k)
                if ((prima[k] != dopo[k]) == cambia)
                    contati.append(k);
            QVERIFY(contati.size() <= 1);
            const int atteso = contati.isEmpty() ? 4 : contati[0];
            QCOMPARE(int(Gioco().RispostaGiusta), atteso);
            QCOMPARE(Blocco_(p + 1)->accessibleName(), Modulo1::BloccoCorrente().nome());
            QCOMPARE(Modulo1::PercorsoBlocco, Modulo1::PercorsoDi(Modulo1::BloccoCorrente()));
            ++volte[atteso];
            RispondiGiusto();
        }
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        for (int n : volte)
            QVERIFY(n > 60);
    }

    // Wrong answers only count: the pictures, the letters, the step and the
    // colour stay, and nothing is drawn.
    void rispostaSbagliata_cambiaSoloIlConteggio()
    {
        Ambiente a(5);
        ApriACaso(IdSchermo::FormDomino2);
        RispondiGiusto();
        RispondiGiusto();
        QStringList nomi;
        for (int i = 0; i < 12; ++i)
            nomi << Blocco_(i)->accessibleName();
        const QStringList quadrati = Quadrati();
        const quint32 colore = Sfondo();
        const int estratti = a.caso.estratti;
        for (int i = 0; i < 5; ++i)
            if (i != Gioco().RispostaGiusta)
                Clic(Risposta(i));
        QCOMPARE(Testo("etErrati"), (Tr("errati") + "   4"));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(2));
        QVERIFY(Ctl(id, "ComandoIconaNo")->isVisible() && !Ctl(id, "ComandoIconaSi")->isVisible());
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/no.wav"));
        QCOMPARE(a.caso.estratti, estratti);
        QCOMPARE(Gioco().PassoCatena, qint16(2));
        QCOMPARE(Sfondo(), colore);
        QCOMPARE(Quadrati(), quadrati);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(Blocco_(i)->accessibleName(), nomi[i]);
    }

    // Each right answer writes its letter between the two blocks, shows the
    // next square empty and adds the next block; the eleventh completes the
    // chain, which makes way at once for a new one with a new colour.
    void catenaCompleta_ricominciaConUnQuadratoVuoto_data() { DueSchermi(); }
    void catenaCompleta_ricominciaConUnQuadratoVuoto()
    {
        QFETCH(IdSchermo, schermo);
        Ambiente a(9);
        ApriACaso(schermo);
        for (int passo = 0; passo < 10; ++passo) {
            const QString lettera = Risposta(Gioco().RispostaGiusta)->text();
            RispondiGiusto();
            QCOMPARE(Quadrato(passo)->text(), lettera);
            QVERIFY(Quadrato(passo + 1)->isVisible() && Quadrato(passo + 1)->text().isEmpty());
            QVERIFY(!Blocco_(passo + 2)->vuota());
            if (passo + 3 < 12)
                QVERIFY(Blocco_(passo + 3)->vuota());
        }
        a.caso.accoda({RndPer(3, 4), RndPer(16, 18)});
        RispondiGiusto();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(11));
        QCOMPARE(a.suono.suonati.size(), 11);
        QVERIFY(a.suono.suonati.last().endsWith("/suoni/si3.wav"));
        QCOMPARE(Sfondo(), Modulo1::Palette[16]);
        QCOMPARE(Gioco().PassoCatena, qint16(0));
        QCOMPARE(Quadrati(), QStringList({"+", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
        QVERIFY(!Blocco_(0)->vuota() && !Blocco_(1)->vuota());
        for (int i = 2; i < 12; ++i)
            QVERIFY(Blocco_(i)->vuota());
    }

    // "Azzera conteggio" clears the counts and the chain goes on where it was.
    void azzera_laCatenaContinuaAlloStessoPasso()
    {
        Ambiente a(3);
        ApriACaso(IdSchermo::FormDomino);
        for (int i = 0; i < 3; ++i)
            RispondiGiusto();
        Clic(Risposta((Gioco().RispostaGiusta + 1) % 5));
        const QStringList quadrati = Quadrati();
        Voce(id, "MenuAzzera")->trigger();
        QCOMPARE(Testo("etEsatti"), (Tr("Esatti") + " 0"));
        QCOMPARE(Testo("etErrati"), (Tr("Errati") + " 0"));
        QCOMPARE(Gioco().PassoCatena, qint16(3));
        QCOMPARE(Quadrati(), quadrati);
        RispondiGiusto();
        QCOMPARE(Testo("etEsatti"), (Tr("esatti") + "   1"));
        QCOMPARE(Gioco().PassoCatena, qint16(4));
    }

    // With the keyboard alone: Tab reaches the five buttons, Space and Enter
    // press them, and the letter keys answer too.
    void tastiera_tabSpazioInvioELettere()
    {
        Ambiente a(6);
        ApriACaso(IdSchermo::FormDomino);
        QApplication::setActiveWindow(Schermi::Trova(id)->finestra());
        Risposta(0)->setFocus();
        QSet<QString> raggiunti;
        for (int i = 0; i < 6; ++i) {
            raggiunti.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (int i = 0; i < 5; ++i)
            QVERIFY(raggiunti.contains(QStringLiteral("Command1(%1)").arg(i)));

        Risposta(Gioco().RispostaGiusta)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        Risposta(Gioco().RispostaGiusta)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Gioco().PassoCatena, qint16(2));

        // Each answer's key, F C D S N in Italian.
        const auto tasto = [](int i) { return SchermoDomino::Tasto(i)[0].key(); };
        QWindow* finestra = Schermi::Trova(id)->finestra()->windowHandle();
        // A shortcut presses its button visibly, so the click comes a moment later.
        QTest::keyClick(finestra, tasto(Gioco().RispostaGiusta));
        QTRY_COMPARE(Gioco().PassoCatena, qint16(3));
        QTest::keyClick(finestra, tasto((Gioco().RispostaGiusta + 2) % 5));
        QTRY_COMPARE(Modulo1::ContatoreErrati, qint16(1));
        QCOMPARE(Gioco().PassoCatena, qint16(3));
    }

    // The question and the words beside the buttons keep the text colour
    // they were made with, whatever colour the window takes, chain after chain.
    void testiInvariati_suOgniColore_data()
    {
        QTest::addColumn<int>("colore");
        QTest::newRow("blu") << 17;
        QTest::newRow("verde") << 10;
    }
    void testiInvariati_suOgniColore()
    {
        QFETCH(int, colore);
        Ambiente a;
        Apri(a, IdSchermo::FormDomino, TriRossoGS, 2, {}, colore);
        const QColor testo = QApplication::palette().color(QPalette::WindowText);
        for (const char* nome : {"Label2", "Label3", "Label7"})
            QCOMPARE(Ctl<QLabel>(id, nome)->palette().color(QPalette::WindowText), testo);
    }
};

TESSELO_TEST_MAIN(ProvaDomino)
#include "tst_FormDomino.moc"
