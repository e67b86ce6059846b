#pragma once
// The SQLite register's connection and state, shared by the files that
// implement Archivio; nothing outside them includes it.
#include "registro/Archivio.h"
#include "registro/Schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Registro {

struct Archivio::Dati {
    QString connessione;
    QString percorso;
    QString errore;
    QString spostato;
    bool aperto = false;
    Schema::Uso uso;  // held while the connection is open

    QSqlDatabase db() const { return QSqlDatabase::database(connessione, false); }

    // A prepared statement; the caller binds and runs it.
    QSqlQuery prepara(const QString& sql) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(sql);
        return q;
    }

    Accesso fallito(const QSqlError& e, const QString& cosa)
    {
        errore = QStringLiteral("%1 (%2): %3").arg(cosa, QDir::toNativeSeparators(percorso), Schema::Motivo(e));
        return Schema::EsitoDi(e);
    }

    bool esegui(QSqlQuery& q, const QString& cosa)
    {
        if (q.exec())
            return true;
        fallito(q.lastError(), cosa);
        return false;
    }

    void chiudi()
    {
        if (!connessione.isEmpty()) {
            {
                QSqlDatabase d = db();
                d.close();
            }
            QSqlDatabase::removeDatabase(connessione);
            connessione.clear();
            aperto = false;
        }
        uso.lascia();
    }

    Accesso apriFile(const QString& file, bool crea);
    // sola: opened read-only, so neither migrated nor switched to WAL.
    Accesso preparaSchema(bool sola, Controllo controllo);
    Accesso controlla();
    std::optional<Bambino> leggiBambino(QSqlQuery& q) const;
    // Adds a class (nuova) or gives one its name and year, and its
    // settings (leggiDomande) when conImpostazioni.
    bool scriviClasse(const Classe& classe, bool nuova, bool conImpostazioni);

    // Whether the row id of tabella (gruppi, percorsi) is one of the
    // class's; when not, errore is altrimenti (or why it cannot be read).
    bool dellaClasse(const char* tabella, qint64 id, qint64 classe, const QString& altrimenti);
    // Runs the insert (aggiunta) or update of a group or path: a name taken
    // sets errore to doppione, an update that finds no row to mancante.
    bool scriviRiga(QSqlQuery& q, const QString& cosa, const QString& doppione, bool aggiunta,
                    const QString& mancante);
    // Deletes the row id of tabella when it is the class's.
    bool togli(const char* tabella, qint64 id, qint64 classe, const QString& cosa, const QString& mancante);
    // Runs fa (given where to put its error) in a transaction of a's own.
    template <class F>
    bool transazione(Archivio& a, F fa)
    {
        if (!aperto || !a.inizia())
            return false;
        if (fa(errore))
            return a.concludi();
        a.annulla();
        return false;
    }
};

} // namespace Registro
