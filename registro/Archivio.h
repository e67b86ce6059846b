#pragma once
#include "registro/Deposito.h"

#include <QSqlDatabase>
#include <memory>

class QSqlQuery;

namespace Registro {

// How much of a register's file is read when it is opened: its header and
// schema only, or every page too (PRAGMA quick_check), which takes seconds
// with a few years of answers. The whole file is checked only when there is
// reason to: after an unclean end, or when the teacher asks.
enum class Controllo { Rapido, Completo };

// The SQLite register: one database file, one connection, used from the
// thread that opened it. Every statement is prepared; every answer is written
// in a transaction of its own. The file is readable by its owner only, uses
// the WAL journal, and carries a schema version: older versions are migrated
// on opening, newer ones refused and left untouched. A damaged file is moved
// aside (its name gets the date) and a new one started.
class Archivio : public Deposito {
public:
    Archivio();
    ~Archivio() override;
    Archivio(const Archivio&) = delete;
    Archivio& operator=(const Archivio&) = delete;

    // The register's file in the user's data folder ("registro.sqlite" in
    // Cartella()), which XDG_DATA_HOME moves.
    static QString Cartella();
    static QString PercorsoPredefinito();

    // Opens (creating folder and file when crea is true). With crea false
    // the register is opened read-only: nothing is created, migrated or
    // moved aside. On failure ultimoErrore() says why, in one Italian line.
    Accesso apri(const QString& percorso, bool crea = true, Controllo controllo = Controllo::Completo);
    // Reads the whole open file: Ok, or Danneggiato with ultimoErrore.
    Accesso controlla();
    bool aperto() const override;
    QString ultimoErrore() const override;
    // "Registro: " and the file.
    QString descrizione() const override;
    // When apri moved a damaged file aside, where it went.
    QString fileSpostato() const;
    // The file last given to apri.
    QString file() const;
    // The same file opened read-only, its header and schema checked, the
    // same class chosen (see Deposito).
    AltraLettura altraLettura() const override;

    // See Deposito: the classes and the chosen one.
    QList<Classe> classi() const override;
    std::optional<Classe> salvaClasse(const Classe& classe) override;
    bool rimuoviClasse(qint64 id) override;
    bool nuovoAnno(const QList<Classe>& classi) override;
    bool spostaBambino(qint64 bambino, qint64 classe) override;

    // The chosen class's children.
    QList<Bambino> bambini() const override;
    std::optional<Bambino> bambino(qint64 id) const override;
    std::optional<Bambino> salva(const Bambino& bambino) override;
    int risposteDi(qint64 bambino) const override;
    bool rimuovi(qint64 bambino) override;
    bool classeEsiste() const;

    // Answers. bambino 0 is a guest.
    Accesso registraTutte(const QList<std::pair<Risposta, qint64>>& risposte) override;
    void scorriRisposte(const Periodo& periodo,
                        const std::function<void(const Risposta&, qint64)>& ciascuna) const override;
    bool contiene(const QUuid& id) const;
    int cancellaRisposteDi(qint64 bambino) override;
    int cancellaPrimaDi(const QDate& giorno) override;

    QList<RigaClasse> classe(const Periodo& periodo) const override;
    SchedaBambino scheda(qint64 bambino, const Periodo& periodo) const override;
    // The statement behind classe(), its three values the first and one past
    // the last millisecond since the epoch, and the class's id: to time it
    // against other tools.
    static QString QueryClasse();
    // What was asked and the blocks shown, as the export and the views write
    // them: "rosso e NON quadrato"; "triangolo rosso grande spesso, ...".
    static QString TestoDomande(const QList<Domanda>& domande);
    static QString TestoBlocchi(const QList<Blocco>& blocchi);

    // See Deposito: groups, paths, assignments and progress.
    QList<Gruppo> gruppi() const override;
    std::optional<Gruppo> salvaGruppo(const Gruppo& gruppo) override;
    bool rimuoviGruppo(qint64 id) override;
    QList<PercorsoSalvato> percorsi() const override;
    std::optional<PercorsoSalvato> salvaPercorso(const PercorsoSalvato& percorso) override;
    bool rimuoviPercorso(qint64 id) override;
    bool assegnaPercorso(Destinatario a, qint64 chi, qint64 percorso) override;
    PercorsiAssegnati percorsiAssegnati() const override;
    QList<AvanzamentoBambino> avanzamenti() const override;

    // What the sender copies from the school's server into this register.
    // The members run on this register's connection in a transaction of
    // their own; the static forms on the given connection to a register of
    // this version, inside the caller's transaction (they open none, and on
    // failure the caller rolls back). All return false, with errore (or
    // ultimoErrore) set, when a statement fails.
    //
    // A class's groups, paths and assignments as the server holds them, all
    // by uuid.
    struct PercorsiDelServer {
        QList<Gruppo> gruppi;             // ids ignored
        QList<PercorsoSalvato> percorsi;  // ids ignored
        QUuid percorsoClasse;             // the class's own path; null: none
        QHash<QUuid, QUuid> perGruppo;    // a group's path, by the group's uuid
        struct DelBambino {
            QUuid gruppo;    // null: none
            QUuid percorso;  // the child's own path; null: none
        };
        QHash<QUuid, DelBambino> perBambino;  // by the child's uuid
    };
    // The class's groups and paths become exactly those given: those here
    // and not given go (their assignments with them), the others are renamed
    // or changed in place, keeping their ids. A group that fails
    // ControllaGruppo, a path that fails ProblemaPercorso, one without a
    // uuid or with the name of one before it, is left out. A child of the
    // class left out of perBambino has neither group nor path of their own,
    // and a uuid that names no group or path of the class counts as none.
    static bool CopiaPercorsiClasse(QSqlDatabase db, qint64 classe, const PercorsiDelServer& server, QString& errore);
    bool copiaPercorsiClasse(qint64 classe, const PercorsiDelServer& server);
    // A right answer under a path that the school's server holds, given on
    // another computer (or on this one and already sent).
    struct EsattaAltrove {
        QUuid risposta;
        QUuid bambino;
        QUuid percorso;
        int passo = 0;  // 1-based
    };
    // The class's children's right answers from elsewhere become exactly
    // those given. An entry whose child is not in the class, or whose
    // answer or path is missing or whose step is outside 1 to
    // Percorso::MassimoPassi, is left out; an answer given twice is kept
    // once. avanzamenti() counts them with the local answers, each answer
    // (by uuid) once.
    static bool SostituisciEsatteAltrove(QSqlDatabase db, qint64 classe, const QList<EsattaAltrove>& esatte,
                                         QString& errore);
    bool sostituisciEsatteAltrove(qint64 classe, const QList<EsattaAltrove>& esatte);

    // See Deposito::unisci.
    std::optional<int> unisci(const QString& altroFile, const ChiediIdentita& chiedi = {}) override;

    // See Deposito: notes, first answers and the fitted model.
    QString nota(qint64 bambino) const override;
    bool salvaNota(qint64 bambino, const QString& testo) override;
    void scorriPrimeRisposte(const Periodo& periodo,
                             const std::function<void(const Padronanza::Prova&)>& ciascuna) const override;
    std::optional<Padronanza::Modello> modello() const override;
    bool salvaModello(const Padronanza::Modello& modello) override;
    // The statement behind scorriPrimeRisposte, its three values the class's
    // id and the first and one past the last millisecond since the epoch.
    static QString QueryPrimeRisposte();

protected:
    bool inizia() override;
    bool concludi() override;
    void annulla() override;

private:
    // Runs a reading of this register; one that fails is told to the views.
    bool leggi(QSqlQuery& q, const QString& cosa) const;
    // Binds and runs the insert of an answer: the class of the child, or
    // classe for a guest (or a child no longer in the register).
    static bool Scrivi(QSqlQuery& q, const Risposta& r, qint64 bambino, qint64 classe);
    // Adds to the chosen class the paths of another register whose uuid this
    // one does not have, each under a name free in the class.
    bool aggiungiPercorsi(const QList<PercorsoSalvato>& suoi);
    // A child of any class, and their class (0 for none).
    std::optional<Bambino> bambinoDi(qint64 id) const;
    qint64 classeDi(qint64 bambino) const;

    struct Dati;
    std::unique_ptr<Dati> d;
};

// One answer from a row whose columns, from primo on, are the table's uuid,
// quando, bambino, gioco, domande, blocchi, risposta, esatta, millisecondi;
// and, when percorso is not -1, from that column on, the path's uuid and the
// step (both NULL for an answer given without a path), then the attempt.
Risposta LeggiRisposta(const QSqlQuery& q, int primo = 0, int percorso = -1);

} // namespace Registro
