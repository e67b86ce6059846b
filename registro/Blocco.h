#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The words of the four attributes, in code order (code 1 first).
namespace Parole {
inline const QStringList Forme{"rotondo", "quadrato", "rettangolo", "triangolo"};
inline const QStringList Colori{"rosso", "giallo", "blu"};
inline const QStringList Dimensioni{"grande", "piccolo"};
inline const QStringList Spessori{"spesso", "sottile"};
}

// The names of the attribute pictures (<word>.jpg): every attribute word, and
// "cerchio", the shape "rotondo" as the help of "uguale - diverso" shows it.
QStringList ParoleConFigura();

// Attribute kinds as most games number them.
enum Criterio : int { CriterioForma = 1, CriterioColore = 2, CriterioDimensione = 3, CriterioSpessore = 4 };

// One block, told by its four words.
struct Blocco {
    QString forma, colore, dimensione, spessore;

    // The word of one attribute kind (1 shape, 2 colour, 3 size, 4 thickness).
    QString parola(int criterio) const;
    // "triangolo rosso grande spesso": what a screen reader says for its picture.
    QString nome() const;
    // "triangolorossograndespesso": two blocks are the same block when equal.
    QString tag() const;
    // The picture file: <folder>/jpg/<colour>/<shape><size><thickness>.JPG
    QString percorso(const QString& cartellaApplicazione) const;
    bool valido() const;

    bool operator==(const Blocco&) const = default;

    static QList<Blocco> tutti();  // the 48 blocks
};

// The block a picture's accessible name tells ("triangolo rosso grande spesso").
std::optional<Blocco> BloccoDaNome(const QString& nome);

// Reads the block back from a path built by Blocco::percorso (letter case
// ignored); nothing when the path does not name a block picture.
std::optional<Blocco> BloccoDaPercorso(const QString& percorso);
