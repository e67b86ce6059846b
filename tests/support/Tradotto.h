#pragma once
#include "media/Lingua.h"
#include "media/Testi.h"
#include "registro/Blocco.h"

#include <QString>
#include <QStringList>

// What the game suites compare, in the language they run in (TESSELO_LINGUA,
// Italian without): the program's texts and the words of the blocks go
// through the translations, as the screens' own do.

// A text of the program: Tr("esatti").
inline QString Tr(const char* testo)
{
    return Tesselo::tr(testo);
}
// A word of the blocks in capitals, as captions and conditions show it:
// Su("rosso") is "ROSSO" in Italian.
inline QString Su(const QString& parola)
{
    return Testi::Maiuscola(parola);
}
// Its negation: Non("rosso") is "NON ROSSO" in Italian.
inline QString Non(const QString& parola)
{
    return Testi::Condizione(parola, true);
}
// The program's own word of a word shown in capitals ("ROSSO" gives
// "rosso"); empty when it is none.
inline QString Interna(const QString& mostrata)
{
    for (const QStringList* gruppo : {&Parole::Forme, &Parole::Colori, &Parole::Dimensioni, &Parole::Spessori})
        for (const QString& parola : *gruppo)
            if (Su(parola) == mostrata)
                return parola;
    return {};
}
// The four lines that describe a block, in the order the language names its
// words (Italian's: shape, colour, size, thickness), each as Su writes it.
inline QStringList Descritte(const QString& forma, const QString& colore, const QString& dimensione,
                             const QString& spessore)
{
    const QString parole[] = {forma, colore, dimensione, spessore};
    QStringList righe;
    for (const int tipo : Testi::OrdineParole(Lingua::Attuale()))
        righe << Su(parole[tipo]);
    return righe;
}
// The same lines put back in Italian's order: shape, colour, size, thickness.
inline QStringList InOrdineItaliano(const QStringList& righe)
{
    QStringList parole(4);
    const std::array<int, 4> ordine = Testi::OrdineParole(Lingua::Attuale());
    for (int i = 0; i < 4 && i < righe.size(); ++i)
        parole[ordine[size_t(i)]] = righe[i];
    return parole;
}
