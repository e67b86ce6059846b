#pragma once
#include "registro/Blocco.h"
#include "registro/Risposta.h"
#include "regole/RegoleGioco.h"
#include "screens/Schermo.h"

#include <QKeySequence>
#include <QtGlobal>
#include <span>
#include <string_view>
#include <vector>

class Bottone;
class Etichetta;
class Faccia;
class Immagine;
class QAction;
class QLabel;
class QTimer;
class QWidget;

// Which step resets the counts and starts the first turn.
enum class Avvio { Caricamento, Attivazione };

// What sets one game screen's frame apart from the others'.
struct Variante {
    QSize area;                          // design client area, twips
    std::span<const Posto> progetto;     // the screen's table of places
    std::string_view menuAzzera;         // "mnu1" or "MenuAzzera"
    const char* testoAzzera;
    std::string_view menuInformazioni;   // "mnu3" or "MenuInformazioni"
    const char* testoInformazioni;
    std::string_view menuEsci;           // "mnuEsci" or "mnuFine"
    Avvio avvio;
    bool coloreCasualeAllaCarica;
    quint32 coloreProgetto;              // design background, &H00BBGGRR
    bool maiuscole;                      // "Esatti  " rather than "esatti  "
};

// The frame every game screen shares: the score labels, the feedback
// pictures, the menus "Azzera conteggio", "Informazioni" and "Esci", the load,
// activation and resize steps, the judged-answer step and, in the games with
// "avanti", the locking of a won turn's answers until "avanti". A game adds
// its own controls, its further menu and its first turn, and tells the frame
// which label holds its question and which controls take its answers.
class SchermoGioco : public Schermo {
public:
    // The clock the games' rules time answers by: the services' own when a
    // test sets one, else the system's.
    static RegoleGioco::Orologio OrologioDelGioco();

    SchermoGioco(IdSchermo id, const Variante& variante) : Schermo(id), v(variante) {}

    // The judged-answer step: count, feedback picture, score label, sound.
    void RispostaEsatta();
    void RispostaErrata();
    // One answer as the game's rules judged it: the step of a right or a
    // wrong answer, then the answer handed to servizi().registra when set.
    void RispostaGiudicata(const Registro::Risposta& risposta);

    // "Azzera conteggio", "Informazioni", "Esci".
    void mnuAzzera();
    void mnuInformazioni();
    void mnuEsci();

    struct ControlliCornice {
        Etichetta* etEsatti = nullptr;
        Etichetta* etErrati = nullptr;
        Faccia* ComandoIconaSi = nullptr;
        Faccia* ComandoIconaNo = nullptr;
        Bottone* bottoneavanti = nullptr;   // made by CreaBottoneAvanti
        // Under a learning path's step: its stars at the menu bar's end and
        // the celebration of its goal, hidden until then.
        QLabel* stelle = nullptr;
        QWidget* festa = nullptr;
        // The question of a turn that began with an answer's sound, waiting
        // for that sound to be heard.
        QTimer* domandaInAttesa = nullptr;
    };
    const ControlliCornice& cornice() const { return cc; }

    // The key that speaks the question of the screen on show, and what it
    // does: the question's label is spoken as a click on it would speak it.
    static const QKeySequence TastoDomanda;
    void DiciDomanda();
    // A turn's question is on show. Where the class has "Leggi le domande"
    // on, it is spoken as the question key speaks it: at once, or, when the
    // turn began with a judged answer's sound (the game moved on by itself),
    // once that sound and any celebration are heard, unless the child
    // answers first. Without a class, or with the setting off, nothing.
    enum class Inizio { Subito, DopoRisposta };
    void TurnoIniziato(Inizio inizio = Inizio::Subito);
    // The label that holds the game's question: the attribute asked, the
    // set's or the count's condition, the block to find, the first road sign
    // or row header, the chain's question.
    virtual const Etichetta* EtichettaDomanda() const = 0;

    // Why the game's own state disagrees with what its window shows; empty
    // when they agree.
    virtual QString Incoerenza() const { return {}; }

    // The block a picture control shows, read from its accessible name.
    static std::optional<Blocco> BloccoDi(const Immagine* immagine);

    // "esatti   12": the word, two blanks and the count as a signed number.
    static QString Didascalia(const QString& parola, qint16 conteggio);

protected:
    // The game's further menu, between "Azzera conteggio" and "Informazioni".
    virtual void CreaMenuProprio(FinestraSchermo&) {}
    virtual void CreaControlliGioco(FinestraSchermo& f) = 0;
    virtual void DimenticaControlliGioco() = 0;
    // Starts the first turn; the frame has already set both counts to 0.
    virtual void PrimoTurno() = 0;

    void ImpostaSfondoCasuale();
    // The "avanti" button: bold caption, arrow picture and pointer, disabled.
    Bottone* CreaBottoneAvanti(FinestraSchermo& f);
    // Shows the pictures of blocks drawn in a row, the first in immagini[0].
    static void CaricaBlocchi(std::span<Immagine* const> immagini, const QStringList& percorsi);
    // The same for blocks told by their words.
    static void CaricaBlocchi(std::span<Immagine* const> immagini, std::span<const Blocco> blocchi);
    // The controls that take the child's answer in a game with "avanti".
    virtual std::vector<QWidget*> ControlliRisposta() const { return {}; }
    // The turn is won: the answers lock, "avanti" opens and takes the focus.
    void ChiudiTurno();
    // A new turn: the answers open again, "avanti" locks.
    void RiapriTurno();
    // Why the answers and "avanti" disagree (both open, or both locked, or
    // the answers partly locked); empty when they agree.
    QString IncoerenzaRisposte() const;
    const Posto& posto(std::string_view nome, int indice = -1) const;

private:
    QSize areaProgetto() const final { return v.area; }
    void CreaControlli(FinestraSchermo& f) final;
    void DimenticaControlli() final;
    void Form_Load() final;
    void Form_Activate() final;
    void AzzeraEInizia();
    // The step of the child's learning path this game plays, if any: its
    // attributes in play for the rules, and its stars.
    void ApplicaPercorso();
    void ContaPerIlPercorso(bool esatta);
    // The answer with the path and the step (from 1) it was given under,
    // when the game plays a step of the register's path.
    Registro::Risposta SottoIlPasso(Registro::Risposta risposta) const;

    std::optional<qsizetype> passo;

    const Variante& v;
    ControlliCornice cc;
};
