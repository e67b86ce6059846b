// The program under a desktop's light or dark theme, whose palette is set
// before the program starts, as a desktop sets it: the texts it paints on
// colours of its own keep their colours, and the menu bar shows from the
// keyboard what it would do before doing it.
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "screens/MenuGiochi.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

Q_DECLARE_METATYPE(IdSchermo)

namespace {

// Light text on dark windows, fields and buttons, as dark themes have it.
QPalette Scura()
{
    const QColor testo(240, 240, 240), fondo(53, 53, 53);
    return QPalette(testo, fondo, fondo.lighter(150), fondo.darker(200), fondo.darker(130), testo, Qt::white,
                    QColor(42, 42, 42), fondo);
}

// Contrast as the web's accessibility rules measure it: 1 to 21.
double Contrasto(const QColor& a, const QColor& b)
{
    const auto l = [](const QColor& c) {
        const auto v = [](double x) { return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); };
        return 0.2126 * v(c.redF()) + 0.7152 * v(c.greenF()) + 0.0722 * v(c.blueF()) + 0.05;
    };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}

// What w paints, on its window's colour, in the part that holds its text: the
// colour filling most of it, and the one that stands out most from that (the text).
std::pair<QColor, QColor> Dipinto(QWidget* w, QRect parte)
{
    QPixmap tela(w->size());
    tela.fill(w->window()->palette().color(QPalette::Window));
    w->render(&tela);
    const QImage immagine = tela.copy(parte).toImage();
    QHash<QRgb, int> quanti;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            ++quanti[immagine.pixel(x, y)];
    QColor sfondo, testo;
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        if (!sfondo.isValid() || it.value() > quanti.value(sfondo.rgb()))
            sfondo = QColor(it.key());
    testo = sfondo;
    for (QRgb p : quanti.keys())
        if (Contrasto(QColor(p), sfondo) > Contrasto(testo, sfondo))
            testo = QColor(p);
    return {sfondo, testo};
}

// Opens a screen as a child does, and gives a game one right answer, so that
// the counts, a chain's letter square and the chosen answer's button show.
FinestraSchermo* Apri(IdSchermo id)
{
    Modulo1::Main();
    if (id != IdSchermo::FormAvvio)
        Partita::AvviaFinoAlMenu();
    for (const auto& gioco : Partita::Giochi())
        if (gioco.id == id) {
            Partita::ApriDalMenu(gioco);
            Partita::Giusta(id);
        }
    SvuotaEventi();
    return Schermi::Trova(id)->finestra();
}

} // namespace

class ProvaTavolozza : public QObject {
    Q_OBJECT

    const QPalette chiara = QApplication::palette();

private slots:
    void cleanup()
    {
        Modulo1::Ridimensionatore.reset();
        Schermi::ChiudiTutto();
        SvuotaEventi();
        QApplication::setPalette(chiara);
    }

    // Every label writes in black, or, where the design puts it in the
    // system's colours for window contents, in the theme's text colour. A
    // caption stands out on its button at least 4.5 to 1, 3 to 1 on a locked
    // button with a colour of its own (the answer a child chose), and the
    // check box's beside its square.
    void testiLeggibili_data()
    {
        QTest::addColumn<QPalette>("tavolozza");
        QTest::addColumn<IdSchermo>("schermo");
        // The start screen, the menu and every game of the catalogue.
        QList<IdSchermo> schermi{IdSchermo::FormAvvio, IdSchermo::formMenu};
        for (const BottoneGioco& gioco : BottoniGiochi)
            schermi << gioco.gioco;
        for (const IdSchermo id : schermi) {
            QTest::addRow("chiara %d", int(id)) << chiara << id;
            QTest::addRow("scura %d", int(id)) << Scura() << id;
        }
    }
    void testiLeggibili()
    {
        QFETCH(QPalette, tavolozza);
        QFETCH(IdSchermo, schermo);
        QApplication::setPalette(tavolozza);
        Ambiente a;
        QStringList difetti;
        for (QWidget* w : Apri(schermo)->superficie()->findChildren<QWidget*>()) {
            auto* l = qobject_cast<QLabel*>(w);
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (!w->isVisible() || (l ? l->text() : b ? b->text() : QString()).isEmpty() || (b && !b->icon().isNull()))
                continue;
            const QRect dentro = l ? l->contentsRect() : w->rect().adjusted(qobject_cast<QCheckBox*>(w) ? 40 : 6, 6, -6, -6);
            const auto [sfondo, testo] = Dipinto(w, l ? l->fontMetrics().boundingRect(dentro, int(l->alignment()) | Qt::TextWordWrap, l->text()) & dentro : dentro);
            auto* colorato = qobject_cast<Bottone*>(w);
            const double minimo = !b ? 0 : b->isEnabled() ? 4.5 : colorato && colorato->colore().isValid() ? 3 : 1;
            const QColor atteso = l && l->foregroundRole() == QPalette::Text ? tavolozza.color(QPalette::Text) : Qt::black;
            if (Contrasto(testo, sfondo) < minimo || (l && Contrasto(testo, atteso) > 1.5))
                difetti << w->objectName() + " writes " + testo.name() + " on " + sfondo.name();
        }
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join(", ")));
    }

    // Alt shows the first menu-bar entry in the highlight colour. Return opens
    // a list showing "Azzera conteggio" and leaves the count alone; Right and
    // Left go to the next entry's list and back; Return in the list runs it.
    void altPoiInvio()
    {
        QApplication::setPalette(Scura());
        Ambiente a;
        FinestraSchermo* f = Apri(IdSchermo::zirp3);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        auto* barra = f->findChild<QMenuBar*>();
        const QList<QAction*> voci = barra->actions();
        const QRect r = barra->actionGeometry(voci[0]);
        const auto evidenziata = [&] {
            return barra->grab(r).toImage().pixelColor(2, r.height() / 2) == barra->palette().color(QPalette::Highlight);
        };
        const auto lista = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QVERIFY(!evidenziata());
        QWidget* fuoco = f->focusWidget();
        QTest::keyPress(fuoco, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(fuoco, Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(evidenziata());
        QTest::keyClick(barra, Qt::Key_Return);
        QVERIFY(lista() && lista()->activeAction() == voci[0]);
        for (auto [tasto, voce] : {std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_Left, 0}}) {
            QTest::keyClick(lista(), tasto);
            QVERIFY(lista() && lista()->activeAction() == voci[voce]);
        }
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QTest::keyClick(lista(), Qt::Key_Return);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QVERIFY(!lista() && !barra->activeAction() && a.messaggi.isEmpty());
    }
};

TESSELO_TEST_MAIN(ProvaTavolozza)
#include "tst_tavolozza.moc"
