#pragma once
#include "screens/Progetto.h"
#include "resize/clsResize.h"

#include <QColor>
#include <QList>
#include <QMargins>
#include <QRect>

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
    // A widget at the menu bar's right end, outside the design's area.
    void aggiungiAngolo(QWidget* angolo);
    QAction* aggiungiVoce(QMenu* menu, std::string_view nome, const QString& testo);

    void impostaSfondo(const QColor& colore);
    QColor sfondo() const;

    // The window, frame included, covers the screen's available area; where
    // the platform cannot place windows, it is maximised.
    void riempiSchermo();
    // False where the platform places and activates windows itself (Wayland).
    static bool PiazzaFinestre();
    // How many times the size was set again because the frame the window
    // manager put round the window was not the one assumed.
    int correzioniCornice() const { return correzioni; }

    // Set while the program itself takes the window away, so that this is not
    // mistaken for the user closing it.
    void segnaChiusuraDelProgramma() { chiusuraDelProgramma = true; }

protected:
    bool event(QEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void colloca(QWidget* controllo, const Posto& posto, QWidget* contenitore);
    void disponi();
    QMenuBar* menuBar();
    void adattaBarra();
    QMargins cornice() const;
    void correggi();

    QMenuBar* barra = nullptr;
    int altezzaBarra = 0;
    QWidget* area;
    QList<QObject*> elenco;
    bool chiusuraDelProgramma = false;
    bool daAdattare = false;
    QMargins corniceSupposta;
    QRect areaSupposta;
    int correzioni = 0;
    static constexpr int MassimoCorrezioni = 8;
    // How often, and for how long, a window not framed yet is looked at again
    // (milliseconds; 30 s in all, as long as a busy desktop may take).
    int attese = 0;
    static constexpr int AttesaCornice = 50;
    static constexpr int MassimoAttese = 600;
};
