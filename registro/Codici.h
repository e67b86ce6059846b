#pragma once
#include "registro/Risposta.h"

#include <QByteArray>
#include <QVariant>

// How an answer's words are stored: codes, not words, so that a school year
// of a class stays small. The game is its fixed code in the catalogue (never
// its place in the list, which may change), each question
// one byte (attribute, value, "NON"), the blocks one byte each (their index
// in Blocco::tutti()), an answer that names a block one byte too. What has no
// code (a screen or a word the register does not know) is kept as text, so
// nothing is lost.
namespace Registro::Codici {

QVariant Gioco(const QString& schermo);
// The screen of a stored game: an empty string for a code no game has.
QString Schermo(const QVariant& valore);

QVariant Domande(const QList<Domanda>& domande);
QList<Domanda> Domande(const QVariant& valore);

QVariant Blocchi(const QList<Blocco>& blocchi);
QList<Blocco> Blocchi(const QVariant& valore);

QVariant TestoRisposta(const QString& risposta);
QString TestoRisposta(const QVariant& valore);

// The 16 bytes of a uuid, and back.
QByteArray Uuid(const QUuid& uuid);
QUuid Uuid(const QVariant& valore);

} // namespace Registro::Codici
