#pragma once
#include "registro/Archivio.h"

#include <QDate>

// A made-up class with plausible answers, for the teachers' program's tests,
// screenshots and timings: children with Italian names and symbols of their
// own, playing on school days, each getting better week by week, with "NON"
// conditions harder than plain ones. The same seed gives the same register.
struct ClasseInventata {
    int bambini = 24;
    QDate dal = QDate::currentDate().addMonths(-3);
    QDate al = QDate::currentDate();
    int rispostePerGiornata = 20;   // answers of a child on a day they play
    quint32 seme = 1;
};

// Adds the children and their answers (and some guests') to archivio, a
// local register or the school's server;
// returns how many answers it recorded.
int InventaClasse(Registro::Deposito& archivio, const ClasseInventata& classe);

// One answer of a game, as its rules would record it.
Registro::Risposta RispostaInventata(const QString& schermo, const QDateTime& quando, bool esatta,
                                     const Registro::Domanda& domanda, const QList<Blocco>& blocchi);
