#include "app/Colori.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QCheckBox>
#include <QScreen>

namespace {

Schermo& S(IdSchermo id)
{
    return *Schermi::Trova(id);
}

template <class T = QWidget>
T* Controllo(IdSchermo id, const char* nome)
{
    T* c = S(id).finestra()->findChild<T*>(nome);
    if (!c)
        qFatal("missing control %s", nome);
    return c;
}

// Starts the program with the given start-screen colour.
void Avvia(Ambiente& a, int indiceColore = 5)
{
    a.caso.accoda({RndPer(indiceColore, 18)});
    Modulo1::Main();
}

// How many times each widget of each window is painted.
class ContaDisegni final : public QObject {
public:
    ContaDisegni() { qApp->installEventFilter(this); }
    QHash<const QWidget*, QHash<QString, int>> volte;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && oggetto->isWidgetType()) {
            const auto* widget = static_cast<QWidget*>(oggetto);
            ++volte[widget->window()][QString::fromLatin1(widget->metaObject()->className()) + ' '
                                      + widget->objectName()];
        }
        return false;
    }
};

void ApriMenu(Ambiente& a, int indiceColore)
{
    Avvia(a);
    a.caso.accoda({RndPer(indiceColore, 18)});
    QTest::mouseClick(Controllo(IdSchermo::FormAvvio, "Label1"), Qt::LeftButton);
    SvuotaEventi();
}

} // namespace

class ProvaAvvioMenu : public QObject {
    Q_OBJECT
private slots:
    void avvio_riempieLoSchermoConTreBlocchiSuUnColore()
    {
        Ambiente a;
        a.caso.accoda({RndPer(9, 18)});
        a.caso.accoda(RndPerBlocco(B("triangolo", "rosso", "grande", "spesso")));
        a.caso.accoda(RndPerBlocco(B("triangolo", "rosso", "grande", "spesso")));
        a.caso.accoda(RndPerBlocco(B("quadrato", "blu", "piccolo", "sottile")));
        Modulo1::Main();
        FinestraSchermo* f = S(IdSchermo::FormAvvio).finestra();
        QCOMPARE(f->windowTitle(), QString("Form1"));
        QCOMPARE(f->geometry(), f->screen()->geometry());
        QCOMPARE(ValoreColore(f->sfondo()), Modulo1::Palette[9]);
        QCOMPARE(Controllo<Immagine>(IdSchermo::FormAvvio, "Image1")->accessibleName(),
                 QString("triangolo rosso grande spesso"));
        QCOMPARE(Controllo<Immagine>(IdSchermo::FormAvvio, "Image2")->accessibleName(),
                 QString("triangolo rosso grande spesso"));
        QCOMPARE(Controllo<Immagine>(IdSchermo::FormAvvio, "Image3")->accessibleName(),
                 QString("quadrato blu piccolo sottile"));
        QVERIFY(!Controllo<Immagine>(IdSchermo::FormAvvio, "Image3")->vuota());
        // The title scales with the window: 5775 twips wide at 9360 design width.
        QCOMPARE(Controllo(IdSchermo::FormAvvio, "Label1")->width(), qRound(385 * 1024 / 624.0));
    }

    void avvio_laDataNonFaNulla()
    {
        Ambiente a;
        Avvia(a);
        // The release date, written out in Italian from the project's date.
        QCOMPARE(Controllo<QLabel>(IdSchermo::FormAvvio, "Label2(2)")->text(), QString("8 dicembre 2026"));
        QTest::mouseClick(Controllo(IdSchermo::FormAvvio, "Label2(2)"), Qt::LeftButton);
        QVERIFY(S(IdSchermo::FormAvvio).caricato());
        QVERIFY(!S(IdSchermo::formMenu).caricato());
    }

    void avvio_ogniAltroClicPortaAlMenu_data()
    {
        QTest::addColumn<QString>("bersaglio");
        QTest::newRow("titolo") << "Label1";
        QTest::newRow("immagine 1") << "Image1";
        QTest::newRow("immagine 3") << "Image3";
        QTest::newRow("sfondo") << "superficie";
    }
    void avvio_ogniAltroClicPortaAlMenu()
    {
        QFETCH(QString, bersaglio);
        Ambiente a;
        Avvia(a);
        QWidget* w = Controllo(IdSchermo::FormAvvio, qPrintable(bersaglio));
        QTest::mouseClick(w, Qt::LeftButton, {}, bersaglio == "superficie" ? QPoint(5, 5) : QPoint());
        SvuotaEventi();
        QVERIFY(!S(IdSchermo::FormAvvio).caricato());
        QVERIFY(S(IdSchermo::formMenu).caricato());
        QVERIFY(S(IdSchermo::formMenu).finestra()->isVisible());
    }

    void avvio_dallaTastieraConInvio()
    {
        Ambiente a;
        Avvia(a);
        auto* immagine = Controllo(IdSchermo::FormAvvio, "Image2");
        immagine->setFocus();
        QTest::keyClick(immagine, Qt::Key_Return);
        SvuotaEventi();
        QVERIFY(S(IdSchermo::formMenu).caricato());
    }

    // The title takes the focus and Space presses it.
    void avvio_titoloDallaTastieraConSpazio()
    {
        Ambiente a;
        Avvia(a);
        QApplication::setActiveWindow(S(IdSchermo::FormAvvio).finestra());
        auto* titolo = Controllo(IdSchermo::FormAvvio, "Label1");
        titolo->setFocus();
        QVERIFY(titolo->hasFocus());
        QTest::keyClick(titolo, Qt::Key_Space);
        SvuotaEventi();
        QVERIFY(S(IdSchermo::formMenu).caricato());
    }

    void menu_titoloColonneEColoreDellaCasella()
    {
        Ambiente a;
        ApriMenu(a, 12);
        FinestraSchermo* f = S(IdSchermo::formMenu).finestra();
        QCOMPARE(f->windowTitle(), QString("CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE"));
        QCOMPARE(f->geometry(), f->screen()->geometry());
        QCOMPARE(ValoreColore(f->sfondo()), Modulo1::Palette[12]);
        auto* casella = Controllo<QCheckBox>(IdSchermo::formMenu, "Check1");
        QCOMPARE(casella->text(), QString("Suoni attivati"));
        QCOMPARE(SfondoDi(casella), f->sfondo());
        QVERIFY(casella->isChecked());
        const auto* sinistra = Controllo<Bottone>(IdSchermo::formMenu, "Command1");
        const auto* destra = Controllo<Bottone>(IdSchermo::formMenu, "Command7");
        QCOMPARE(sinistra->text(), QString("uguale - diverso"));
        QCOMPARE(destra->text(), QString("tabella"));
        QCOMPARE(sinistra->y(), destra->y());
        QVERIFY(destra->x() > sinistra->x() + sinistra->width());
    }

    // The menu is loaded afresh on every visit: a new colour, and the check
    // box read again from the sound setting.
    void menu_laCasellaSegueIlSuonoAttraversoLeVisite()
    {
        Ambiente a;
        ApriMenu(a, 3);
        auto* casella = Controllo<QCheckBox>(IdSchermo::formMenu, "Check1");
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
        QVERIFY(!Modulo1::SuonoAttivo);
        S(IdSchermo::formMenu).Scarica();
        SvuotaEventi();
        a.caso.accoda({RndPer(17, 18)});
        Schermi::Mostra(IdSchermo::formMenu);
        casella = Controllo<QCheckBox>(IdSchermo::formMenu, "Check1");
        QVERIFY(!casella->isChecked());
        QCOMPARE(ValoreColore(S(IdSchermo::formMenu).finestra()->sfondo()), Modulo1::Palette[17]);
        casella->setFocus();
        QTest::keyClick(casella, Qt::Key_Space);
        QVERIFY(Modulo1::SuonoAttivo);
    }

    void menu_fineConNoRestaConSiTermina()
    {
        Ambiente a;
        ApriMenu(a, 4);
        auto* fine = Controllo<Bottone>(IdSchermo::formMenu, "Command5");
        const QRect prima = S(IdSchermo::formMenu).finestra()->geometry();
        a.risposte = {RispostaNo};
        QTest::mouseClick(fine, Qt::LeftButton);
        QCOMPARE(a.messaggi.last().testo, QString("Vuoi uscire dal programma?"));
        QCOMPARE(a.terminazioni, 0);
        QVERIFY(S(IdSchermo::formMenu).caricato());
        QCOMPARE(S(IdSchermo::formMenu).finestra()->geometry(), prima);
        QCOMPARE(ValoreColore(S(IdSchermo::formMenu).finestra()->sfondo()), Modulo1::Palette[4]);
        a.risposte = {RispostaSi};
        fine->setFocus();
        QTest::keyClick(fine, Qt::Key_Enter);
        QCOMPARE(a.terminazioni, 1);
        QVERIFY(!S(IdSchermo::formMenu).caricato());
    }

    void chiusuraDellaFinestra_terminaIlProgramma()
    {
        Ambiente a;
        ApriMenu(a, 4);
        S(IdSchermo::formMenu).finestra()->close();
        QCOMPARE(a.terminazioni, 1);
        QVERIFY(a.messaggi.isEmpty());
    }

    void menu_tuttiIControlliSiRaggiungonoColTab()
    {
        Ambiente a;
        ApriMenu(a, 4);
        FinestraSchermo* f = S(IdSchermo::formMenu).finestra();
        QApplication::setActiveWindow(f);
        Controllo(IdSchermo::formMenu, "Command1")->setFocus();
        QSet<QString> raggiunti;
        for (int i = 0; i < 12; ++i) {
            raggiunti.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* nome : {"Command1", "Command2", "Command3", "Command8", "Command4", "Command9",
                                 "Command7", "Command10", "Command11", "Check1", "Command5"})
            QVERIFY2(raggiunti.contains(nome), nome);
    }

    void giochi_siDipingonoUnaVoltaSolaAllApertura_data()
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < Partita::Giochi().size(); ++i)
            QTest::newRow(Partita::Giochi()[i].nome) << i;
    }

    // A game appears in one paint with its first turn in place: no control
    // is painted first as loaded and again once activated.
    void giochi_siDipingonoUnaVoltaSolaAllApertura()
    {
        QFETCH(int, indice);
        const Partita::VoceGioco& gioco = Partita::Giochi()[indice];
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        const ContaDisegni conta;
        Partita::ApriDalMenu(gioco);
        const auto volte = conta.volte.value(S(gioco.id).finestra());
        QVERIFY(volte.value("FinestraSchermo ") >= 1);
        for (auto it = volte.cbegin(); it != volte.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(QStringLiteral("%1 painted %2 times").arg(it.key()).arg(it.value())));
    }

    void giochi_preparanoLeFigureMentreIlBambinoGuarda_data() { giochi_siDipingonoUnaVoltaSolaAllApertura_data(); }

    // While the child looks at a game, the pictures of its turns to come are
    // decoded ahead of need once it has been painted: all 60, not only the
    // few on show.
    void giochi_preparanoLeFigureMentreIlBambinoGuarda()
    {
        QFETCH(int, indice);
        const Partita::VoceGioco& gioco = Partita::Giochi()[indice];
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        QVERIFY(AttendiFigurePreparate(10000));
        SvuotaCacheFigure();
        Partita::ApriDalMenu(gioco);
        const qint64 inMostra = ByteCacheFigure();
        QVERIFY(inMostra > 0);
        // The preparation starts once the game has been painted, as the
        // event loop runs.
        QTRY_VERIFY2_WITH_TIMEOUT(ByteCacheFigure() >= 3 * inMostra,
                                  qPrintable(QStringLiteral("%1 KiB on show, %2 KiB after")
                                                 .arg(inMostra / 1024).arg(ByteCacheFigure() / 1024)),
                                  10000);
        QVERIFY(AttendiFigurePreparate(10000));
    }
};

TESSELO_TEST_MAIN(ProvaAvvioMenu)
#include "tst_avvio_menu.moc"
