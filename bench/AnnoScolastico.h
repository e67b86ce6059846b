#pragma once
#include "registro/Deposito.h"

#include <QElapsedTimer>
#include <QList>
#include <QRandomGenerator>

// A class's school year of answers, the same for every register it is
// written to: a class of 30, 180 school days, 100 answers a day each
// (540,000 answers), from a fixed seed.
namespace AnnoScolastico {

constexpr int Bambini = 30, Giorni = 180, AlGiorno = 100, Prove = 11;

// The school days: weekdays from inizio on.
QList<QDate> GiorniDiScuola(const QDate& inizio);
// The class's children saved into the register, "Bambino 1" to "Bambino
// 30": their ids.
QList<qint64> Classe(Registro::Deposito& registro);
// One answer as a game gives it: one or two conditions, one to four blocks,
// a word, a number or a block's name as the answer.
Registro::Risposta Casuale(QRandomGenerator& caso, const QDateTime& quando);
// The class and every answer of the year, a day per transaction.
void Genera(Registro::Deposito& registro, const QList<QDate>& giorni);

double Mediana(QList<double> valori);
// The sqlite3 program's own time for the statement Archivio::classe() runs
// over periodo for a class (its id) on file, median of Prove runs, in
// milliseconds.
double TempoSqlite3(const QString& file, const Registro::Periodo& periodo, qint64 classe);
// One row of the benchmark's table: label, figure, floor, unit, ratio.
void Riga(const char* etichetta, double valore, double base, const char* unita);

// Milliseconds of each of volte runs of f.
template<typename F>
QList<double> Tempi(int volte, F f)
{
    QList<double> ms;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms << t.nsecsElapsed() / 1e6;
    }
    return ms;
}

} // namespace AnnoScolastico
