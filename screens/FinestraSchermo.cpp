#include "screens/FinestraSchermo.h"

#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "app/Twips.h"
#include "controls/Etichetta.h"
#include "controls/Linea.h"
#include "screens/Programma.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// The menu bar. Chosen from the keyboard, an entry that acts by itself
// ("Azzera conteggio", "Informazioni", "Esci") opens a list holding just that
// entry, as the other entries open their items: Return after Alt shows what
// it would do instead of doing it, so a stray key never throws a child's
// count away, and Return in the list does it. A click still acts at once.
class BarraMenu final : public QMenuBar {
public:
    explicit BarraMenu(QWidget* genitore) : QMenuBar(genitore), lista(new QMenu(this))
    {
        lista->setObjectName(QStringLiteral("listaVoce"));
        lista->installEventFilter(this);
    }

protected:
    void keyPressEvent(QKeyEvent* evento) override
    {
        QAction* voce = activeAction();
        if (voce && !voce->menu() && ApreLaLista(evento->key())) {
            apri(voce);
            return;
        }
        // Left and Right from an open list open the next entry's list.
        const bool listaAperta = QApplication::activePopupWidget() != nullptr;
        QMenuBar::keyPressEvent(evento);
        if (QAction* vicina = activeAction(); listaAperta && vicina != voce && vicina && !vicina->menu())
            apri(vicina);
    }

    // The bar forgets its chosen entry when the keyboard or the mouse goes
    // elsewhere, unless to a list of its own: this one is not, but counts as one.
    void focusOutEvent(QFocusEvent* evento) override
    {
        if (!lista->isVisible())
            QMenuBar::focusOutEvent(evento);
    }
    void leaveEvent(QEvent* evento) override
    {
        if (!lista->isVisible())
            QMenuBar::leaveEvent(evento);
    }

    // Left and Right from this list, as from the others.
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (oggetto == lista && evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            if (tasto == Qt::Key_Left || tasto == Qt::Key_Right) {
                lista->hide();
                premi(tasto);
                if (QAction* vicina = activeAction(); vicina && vicina->menu())
                    setActiveAction(vicina);
                else if (vicina)
                    apri(vicina);
                return true;
            }
        }
        return QMenuBar::eventFilter(oggetto, evento);
    }

private:
    static bool ApreLaLista(int tasto)
    {
        return tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space
            || tasto == Qt::Key_Down || tasto == Qt::Key_Up;
    }

    void apri(QAction* voce)
    {
        for (QAction* prima : lista->actions())
            lista->removeAction(prima);
        lista->addAction(voce);
        // Once the entry has acted, the keyboard goes back where it was.
        disconnect(azione);
        azione = connect(voce, &QAction::triggered, this, [this] { premi(Qt::Key_Escape); },
                         Qt::SingleShotConnection);
        lista->popup(mapToGlobal(actionGeometry(voce).bottomLeft() + QPoint(0, 1)));
        lista->setActiveAction(voce);
    }

    void premi(int tasto)
    {
        QKeyEvent evento(QEvent::KeyPress, tasto, Qt::NoModifier);
        QMenuBar::keyPressEvent(&evento);
    }

    QMenu* lista;
    QMetaObject::Connection azione;
};

} // namespace

FinestraSchermo::FinestraSchermo(QSize areaProgettoTwips, const QString& titolo)
    : area(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(titolo);
    area->setObjectName(QStringLiteral("superficie"));
    resize(Pixel(areaProgettoTwips.width()), Pixel(areaProgettoTwips.height()));
    disponi();
}

int FinestraSchermo::larghezzaInterna() const
{
    return width();
}

int FinestraSchermo::altezzaInterna() const
{
    return height() - altezzaBarra;
}

void FinestraSchermo::colloca(QWidget* controllo, const Posto& posto, QWidget* contenitore)
{
    controllo->setParent(contenitore ? contenitore : area);
    controllo->setObjectName(NomeControllo(posto.nome, posto.indice));
    controllo->setGeometry(RettangoloPixel(posto.a, posto.b, posto.c, posto.d));
    controllo->show();
    elenco.append(controllo);
}

Linea* FinestraSchermo::aggiungiLinea(const Posto& posto, int spessore, const QColor& colore)
{
    auto* linea = new Linea(area, QLineF(Pixel(posto.a), Pixel(posto.b), Pixel(posto.c), Pixel(posto.d)),
                            spessore, colore);
    linea->setObjectName(NomeControllo(posto.nome, posto.indice));
    elenco.append(linea);
    return linea;
}

QMenuBar* FinestraSchermo::menuBar()
{
    if (!barra) {
        // The menu bar sits above the design surface, outside the inner area,
        // so the window grows by its height and the surface keeps its design size.
        barra = new BarraMenu(this);
        barra->setNativeMenuBar(false);
        // The bar keeps the standard colours, whatever colour the window takes.
        QPalette tavolozza = barra->palette();
        for (auto ruolo : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
            tavolozza.setColor(ruolo, QApplication::palette().color(ruolo));
        barra->setPalette(tavolozza);
        barra->setAutoFillBackground(true);
    }
    return barra;
}

void FinestraSchermo::adattaBarra()
{
    // The bar's height depends on its entries: keep the inner area as it was.
    const int nuova = barra->sizeHint().height();
    if (nuova != altezzaBarra) {
        const int interna = altezzaInterna();
        altezzaBarra = nuova;
        resize(width(), interna + altezzaBarra);
    }
    disponi();
}

QAction* FinestraSchermo::aggiungiMenu(std::string_view nome, const QString& testo)
{
    QAction* azione = menuBar()->addAction(testo);
    azione->setObjectName(NomeControllo(nome));
    adattaBarra();
    elenco.append(azione);
    return azione;
}

void FinestraSchermo::aggiungiAngolo(QWidget* angolo)
{
    menuBar()->setCornerWidget(angolo, Qt::TopRightCorner);
    adattaBarra();
}

QMenu* FinestraSchermo::aggiungiSottomenu(std::string_view nome, const QString& testo)
{
    QMenu* menu = menuBar()->addMenu(testo);
    menu->setObjectName(NomeControllo(nome));
    menu->menuAction()->setObjectName(NomeControllo(nome));
    adattaBarra();
    elenco.append(menu->menuAction());
    return menu;
}

QAction* FinestraSchermo::aggiungiVoce(QMenu* menu, std::string_view nome, const QString& testo)
{
    QAction* voce = menu->addAction(testo);
    voce->setObjectName(NomeControllo(nome));
    voce->setCheckable(true);
    elenco.append(voce);
    return voce;
}

void FinestraSchermo::impostaSfondo(const QColor& colore)
{
    ImpostaSfondo(this, colore);
}

QColor FinestraSchermo::sfondo() const
{
    return SfondoDi(this);
}

namespace {
// The frame a window manager last put round one of our windows. Every window
// of the program gets the same frame, so a window opened after the first one
// is sized right before the window manager has framed it.
QMargins corniceNota;
} // namespace

bool FinestraSchermo::PiazzaFinestre()
{
    // A Wayland client can neither place nor activate its own windows: the
    // compositor does both.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QMargins FinestraSchermo::cornice() const
{
    // A window not yet framed reports no frame: it will get the known one.
    if (const QWindow* w = windowHandle(); w && isVisible()) {
        if (const QMargins m = w->frameMargins(); !m.isNull())
            corniceNota = m;
    }
    return corniceNota;
}

void FinestraSchermo::riempiSchermo()
{
    if (!PiazzaFinestre()) {
        // Where the window cannot be placed, the maximised state gives it the
        // whole available area, frame included.
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // The frame goes at the top-left corner of the available area (the screen
    // less any panel) and, frame included, covers exactly that area.
    QScreen* schermo = screen();
    connect(schermo, &QScreen::availableGeometryChanged, this, &FinestraSchermo::correggi, Qt::UniqueConnection);
    areaSupposta = schermo->availableGeometry();
    corniceSupposta = cornice();
    daAdattare = true;
    attese = 0;
    move(areaSupposta.topLeft());
    resize(areaSupposta.size().shrunkBy(corniceSupposta));
}

void FinestraSchermo::correggi()
{
    // Under X11 the frame is known only once the window manager has framed
    // the window, and a panel may come or go: when either differs from what
    // was assumed, the window is fitted again.
    if (!daAdattare || !isVisible() || !PiazzaFinestre())
        return;
    // Shown but not framed yet, though the window manager frames windows:
    // Qt takes the frame to be none, and a window whose inside sits at the
    // corner would look right while its frame, still to come, would stick
    // out of the screen. The window manager may frame it without moving the
    // inside, so no event would come to look again: it is looked at again
    // shortly, until it is framed.
    if (windowHandle()->frameMargins().isNull() && !corniceNota.isNull()) {
        if (attese++ < MassimoAttese)
            QTimer::singleShot(AttesaCornice, this, &FinestraSchermo::correggi);
        return;
    }
    // A window placed before the window manager framed it may also have been
    // framed round the place asked for, the frame sticking out of the screen.
    if (cornice() == corniceSupposta && screen()->availableGeometry() == areaSupposta
        && frameGeometry().topLeft() == areaSupposta.topLeft())
        return;
    // A window manager that will not have the window there is not chased.
    if (correzioni >= MassimoCorrezioni)
        return;
    ++correzioni;
    riempiSchermo();
}

bool FinestraSchermo::event(QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::WinIdChange:
        // Qt writes the program's name where a title is empty; a blank shows
        // the empty title the screen has.
        if (windowTitle().isEmpty() && windowHandle())
            windowHandle()->setTitle(QStringLiteral(" "));
        break;
    case QEvent::Move:
    case QEvent::Show:
        correggi();
        break;
    default:
        break;
    }
    return FinestraRidimensionabile::event(evento);
}

void FinestraSchermo::disponi()
{
    const int alto = altezzaBarra;
    if (barra)
        barra->setGeometry(0, 0, width(), alto);
    area->setGeometry(0, alto, width(), height() - alto);
}

void FinestraSchermo::resizeEvent(QResizeEvent* evento)
{
    FinestraRidimensionabile::resizeEvent(evento);
    disponi();
    auto& ridimensionatore = Modulo1::Ridimensionatore;
    if (ridimensionatore && ridimensionatore->SourceForm() == this)
        ridimensionatore->ResizeControls();
}

void FinestraSchermo::closeEvent(QCloseEvent* evento)
{
    if (chiusuraDelProgramma) {
        evento->accept();
        return;
    }
    // The close box ends the program, as Yes in the exit confirmation does.
    evento->ignore();
    Modulo1::Ridimensionatore.reset();
    servizi().termina();
}
