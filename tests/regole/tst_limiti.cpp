// The program at its limits: counts at the end of their range, and the window
// closed while a message box waits for an answer.
#include "app/Dialoghi.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "games/zirp8/zirp8.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"
#include "tests/support/Partita.h"

#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

Q_DECLARE_METATYPE(IdSchermo)

namespace {

SchermoGioco& G(IdSchermo id)
{
    return static_cast<SchermoGioco&>(*Schermi::Trova(id));
}

} // namespace

class ProvaLimiti : public QObject {
    Q_OBJECT
private slots:
    void conteggiAlMassimo_data()
    {
        QTest::addColumn<IdSchermo>("gioco");
        for (const Partita::VoceGioco& g : Partita::Giochi())
            QTest::newRow(g.nome) << g.id;
    }

    // Both counts at 32767 stay there, and say so, after one more right and
    // one more wrong answer given through the game's own controls.
    void conteggiAlMassimo()
    {
        QFETCH(IdSchermo, gioco);
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        for (const Partita::VoceGioco& g : Partita::Giochi())
            if (g.id == gioco)
                Partita::ApriDalMenu(g);
        QVERIFY(Schermi::Trova(gioco)->caricato());
        const auto& cornice = G(gioco).cornice();
        const bool maiuscole = gioco == IdSchermo::FormTrova;

        Modulo1::ContatoreEsatti = Modulo1::ContatoreErrati = 32767;
        QVERIFY(Partita::Giusta(gioco));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(32767));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(32767));
        QCOMPARE(cornice.etEsatti->text(), SchermoGioco::Didascalia(Tr(maiuscole ? "Esatti" : "esatti"), 32767));
        QVERIFY(Partita::Sbagliata(gioco));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(32767));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(32767));
        QCOMPARE(cornice.etErrati->text(), SchermoGioco::Didascalia(Tr(maiuscole ? "Errati" : "errati"), 32767));
        QVERIFY(cornice.ComandoIconaNo->isVisible());
        QVERIFY(a.messaggi.isEmpty());
    }

    // Help in "le strade 2" lowers the right answers every second press and
    // stops at -32768: it never wraps round to a large positive count.
    void aiutoStrade2_siFermaAlMinimo()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi()[5]);
        auto& g = Gioco<zirp8>(IdSchermo::zirp8);
        Modulo1::ContatoreEsatti = -32767;
        g.CostoAiuto = 0;
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(g.controlli().Command2, Qt::LeftButton);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-32768));
        QVERIFY(Partita::Giusta(IdSchermo::zirp8));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(-32767));
        QCOMPARE(g.cornice().etEsatti->text(), (Tr("esatti") + "  -32767"));
    }

    void chiusuraConMessaggioAperto_data()
    {
        QTest::addColumn<IdSchermo>("schermo");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("testo");
        QTest::newRow("FINE on the menu") << IdSchermo::formMenu << "Command5" << Tr("Vuoi uscire dal programma?");
        QTest::newRow("Esci in a game") << IdSchermo::zirp7 << "mnuFine" << Tr("Vuoi tornare al menù?");
        QTest::newRow("Informazioni in a game") << IdSchermo::FormDomino << "MenuInformazioni"
                                                << "Tesselo 1.0.0\r\n--------------------\r\n"
                                                       + Tr("Licenza GNU GPL, versione 3 o successiva")
                                                       + "\r\n© 2026 Gli autori di Tesselo";
    }

    // With the real message box up and the real ending of the program, the
    // window behind it is closed: the program ends once, cleanly, every
    // window goes, the box with them, and nothing runs on a window that is
    // gone.
    void chiusuraConMessaggioAperto()
    {
        QFETCH(IdSchermo, schermo);
        QFETCH(QString, voce);
        QFETCH(QString, testo);
        Ambiente a;
        servizi().messaggio = MostraMessaggio;
        int terminazioni = 0;
        servizi().termina = [&] {
            ++terminazioni;
            Modulo1::TerminaProgramma();
        };
        Modulo1::Main();
        if (schermo == IdSchermo::formMenu)
            Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
        else
            Schermi::Mostra(schermo);
        SvuotaEventi();
        QPointer<FinestraSchermo> finestra = Schermi::Trova(schermo)->finestra();

        QString visto;
        QPointer<QMessageBox> scatola;
        QTimer cerca;
        QObject::connect(&cerca, &QTimer::timeout, [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!m || !visto.isEmpty())
                return;
            visto = m->text();
            scatola = m;
            finestra->close();
        });
        cerca.start(20);
        QTimer::singleShot(0, [&] {
            if (voce.startsWith("Command"))
                QTest::mouseClick(Ctl(schermo, voce), Qt::LeftButton);
            else
                Voce(schermo, voce)->trigger();
        });
        // A box nobody closes must not hang the suite.
        QTimer::singleShot(5000, [] {
            if (QWidget* m = QApplication::activeModalWidget())
                m->close();
            QCoreApplication::exit(1);
        });
        const int esito = QApplication::exec();
        cerca.stop();

        QCOMPARE(visto, testo);
        QCOMPARE(esito, 0);
        QCOMPARE(terminazioni, 1);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!scatola || !scatola->isVisible());
        SvuotaEventi();
        QVERIFY(!finestra);
        for (IdSchermo id : {IdSchermo::FormAvvio, IdSchermo::formMenu, schermo})
            QVERIFY(!Schermi::Trova(id)->caricato());
    }
};

TESSELO_TEST_MAIN(ProvaLimiti)
#include "tst_limiti.moc"
