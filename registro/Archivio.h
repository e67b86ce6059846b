#pragma once
#include "registro/Bambino.h"
#include "registro/Risposta.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QSqlQuery;

namespace Registro {

// Why a register could not be opened or written.
enum class Esito {
    Ok,
    Mancante,       // no such file (only when opening without creating)
    NonScrivibile,  // read-only folder or file, full disk
    Bloccato,       // another program holds the database locked
    Danneggiato,    // not a register, or failed its integrity check
    PiuRecente,     // made by a newer version of the program: left untouched
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
struct Conto {
    int esatte = 0, errate = 0;
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

// One child in detail.
struct SchedaBambino {
    // forma, colore, dimensione, spessore; then conditions without and with "NON".
    Conto forma, colore, dimensione, spessore, senzaNon, conNon;
    struct Settimana {
        QDate lunedi;
        Conto forma, colore, dimensione, spessore, senzaNon, conNon;
    };
    QList<Settimana> settimane;  // oldest first; weeks without answers left out
    struct Errore {
        QString gioco, domanda, blocchi;  // as the export writes them
        int volte = 0;
    };
    QList<Errore> piuSbagliati;  // most often wrong first, at most 10
};

// The SQLite register: one database file, one connection, used from the
// thread that opened it. Every statement is prepared; every answer is written
// in a transaction of its own. The file is readable by its owner only, uses
// the WAL journal, and carries a schema version: older versions are migrated
// on opening, newer ones refused and left untouched. A damaged file is moved
// aside (its name gets the date) and a new one started.
class Archivio {
public:
    Archivio();
    ~Archivio();
    Archivio(const Archivio&) = delete;
    Archivio& operator=(const Archivio&) = delete;

    // The register's file in the user's data folder ("registro.sqlite" in
    // Cartella()), which XDG_DATA_HOME moves.
    static QString Cartella();
    static QString PercorsoPredefinito();

    // Opens (creating folder and file when crea is true). With crea false
    // the register is opened read-only: nothing is created, migrated or
    // moved aside. On failure ultimoErrore() says why, in one Italian line.
    Esito apri(const QString& percorso, bool crea = true);
    bool aperto() const;
    QString ultimoErrore() const;
    // When apri moved a damaged file aside, where it went.
    QString fileSpostato() const;

    // The class.
    QList<Bambino> bambini() const;            // sorted by name
    std::optional<Bambino> bambino(qint64 id) const;
    // Adds (id 0) or updates a child; fails when the symbol is taken or the
    // name empty. Returns the stored child.
    std::optional<Bambino> salva(const Bambino& bambino);
    // Saves several children in one transaction, all or none; on success
    // each gets its stored values (id, uuid).
    bool salvaTutti(QList<Bambino>& bambini);
    int risposteDi(qint64 bambino) const;
    // Removes a child and every answer of theirs.
    bool rimuovi(qint64 bambino);
    bool classeEsiste() const;

    // Answers. bambino 0 is a guest.
    Esito registra(const Risposta& risposta, qint64 bambino);
    // Many answers in one transaction, all or none (merging, benchmarks).
    // An answer whose id is already stored is left as it is.
    Esito registraTutte(const QList<std::pair<Risposta, qint64>>& risposte);
    QList<std::pair<Risposta, qint64>> risposte(const Periodo& periodo = {}) const;
    // The same answers one at a time, oldest first, without holding them all.
    void scorriRisposte(const Periodo& periodo,
                        const std::function<void(const Risposta&, qint64)>& ciascuna) const;
    bool contiene(const QUuid& id) const;
    // Deletes a child's answers (bambino > 0) or everyone's before a day.
    int cancellaRisposteDi(qint64 bambino);
    int cancellaPrimaDi(const QDate& giorno);

    // The teacher's views, over a period.
    QList<RigaClasse> classe(const Periodo& periodo) const;
    SchedaBambino scheda(qint64 bambino, const Periodo& periodo) const;
    // The statement behind classe(), its two values the first and one past
    // the last millisecond since the epoch: to time it against other tools.
    static QString QueryClasse();
    // What was asked and the blocks shown, as the export and the views write
    // them: "rosso e NON quadrato"; "triangolo rosso grande spesso, ...".
    static QString TestoDomande(const QList<Domanda>& domande);
    static QString TestoBlocchi(const QList<Blocco>& blocchi);

    // Merges another register's file: children matched by their uuid, then by
    // name and surname; answers matched by their id, so merging twice adds
    // nothing. Returns the answers added, or nothing (with ultimoErrore) when
    // the file is not a register; then nothing changes.
    std::optional<int> unisci(const QString& altroFile);

private:
    static bool Scrivi(QSqlQuery& q, const Risposta& r, qint64 bambino);
    std::optional<int> unisciAttaccato(const QString& altroFile);
    // Our id of each of another register's children, adding those we lack.
    std::optional<QHash<qint64, qint64>> mappaBambini(const QList<Bambino>& altri);

    struct Dati;
    std::unique_ptr<Dati> d;
};

// The first symbol of Simboli() no child of the class has.
std::optional<QString> SimboloLibero(const QList<Bambino>& classe);

// One answer from a row whose columns, from primo on, are the table's uuid,
// quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi.
Risposta LeggiRisposta(const QSqlQuery& q, int primo = 0);

// One warning line on standard error: "tesselo: <riga>".
void Avvisa(const QString& riga);

} // namespace Registro
