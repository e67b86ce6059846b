#include "app/Colori.h"
#include "app/Modulo1.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QSet>
#include <map>

using namespace Modulo1;

class ProvaModulo1 : public QObject {
    Q_OBJECT
private slots:
    // Draws from a seeded generator: bounds are wide enough (over six standard
    // deviations) never to flake, narrow enough to catch a biased or skewed draw.
    void coloreCasuale_pescaLaTavolozzaConIlRosaDoppio()
    {
        Ambiente a(7);
        std::map<quint32, int> visti;
        const int n = 36000;
        for (int i = 0; i < n; ++i)
            ++visti[quint32(ColoreCasuale())];
        QCOMPARE(int(visti.size()), 17);
        for (const auto& [colore, volte] : visti) {
            const double atteso = colore == 0x00FFC0FF ? 2.0 * n / 18 : 1.0 * n / 18;
            QVERIFY2(std::abs(volte - atteso) < 6 * std::sqrt(atteso), qPrintable(QString::number(colore, 16)));
        }
    }

    // The palette's values are &H00BBGGRR, red in the low byte: read through
    // the colour model, each is the colour the design names by its red,
    // green and blue, and a colour's value is its entry again.
    void tavolozza_rossoNelByteBasso()
    {
        const int rgb[18][3] = {{255, 192, 192}, {255, 128, 128}, {255, 0, 0},     {255, 192, 128}, {255, 128, 0},
                                {255, 255, 192}, {255, 255, 0},   {192, 64, 0},    {128, 255, 128}, {0, 192, 0},
                                {192, 255, 255}, {0, 255, 255},   {192, 192, 255}, {255, 192, 255}, {255, 192, 255},
                                {224, 224, 224}, {0, 0, 255},     {255, 0, 255}};
        for (int i = 0; i < 18; ++i) {
            const QColor colore(rgb[i][0], rgb[i][1], rgb[i][2]);
            QCOMPARE(ColoreDa(Palette[i + 1]), colore);
            QCOMPARE(ValoreColore(colore), Palette[i + 1]);
        }
    }

    void bloccoCasuale_daTuttiI48PercorsiConUgualeProbabilita()
    {
        Ambiente a(11);
        std::map<QString, int> visti;
        const int n = 48000;
        for (int i = 0; i < n; ++i) {
            BloccoCasuale();
            ++visti[PercorsoBlocco];
        }
        QCOMPARE(int(visti.size()), 48);
        for (const auto& [percorso, volte] : visti)
            QVERIFY2(std::abs(volte - 1000) < 200, qPrintable(percorso));
    }

    // The draw order is colour, shape, size, thickness; the size word comes
    // before the thickness word in the file name.
    void bloccoCasuale_costruisceIlPercorsoDalleParole()
    {
        Ambiente a;
        a.caso.accoda(RndPerBlocco(B("triangolo", "blu", "piccolo", "sottile")));
        BloccoCasuale();
        QCOMPARE(FormaBlocco, QString("triangolo"));
        QCOMPARE(ColoreBlocco, QString("blu"));
        QVERIFY(PercorsoBlocco.endsWith("/jpg/blu/triangolopiccolosottile.JPG"));
        QVERIFY(PercorsoBlocco.startsWith(CartellaApplicazione()));
        QCOMPARE(NumeroCasuale, qint16(2)); // the thickness code, "sottile"
    }

    void formaCasuale_cambiaSoloLaFormaEIlNumero()
    {
        Ambiente a;
        a.caso.accoda(RndPerBlocco(B("rotondo", "rosso", "grande", "spesso")));
        BloccoCasuale();
        const QString percorso = PercorsoBlocco;
        a.caso.accoda({RndPer(3, 4)});
        FormaCasuale();
        QCOMPARE(FormaBlocco, QString("rettangolo"));
        QCOMPARE(NumeroCasuale, qint16(3));
        QCOMPARE(ColoreBlocco, QString("rosso"));
        QCOMPARE(DimensioneBlocco, QString("grande"));
        QCOMPARE(SpessoreBlocco, QString("spesso"));
        QCOMPARE(PercorsoBlocco, percorso);
    }

    void suonoEsatto_suonaOgniSiUnQuartoDelleVolte()
    {
        Ambiente a(3);
        std::map<QString, int> visti;
        for (int i = 0; i < 8000; ++i)
            SuonoEsatto();
        for (const auto& p : a.suono.suonati)
            ++visti[p.section('/', -1)];
        QCOMPARE(int(visti.size()), 4);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(std::abs(visti[QString("si%1.wav").arg(i)] - 2000) < 300);
        QVERIFY(a.suono.suonati.first().startsWith(CartellaApplicazione() + "/suoni/"));
        SuonoErrato();
        QCOMPARE(a.suono.suonati.last(), CartellaApplicazione() + "/suoni/no.wav");
    }

    void suoniSpenti_nonSuonanoNienteENonPescano()
    {
        Ambiente a;
        SuonoAttivo = false;
        SuonoEsatto();
        SuonoErrato();
        QVERIFY(a.suono.suonati.isEmpty());
        QCOMPARE(a.caso.estratti, 0);
    }

    void chiediUscita_conNoRestaConSiTermina()
    {
        Ambiente a;
        Ridimensionatore = std::make_unique<clsResize>();
        a.risposte = {RispostaNo};
        ChiediUscita();
        QCOMPARE(a.terminazioni, 0);
        QVERIFY(Ridimensionatore);
        QCOMPARE(a.messaggi.last().testo, Tr("Vuoi uscire dal programma?"));
        QCOMPARE(a.messaggi.last().titolo, QString("Tesselo"));
        QCOMPARE(a.messaggi.last().stile, int(StileDomanda));
        a.risposte = {RispostaSi};
        ChiediUscita();
        QCOMPARE(a.terminazioni, 1);
        QVERIFY(!Ridimensionatore);
        QCOMPARE(a.messaggi.size(), 2); // no further message after Yes
    }

    void mostraInformazioni_quattroRigheSenzaCambiareNulla()
    {
        Ambiente a;
        MostraInformazioni();
        QCOMPARE(a.messaggi.size(), 1);
        const QStringList righe = a.messaggi[0].testo.split("\r\n");
        QCOMPARE(righe.size(), 4);
        // The program and its version, a rule of hyphens, the licence and the
        // year: no address that the project does not have.
        QCOMPARE(righe[0], QString("Tesselo ") + VersioneProgramma);
        QVERIFY(righe[1].count('-') == righe[1].size() && !righe[1].isEmpty());
        QVERIFY(righe[2].contains("GPL"));
        QVERIFY(righe[3].contains("2026"));
        QVERIFY(!a.messaggi[0].testo.contains("http") && !a.messaggi[0].testo.contains('@'));
        QCOMPARE(a.messaggi[0].stile, int(StileInformazione));
    }

    void conteggi_siFermanoAiLimitiDi16Bit()
    {
        qint16 c = 32766;
        Incrementa(c);
        Incrementa(c);
        QCOMPARE(c, qint16(32767));
        c = -32767;
        Decrementa(c);
        Decrementa(c);
        QCOMPARE(c, qint16(-32768));
    }

    void main_accendeISuoniEMostraLAvvio()
    {
        Ambiente a;
        SuonoAttivo = false;
        Main();
        QVERIFY(SuonoAttivo);
        QVERIFY(Schermi::Trova(IdSchermo::FormAvvio)->caricato());
        QVERIFY(Schermi::Trova(IdSchermo::FormAvvio)->finestra()->isVisible());
    }
};

TESSELO_TEST_MAIN(ProvaModulo1)
#include "tst_modulo1.moc"
