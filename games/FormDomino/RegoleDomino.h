#pragma once
#include "regole/RegoleGioco.h"

#include <array>

// The rules of the two chain games. A chain of up to twelve blocks grows
// from a random block, each new block derived from the one before by the
// game's rule:
// - "Cosa cambia?": it differs in exactly one attribute, or in none (the
//   same block again);
// - "Cosa resta uguale?": it agrees in exactly one attribute, or in none.
// The child names that attribute, or "niente", for the two newest blocks. A
// wrong answer leaves the pair asked; a right one adds the next block, and
// the eleventh right answer starts a new chain.
//
// Each pair is a question, timed from the moment its newer block is shown.
// Each answer records: domande, the attribute that really changes (or
// stays), none for "niente"; blocchi, the pair, older block first;
// risposta, the word of the button pressed ("forma" ... "niente").
//
// The chain's newest block is the current block of the draws the rules are
// given (the program's is Modulo1's); the rules change its words in place and
// rebuild its picture path.
class RegoleDomino : public RegoleGioco {
public:
    enum class Regola { CosaCambia, CosaRestaUguale };

    // The five answers, in button order: the letter on the button and the
    // word beside it. A language whose words share an initial shows two
    // letters on the buttons of those words.
    struct VoceRisposta {
        const char* lettera;
        const char* parola;
    };
    static constexpr std::array<VoceRisposta, 5> Risposte{{
        {QT_TRANSLATE_NOOP("Lettere", "F"), "forma"},
        {QT_TRANSLATE_NOOP("Lettere", "C"), "colore"},
        {QT_TRANSLATE_NOOP("Lettere", "D"), "dimensione"},
        {QT_TRANSLATE_NOOP("Lettere", "S"), "spessore"},
        {QT_TRANSLATE_NOOP("Lettere", "N"), "niente"},
    }};

    static constexpr int Blocchi = 12;
    static constexpr int Passi = Blocchi - 1;

    // The right button for the step asked: 0 shape, 1 colour, 2 size,
    // 3 thickness, 4 none.
    qint16 RispostaGiusta = 0;
    // Right answers in this chain; the pair asked is Catena(PassoCatena) and
    // Catena(PassoCatena + 1).
    qint16 PassoCatena = 0;
    // The chain's blocks shown so far, first to newest.
    std::array<Blocco, Blocchi> Catena;

    RegoleDomino(const char* schermo, Regola regola, Estrazioni& caso, Orologio orologio)
        : RegoleGioco(schermo, caso, std::move(orologio)), regola(regola)
    {
    }

    // Draws the background and the first block, derives the second; the
    // first pair is asked.
    void NuovaCatena();
    // Derives the next block from the current one and sets RispostaGiusta.
    void ScegliAltroBlocco();
    // The one right answer (0 shape to 3 thickness, 4 none) for two
    // neighbouring blocks, or -1 when the pair allows no single answer.
    int RispostaPer(const Blocco& prima, const Blocco& dopo) const;

    // The caption of answer i's button in the language shown ("F"); the key
    // that presses it is the caption's last letter.
    static QString Lettera(int i);

    // Button Index pressed for the pair asked.
    Registro::Risposta GiudicaRisposta(int Index) const;
    // After a right answer: the next block joins the chain and its pair is
    // asked; false when the chain was complete, so a new one must start.
    bool Avanza();

private:
    void NuovaForma();
    void NuovoColore();
    void InvertiDimensione();
    void InvertiSpessore();
    // The next block of the chain is the current one, with its picture path.
    void Aggiungi(int posizione);
    // The one attribute (0 shape to 3 thickness) in which two blocks are
    // equal (uguali) or differ, 4 when there is none, -1 when there are more.
    static int UnicoAttributo(const Blocco& prima, const Blocco& dopo, bool uguali);

    const Regola regola;
};
