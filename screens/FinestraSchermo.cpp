#include "screens/FinestraSchermo.h"

#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "app/Twips.h"
#include "controls/Etichetta.h"
#include "controls/Linea.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

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
        barra = new QMenuBar(this);
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

void FinestraSchermo::riempiSchermo()
{
    const QRect schermo = screen()->geometry();
    const QSize cornice = frameGeometry().size() - size();
    move(schermo.topLeft());
    resize(schermo.width() - cornice.width(), schermo.height() - cornice.height());
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
