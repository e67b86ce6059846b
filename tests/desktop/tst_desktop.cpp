// The program on real desktops, each started by the test itself:
//   TESSELO_DESKTOP=x11:WxH      Xvfb with the openbox window manager
//   TESSELO_DESKTOP=wayland      Weston's headless back end
//   TESSELO_DESKTOP=denso:DPR    the offscreen platform, a 3840 × 2160 screen
// TESSELO_SCHERMATE=folder saves a picture of every screen checked there.
// A server that cannot be started fails the test.
#include "app/Colori.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "comune/Stile.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"
#include "resize/clsResize.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/Partita.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// How long a real display server and window manager may take to show, frame
// or move a window: generous, since a busy machine delays them by seconds.
constexpr int AttesaServer = 20000;

QString Modo()
{
    return QString::fromLocal8Bit(qgetenv("TESSELO_DESKTOP"));
}
bool SuX11() { return Modo().startsWith("x11"); }
bool SuWayland() { return Modo() == "wayland"; }

// Warnings Qt writes while the program runs.
QStringList avvisi;
void RaccogliAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo != QtDebugMsg && tipo != QtInfoMsg && QByteArray(contesto.category).startsWith("qt"))
        avvisi.append(testo);
    fprintf(stderr, "%s\n", qPrintable(testo));
}

Schermo& S(IdSchermo id)
{
    return *Schermi::Trova(id);
}

// The screen on show has its frame where it belongs.
bool Collocata(IdSchermo id)
{
    const FinestraSchermo* f = S(id).finestra();
    if (!f || !f->isVisible())
        return false;
    const QRect disponibile = f->screen()->availableGeometry();
    const QRect cornice = f->frameGeometry();
    if (SuWayland())
        // A Wayland client never learns where its window is: only its size.
        return f->isMaximized() && f->frameGeometry().size() == disponibile.size();
    return std::abs(cornice.left() - disponibile.left()) <= 1 && std::abs(cornice.top() - disponibile.top()) <= 1
        && std::abs(cornice.width() - disponibile.width()) <= 1
        && std::abs(cornice.height() - disponibile.height()) <= 1;
}

} // namespace

class ProvaDesktop : public QObject {
    Q_OBJECT

    // Opens every screen the way a child does and checks each one, frame
    // included, covers the available area with every control inside its
    // inner area, where the resizer put it from its design place.
    void controllaTutti(Ambiente& a)
    {
        Modulo1::Main();
        SvuotaEventi();
        controlla(IdSchermo::FormAvvio);
        if (QTest::currentTestFailed())
            return;
        QTest::mouseClick(Ctl(IdSchermo::FormAvvio, "Label1"), Qt::LeftButton);
        SvuotaEventi();
        QVERIFY(!S(IdSchermo::FormAvvio).finestra());
        controlla(IdSchermo::formMenu);
        if (QTest::currentTestFailed())
            return;
        for (const auto& gioco : Partita::Giochi()) {
            Partita::ApriDalMenu(gioco);
            controlla(gioco.id);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(Partita::Giusta(gioco.id) || Partita::Sbagliata(gioco.id), gioco.nome);
            SvuotaEventi();
            QVERIFY(Collocata(gioco.id));
            Partita::TornaAlMenu(a, gioco.id);
            QVERIFY(S(IdSchermo::formMenu).finestra());
            QVERIFY(!S(gioco.id).finestra());
        }
    }

    void controlla(IdSchermo id)
    {
        FinestraSchermo* f = S(id).finestra();
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowExposed(f, AttesaServer));
        QTRY_VERIFY2_WITH_TIMEOUT(Collocata(id),
                                  qPrintable(QStringLiteral("screen %1: frame %2,%3 %4x%5 in %6x%7")
                                                 .arg(int(id))
                                                 .arg(f->frameGeometry().x())
                                                 .arg(f->frameGeometry().y())
                                                 .arg(f->frameGeometry().width())
                                                 .arg(f->frameGeometry().height())
                                                 .arg(f->screen()->availableGeometry().width())
                                                 .arg(f->screen()->availableGeometry().height())),
                                  AttesaServer);
        if (!SuWayland())
            QVERIFY(f->screen()->geometry().contains(f->frameGeometry()));
        const QRect interna(0, 0, f->larghezzaInterna(), f->altezzaInterna());
        const auto& r = Modulo1::Ridimensionatore;
        QVERIFY(r && r->SourceForm() == f && !r->NeedsRecording);
        const double rx = double(interna.width()) / r->RecordedWidth;
        const double ry = double(interna.height()) / r->RecordedHeight;
        int controllati = 0;
        for (const ControlPosition& posto : r->ControlPositions) {
            auto* w = qobject_cast<QWidget*>(posto.control.data());
            if (!w || qobject_cast<Linea*>(w) || !w->isVisible() || w->parentWidget() != f->superficie())
                continue;
            const QRect g = w->geometry();
            QVERIFY2(interna.contains(g), qPrintable(w->objectName()));
            const auto& v = posto.valori;
            QVERIFY2(std::abs(g.x() - v[0] * rx) <= 1 && std::abs(g.y() - v[1] * ry) <= 1
                         && std::abs(g.width() - v[2] * rx) <= 1 && std::abs(g.height() - v[3] * ry) <= 1,
                     qPrintable(w->objectName()));
            ++controllati;
        }
        QVERIFY(controllati > 0);
        fotografa(f, id);
        qInfo("screen %s: painted %d time(s) as it opened, size set again %d time(s) once framed",
              qPrintable(QString::number(int(id))),
              disegni.volte.value(f), f->correzioniCornice());
    }

    // With TESSELO_SCHERMATE set to a folder, each screen checked is saved
    // there as it showed: the whole X11 screen, frames and panel included,
    // elsewhere the window alone.
    void fotografa(FinestraSchermo* f, IdSchermo id)
    {
        const QString cartella = QString::fromLocal8Bit(qgetenv("TESSELO_SCHERMATE"));
        if (cartella.isEmpty())
            return;
        SvuotaEventi();
        const QPixmap foto = SuX11() ? f->screen()->grabWindow(0) : f->grab();
        const QString nome = QStringLiteral("%1/%2-%3-schermo%4.png")
                                 .arg(cartella, QString::fromLatin1(QTest::currentTestFunction()))
                                 .arg(++fotografie, 2, 10, QLatin1Char('0'))
                                 .arg(int(id));
        QVERIFY2(QDir().mkpath(cartella) && foto.save(nome), qPrintable(nome));
    }
    int fotografie = 0;

    // How many times the surface of each window is painted.
    struct ContaDisegni final : QObject {
        ContaDisegni() { qApp->installEventFilter(this); }
        QHash<const QWidget*, int> volte;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && o->objectName() == QLatin1String("superficie"))
                ++volte[static_cast<QWidget*>(o)->window()];
            return false;
        }
    } disegni;

private slots:
    void init() { avvisi.clear(); }
    void cleanup()
    {
        Modulo1::Ridimensionatore.reset();
        Schermi::ChiudiTutto();
        SvuotaEventi();
    }

    // The screen is the one the mode names, in device pixels.
    void loSchermoEQuelloChiesto()
    {
        const QScreen* schermo = QGuiApplication::primaryScreen();
        const QSize pixel = (QSizeF(schermo->geometry().size()) * schermo->devicePixelRatio()).toSize();
        if (SuX11())
            QCOMPARE(QStringLiteral("%1x%2").arg(pixel.width()).arg(pixel.height()), Modo().mid(4));
        else if (Modo().startsWith("denso:"))
            QCOMPARE(pixel, QSize(3840, 2160));
        else
            QSKIP("the compositor chooses the output's size");
    }

    void ogniSchermoCopreLAreaDisponibile()
    {
        Ambiente a;
        controllaTutti(a);
        QVERIFY2(avvisi.isEmpty(), qPrintable(avvisi.join('\n')));
    }

    // A panel the desktop reserves (a dock window with a strut) is left free.
    void accantoAUnPannello()
    {
        if (!SuX11())
            QSKIP("panels are reserved by the X11 window manager");
        QWidget pannello;
        pannello.setWindowFlag(Qt::FramelessWindowHint);
        const QRect schermo = QGuiApplication::primaryScreen()->geometry();
        const int alto = 40;
        pannello.setGeometry(0, schermo.height() - alto, schermo.width(), alto);
        pannello.winId();
        const QString id = QString::number(pannello.winId());
        const auto xprop = [&](QStringList argomenti) {
            QCOMPARE(QProcess::execute("xprop", QStringList{"-id", id} + argomenti), 0);
        };
        xprop({"-f", "_NET_WM_WINDOW_TYPE", "32a", "-set", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DOCK"});
        xprop({"-f", "_NET_WM_STRUT_PARTIAL", "32c", "-set", "_NET_WM_STRUT_PARTIAL",
               QStringLiteral("0,0,0,%1,0,0,0,0,0,0,0,%2").arg(alto).arg(schermo.width() - 1)});
        pannello.show();
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::primaryScreen()->availableGeometry(),
                                  QRect(0, 0, schermo.width(), schermo.height() - alto), AttesaServer);
        Ambiente a;
        controllaTutti(a);
    }

    // The exit question and its Yes end the program; the close box too.
    void esciConSi()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        controlla(IdSchermo::formMenu);
        a.risposte.push_back(RispostaSi);
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command5"), Qt::LeftButton);
        SvuotaEventi();
        QCOMPARE(a.terminazioni, 1);
        QVERIFY(!a.messaggi.isEmpty());
        Ambiente b;
        Partita::AvviaFinoAlMenu();
        controlla(IdSchermo::formMenu);
        S(IdSchermo::formMenu).finestra()->close();
        SvuotaEventi();
        QCOMPARE(b.terminazioni, 1);
        QVERIFY2(avvisi.isEmpty(), qPrintable(avvisi.join('\n')));
    }

    // A game screen shows no text in its title bar, not the program's name.
    void titoloVuoto()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi().first());
        FinestraSchermo* f = S(IdSchermo::form1).finestra();
        QVERIFY(QTest::qWaitForWindowExposed(f, AttesaServer));
        QCOMPARE(f->windowTitle(), QString());
        QVERIFY(f->windowHandle()->title().trimmed().isEmpty());
        if (SuX11()) {
            QProcess xprop;
            xprop.start("xprop", {"-id", QString::number(f->winId()), "_NET_WM_NAME", "WM_NAME"});
            QVERIFY(xprop.waitForFinished());
            const QString uscita = QString::fromUtf8(xprop.readAllStandardOutput());
            QVERIFY2(!uscita.contains(QCoreApplication::applicationName()), qPrintable(uscita));
        }
    }

    // The keyboard focus of a button (in a colour of its own or in the style's
    // face), a picture, a framed area and a check box shows on every window
    // colour round the whole control: its frame holds pixels far from the window's colour and
    // from the control's own, at least 3 device pixels deep.
    void fuocoSuOgniColore()
    {
        if (SuWayland())
            QSKIP("on Wayland the compositor alone gives a window the keyboard");
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi().at(3));
        const IdSchermo id = Partita::Giochi().at(3).id;
        FinestraSchermo* f = S(id).finestra();
        QVERIFY(QTest::qWaitForWindowExposed(f, AttesaServer));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QList<QWidget*> controlli;
        for (const char* tipo : {"Bottone", "Immagine"})
            for (QWidget* w : f->findChildren<QWidget*>())
                if (w->inherits(tipo) && w->isVisible() && w->width() > 20) {
                    w->setEnabled(true);
                    controlli.append(w);
                    break;
                }
        // These go where nothing else is on show.
        auto* semplice = new Bottone(QStringLiteral("FINE"), f->superficie()); // as on the menu
        auto* area = new Cornice(f->superficie());
        auto* casella = new QCheckBox(QStringLiteral("sì"), f->superficie());
        casella->setBackgroundRole(QPalette::Window); // as on the menu
        for (QWidget* nuovo : std::initializer_list<QWidget*>{semplice, area, casella}) {
            const auto libero = [&](const QRect& posto) {
                const QList<QWidget*> altri = f->superficie()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                return std::none_of(altri.begin(), altri.end(), [&](QWidget* w) {
                    return w != nuovo && w->isVisible() && w->geometry().adjusted(-8, -8, 8, 8).intersects(posto);
                });
            };
            QRect posto(QPoint(8, 8), QSize(120, 40));
            while (!libero(posto) && posto.bottom() < f->superficie()->height()) {
                posto.translate(10, 0);
                if (posto.right() >= f->superficie()->width())
                    posto.moveTo(8, posto.top() + 10);
            }
            QVERIFY2(libero(posto), nuovo->metaObject()->className());
            nuovo->setGeometry(posto);
            nuovo->show();
            controlli.append(nuovo);
        }
        QCOMPARE(controlli.size(), 5);
        const qreal rapporto = f->devicePixelRatioF();
        QImage foglio(QSize(5 * 140, 18 * 60) * rapporto, QImage::Format_RGB32);
        foglio.setDevicePixelRatio(rapporto);
        QPainter pittore(&foglio);
        const auto lontano = [](QRgb p, const QColor& c) {
            return std::abs(qRed(p) - c.red()) + std::abs(qGreen(p) - c.green()) + std::abs(qBlue(p) - c.blue()) > 250;
        };
        for (int k = 1; k <= 18; ++k) {
            const QColor colore = ColoreDa(Modulo1::Palette[k]);
            f->impostaSfondo(colore);
            for (int j = 0; j < controlli.size(); ++j) {
                QWidget* w = controlli[j];
                if (w != semplice)
                    ImpostaSfondo(w, colore.lighter(110));
                w->setFocus(Qt::TabFocusReason);
                QVERIFY(w->hasFocus());
                // The focus box and a strip of the window round it.
                const QRect box = w->geometry().adjusted(-6, -6, 6, 6);
                const QImage vista = f->superficie()->grab(box).toImage();
                pittore.drawImage(QRectF(j * 140, (k - 1) * 60, std::min(box.width(), 136), std::min(box.height(), 56)),
                                  vista, QRectF(QPointF(), QSizeF(std::min(box.width(), 136), std::min(box.height(), 56)) * rapporto));
                const QColor faccia = SfondoDi(w);
                const QRect fuoco = w->rect();
                // Down the middle of the focus frame's top side.
                const int x = qRound((6 + fuoco.center().x()) * rapporto);
                int vicinoAllaFinestra = 0, vicinoAlControllo = 0;
                for (int y = qRound((6 + fuoco.top()) * rapporto); y < qRound((6 + fuoco.top() + 4) * rapporto); ++y) {
                    vicinoAllaFinestra += lontano(vista.pixel(x, y), colore);
                    vicinoAlControllo += lontano(vista.pixel(x, y), faccia);
                }
                QVERIFY2(vicinoAllaFinestra >= 2 && vicinoAlControllo >= 2,
                         qPrintable(QStringLiteral("colour %1, %2").arg(k).arg(w->metaObject()->className())));
                // The frame is at least 3 device pixels deep: from its outer
                // edge down, a run of pixels in its own black and white
                // (4 device pixels at a ratio of 1; a thin or blended pen
                // leaves fewer; on a picture the run may go on into the
                // picture's own white).
                int profondita = 0;
                for (int y = qRound((6 + fuoco.top()) * rapporto); y < vista.height(); ++y, ++profondita)
                    if (const QRgb p = vista.pixel(x, y) & 0xFFFFFF; p != 0 && p != 0xFFFFFF)
                        break;
                QVERIFY2(profondita >= 3,
                         qPrintable(QStringLiteral("colour %1, %2: %3 device pixels")
                                        .arg(k).arg(w->metaObject()->className()).arg(profondita)));
            }
        }
        pittore.end();
        if (const QByteArray file = qgetenv("TESSELO_FOGLIO_FUOCO"); !file.isEmpty())
            QVERIFY(foglio.save(QString::fromLocal8Bit(file)));
    }

    // The menu's check box, indicator and caption, lies inside its focus
    // frame: without the focus, the frame's 4 pixels and one more all round
    // show only the window's colour; with it, they change.
    void casellaDentroIlSuoFuoco()
    {
        if (SuWayland())
            QSKIP("on Wayland the compositor alone gives a window the keyboard");
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        controlla(IdSchermo::formMenu);
        FinestraSchermo* f = S(IdSchermo::formMenu).finestra();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QWidget* casella = Ctl(IdSchermo::formMenu, "Check1");
        casella->clearFocus();
        const QImage senza = casella->grab().toImage().convertToFormat(QImage::Format_RGB32);
        casella->setFocus(Qt::TabFocusReason);
        QVERIFY(casella->hasFocus());
        const QImage con = casella->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int bordo = int(std::ceil(5 * casella->devicePixelRatioF()));
        const QRgb sfondo = f->sfondo().rgb();
        int coperti = 0, cambiati = 0;
        for (int y = 0; y < senza.height(); ++y)
            for (int x = 0; x < senza.width(); ++x)
                if (x < bordo || y < bordo || x >= senza.width() - bordo || y >= senza.height() - bordo) {
                    coperti += senza.pixel(x, y) != sfondo;
                    cambiati += con.pixel(x, y) != senza.pixel(x, y);
                }
        QCOMPARE(coperti, 0);
        QVERIFY(cambiati > 0);
    }

    // Alt and Return from the X server's keyboard, under openbox: after Alt
    // the first menu shows highlighted on the screen; Return opens its list
    // and keeps the count; Return there runs "Azzera conteggio" and gives the
    // keyboard back to the control that had it.
    void altPoiInvio()
    {
        if (!SuX11())
            QSKIP("the keys go through the X server");
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi().at(2));
        controlla(IdSchermo::zirp3);
        QVERIFY(Partita::Giusta(IdSchermo::zirp3));
        FinestraSchermo* f = S(IdSchermo::zirp3).finestra();
        QWidget* fuoco = QApplication::focusWidget();
        auto* barra = f->findChild<QMenuBar*>();
        const QPoint punto = barra->mapToGlobal(barra->actionGeometry(barra->actions().first()).topLeft() + QPoint(2, 8));
        const auto evidenziata = [&] {
            return f->screen()->grabWindow(0, punto.x(), punto.y(), 1, 1).toImage().pixelColor(0, 0)
                == barra->palette().color(QPalette::Highlight);
        };
        const auto tasto = [](const char* nome) { QCOMPARE(QProcess::execute("xdotool", {"key", nome}), 0); };
        QVERIFY(fuoco && !evidenziata());
        tasto("alt");
        QTRY_VERIFY_WITH_TIMEOUT(evidenziata(), AttesaServer);
        tasto("Return");
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()), AttesaServer);
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        tasto("Return");
        QTRY_COMPARE_WITH_TIMEOUT(Modulo1::ContatoreEsatti, qint16(0), AttesaServer);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), fuoco, AttesaServer);
    }

    // On a dense screen a block picture is shown pixel for pixel as decoded
    // for the device pixels of its box, not enlarged from a smaller picture.
    void figureAiPixelDelloSchermo()
    {
        const qreal rapporto = qApp->devicePixelRatio();
        if (rapporto == 1)
            QSKIP("the screen is not dense");
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi().first());
        controlla(IdSchermo::form1);
        Immagine* figura = nullptr;
        for (Immagine* i : S(IdSchermo::form1).finestra()->findChildren<Immagine*>())
            if (i->isVisible() && !i->vuota() && i->width() > 60)
                figura = i;
        QVERIFY(figura);
        const QSize lato = (QSizeF(figura->size()) * rapporto).toSize();
        const QImage vista = figura->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(vista.size(), lato);
        // The picture keeps its proportions: as large as fits, in the middle.
        const QSize mostrata = DimensioneAdattata(figura->immagine().size(), lato);
        const QRect dove(QPoint((lato.width() - mostrata.width()) / 2, (lato.height() - mostrata.height()) / 2), mostrata);
        const QImage attesa = figura->immagine()
                                  .scaled(mostrata, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_RGB32);
        // Sharp: the same picture at the same pixels, within the filter's rounding.
        int diversi = 0;
        for (int y = 0; y < mostrata.height(); ++y)
            for (int x = 0; x < mostrata.width(); ++x) {
                const QRgb p = vista.pixel(dove.topLeft() + QPoint(x, y)), q = attesa.pixel(x, y);
                if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 48)
                    ++diversi;
            }
        QVERIFY2(diversi * 50 < mostrata.width() * mostrata.height(), qPrintable(QString::number(diversi)));
        // Half the picture, enlarged, would not match.
        const QImage sfocata = attesa.scaled(mostrata / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .scaled(mostrata, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(sfocata != vista.copy(dove));
    }
};

namespace {

// The servers a desktop needs, stopped when the test ends.
struct Servers {
    std::vector<std::unique_ptr<QProcess>> processi;
    QTemporaryDir cartella;

    ~Servers()
    {
        for (auto it = processi.rbegin(); it != processi.rend(); ++it) {
            (*it)->terminate();
            if (!(*it)->waitForFinished(3000))
                (*it)->kill();
            (*it)->waitForFinished(1000);
        }
    }

    QProcess& avvia(const QString& programma, const QStringList& argomenti)
    {
        auto& p = *processi.emplace_back(std::make_unique<QProcess>());
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(programma, argomenti);
        if (!p.waitForStarted(5000))
            qFatal("cannot start %s: install it (scripts/setup.sh)", qPrintable(programma));
        return p;
    }

    static void attendi(const std::function<bool()>& pronto, const char* cosa)
    {
        for (int i = 0; i < 200; ++i) {
            if (pronto())
                return;
            QThread::msleep(50);
        }
        qFatal("%s did not start", cosa);
    }

    void x11(const QString& dimensioni)
    {
        // Without -noreset the server starts afresh whenever its last client
        // leaves, as each xprop below does: openbox connecting just then
        // finds no display.
        QProcess& xvfb = avvia("Xvfb", {"-displayfd", "1", "-screen", "0", dimensioni + "x24", "-nolisten", "tcp",
                                        "-noreset"});
        QByteArray numero;
        while (!numero.contains('\n') && xvfb.waitForReadyRead(10000))
            numero += xvfb.readAllStandardOutput();
        if (numero.trimmed().isEmpty())
            qFatal("Xvfb gave no display");
        qputenv("DISPLAY", ":" + numero.trimmed());
        avvia("openbox", {"--sm-disable"});
        // openbox is managing once it names itself on the root window.
        attendi([] {
            QProcess xprop;
            xprop.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
            return xprop.waitForFinished(2000) && xprop.readAllStandardOutput().contains("window id");
        }, "openbox");
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

    // openbox names itself on the root window before it handles windows, and
    // a window mapped in between may stay unmapped for good: a first window
    // is shown again and again until openbox has put it on the screen.
    static void openboxPronto()
    {
        QWidget prova;
        prova.resize(100, 100);
        QElapsedTimer tempo;
        tempo.start();
        while (tempo.elapsed() < AttesaServer) {
            prova.show();
            if (QTest::qWaitForWindowExposed(&prova, 2000))
                return;
            prova.hide();
        }
        qFatal("openbox put no window on the screen");
    }

    void wayland()
    {
        qputenv("XDG_RUNTIME_DIR", cartella.path().toUtf8());
        const QString presa = QStringLiteral("tesselo-%1").arg(QCoreApplication::applicationPid());
        // No panel: the maximised window then covers the whole output.
        const QString configurazione = cartella.filePath("weston.ini");
        QFile ini(configurazione);
        if (!ini.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(configurazione));
        ini.write("[core]\nidle-time=0\n[shell]\npanel-position=none\n");
        ini.close();
        avvia("weston", {"--backend=headless-backend.so", "--socket=" + presa, "--width=1024", "--height=768",
                         "--config=" + configurazione});
        const QString percorso = cartella.filePath(presa);
        attendi([&] { return QFile::exists(percorso); }, "weston");
        qputenv("WAYLAND_DISPLAY", presa.toUtf8());
        qputenv("QT_QPA_PLATFORM", "wayland");
    }

    void denso(const QString& rapporto)
    {
        const QString file = cartella.filePath("denso.json");
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file));
        // Qt's offscreen screen takes its size in device-independent pixels:
        // 3840 × 2160 device pixels are that size divided by the ratio.
        const double r = rapporto.toDouble();
        if (r < 1)
            qFatal("denso:%s is no pixel ratio", qPrintable(rapporto));
        f.write(QStringLiteral(R"({"synchronousWindowSystemEvents": true, "windowFrameMargins": false,
  "screens": [{"name": "denso", "x": 0, "y": 0, "width": %2, "height": %3,
  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %1}]})")
                    .arg(rapporto)
                    .arg(qRound(3840 / r))
                    .arg(qRound(2160 / r))
                    .toUtf8());
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toUtf8());
        qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    }
};

} // namespace

int main(int argc, char* argv[])
{
    Servers servers;
    const QString modo = Modo();
    if (modo.startsWith("x11:"))
        servers.x11(modo.mid(4));
    else if (modo == "wayland")
        servers.wayland();
    else if (modo.startsWith("denso:"))
        servers.denso(modo.mid(6));
    else
        qFatal("TESSELO_DESKTOP is x11:WxH, wayland or denso:DPR");
    if (!servers.cartella.isValid())
        qFatal("no temporary folder");
    if (!modo.startsWith("wayland")) {
        qputenv("XDG_RUNTIME_DIR", servers.cartella.path().toUtf8());
    }
    qInstallMessageHandler(RaccogliAvvisi);
    QApplication app(argc, argv);
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    if (modo.startsWith("x11:"))
        Servers::openboxPronto();
    ProvaDesktop prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_desktop.moc"
