#pragma once
#include <QList>
#include <QString>
#include <QUuid>
#include <span>

namespace Registro {

// A child's symbol, the picture a child who cannot read knows as their own.
// Drawn from the colour emoji font; the key is what the register stores.
struct Simbolo {
    const char* chiave;     // "gatto", stored in the register, never shown
    const char* emoji;      // UTF-8 of the emoji drawn
    const char* nome;       // "gatto", for the teacher, in Italian
};
// A symbol's name in the language shown: "cat" for "gatto".
QString NomeSimbolo(const Simbolo& simbolo);

// At least 30 clearly different symbols (animals, fruit, objects), in the
// order the teachers' program offers them. "ospite" is not among them.
std::span<const Simbolo> Simboli();
// The symbol of a key; nothing for an unknown key.
const Simbolo* TrovaSimbolo(const QString& chiave);
// The symbol that stands for a child who is not in the class.
const Simbolo& SimboloOspite();

// The longest name or surname a child may have, in characters.
constexpr int LunghezzaNome = 100;
// The longest note a teacher may keep on a child, in characters.
constexpr int LunghezzaNota = 1000;
// A name as it is stored and shown: without NUL characters, and without the
// controls that embed, override or isolate a text's direction, which would
// turn the name, or the text around it, right to left.
QString NomePulito(QString nome);
// A teacher's note as it is stored: as NomePulito leaves it, its lines
// ended by "\n" alone, without other control characters (tabs kept), and
// without blanks at either end. ControllaNota says why it cannot be stored
// (longer than LunghezzaNota); empty when it can.
QString NotaPulita(QString nota);
QString ControllaNota(const QString& pulita);

// A child of the class.
struct Bambino {
    qint64 id = 0;          // the row in this register; 0 before it is stored
    QUuid uuid;             // the same child across registers, for merging
    QString nome;           // required
    QString cognome;        // may be empty
    QString simbolo;        // a Simbolo's key, unique in the class
    qint64 gruppo = 0;      // the id of the child's group in the class; 0: none

    // "Nome Cognome", or the first name alone.
    QString nomeCompleto() const;
    bool operator==(const Bambino&) const = default;
};

} // namespace Registro
