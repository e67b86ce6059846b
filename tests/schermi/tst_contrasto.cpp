// The contrast of the texts on the screens that are the program's own, not
// the design's: measured on the painted pixels of each (WCAG 2's ratio, at
// least 4.5:1), over every background colour the screen may draw.
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Etichetta.h"
#include "insegnanti/Scala.h"
#include "screens/FinestraSchermo.h"
#include "screens/SegniPercorso.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Contrasto.h"
#include "tests/support/MainProva.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

constexpr double Minimo = 4.5;

#define VERIFICA_CONTRASTO(dove, misura)                                                                              \
    do {                                                                                                              \
        const Contrasto::Misura m_ = (misura);                                                                        \
        QVERIFY2(m_.pixelTesto > 0, qPrintable(QString(dove) + ": no text found"));                                   \
        QVERIFY2(m_.rapporto >= Minimo, qPrintable(QString(dove) + ": " + m_.descrizione()));                         \
    } while (false)

// The strip of a card where its name is written, beneath the symbol: the
// card's white, clear of its rounded edge and of the focus frame.
QRect RigaDelNome(const QWidget* carta)
{
    const int w = carta->width(), h = carta->height();
    return QRect(w / 8, h * 79 / 100, w * 3 / 4, h * 14 / 100);
}

void Avvia(const QString& percorso)
{
    Seduta::Avvia(percorso);
    QVERIFY(Seduta::AttendiPronta(60s));
    Modulo1::Main();
    SvuotaEventi();
}

QList<QAbstractButton*> Carte(IdSchermo id, const char* nome)
{
    QList<QAbstractButton*> carte;
    for (int i = 0;; ++i) {
        auto* c = Schermi::Trova(id)->finestra()->findChild<QAbstractButton*>(NomeControllo(nome, i));
        if (!c)
            return carte;
        carte.append(c);
    }
}

// The teacher's keys on the menu: "Chi gioca?" again.
void TastiInsegnante()
{
    FinestraSchermo* f = Schermi::Trova(IdSchermo::formMenu)->finestra();
    QApplication::setActiveWindow(f);
    QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    SvuotaEventi();
}

} // namespace

class ProvaContrasto : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", cache.path().toUtf8()); }
    void cleanup() { QVERIFY(Seduta::Termina(10s)); }

    // "Chi gioca?" over each colour its background may draw: the title,
    // every child's name on their card, and the badge of the child playing
    // on the menu.
    void chiGioca_suOgniSfondo()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 3);
        Ambiente a;
        Avvia(percorso);
        for (int colore = 1; colore < int(Modulo1::Palette.size()); ++colore) {
            a.caso.accoda({RndPer(colore, int(Modulo1::Palette.size()) - 1)});
            if (colore == 1)
                ClasseProva::ClicAvvio();
            else
                TastiInsegnante();
            const QString dove = QStringLiteral("colour %1").arg(colore);
            FinestraSchermo* finestra = Schermi::Trova(IdSchermo::FormChiGioca)->finestra();
            QVERIFY(finestra);
            QCOMPARE(finestra->sfondo(), ColoreDa(Modulo1::Palette[colore]));
            VERIFICA_CONTRASTO(dove + ", title", Contrasto::DelTesto(Ctl(IdSchermo::FormChiGioca, "Titolo")));
            const QList<QAbstractButton*> carte = Carte(IdSchermo::FormChiGioca, "Simbolo");
            QCOMPARE(carte.size(), 4);
            for (QAbstractButton* carta : carte)
                VERIFICA_CONTRASTO(dove + ", " + carta->text(), Contrasto::DelTesto(carta, RigaDelNome(carta)));
            ClasseProva::ScegliSimbolo(0);
            auto* simbolo = Ctl(IdSchermo::formMenu, "SimboloGiocatore");
            VERIFICA_CONTRASTO(dove + ", menu's badge", Contrasto::DelTesto(simbolo, RigaDelNome(simbolo)));
        }
    }

    // "Quale classe?": its title on its fixed colour, each class's name on
    // its card.
    void qualeClasse()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::CreaClassi(percorso, {"1A", "2B"}, 1);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        QVERIFY(Schermi::Trova(IdSchermo::FormQualeClasse)->caricato());
        VERIFICA_CONTRASTO("title", Contrasto::DelTesto(Ctl(IdSchermo::FormQualeClasse, "Titolo")));
        const QList<QAbstractButton*> carte = Carte(IdSchermo::FormQualeClasse, "Classe");
        QCOMPARE(carte.size(), 2);
        for (QAbstractButton* carta : carte) {
            const QRect dentro = carta->rect().adjusted(carta->width() / 6, carta->height() / 5, -carta->width() / 6,
                                                        -carta->height() / 5);
            VERIFICA_CONTRASTO(carta->text(), Contrasto::DelTesto(carta, dentro));
        }
    }

    // A learning path's badge on a menu button: the step's number on white
    // and on the next step's yellow, the tick of a step done on its green.
    void segniDelPercorso_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("fatto");
        QTest::addColumn<bool>("prossimo");
        QTest::newRow("a step") << 3 << false << false;
        QTest::newRow("the next step") << 4 << false << true;
        QTest::newRow("two digits") << 12 << false << true;
        QTest::newRow("done") << 2 << true << false;
    }
    void segniDelPercorso()
    {
        QFETCH(int, numero);
        QFETCH(bool, fatto);
        QFETCH(bool, prossimo);
        const QImage segno = SegniPercorso::Segno(numero, fatto, prossimo).pixmap(QSize(149, 128)).toImage();
        // The middle of the disc, where the number or the tick is.
        const QRect mezzo(segno.height() / 4, segno.height() / 4, segno.height() / 2, segno.height() / 2);
        VERIFICA_CONTRASTO(QTest::currentDataTag(), Contrasto::DelTesto(segno, mezzo));
    }

    // The stars of a step inside a game: gold on their dark strip.
    void stelle()
    {
        SegniPercorso::Stelle stelle(5);
        stelle.mostra(3);
        stelle.resize(stelle.sizeHint());
        const QRect dentro = stelle.rect().adjusted(4, stelle.height() / 4, -4, -stelle.height() / 4);
        VERIFICA_CONTRASTO("stars", Contrasto::DelTesto(&stelle, dentro));
    }

    // The teachers' program's own colours: a share of right answers, from
    // none to all, written on the colour of that share.
    void quoteDelRegistro()
    {
        QTableWidget tabella(1, 11);
        for (int esatte = 0; esatte <= 10; ++esatte) {
            const Registro::Conto conto{esatte, 10 - esatte};
            tabella.setItem(0, esatte, Insegnanti::VoceConto(conto, Insegnanti::TestoQuota(conto)));
        }
        tabella.resize(1200, 120);
        tabella.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabella));
        for (int colonna = 0; colonna <= 10; ++colonna) {
            const QRect cella = tabella.visualItemRect(tabella.item(0, colonna)).adjusted(2, 2, -2, -2);
            VERIFICA_CONTRASTO(tabella.item(0, colonna)->text(), Contrasto::DelTesto(tabella.viewport(), cella));
        }
    }
};

TESSELO_TEST_MAIN(ProvaContrasto)
#include "tst_contrasto.moc"
