#pragma once
#include "registro/Deposito.h"
#include "registro/Impostazioni.h"

#include <memory>

namespace Registro {

// The class register on the school's PostgreSQL server, as the teachers'
// program uses it: one connection, as the teacher's user of the settings,
// used from the thread that opened it. Children and classes are known on the
// server by their uuid alone; here each gets an integer id the first time it
// is seen, the same for as long as this object lives. The server itself
// decides what this login reaches (row-level security): its classes, or
// every class for the school's management; nothing here filters again what
// the server already refuses. Answers are the server's
// (words and JSON, see schema.sql), read back into the same values as the
// local register's. A connection lost meanwhile (the server restarted) is
// opened again by the next statement outside a transaction.
class ArchivioServer : public Deposito {
public:
    // Seconds a connection may take before the server counts as unreachable.
    static constexpr int AttesaConnessione = 5;

    ArchivioServer();
    ~ArchivioServer() override;
    ArchivioServer(const ArchivioServer&) = delete;
    ArchivioServer& operator=(const ArchivioServer&) = delete;

    // Connects as imp.utentePerInsegnanti(). NonRaggiungibile when the
    // server does not answer within secondi or refuses the user;
    // Danneggiato when it holds no register we may read; PiuRecente when its
    // schema is newer than this program's.
    Accesso apri(const Impostazioni& imp, int secondi = AttesaConnessione);

    QString descrizione() const override;
    bool aperto() const override;
    QString ultimoErrore() const override;

    // See Deposito: the classes this login is granted, and the chosen one's
    // children and answers. A new class is made by the server's
    // tesselo.crea_classe, which only the management may call.
    QList<Classe> classi() const override;
    std::optional<Classe> salvaClasse(const Classe& classe) override;
    bool rimuoviClasse(qint64 id) override;
    bool nuovoAnno(const QList<Classe>& classi) override;
    bool spostaBambino(qint64 bambino, qint64 classe) override;
    bool dirigenza() const override;
    std::optional<QList<Assegnazione>> assegnazioni() const override;
    bool assegnaClasse(qint64 classe, const QString& utente) override;
    bool togliClasse(qint64 classe, const QString& utente) override;

    QList<Bambino> bambini() const override;
    std::optional<Bambino> bambino(qint64 id) const override;
    std::optional<Bambino> salva(const Bambino& bambino) override;
    int risposteDi(qint64 bambino) const override;
    bool rimuovi(qint64 bambino) override;

    Accesso registraTutte(const QList<std::pair<Risposta, qint64>>& risposte) override;
    void scorriRisposte(const Periodo& periodo,
                        const std::function<void(const Risposta&, qint64)>& ciascuna) const override;
    int cancellaRisposteDi(qint64 bambino) override;
    int cancellaPrimaDi(const QDate& giorno) override;

    QList<RigaClasse> classe(const Periodo& periodo) const override;
    SchedaBambino scheda(qint64 bambino, const Periodo& periodo) const override;
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

    std::optional<int> unisci(const QString& altroFile, const ChiediIdentita& chiedi = {}) override;
    std::optional<QList<Computer>> computer() const override;

    // See Deposito: notes, first answers and the fitted model.
    QString nota(qint64 bambino) const override;
    bool salvaNota(qint64 bambino, const QString& testo) override;
    void scorriPrimeRisposte(const Periodo& periodo,
                             const std::function<void(const Padronanza::Prova&)>& ciascuna) const override;
    std::optional<Padronanza::Modello> modello() const override;
    bool salvaModello(const Padronanza::Modello& modello) override;

    // The statement behind classe(), its three values the class's uuid, the
    // period's first and one past its last moment (timestamptz): to time it
    // against psql.
    static QString QueryClasse();
    // A period's end as classe() binds it: an ISO time in UTC, or
    // "-infinity" / "infinity" for an open end.
    static QString Momento(qint64 millisecondi);

protected:
    bool inizia() override;
    bool concludi() override;
    void annulla() override;

private:
    // The paths of a merged file that the server lacks (by uuid), added to
    // the chosen class inside the merge's transaction, so that the answers
    // given under them count; a name the class has already gets one of its
    // own (NomeLibero).
    bool aggiungiPercorsi(const QList<PercorsoSalvato>& suoi);
    // Grants a class to a login user, or takes it back, through the
    // server's function of that name.
    bool concessione(const QString& funzione, qint64 classe, const QString& utente);

    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace Registro
