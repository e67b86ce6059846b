// Every screen against one table of the design, written apart from the code
// (progetto.txt): each screen is opened as a child opens it, at the size
// the program gives it and at a smaller one, and every control named in the
// table is compared with it after the resizer has run.
#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Twips.h"
#include "controls/Cursori.h"
#include "controls/Linea.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>

namespace {

struct Riga {
    QString tipo;              // schermo, c, l, m, v, tavolozza
    QStringList campi;         // the positional fields
    QMap<QString, QString> chiavi;
};

// Keys that stand alone, without a value.
const QStringList Segni{"off", "nascosto", "contenuto", "trasparente"};

QList<Riga> LeggiTabella()
{
    QFile file(QStringLiteral(TESSELO_TABELLA_PROGETTO));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("design table missing");
    static const QRegularExpression parola(QStringLiteral("(\\w+=)?\"([^\"]*)\"|(\\S+)"));
    QList<Riga> righe;
    for (const QString& testo : QString::fromUtf8(file.readAll()).split('\n')) {
        if (testo.trimmed().isEmpty() || testo.startsWith('#'))
            continue;
        Riga r;
        for (auto it = parola.globalMatch(testo); it.hasNext();) {
            const auto m = it.next();
            QString voce = m.hasCaptured(2) ? m.captured(1) + m.captured(2) : m.captured(3);
            if (m.hasCaptured(2) && m.captured(1).isEmpty())
                voce.prepend(QChar(0x1f)); // a quoted caption, kept as a field
            const int uguale = voce.indexOf('=');
            if (r.tipo.isEmpty())
                r.tipo = voce;
            else if (uguale > 0 && voce[0] != QChar(0x1f))
                r.chiavi.insert(voce.left(uguale), voce.mid(uguale + 1));
            else if (Segni.contains(voce))
                r.chiavi.insert(voce, {});
            else
                r.campi << (voce.startsWith(QChar(0x1f)) ? voce.mid(1) : voce);
        }
        righe << r;
    }
    return righe;
}

QColor Colore(const QString& bbggrr)
{
    bool ok = false;
    const quint32 v = bbggrr.mid(2).toUInt(&ok, 16);
    if (!bbggrr.startsWith("&H") || !ok)
        qFatal("bad colour %s", qPrintable(bbggrr));
    return ColoreDa(v);
}

// The colour painted at a point well inside the control's box.
QColor Dipinto(QWidget* w, QPoint punto)
{
    return w->grab().toImage().pixelColor(punto);
}

QCursor Cursore(const QString& nome)
{
    if (nome == "mano")
        return Qt::PointingHandCursor;
    if (nome == "normale")
        return Qt::ArrowCursor;
    if (nome == "freccia")
        return CursoreFreccia();
    if (nome == "faccia")
        return CursoreFaccia();
    if (nome == "chiave")
        return CursoreChiaveDiViolino();
    qFatal("unknown pointer %s", qPrintable(nome));
}

bool StessoCursore(const QCursor& a, const QCursor& b)
{
    if (a.shape() != b.shape())
        return false;
    return a.shape() != Qt::BitmapCursor || a.pixmap().toImage() == b.pixmap().toImage();
}

IdSchermo IdDi(const QString& nome)
{
    static const QMap<QString, IdSchermo> ids{
        {"FormAvvio", IdSchermo::FormAvvio}, {"formMenu", IdSchermo::formMenu}, {"form1", IdSchermo::form1},
        {"FORM2", IdSchermo::FORM2}, {"zirp3", IdSchermo::zirp3}, {"FormTrova", IdSchermo::FormTrova},
        {"zirp7", IdSchermo::zirp7}, {"zirp8", IdSchermo::zirp8}, {"zirp9", IdSchermo::zirp9},
        {"FormDomino", IdSchermo::FormDomino}, {"FormDomino2", IdSchermo::FormDomino2}};
    return ids.value(nome);
}

QString Nome(const Riga& r)
{
    return r.campi[1] == "-" ? r.campi[0] : QStringLiteral("%1(%2)").arg(r.campi[0], r.campi[1]);
}

// Opens a screen as a child does: the start screen by starting the program,
// the menu by clicking the title, a game by its button on the menu.
void Apri(IdSchermo id)
{
    Modulo1::Main();
    SvuotaEventi();
    if (id == IdSchermo::FormAvvio)
        return;
    Partita::AvviaFinoAlMenu();
    if (id == IdSchermo::formMenu)
        return;
    for (const auto& gioco : Partita::Giochi())
        if (gioco.id == id)
            Partita::ApriDalMenu(gioco);
}

} // namespace

class ProvaProgetto : public QObject {
    Q_OBJECT

private slots:
    void tavolozza()
    {
        for (const Riga& r : LeggiTabella())
            if (r.tipo == "tavolozza") {
                QCOMPARE(r.campi.size(), 18);
                for (int i = 0; i < 18; ++i)
                    QCOMPARE(ColoreDa(Modulo1::Palette[i + 1]), Colore(r.campi[i]));
                return;
            }
        QFAIL("no palette in the table");
    }

    // Every screen, at the size the program gives it and at a smaller one.
    void schermo_comeProgettato_data()
    {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QSize>("dimensione");
        int schermi = 0;
        for (const Riga& r : LeggiTabella())
            if (r.tipo == "schermo") {
                ++schermi;
                for (QSize d : {QSize(), QSize(700, 470)})
                    QTest::addRow("%s %s", qPrintable(r.campi[0]), d.isValid() ? "700x470" : "pieno")
                        << r.campi[0] << d;
            }
        QCOMPARE(schermi, 11);
    }
    void schermo_comeProgettato()
    {
        QFETCH(QString, schermo);
        QFETCH(QSize, dimensione);
        Ambiente a;
        const IdSchermo id = IdDi(schermo);
        Apri(id);
        Schermo* s = Schermi::Trova(id);
        QVERIFY(s && s->finestra() && s->finestra()->isVisible());
        FinestraSchermo* f = s->finestra();
        if (dimensione.isValid()) {
            f->resize(dimensione);
            SvuotaEventi();
        }
        const QSize superficie = f->superficie()->size();

        double rx = 0, ry = 0;
        bool suQuesto = false;
        QList<QAction*> barra;
        QMenu* menuAperto = nullptr;
        const QMenuBar* mb = f->findChild<QMenuBar*>();
        if (mb)
            barra = mb->actions();
        int voceBarra = 0, voceMenu = 0;
        const QStringList difetti = [&] {
            QStringList d;
            auto vicino = [&](const QString& cosa, double atteso, double vero) {
                if (std::abs(atteso - vero) > 1.0)
                    d << QStringLiteral("%1: %2 px, design %3 px").arg(cosa).arg(vero).arg(atteso, 0, 'f', 1);
            };
            auto pos = [](const QString& twips, double r) { return Pixel(twips.toInt()) * r; };
            for (const Riga& r : LeggiTabella()) {
                if (r.tipo == "schermo") {
                    suQuesto = r.campi[0] == schermo;
                    if (!suQuesto)
                        continue;
                    rx = superficie.width() / double(Pixel(r.campi[1].toInt()));
                    ry = superficie.height() / double(Pixel(r.campi[2].toInt()));
                    if (f->windowTitle() != r.chiavi["titolo"])
                        d << "title: " + f->windowTitle();
                    const QString sfondo = r.chiavi["sfondo"];
                    if (sfondo == "casuale") {
                        bool trovato = false;
                        for (int i = 1; i <= 18; ++i)
                            trovato |= ColoreDa(Modulo1::Palette[i]) == f->sfondo();
                        if (!trovato)
                            d << "background not from the palette: " + f->sfondo().name();
                    } else if (Dipinto(f->superficie(), {2, superficie.height() - 3}) != Colore(sfondo)) {
                        d << "background: " + Dipinto(f->superficie(), {2, superficie.height() - 3}).name();
                    }
                    if (r.chiavi.contains("cursore") && !StessoCursore(f->cursor(), Cursore(r.chiavi["cursore"])))
                        d << "window's mouse pointer";
                    continue;
                }
                if (!suQuesto)
                    continue;
                if (r.tipo == "m" || r.tipo == "v") {
                    QAction* voce = nullptr;
                    if (r.tipo == "m") {
                        voce = voceBarra < barra.size() ? barra[voceBarra++] : nullptr;
                        menuAperto = voce ? voce->menu() : nullptr;
                        voceMenu = 0;
                    } else if (menuAperto && voceMenu < menuAperto->actions().size()) {
                        voce = menuAperto->actions()[voceMenu++];
                    }
                    if (!voce || voce->objectName() != r.campi[0] || voce->text() != r.campi[1]) {
                        d << QStringLiteral("menu %1 \"%2\": found %3 \"%4\"")
                                 .arg(r.campi[0], r.campi[1], voce ? voce->objectName() : "nothing",
                                      voce ? voce->text() : "");
                        continue;
                    }
                    if (r.chiavi.contains("spunta") && voce->isChecked() != (r.chiavi["spunta"] == "1"))
                        d << r.campi[0] + ": check mark";
                    continue;
                }
                const QString nome = Nome(r);
                QWidget* w = f->findChild<QWidget*>(nome);
                if (!w) {
                    d << nome + " missing";
                    continue;
                }
                const auto& c = r.campi;
                if (r.tipo == "l") {
                    auto* linea = qobject_cast<Linea*>(w);
                    if (!linea) {
                        d << nome + " is not a line";
                        continue;
                    }
                    vicino(nome + " X1", pos(c[2], rx), linea->X1());
                    vicino(nome + " Y1", pos(c[3], ry), linea->Y1());
                    vicino(nome + " X2", pos(c[4], rx), linea->X2());
                    vicino(nome + " Y2", pos(c[5], ry), linea->Y2());
                } else {
                    const QString dentro = r.chiavi.value("in", QString());
                    QWidget* contenitore = dentro.isEmpty() ? f->superficie() : f->findChild<QWidget*>(dentro);
                    if (w->parentWidget() != contenitore)
                        d << nome + " is not in " + (dentro.isEmpty() ? "the window" : dentro);
                    const QRect g = w->geometry();
                    const int valori[] = {g.left(), g.top(), g.width(), g.height()};
                    const char* lati[] = {" left", " top", " width", " height"};
                    for (int k = 0; k < 4; ++k)
                        if (c[2 + k] != "-")
                            vicino(nome + lati[k], pos(c[2 + k], k % 2 ? ry : rx), valori[k]);
                }
                if (r.chiavi.contains("testo")) {
                    QString vero;
                    if (auto* l = qobject_cast<QLabel*>(w))
                        vero = l->text();
                    else if (auto* b = qobject_cast<QAbstractButton*>(w))
                        vero = b->text();
                    if (vero != r.chiavi["testo"])
                        d << QStringLiteral("%1 caption \"%2\"").arg(nome, vero);
                }
                if (r.chiavi.contains("font")) {
                    const QStringList p = r.chiavi["font"].split(':');
                    const QFont atteso = p[0] == "serif" ? CarattereSerif(p[1].toDouble(), p.size() > 2)
                                                         : CarattereSans(p[1].toDouble(), p.size() > 2);
                    const QFont vero = w->font();
                    if (vero.family() != atteso.family() || std::abs(vero.pointSizeF() - atteso.pointSizeF()) > 0.01
                        || vero.bold() != atteso.bold())
                        d << QStringLiteral("%1 font %2 %3%4").arg(nome, vero.family()).arg(vero.pointSizeF())
                                 .arg(vero.bold() ? " bold" : "");
                }
                const QPoint dentroBox(w->width() - 4, 3);
                if (r.chiavi.contains("sfondo")) {
                    const QString v = r.chiavi["sfondo"];
                    const QColor atteso = v == "finestra" ? f->sfondo() : Colore(v);
                    if (Dipinto(w, dentroBox) != atteso)
                        d << QStringLiteral("%1 painted %2 behind, design %3")
                                 .arg(nome, Dipinto(w, dentroBox).name(), atteso.name());
                }
                if (r.chiavi.contains("contenuto")) {
                    const QPalette sistema = QApplication::palette();
                    if (Dipinto(w, dentroBox) != sistema.color(QPalette::Base)
                        || w->palette().color(w->foregroundRole()) != sistema.color(QPalette::Text))
                        d << nome + " not in the system's colours for window contents";
                }
                if (r.chiavi.contains("trasparente") && w->autoFillBackground())
                    d << nome + " paints a background of its own";
                if (r.chiavi.contains("inchiostro") && w->palette().color(w->foregroundRole()) != Colore(r.chiavi["inchiostro"]))
                    d << nome + " text colour";
                if (r.chiavi.contains("bordo") && Dipinto(w, {w->width() / 2, 1}) != Colore(r.chiavi["bordo"]))
                    d << nome + " outline " + Dipinto(w, {w->width() / 2, 1}).name();
                if (r.chiavi.contains("cursore") && !StessoCursore(w->cursor(), Cursore(r.chiavi["cursore"])))
                    d << nome + " mouse pointer";
                if (r.chiavi.contains("spunta")) {
                    auto* casella = qobject_cast<QCheckBox*>(w);
                    if (!casella || casella->isChecked() != (r.chiavi["spunta"] == "1"))
                        d << nome + " check mark";
                }
                if (r.chiavi.contains("off") == w->isEnabled())
                    d << nome + (w->isEnabled() ? " enabled" : " disabled");
                if (r.chiavi.contains("nascosto") != w->isHidden())
                    d << nome + (w->isHidden() ? " hidden" : " shown");
            }
            if (voceBarra != barra.size())
                d << QStringLiteral("%1 menu-bar entries, the design has %2").arg(barra.size()).arg(voceBarra);
            return d;
        }();
        if (!difetti.isEmpty())
            QFAIL(qPrintable(difetti.join("\n   ")));
    }

    // form1's title and the table's headers take the desktop's colours for
    // window contents, whatever the theme makes them.
    void coloriDelTema_data()
    {
        QTest::addColumn<QString>("schermo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("form1") << "form1" << "Label1";
        for (int i = 0; i < 4; ++i)
            QTest::addRow("zirp9 %d", i) << "zirp9" << QString("Label1(%1)").arg(i);
    }
    void coloriDelTema()
    {
        QFETCH(QString, schermo);
        QFETCH(QString, nome);
        const QPalette prima = QApplication::palette();
        QPalette tema = prima;
        tema.setColor(QPalette::Base, QColor(40, 44, 52));
        tema.setColor(QPalette::Text, QColor(220, 220, 160));
        QApplication::setPalette(tema);
        Ambiente a;
        Apri(IdDi(schermo));
        QWidget* w = Ctl(IdDi(schermo), nome);
        const QColor dipinto = Dipinto(w, {w->width() - 4, 3});
        const QColor testo = w->palette().color(w->foregroundRole());
        QApplication::setPalette(prima);
        QCOMPARE(dipinto, QColor(40, 44, 52));
        QCOMPARE(testo, QColor(220, 220, 160));
    }

    // A click is the left button: a right or middle click on any control of
    // any screen, or on its background, does nothing at all.
    void soloIlTastoSinistro_data()
    {
        QTest::addColumn<QString>("schermo");
        for (const Riga& r : LeggiTabella())
            if (r.tipo == "schermo")
                QTest::newRow(qPrintable(r.campi[0])) << r.campi[0];
    }
    void soloIlTastoSinistro()
    {
        QFETCH(QString, schermo);
        Ambiente a;
        const IdSchermo id = IdDi(schermo);
        Apri(id);
        FinestraSchermo* f = Schermi::Trova(id)->finestra();
        QList<QPointer<QWidget>> bersagli{f->superficie()};
        for (QWidget* w : f->superficie()->findChildren<QWidget*>())
            if (w->isVisible())
                bersagli << w;
        const int suoni = a.suono.suonati.size();
        const bool suonoAttivo = Modulo1::SuonoAttivo;
        for (Qt::MouseButton tasto : {Qt::RightButton, Qt::MiddleButton})
            for (const QPointer<QWidget>& w : bersagli) {
                QVERIFY2(w, "a control went away");
                QTest::mouseClick(w, tasto, {}, w == f->superficie() ? QPoint(3, 3) : w->rect().center());
                SvuotaEventi();
            }
        QVERIFY(Schermi::Trova(id)->caricato());
        for (const auto& altro : Partita::Giochi())
            QCOMPARE(Schermi::Trova(altro.id)->caricato(), altro.id == id);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(0));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(0));
        QCOMPARE(a.suono.suonati.size(), suoni);
        QCOMPARE(Modulo1::SuonoAttivo, suonoAttivo);
        QVERIFY(a.messaggi.isEmpty());
    }
};

TESSELO_TEST_MAIN(ProvaProgetto)
#include "tst_progetto.moc"
