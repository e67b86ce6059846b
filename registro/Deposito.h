#pragma once
#include "registro/AltroRegistro.h"
#include "registro/Bambino.h"
#include "registro/Classe.h"
#include "registro/Padronanza.h"
#include "registro/PercorsiClasse.h"
#include "registro/Risposta.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QRgb>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QSqlQuery;

namespace Registro {

// Why a register could not be opened or written.
enum class Accesso {
    Ok,
    Mancante,       // no such file (only when opening without creating)
    NonScrivibile,  // read-only folder or file, full disk
    Bloccato,       // another program holds the database locked
    Danneggiato,    // not a register, or failed its integrity check
    PiuRecente,     // made by a newer version of the program: left untouched
    NonRaggiungibile, // the school's server did not answer, or refused the connection
};

// A period to look at, both days included, in local time. Unset ends are open.
struct Periodo {
    std::optional<QDate> dal, al;
    static Periodo Oggi();
    static Periodo Settimana();   // Monday of this week to today
    static Periodo Mese();        // the 1st of this month to today
    static Periodo AnnoScolastico(); // 1 September (of this or last year) to today
};

// Right and wrong answers of one group (a child in a game, an attribute...).
// Only a turn's first answers count as right or wrong; the retries after a
// wrong answer are counted apart.
struct Conto {
    int esatte = 0, errate = 0;
    int riprove = 0;
    int totale() const { return esatte + errate; }
    // The share right, 0 to 1; nothing when no answer.
    std::optional<double> quota() const;
};

// The class at a glance: one row per child (and, when guests answered in the
// period, one for them last, bambino id 0),
// one column per game of Giochi().
struct RigaClasse {
    Bambino bambino;
    QList<Conto> perGioco;   // in Giochi() order
};

// What a child's record counts, over a period and week by week: the answers
// that asked about each attribute, and those whose questions set a
// condition, without and with "NON". GruppiScheda() lists the groups.
struct ContiScheda {
    Conto forma, colore, dimensione, spessore, senzaNon, conNon;
};

// One group of a child's record, as the views, the reports and every estimate
// of what a child has learned read it.
struct GruppoScheda {
    Conto ContiScheda::*conto;
    // The attribute whose questions it counts ("forma"...), shown as the
    // blocks' word for it; none for a group of conditions.
    const char* attributo;
    // A group of conditions: whether they have "NON"; its name, and a
    // shorter one for a chart's legend, among the teachers' program's texts
    // (context "Insegnanti").
    bool negata;
    const char* nome;
    const char* nomeBreve;
    // Its line in a chart: a colour told apart from the others in print
    // too, dashed or not.
    QRgb colore;
    bool tratteggiata;
};
// Every group, in the order the views show them: the four attributes, then
// conditions without and with "NON".
std::span<const GruppoScheda> GruppiScheda();

// One child in detail.
struct SchedaBambino : ContiScheda {
    struct Settimana : ContiScheda {
        QDate lunedi;
    };
    QList<Settimana> settimane;  // oldest first; weeks without answers left out
    struct Errore {
        QString gioco, domanda, blocchi;  // as the export writes them
        int volte = 0;
        QString risposta;                 // what the child answered, the latest time
    };
    QList<Errore> piuSbagliati;  // most often wrong at the first answer first, at most 10
    // The last answer's time in the period (invalid when none), and the time
    // spent playing: each turn from its start to its last answer, summed.
    QDateTime ultimaVolta;
    qint64 millisecondiDiGioco = 0;
};

// A computer of the school that sends its answers to the server: how many
// it still holds, and when it last reported.
struct Computer {
    QString nome;
    int coda = 0;
    QDateTime ultimoContatto;
};

// A class of the school granted to a login user (a teacher's or a
// computer's).
struct Assegnazione {
    qint64 classe;
    QString utente;
};

// A class register as the teachers' program and the class files use it,
// whatever keeps it: the local SQLite file (Archivio) or the school's
// PostgreSQL server (ArchivioServer). Children have integer ids here; 0 is a
// guest. Every operation on a register that is not open does nothing.
class Deposito {
public:
    virtual ~Deposito() = default;

    // Which register this is, for the teacher: a file, or a server's
    // database.
    virtual QString descrizione() const = 0;
    // What opens another connection to this register, for reading only,
    // with the class chosen now: made here, called on another thread, which
    // the connection then belongs to, so that a long reading never keeps a
    // window waiting. It gives none when the register cannot be opened
    // then; and there is none where the register offers no other
    // connection. Either way the reading is done on this connection.
    using AltraLettura = std::function<std::unique_ptr<Deposito>()>;
    virtual AltraLettura altraLettura() const { return {}; }
    virtual bool aperto() const = 0;
    // Why the last operation failed, in one Italian line.
    virtual QString ultimoErrore() const = 0;
    // Why a reading failed: the first failure since nuovaLettura(), empty
    // when every reading since succeeded. A window's refresh starts with
    // nuovaLettura() and, when its views came out empty or short because the
    // register could not be read, says so, even when later readings of the
    // same refresh succeeded.
    QString erroreLettura() const { return primaLetturaFallita; }
    void nuovaLettura() const { primaLetturaFallita.clear(); }

    // The classes this register holds that this user may see (OrdinaClassi
    // order).
    virtual QList<Classe> classi() const = 0;
    // The class every other operation concerns: bambini(), salva(),
    // classe(), scheda(), risposte()/scorriRisposte(), cancella*,
    // registraTutte() (a guest's answers go to it), unisci(), the class file
    // import and export. Opening a register that holds exactly one class
    // chooses it; with several, none is chosen until scegliClasse(): then
    // bambini() and the views are empty and writes fail with ultimoErrore
    // "scegli una classe".
    bool scegliClasse(qint64 id);  // false for a class not in classi()
    std::optional<Classe> classeScelta() const;
    // Adds (id 0) or renames/re-years a class; fails when ControllaClasse
    // fails or name and year are taken. Returns the stored class.
    virtual std::optional<Classe> salvaClasse(const Classe& classe) = 0;
    // Removes a class without children and answers; refuses one that has any.
    virtual bool rimuoviClasse(qint64 id) = 0;
    // New school year: each class given (by id) takes its new name and the
    // year given, all in one transaction, all or none; children and answers
    // stay with it.
    virtual bool nuovoAnno(const QList<Classe>& classi) = 0;
    // Moves a child, with their answers, into another class of this register
    // (their symbol must be free there).
    virtual bool spostaBambino(qint64 bambino, qint64 classe) = 0;

    // The school's management (on the server only): whether this login may
    // create classes and grant them; which login users each class is
    // granted to; granting and taking back.
    virtual bool dirigenza() const { return false; }
    virtual std::optional<QList<Assegnazione>> assegnazioni() const { return std::nullopt; }
    virtual bool assegnaClasse(qint64 classe, const QString& utente) { Q_UNUSED(classe) Q_UNUSED(utente) return false; }
    virtual bool togliClasse(qint64 classe, const QString& utente) { Q_UNUSED(classe) Q_UNUSED(utente) return false; }

    // The chosen class's children, sorted by surname then name (see Ordina).
    virtual QList<Bambino> bambini() const = 0;
    virtual std::optional<Bambino> bambino(qint64 id) const = 0;
    // Adds (id 0) or updates a child; fails when the symbol is taken or the
    // name empty. Returns the stored child.
    virtual std::optional<Bambino> salva(const Bambino& bambino) = 0;
    // Saves several children in one transaction, all or none; on success
    // each gets its stored values (id, uuid).
    bool salvaTutti(QList<Bambino>& bambini);
    virtual int risposteDi(qint64 bambino) const = 0;
    // Removes a child and every answer of theirs.
    virtual bool rimuovi(qint64 bambino) = 0;

    // Many answers in one transaction, all or none. An answer whose id is
    // already stored is left as it is.
    virtual Accesso registraTutte(const QList<std::pair<Risposta, qint64>>& risposte) = 0;
    Accesso registra(const Risposta& risposta, qint64 bambino) { return registraTutte({{risposta, bambino}}); }
    // The answers of a period one at a time, oldest first, without holding
    // them all.
    virtual void scorriRisposte(const Periodo& periodo,
                                const std::function<void(const Risposta&, qint64)>& ciascuna) const = 0;
    QList<std::pair<Risposta, qint64>> risposte(const Periodo& periodo = {}) const;
    // Deletes a child's answers (bambino > 0) or everyone's before a day.
    virtual int cancellaRisposteDi(qint64 bambino) = 0;
    virtual int cancellaPrimaDi(const QDate& giorno) = 0;

    // The teacher's views, over a period.
    virtual QList<RigaClasse> classe(const Periodo& periodo) const = 0;
    virtual SchedaBambino scheda(qint64 bambino, const Periodo& periodo) const = 0;

    // The chosen class's groups (OrdinaGruppi order). salvaGruppo adds (id
    // 0) or renames one; fails when ControllaGruppo fails or the name is
    // taken in the class. rimuoviGruppo leaves its children in no group and
    // ends the group's assignment. A child joins or leaves a group through
    // salva (Bambino::gruppo, a group of the child's class or 0).
    virtual QList<Gruppo> gruppi() const = 0;
    virtual std::optional<Gruppo> salvaGruppo(const Gruppo& gruppo) = 0;
    virtual bool rimuoviGruppo(qint64 id) = 0;

    // The chosen class's learning paths (OrdinaPercorsi order).
    // salvaPercorso adds (id 0; a null uuid is given one) or changes one;
    // fails when Percorsi::ProblemaPercorso finds a problem or the name is
    // taken in the class. Changing a path keeps the answers given under it.
    // rimuoviPercorso ends its assignments; the answers recorded under it
    // stay, with its uuid.
    virtual QList<PercorsoSalvato> percorsi() const = 0;
    virtual std::optional<PercorsoSalvato> salvaPercorso(const PercorsoSalvato& percorso) = 0;
    virtual bool rimuoviPercorso(qint64 id) = 0;
    // Assigns a path of the class (percorso 0: takes the assignment back) to
    // the class, a group or a child of it (chi, ignored for the class). A
    // child has one path at a time: PercorsoDi decides which.
    virtual bool assegnaPercorso(Destinatario a, qint64 chi, qint64 percorso) = 0;
    virtual PercorsiAssegnati percorsiAssegnati() const = 0;
    // Each child of the chosen class who has a path, with their progress,
    // in bambini() order.
    virtual QList<AvanzamentoBambino> avanzamenti() const = 0;

    // Merges a register's file (another computer's) into the chosen class:
    // the file's only class (a file older than classes has one), or the one
    // of its classes that is ours, matched by uuid, then by name and year;
    // a file of several classes none of which is ours is refused, naming
    // them. Within the class, children matched by
    // their uuid, then by name and surname; answers matched by their id, so
    // merging twice adds nothing. A child of the file with the uuid of one
    // of ours but another name is asked about through chiedi; without it,
    // the merge is refused. Returns the answers added, or nothing (with
    // ultimoErrore) when the file is refused (see AltroRegistro); then
    // nothing changes. The answers are written in short transactions, so
    // that the game is never kept waiting: a merge cut short leaves whole
    // answers, and merging again adds the rest.
    virtual std::optional<int> unisci(const QString& altroFile, const ChiediIdentita& chiedi = {}) = 0;

    // The teacher's note on a child of the chosen class (at most
    // LunghezzaNota characters, as NomePulito leaves it; empty removes it).
    // The game never reads notes.
    virtual QString nota(qint64 bambino) const { Q_UNUSED(bambino) return {}; }
    virtual bool salvaNota(qint64 bambino, const QString& testo) { Q_UNUSED(bambino) Q_UNUSED(testo) return false; }
    // The chosen class's first answers of a period as the estimate of what
    // each child has learned reads them, oldest first (guests left out).
    virtual void scorriPrimeRisposte(const Periodo& periodo,
                                     const std::function<void(const Padronanza::Prova&)>& ciascuna) const;
    // The model's probabilities fitted on the chosen class's answers, as
    // Padronanza::Modello::json() writes them, with when they were fitted;
    // nothing when never fitted or unreadable.
    virtual std::optional<Padronanza::Modello> modello() const { return std::nullopt; }
    virtual bool salvaModello(const Padronanza::Modello& modello) { Q_UNUSED(modello) return false; }

    // The school's computers and their queues, those with answers still
    // queued first; nothing when this register is not on a server.
    virtual std::optional<QList<Computer>> computer() const { return std::nullopt; }

protected:
    // The chosen class's id, 0 when none is.
    qint64 classeId = 0;
    // After opening: the one class chosen, or none when there are several.
    void scegliSeUnica();
    // Why a write cannot be done: "scegli una classe" when none is chosen;
    // empty when one is.
    QString senzaClasse() const;
    // A note as it is stored for a child of the chosen class: cleaned and
    // checked; nothing, with the reason, when it cannot be.
    std::optional<QString> notaDaSalvare(qint64 bambino, const QString& testo, QString& motivo) const;
    // A reading failed, for the reason given: kept unless an earlier one of
    // this refresh failed too.
    void letturaFallita(const QString& motivo) const
    {
        if (primaLetturaFallita.isEmpty())
            primaLetturaFallita = motivo;
    }
    // A transaction of the store's own: begun, committed (undone when the
    // commit fails), undone; false with ultimoErrore set on failure.
    virtual bool inizia() = 0;
    virtual bool concludi() = 0;
    virtual void annulla() = 0;
    // Our id of each of another register's children, adding those we lack
    // (through salva, inside the caller's transaction); nothing, with the
    // error set through errore, when a child cannot be added.
    std::optional<QHash<qint64, qint64>> mappaBambini(const QList<Bambino>& altri, QString& errore);
    // A merge's transactions: at most Lotto answers and about LottoMs
    // milliseconds each, then a pause of PausaMs, so that the game's writer
    // (which waits 200 ms for a lock) always gets its turn.
    static constexpr int Lotto = 500;
    static constexpr int LottoMs = 10;
    static constexpr int PausaMs = 25;
    // How many times a merge's transaction is begun before the merge gives
    // up, a pause apart: a few seconds of a register held by another.
    static constexpr int TentativiLotto = 20;
    // The merge of unisci, the same for every store: the file read through
    // AltroRegistro, its children decided on and added in one transaction,
    // then each answer given to scrivi with our id of its child (0, a
    // guest, for a child the file no longer has), Lotto answers per
    // transaction. scrivi adds to aggiunte the answers it stored; false
    // when it failed, with the error set. percorsi, when given, is handed
    // the file's paths of the class in the children's transaction, to add
    // those missing here; false when it failed, with the error set.
    std::optional<int> unisciCon(const QString& altroFile, const ChiediIdentita& chiedi, QString& errore,
                                 const std::function<bool(const QSqlQuery& riga, qint64 nostro, int& aggiunte)>& scrivi,
                                 const std::function<bool(const QList<PercorsoSalvato>& suoi)>& percorsi = {});
    // The child salva is given, when the register is open and the child may
    // be stored; otherwise nothing, with the reason in errore when the child
    // is at fault.
    std::optional<Bambino> daSalvare(const Bambino& bambino, QString& errore) const;

private:
    mutable QString primaLetturaFallita;
};

// The first and one past the last moment of a period, in local time, as
// milliseconds since the epoch; an open end is the least or greatest value.
std::pair<qint64, qint64> Estremi(const Periodo& periodo);
// Children in the order every view shows them, as Italian registers list
// them: surname, then name (a child without surname first), letter case and
// accents as a person sorts them.
void Ordina(QList<Bambino>& bambini);
// The first symbol of Simboli() no child of the class has.
std::optional<QString> SimboloLibero(const QList<Bambino>& classe);
// Why a child cannot be stored (an empty name, a symbol that does not
// exist); empty when they can.
QString ControllaBambino(const Bambino& bambino);
// The row that stands for guests.
Bambino Ospite();
// The class at a glance from each child's counts (indexed by game, bambino
// 0 the guests): one row per child of the class, then the guests' when they
// answered.
QList<RigaClasse> ComponiClasse(const QList<Bambino>& classe, const QHash<qint64, QList<Conto>>& conti);
// Adds one group's count of a game, given as its stored code, into the
// game's place in Giochi(): esatte right of totale first answers, and
// riprove retries. A code this version does not know is left out.
void ContaGioco(QHash<qint64, QList<Conto>>& conti, qint64 bambino, qint64 gioco, int esatte, int totale,
                int riprove);

// How a store keeps what an answer was about: its own readers of the stored
// game (the screen's name), questions, blocks and answer given.
struct Lettori {
    std::function<QString(const QVariant&)> schermo;
    std::function<QList<Domanda>(const QVariant&)> domande;
    std::function<QList<Blocco>(const QVariant&)> blocchi;
    std::function<QString(const QVariant&)> risposta;
};

// One child's record from the rows of a query, oldest first, whose columns
// are the moment (milliseconds since the epoch), the game, the questions,
// the blocks, whether the answer was right, its attempt, the answer given
// and its milliseconds from the turn's start, as the store keeps them: the
// counts by attribute and by condition (first answers right and wrong,
// retries apart), week by week; the last answer's time and the time spent
// playing; and at most quanti items most often wrong at the first answer,
// each with what the child answered wrong the latest time. The items are
// told apart by their stored values and put into words once each, at the
// end.
SchedaBambino LeggiScheda(QSqlQuery& righe, const Lettori& lettori, qsizetype quanti = 10);

// The local day of moments given in milliseconds since the epoch, as
// QDateTime::fromMSecsSinceEpoch(ms).date() gives it, converting to local
// time only when a moment falls outside the day found last: each conversion
// reads the system's time zone afresh (glibc's tzset re-reads the zone file
// when TZ is not set), and a child's answers come day after day.
class GiornoLocale {
public:
    QDate operator()(qint64 ms);

private:
    qint64 inizio = 0, fine = 0;  // the day found last, [inizio, fine)
    QDate giorno;
};

} // namespace Registro
