#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Another program's connection to a register, holding it locked: by default
// for writing; with "PRAGMA locking_mode=EXCLUSIVE" first and a read after
// "BEGIN EXCLUSIVE", for reading too. The lock goes with the object.
class Lucchetto {
public:
    explicit Lucchetto(const QString& percorso, const QStringList& istruzioni = {QStringLiteral("BEGIN EXCLUSIVE")})
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Nome);
        db.setDatabaseName(percorso);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(percorso));
        QSqlQuery query(db);
        for (const QString& istruzione : istruzioni)
            if (!query.exec(istruzione))
                qFatal("cannot lock %s: %s", qPrintable(percorso), qPrintable(istruzione));
    }
    void rilascia()
    {
        if (!QSqlDatabase::contains(Nome))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(Nome);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(Nome);
    }
    ~Lucchetto() { rilascia(); }
    Lucchetto(const Lucchetto&) = delete;
    Lucchetto& operator=(const Lucchetto&) = delete;

private:
    static constexpr const char* Nome = "altro-programma";
};
