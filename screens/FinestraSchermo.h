#pragma once
#include "screens/Progetto.h"
#include "resize/clsResize.h"

#include <QColor>
#include <QList>

class Linea;
class QAction;
class QMenu;
class QMenuBar;

// The window of one screen: an optional menu bar above a design surface that
// holds the controls. It creates controls at their design places, keeps them
// in creation order for the resizer, and runs the resize step whenever its
// size changes. Closing it with the window's close box ends the program.
class FinestraSchermo final : public FinestraRidimensionabile {
    Q_OBJECT
public:
    FinestraSchermo(QSize areaProgettoTwips, const QString& titolo);

    int larghezzaInterna() const override;
    int altezzaInterna() const override;
    QList<QObject*> controlli() const override { return elenco; }

    QWidget* superficie() const { return area; }

    // Puts a control at its design place (inside contenitore, or on the
    // surface) and names it after the design.
    template <class T>
    T* aggiungi(T* controllo, const Posto& posto, QWidget* contenitore = nullptr)
    {
        colloca(controllo, posto, contenitore);
        return controllo;
    }
    Linea* aggiungiLinea(const Posto& posto, int spessore, const QColor& colore = Qt::black);

    // A menu-bar entry that acts when clicked, or one that opens a menu.
    QAction* aggiungiMenu(std::string_view nome, const QString& testo);
    QMenu* aggiungiSottomenu(std::string_view nome, const QString& testo);
    QAction* aggiungiVoce(QMenu* menu, std::string_view nome, const QString& testo);

    void impostaSfondo(const QColor& colore);
    QColor sfondo() const;

    // Top 0, left 0, then the screen's height and width.
    void riempiSchermo();

    // Set while the program itself takes the window away, so that this is not
    // mistaken for the user closing it.
    void segnaChiusuraDelProgramma() { chiusuraDelProgramma = true; }

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void colloca(QWidget* controllo, const Posto& posto, QWidget* contenitore);
    void disponi();
    QMenuBar* menuBar();
    void adattaBarra();

    QMenuBar* barra = nullptr;
    int altezzaBarra = 0;
    QWidget* area;
    QList<QObject*> elenco;
    bool chiusuraDelProgramma = false;
};
