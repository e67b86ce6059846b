#pragma once
#include "registro/Archivio.h"

#include <QByteArray>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>

// What the sender copies from the school's server, with the classes, for a
// computer to play the learning paths while the server is down: each
// class's groups, paths and assignments, and the right answers given under
// its paths on every computer (tesselo.esatte_percorsi()), all that a
// child's progress needs.
namespace Registro {

struct PercorsiDelleClassi {
    struct DiClasse {
        Archivio::PercorsiDelServer percorsi;
        QList<Archivio::EsattaAltrove> esatte;
    };
    // By the 16 bytes of the class's uuid: the classes this login reaches.
    QHash<QByteArray, DiClasse> classi;
    // Everything read, in the server's order, so that what was copied last
    // is not written again.
    QByteArray impronta;
};

// Reads them as this login's row-level security lets it: false, with the
// server's error, when a statement fails. A path that is not a path (as a
// file would be refused) is left out.
bool LeggiPercorsiDelleClassi(QSqlDatabase server, PercorsiDelleClassi& letti, QSqlError& errore);
// Writes them into the local register, inside the caller's transaction;
// classi gives the local id of each class by the bytes of its uuid, and a
// class missing from it is passed over. False, with errore, when a
// statement fails.
bool CopiaPercorsiDelleClassi(QSqlDatabase locale, const PercorsiDelleClassi& letti,
                            const QHash<QByteArray, qint64>& classi, QString& errore);

} // namespace Registro
