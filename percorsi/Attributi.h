#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

// The attributes in play: those a game's turn may ask about, a non-empty
// subset of the four, all four unless a learning path's step chooses fewer.
// Attribute kinds are numbered as most games number them: 1 forma, 2 colore,
// 3 dimensione, 4 spessore.
class AttributiInGioco {
public:
    static constexpr int Numero = 4;

    // All four.
    AttributiInGioco() = default;
    // The kinds named (numbers outside 1 to 4 are no kind); a set that names
    // no kind is never in play, so it stands for all four, as a step that
    // names none does.
    AttributiInGioco(std::initializer_list<int> criteri) : AttributiInGioco(Di(QList<int>(criteri))) {}
    static AttributiInGioco Di(const QList<int>& criteri);

    // "forma", "colore", "dimensione", "spessore": the names answers and
    // path files use, in kind order.
    static const QStringList& Nomi();
    // The kind of a name, 0 for a name that is none of the four.
    static int CriterioDi(const QString& nome);

    bool contiene(int criterio) const { return criterio >= 1 && criterio <= Numero && (maschera >> (criterio - 1)) & 1; }
    int quanti() const;
    bool tutti() const { return maschera == Tutti; }
    // The names of those in play, in kind order.
    QStringList nomi() const;

    bool operator==(const AttributiInGioco&) const = default;

private:
    static constexpr unsigned Tutti = (1u << Numero) - 1;
    unsigned maschera = Tutti;
};
