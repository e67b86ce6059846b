#pragma once
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <atomic>

// The first value of a statement on a register's file, read on a connection
// of its own, outside the register and from any thread; an invalid value
// when the statement fails or returns nothing.
inline QVariant Valore(const QString& file, const QString& sql)
{
    static std::atomic<int> contatore = 0;
    const QString nome = QStringLiteral("valore-%1").arg(++contatore);
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                v = q.value(0);
            else if (q.lastError().isValid())
                qWarning() << sql << q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return v;
}
