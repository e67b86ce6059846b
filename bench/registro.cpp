// The class register over a school year: a class of 30, 180 school days,
// 100 answers a day each (540,000 answers) generated into a temporary file.
// Prints, one row each (label, figure, floor, unit, ratio, tab-separated):
//   the file's size, against the 60 MB it must stay under;
//   the class at a glance (Archivio::classe over the whole year), median of
//   11 runs, against the same query run by the sqlite3 program on the file;
//   one child's record (Archivio::scheda), against the 1 s a view may take;
//   the caller's cost of Scrittore::registra, median and 99th percentile of
//   10,000 calls, against the 0.2 ms an answer may cost the game.
// With an argument, the file is kept there instead.
#include "registro/Archivio.h"
#include "registro/Giochi.h"
#include "registro/Scrittore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Registro;

namespace {

constexpr int Bambini = 30, Giorni = 180, AlGiorno = 100, Prove = 11;

double Mediana(QList<double> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori[valori.size() / 2];
}

void Riga(const char* etichetta, double valore, double base, const char* unita)
{
    std::printf("%s\t%.3f\t%.3f\t%s\t%.2f\n", etichetta, valore, base, unita, valore / base);
    std::fflush(stdout);
}

// The school days: weekdays from 1 September on.
QList<QDate> GiorniDiScuola(const QDate& inizio)
{
    QList<QDate> giorni;
    for (QDate g = inizio; giorni.size() < Giorni; g = g.addDays(1))
        if (g.dayOfWeek() <= 5)
            giorni << g;
    return giorni;
}

// One answer as a game gives it: one or two conditions, one to four blocks,
// a word, a number or a block's name as the answer.
Risposta Casuale(QRandomGenerator& caso, const QDateTime& quando)
{
    static const QList<Blocco> blocchi = Blocco::tutti();
    static const QStringList attributi{"forma", "colore", "dimensione", "spessore"};
    static const QList<QStringList> parole{Parole::Forme, Parole::Colori, Parole::Dimensioni, Parole::Spessori};
    Risposta r = NuovaRisposta();
    r.quando = quando;
    const Gioco& g = Giochi()[caso.bounded(int(Giochi().size()))];
    r.schermo = QString::fromLatin1(g.schermo);
    r.gioco = QString::fromUtf8(g.didascalia);
    for (int n = 1 + caso.bounded(2); n > 0; --n) {
        const int a = caso.bounded(4);
        r.domande << Domanda{attributi[a], caso.bounded(3) ? parole[a][caso.bounded(int(parole[a].size()))] : QString(),
                             caso.bounded(3) == 0};
        if (r.domande.last().valore.isEmpty())
            r.domande.last().negata = false;
    }
    for (int n = 1 + caso.bounded(4); n > 0; --n)
        r.blocchi << blocchi[caso.bounded(int(blocchi.size()))];
    static const QStringList parola{"SI", "NO", "UGUALE", "DIVERSO", "3", "7"};
    r.risposta = caso.bounded(3) ? parola[caso.bounded(int(parola.size()))] : blocchi[caso.bounded(48)].nome();
    r.esatta = caso.bounded(10) < 7;
    r.millisecondi = 400 + caso.bounded(20000);
    return r;
}

QList<qint64> Classe(Archivio& a)
{
    QList<qint64> ids;
    for (int i = 0; i < Bambini; ++i)
        ids << a.salva({0, {}, QStringLiteral("Bambino %1").arg(i + 1), QStringLiteral("Cognome"),
                        QString::fromLatin1(Simboli()[i].chiave)})
                   ->id;
    return ids;
}

void Genera(Archivio& a, const QList<QDate>& giorni)
{
    QRandomGenerator caso(2026);
    const QList<qint64> ids = Classe(a);
    for (const QDate& giorno : giorni) {
        QList<std::pair<Risposta, qint64>> delGiorno;
        for (int b = 0; b < Bambini; ++b) {
            QDateTime t(giorno, QTime(9, 0).addSecs(b * 600));
            for (int n = 0; n < AlGiorno; ++n, t = t.addMSecs(2000 + caso.bounded(8000)))
                delGiorno.append({Casuale(caso, t), ids[b]});
        }
        if (a.registraTutte(delGiorno) != Esito::Ok)
            qFatal("cannot write: %s", qPrintable(a.ultimoErrore()));
    }
}

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

// The sqlite3 program's own timer (".timer on", read from its standard
// input: given as arguments, it prints nothing) for the query classe() runs.
double TempoSqlite3(const QString& file, const Periodo& periodo)
{
    const qint64 dal = periodo.dal->startOfDay().toMSecsSinceEpoch();
    const qint64 al = periodo.al->addDays(1).startOfDay().toMSecsSinceEpoch();
    QString query = Archivio::QueryClasse();
    query.replace(query.indexOf('?'), 1, QString::number(dal));
    query.replace(query.indexOf('?'), 1, QString::number(al));
    QList<double> tempi;
    for (int i = 0; i < Prove; ++i) {
        QProcess p;
        p.start("sqlite3", {file});
        p.write(".timer on\n" + query.toUtf8() + ";\n");
        p.closeWriteChannel();
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("sqlite3 failed: %s", p.readAllStandardError().constData());
        const auto m = QRegularExpression("Run Time: real ([0-9.]+)").match(QString::fromUtf8(p.readAllStandardOutput()));
        if (!m.hasMatch())
            qFatal("sqlite3 printed no time");
        tempi << m.captured(1).toDouble() * 1000;
    }
    return Mediana(tempi);
}

void CostoRegistra(const QString& cartella)
{
    Scrittore s(cartella + "/scrittore.sqlite");
    s.attendi();
    QRandomGenerator caso(7);
    QList<Risposta> risposte;
    for (int i = 0; i < 10000; ++i)
        risposte << Casuale(caso, QDateTime::currentDateTime());
    QList<double> us;
    for (const Risposta& r : std::as_const(risposte)) {
        QElapsedTimer t;
        t.start();
        s.registra(r, 0);
        us << t.nsecsElapsed() / 1e6;
    }
    std::sort(us.begin(), us.end());
    Riga("Scrittore::registra, median of 10000 calls", us[us.size() / 2], 0.2, "ms");
    Riga("Scrittore::registra, 99th percentile", us[us.size() * 99 / 100], 0.2, "ms");
    s.attendi();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporanea;
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporanea.path();
    const QString file = cartella + "/registro.sqlite";
    QFile::remove(file);
    const QList<QDate> giorni = GiorniDiScuola(QDate(QDate::currentDate().year() - 1, 9, 1));
    const Periodo anno{giorni.first(), giorni.last()};
    {
        Archivio a;
        if (a.apri(file) != Esito::Ok)
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(a.ultimoErrore()));
        Genera(a, giorni);
    }
    Riga("register of a school year (540,000 answers)", QFileInfo(file).size() / 1e6, 60, "MB");

    Archivio a;
    a.apri(file);
    a.classe(anno);  // one run to warm the cache, as for sqlite3
    const double classe = Mediana(Tempi(Prove, [&] { a.classe(anno); }));
    Riga("class at a glance, school year", classe, TempoSqlite3(file, anno), "ms");
    Riga("class at a glance, school year, against 1 s", classe, 1000, "ms");
    const qint64 uno = a.bambini().first().id;
    Riga("one child's record, school year", Mediana(Tempi(Prove, [&] { a.scheda(uno, anno); })), 1000, "ms");
    CostoRegistra(cartella);
    return 0;
}
