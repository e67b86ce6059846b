#pragma once
#include "registro/Blocco.h"
#include "app/Informazioni.h"
#include "regole/Estrazioni.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

// The state every screen shares, and the small services every game uses.
namespace Modulo1 {

// The program's draws, which the games' rules are given: Rnd from the
// services' generator, pictures from the application folder.
extern Estrazioni EstrazioniGioco;

// Sounds on or off, for the whole run.
inline bool SuonoAttivo = false;
// Answers given on the game screen now open.
inline qint16 ContatoreErrati = 0;
inline qint16 ContatoreEsatti = 0;
// The block drawn last, and its picture: the program's draws' own.
inline QString& ColoreBlocco = EstrazioniGioco.ColoreBlocco;
inline QString& FormaBlocco = EstrazioniGioco.FormaBlocco;
inline QString& DimensioneBlocco = EstrazioniGioco.DimensioneBlocco;
inline QString& SpessoreBlocco = EstrazioniGioco.SpessoreBlocco;
inline QString& PercorsoBlocco = EstrazioniGioco.PercorsoBlocco;
// The code drawn by the generator that ran last.
inline qint16& NumeroCasuale = EstrazioniGioco.NumeroCasuale;

// Colours as &H00BBGGRR (red in the low byte); entry 0 is never drawn.
inline constexpr std::array<quint32, 19> Palette{
    0x00000000,
    0x00C0C0FF, 0x008080FF, 0x000000FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x0000FFFF, 0x000040C0, 0x0080FF80, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FF0000, 0x00FF00FF};


// Main, ChiediUscita, TerminaProgramma and the resizer Ridimensionatore move
// between screens: they are in screens/Programma.h.

double Rnd();
// floor(Rnd × k) + 1: a whole number from 1 to k, each equally likely.
int Estrai(int k);

void SuonoEsatto();
void SuonoErrato();
// A learning path's celebration: always the same jingle, drawing nothing.
void SuonoFesta();
// Speaks a word or phrase the games show, from the voci/ folder, when the
// sounds are on and the text has a voice; returns whether it has one.
bool Pronuncia(const QString& testo);
double ColoreCasuale();
void MostraInformazioni();

void FormaCasuale();
void ColoreBloccoCasuale();
void DimensioneCasuale();
void SpessoreCasuale();
void BloccoCasuale();

// The current block as one value, and its picture path by the path rule.
Blocco BloccoCorrente();
void ImpostaBloccoCorrente(const Blocco& blocco);
QString PercorsoDi(const Blocco& blocco);

// The folder that holds jpg/, suoni/ and voci/, without a trailing separator.
QString CartellaApplicazione();
// The user's own media folder, laid out as that one; empty when there is none.
// A file there is read in place of the installed file of the same name.
QString CartellaUtente();

// The file names of the answer sounds in suoni/: the four sounds of a right
// answer (one of them is drawn each time), then the sound of a wrong answer.
const QStringList& SuoniRisposta();

// Adds one to a count and stops at 32767; lowers one and stops at -32768.
void Incrementa(qint16& conteggio);
void Decrementa(qint16& conteggio);

} // namespace Modulo1
