// The program on a desktop with a dark theme, whose palette it finds already
// set when it starts, as a desktop sets it, and on the style's light one:
// every text it paints on a colour of its own keeps that colour, every
// caption stands out on its button, the keyboard focus shows, and the menu
// bar shows from the keyboard what it is about to do before doing it.
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <cmath>

Q_DECLARE_METATYPE(IdSchermo)

namespace {

// A dark theme as desktops ship it: light text on dark windows, fields and buttons.
QPalette Scura()
{
    const QColor testo(240, 240, 240), spento(127, 127, 127);
    QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::Base, QColor(42, 42, 42));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, testo);
    p.setColor(QPalette::ButtonText, testo);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, ruolo, spento);
    return p;
}

// How far apart two colours are: their largest difference in one channel.
int Distanza(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

double Luminanza(const QColor& c)
{
    const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}

// The contrast of two colours as readers of the web's accessibility rules
// measure it: 1 for the same colour, 21 for black on white.
double Contrasto(const QColor& a, const QColor& b)
{
    const double la = Luminanza(a), lb = Luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a control paints in a part of its box, over the colour of its window:
// the colour that fills most of that part, and the colour farthest from it
// (its text).
struct Dipinto {
    QColor sfondo, inchiostro;
};
Dipinto Leggi(QWidget* w, QRect parte)
{
    QPixmap tela(w->size());
    tela.fill(w->window()->palette().color(QPalette::Window));
    w->render(&tela);
    const QImage immagine = tela.copy(parte).toImage();
    QHash<QRgb, int> quanti;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            ++quanti[immagine.pixel(x, y)];
    QRgb piuFrequente = 0;
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        if (it.value() > quanti.value(piuFrequente))
            piuFrequente = it.key();
    Dipinto d{QColor(piuFrequente), QColor(piuFrequente)};
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        if (Distanza(QColor(it.key()), d.sfondo) > Distanza(d.inchiostro, d.sfondo))
            d.inchiostro = QColor(it.key());
    return d;
}

// The part of a control that holds its text: inside a label's frame, beside
// a check box's square, inside a button's edge and focus frame.
QRect ParteDelTesto(QWidget* w)
{
    if (auto* casella = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton opzione;
        opzione.initFrom(casella);
        opzione.text = casella->text();
        return casella->style()->subElementRect(QStyle::SE_CheckBoxContents, &opzione, casella);
    }
    if (auto* etichetta = qobject_cast<QLabel*>(w)) {
        const QRect dentro = etichetta->contentsRect();
        const int a = int(etichetta->alignment()) | (etichetta->wordWrap() ? Qt::TextWordWrap : 0);
        return etichetta->fontMetrics().boundingRect(dentro, a, etichetta->text()).intersected(dentro);
    }
    return w->rect().adjusted(6, 6, -6, -6);
}

// The least contrast a caption needs: 4.5 to 1 on an enabled button or check
// box, 3 to 1 on a locked button with a colour of its own (the answer a
// child chose, or the one not chosen); a locked button in the desktop's
// colours looks as the desktop makes it.
double MinimoPer(QAbstractButton* b)
{
    if (b->isEnabled())
        return 4.5;
    auto* bottone = qobject_cast<Bottone*>(b);
    return bottone && bottone->colore().isValid() ? 3 : 1;
}

// Labels that the design puts in the desktop's colours for window contents.
bool NeiColoriDelContenuto(IdSchermo id, const QString& nome)
{
    return (id == IdSchermo::form1 && nome == "Label1") || (id == IdSchermo::zirp9 && nome.startsWith("Label1("));
}

// Opens a screen as a child does, after one right answer on a game if asked,
// so that the counts, the letter squares and the help show text of their own.
void Apri(Ambiente& a, IdSchermo id, bool rispondi = true)
{
    Modulo1::Main();
    SvuotaEventi();
    if (id == IdSchermo::FormAvvio)
        return;
    Partita::AvviaFinoAlMenu();
    for (const auto& gioco : Partita::Giochi())
        if (gioco.id == id) {
            Partita::ApriDalMenu(gioco);
            QVERIFY(!rispondi || Partita::Giusta(id));
            SvuotaEventi();
        }
    if (id == IdSchermo::zirp8 && rispondi) {
        // The help that colours a road sign light green.
        Voce(id, "mnuAiutoCaselle")->trigger();
        Ctl<QAbstractButton>(id, "Command2")->click();
        SvuotaEventi();
    }
    QVERIFY(a.messaggi.isEmpty());
}

QMenuBar* Barra(IdSchermo id)
{
    return Schermi::Trova(id)->finestra()->findChild<QMenuBar*>();
}

// The key goes where the keyboard is: to the open list, or to the window's
// focus (which the offscreen platform, lacking a window manager, does not
// give back to the window when a list closes).
void Tasto(FinestraSchermo* f, Qt::Key tasto)
{
    QWidget* lista = QApplication::activePopupWidget();
    QTest::keyClick(lista ? lista : f->focusWidget() ? f->focusWidget() : f, tasto);
    SvuotaEventi();
}

// Alt as a keyboard gives it: pressed with its own modifier, then let go.
void Alt(FinestraSchermo* f)
{
    QWidget* dove = QApplication::focusWidget() ? QApplication::focusWidget() : f;
    QTest::keyPress(dove, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(dove, Qt::Key_Alt, Qt::AltModifier);
    SvuotaEventi();
}

// The entry shows in the highlight colour, as painted.
bool Evidenziata(QMenuBar* barra, QAction* voce)
{
    const QRect r = barra->actionGeometry(voce);
    const QColor dipinto = barra->grab(r).toImage().pixelColor(2, r.height() / 2);
    return dipinto == barra->palette().color(QPalette::Highlight);
}

// The list open now, if it holds the entry and shows it chosen.
QMenu* ListaCon(QAction* voce)
{
    auto* lista = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!lista || !lista->isVisible())
        return nullptr;
    const bool dentro = lista->actions().contains(voce) || lista->menuAction() == voce;
    return dentro ? lista : nullptr;
}

} // namespace

class ProvaTavolozza : public QObject {
    Q_OBJECT

    QPalette chiara;

    // The desktop's palette, set before the program starts.
    void impostaTavolozza(bool scura) { QApplication::setPalette(scura ? Scura() : chiara); }

private slots:
    void initTestCase() { chiara = QApplication::palette(); }
    void cleanup()
    {
        Modulo1::Ridimensionatore.reset();
        Schermi::ChiudiTutto();
        SvuotaEventi();
        QApplication::setPalette(chiara);
    }

    // Every label on every screen writes in black on the colour the program
    // gives it, or on the window's, whatever the desktop's text colour; the
    // labels in the desktop's colours for window contents write in its text
    // colour on its field colour. Every caption of a button, and the check
    // box's, stands out on what is behind it (MinimoPer).
    void testiLeggibili_data()
    {
        QTest::addColumn<bool>("scura");
        QTest::addColumn<IdSchermo>("schermo");
        const QList<std::pair<IdSchermo, const char*>> schermi{
            {IdSchermo::FormAvvio, "FormAvvio"}, {IdSchermo::formMenu, "formMenu"}, {IdSchermo::form1, "form1"},
            {IdSchermo::FORM2, "FORM2"}, {IdSchermo::zirp3, "zirp3"}, {IdSchermo::FormTrova, "FormTrova"},
            {IdSchermo::zirp7, "zirp7"}, {IdSchermo::zirp8, "zirp8"}, {IdSchermo::zirp9, "zirp9"},
            {IdSchermo::FormDomino, "FormDomino"}, {IdSchermo::FormDomino2, "FormDomino2"}};
        for (bool scura : {false, true})
            for (const auto& [id, nome] : schermi)
                QTest::addRow("%s %s", scura ? "scura" : "chiara", nome) << scura << id;
    }
    void testiLeggibili()
    {
        QFETCH(bool, scura);
        QFETCH(IdSchermo, schermo);
        impostaTavolozza(scura);
        Ambiente a;
        Apri(a, schermo);
        if (QTest::currentTestFailed())
            return;
        const QPalette sistema = QApplication::palette();
        QStringList difetti;
        int testi = 0;
        for (QWidget* w : Schermi::Trova(schermo)->finestra()->superficie()->findChildren<QWidget*>()) {
            auto* etichetta = qobject_cast<QLabel*>(w);
            auto* bottone = qobject_cast<QAbstractButton*>(w);
            const QString testo = etichetta ? etichetta->text() : bottone ? bottone->text() : QString();
            if (!w->isVisible() || testo.isEmpty())
                continue;
            ++testi;
            const Dipinto d = Leggi(w, ParteDelTesto(w));
            const QString nome = w->objectName();
            if (etichetta) {
                const bool contenuto = NeiColoriDelContenuto(schermo, nome);
                const QColor atteso = contenuto ? sistema.color(QPalette::Text) : QColor(Qt::black);
                if (Distanza(d.inchiostro, atteso) > 48 || (contenuto && d.sfondo != sistema.color(QPalette::Base)))
                    difetti << QStringLiteral("%1 writes %2 on %3, not %4").arg(nome, d.inchiostro.name(),
                                                                              d.sfondo.name(), atteso.name());
            } else if (bottone->icon().isNull() && Contrasto(d.inchiostro, d.sfondo) < MinimoPer(bottone)) {
                difetti << QStringLiteral("%1 writes %2 on %3").arg(nome, d.inchiostro.name(), d.sfondo.name());
            }
        }
        QVERIFY(testi > 0);
        if (!difetti.isEmpty())
            QFAIL(qPrintable(difetti.join("\n   ")));
    }

    // The keyboard focus shows on both palettes round a button in the
    // desktop's colours, a picture, a framed area and the check box: its
    // frame holds pure black and pure white.
    void fuocoVisibile_data()
    {
        QTest::addColumn<bool>("scura");
        QTest::addColumn<IdSchermo>("schermo");
        QTest::addColumn<QString>("nome");
        for (bool scura : {false, true}) {
            const char* t = scura ? "scura" : "chiara";
            QTest::addRow("%s bottone", t) << scura << IdSchermo::formMenu << "Command1";
            QTest::addRow("%s casella", t) << scura << IdSchermo::formMenu << "Check1";
            QTest::addRow("%s figura", t) << scura << IdSchermo::FormTrova << "Image1(0)";
            QTest::addRow("%s area", t) << scura << IdSchermo::zirp9 << "Frame1(0)";
        }
    }
    void fuocoVisibile()
    {
        QFETCH(bool, scura);
        QFETCH(IdSchermo, schermo);
        QFETCH(QString, nome);
        impostaTavolozza(scura);
        Ambiente a;
        Apri(a, schermo, false);
        FinestraSchermo* f = Schermi::Trova(schermo)->finestra();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QWidget* w = Ctl(schermo, nome);
        w->setFocus(Qt::TabFocusReason);
        QVERIFY(w->hasFocus());
        const QImage immagine = f->grab(QRect(w->mapTo(f, QPoint()), w->size())).toImage();
        bool nero = false, bianco = false;
        for (int x = 0; x < immagine.width(); ++x)
            for (int y : {0, 1, 2, 3}) {
                nero |= immagine.pixelColor(x, y) == Qt::black;
                bianco |= immagine.pixelColor(x, y) == Qt::white;
            }
        QVERIFY(nero && bianco);
    }

    // Alt chooses the first menu-bar entry and shows it in the highlight
    // colour; Return opens that entry's list, showing "Azzera conteggio"
    // there, and does nothing else: the count stays. Escape closes the list;
    // Return opens it again, and Return in it sets the counts to 0.
    void altPoiInvio_data()
    {
        QTest::addColumn<bool>("scura");
        QTest::addColumn<IdSchermo>("schermo");
        QTest::newRow("chiara zirp3") << false << IdSchermo::zirp3;
        QTest::newRow("scura zirp3") << true << IdSchermo::zirp3;
        QTest::newRow("scura FormDomino") << true << IdSchermo::FormDomino;
    }
    void altPoiInvio()
    {
        QFETCH(bool, scura);
        QFETCH(IdSchermo, schermo);
        impostaTavolozza(scura);
        Ambiente a;
        Apri(a, schermo);
        FinestraSchermo* f = Schermi::Trova(schermo)->finestra();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QMenuBar* barra = Barra(schermo);
        QAction* prima = barra->actions().first();
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QVERIFY(!Evidenziata(barra, prima));

        Alt(f);
        QCOMPARE(barra->activeAction(), prima);
        QVERIFY(Evidenziata(barra, prima));
        Tasto(f, Qt::Key_Return);
        QMenu* lista = ListaCon(prima);
        QVERIFY(lista);
        QCOMPARE(lista->activeAction(), prima);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));

        Tasto(f, Qt::Key_Escape);
        QVERIFY(!ListaCon(prima));
        QCOMPARE(barra->activeAction(), prima);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));

        Tasto(f, Qt::Key_Return);
        QVERIFY(ListaCon(prima));
        Tasto(f, Qt::Key_Return);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Ctl<QLabel>(schermo, "etEsatti")->text(), QStringLiteral("Esatti 0"));
        // The bar has let the keyboard go.
        QVERIFY(!barra->activeAction());
        QVERIFY(a.messaggi.isEmpty());
    }

    // From an open list, Right and Left open the next entry's list, whether
    // that entry has items of its own or acts by itself; nothing acts on the
    // way.
    void frecceTraLeListe()
    {
        Ambiente a;
        Apri(a, IdSchermo::FORM2);
        FinestraSchermo* f = Schermi::Trova(IdSchermo::FORM2)->finestra();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        const QList<QAction*> voci = Barra(IdSchermo::FORM2)->actions();
        QCOMPARE(voci.size(), 4);
        Alt(f);
        Tasto(f, Qt::Key_Return);
        QVERIFY(ListaCon(voci[0]));
        for (int i : {1, 2, 3, 2, 1, 0}) {
            const int prima = Barra(IdSchermo::FORM2)->actions().indexOf(Barra(IdSchermo::FORM2)->activeAction());
            Tasto(f, i > prima ? Qt::Key_Right : Qt::Key_Left);
            QVERIFY2(ListaCon(voci[i]), qPrintable(voci[i]->text()));
        }
        Tasto(f, Qt::Key_Escape);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QVERIFY(a.messaggi.isEmpty());
        QVERIFY(Schermi::Trova(IdSchermo::FORM2)->caricato());
    }
};

TESSELO_TEST_MAIN(ProvaTavolozza)
#include "tst_tavolozza.moc"
