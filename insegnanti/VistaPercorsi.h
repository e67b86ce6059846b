#pragma once
#include "insegnanti/OperazioniPercorsi.h"
#include "registro/Deposito.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace Insegnanti {

// The class's learning paths: the list of them, each made, changed in a
// dialog, copied, deleted (after a confirmation), imported from a file or
// exported to one, and the installed examples imported in one click; who
// plays which, the class, each group and each child with the path assigned
// to them and, for a child, the path they play; and the progress of the
// children who play the path chosen, a row each and a column per step: the
// right answers against the step's goal, a step done marked.
class VistaPercorsi : public QWidget {
    Q_OBJECT
public:
    // esempi: the folder of the example paths (see CartellaEsempi).
    explicit VistaPercorsi(Registro::Deposito& archivio, QWidget* padre = nullptr,
                           const QString& esempi = CartellaEsempi());

    // Reads the paths, the assignments and the progress again.
    void mostra();
    // The path chosen in the list; 0 when none.
    qint64 scelto() const;
    void scegli(qint64 percorso);

    QListWidget* elenco() const { return lista; }
    // A row for the class, then each group, then each child: who, the path
    // assigned (a combo box, "nessuno" first) and, for a child, the one played.
    QTableWidget* assegnazioni() const { return tabellaAssegnazioni; }
    QTableWidget* avanzamento() const { return tabellaAvanzamento; }
    enum ColonnaAssegnazioni { ColonnaChi, ColonnaAssegnato, ColonnaGiocato };

public slots:
    void nuovo();
    void modifica();
    void duplica();
    void elimina();
    void importa();
    void esporta();
    void importaEsempi();

signals:
    // The paths or who plays them changed.
    void cambiata();

private:
    // The path of the list's row chosen.
    std::optional<Registro::PercorsoSalvato> sceltoSalvato() const;
    QStringList nomiTranne(qint64 percorso) const;
    // Asks for the path, starting from iniziale, until it is stored or the
    // teacher gives up; true when stored.
    bool chiediESalva(Registro::PercorsoSalvato iniziale);
    void dopoIlCambio(qint64 scegliere);
    void mostraAssegnazioni();
    void mostraAvanzamento();
    void aggiornaPulsanti();
    void assegna(Registro::Destinatario a, qint64 chi, qint64 percorso);

    Registro::Deposito& archivio;
    QString cartellaEsempi;
    QList<Registro::PercorsoSalvato> percorsi;
    QList<Registro::AvanzamentoBambino> avanzamenti;
    QListWidget* lista;
    QLabel* descrizione;
    QTableWidget* tabellaAssegnazioni;
    QLabel* titoloAvanzamento;
    QTableWidget* tabellaAvanzamento;
    QList<QPushButton*> suScelto;  // the buttons that act on the path chosen
};

} // namespace Insegnanti
