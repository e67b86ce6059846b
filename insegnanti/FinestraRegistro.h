#pragma once
#include "registro/Archivio.h"

#include <QMainWindow>

class QLabel;
class QScrollArea;
class QTabWidget;

namespace Insegnanti {

class ControlloCompleto;
class GestioneClasse;
class SceltaClasse;
class SceltaPeriodo;
class StimeClasse;
class VistaBambino;
class VistaClasse;
class VistaComputer;
class VistaPercorsi;
class VistaScuola;
struct Padronanze;
struct Resoconto;

// The teachers' program's window: the class and the period at the top, then
// four pages, the class, the class at a glance, one child and the class's
// learning paths, a fifth, the
// school's computers and their queues, when the register is on the server,
// and a sixth, the school's classes and who each is granted to, for a login
// of the school's management; the menus export, merge, make reports and
// delete answers, each deletion after a confirmation. The title names the
// class shown, the status bar the register open.
class FinestraRegistro : public QMainWindow {
    Q_OBJECT
public:
    // Subito fills the views at once; DopoLaPrimaPittura paints the window
    // first and fills it right after, the class at a glance, the child's
    // record and the first answers of the estimates read on threads of
    // their own (each view filled as its figures arrive), so that a large
    // register never keeps the teacher before an empty screen nor a window
    // that does not answer.
    enum class Riempi { Subito, DopoLaPrimaPittura };
    explicit FinestraRegistro(Registro::Deposito& archivio, QWidget* padre = nullptr, Riempi quando = Riempi::Subito);

    GestioneClasse* classe() const { return gestione; }
    VistaClasse* sintesi() const { return vistaClasse; }
    VistaBambino* bambino() const { return vistaBambino; }
    // What each child of the class has learned, as both pages show it.
    StimeClasse* stime() const { return padronanze; }
    VistaPercorsi* percorsi() const { return vistaPercorsi; }
    // The computers' page; none when the register is a local file.
    VistaComputer* computer() const { return vistaComputer; }
    SceltaPeriodo* periodo() const { return scelta; }
    SceltaClasse* classi() const { return sceltaClasse; }
    // The school's page; none but for a login of the school's management.
    VistaScuola* scuola() const { return vistaScuola; }
    QTabWidget* pagine() const { return schede; }
    // The check of the whole file; none when the register is on the server.
    ControlloCompleto* controllo() const { return verifica; }
    // Checks the local register's whole file on its thread when a week has
    // passed since the last check, once the views are filled (so that its
    // reading never delays them); only damage is then told.
    void controllaSeScaduto();

public slots:
    void aggiorna();
    void esporta();
    void unisci();
    void pdfClasse();
    void pdfBambino();
    void stampaClasse();
    void stampaBambino();
    void cancellaRisposteBambino();
    void cancellaPrimaDi();
    // The whole file checked now, on request; the outcome told.
    void controlla();

protected:
    bool event(QEvent* evento) override;

private:
    void controllato(Registro::Accesso esito, const QString& motivo);
    // A view's reading failed (errore empty: it did not): the status bar
    // says so until the next refresh.
    void letturaFallita(const QString& errore);
    void creaMenu();
    void mostraBambino(qint64 id);
    void salvaPdf(const Resoconto& resoconto, const QString& proposto);
    void stampa(const Resoconto& resoconto);
    // The estimates the pages show, for the reports; none until computed.
    const Padronanze* stimePronte() const;
    // The child chosen on the child's page; 0, after telling the teacher to
    // choose one, when there is none.
    qint64 bambinoScelto();

    Registro::Deposito& archivio;
    StimeClasse* padronanze;
    SceltaClasse* sceltaClasse;
    SceltaPeriodo* scelta;
    QTabWidget* schede;
    GestioneClasse* gestione;
    VistaClasse* vistaClasse;
    VistaBambino* vistaBambino;
    QScrollArea* paginaBambino;
    VistaPercorsi* vistaPercorsi;
    VistaComputer* vistaComputer = nullptr;
    VistaScuola* vistaScuola = nullptr;
    QLabel* quale;  // which register is open, or why it could not be read
    ControlloCompleto* verifica = nullptr;
    bool daRiempire = false;  // the views wait for the first paint
    bool controlloDopo = false;  // the week's check waits for them
    bool richiesto = false;   // the running check was asked for by the teacher
};

// A file name made from a name: letters and digits kept, every other run of
// characters one "-", in lower case ("resoconto-anna-maria.pdf").
QString NomeFile(const QString& radice, const QString& nome, const QString& estensione);

} // namespace Insegnanti
