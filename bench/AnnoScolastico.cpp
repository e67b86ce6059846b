#include "bench/AnnoScolastico.h"

#include "registro/Archivio.h"
#include "registro/Giochi.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

using namespace Registro;

namespace AnnoScolastico {

QList<qint64> Classe(Deposito& a)
{
    QList<qint64> ids;
    for (int i = 0; i < Bambini; ++i)
        ids << a.salva({0, {}, QStringLiteral("Bambino %1").arg(i + 1), QStringLiteral("Cognome"),
                        QString::fromLatin1(Simboli()[i].chiave)})
                   ->id;
    return ids;
}

double Mediana(QList<double> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori[valori.size() / 2];
}

void Riga(const char* etichetta, double valore, double base, const char* unita)
{
    std::printf("%s\t%.4f\t%.4f\t%s\t%.3f\n", etichetta, valore, base, unita, valore / base);
    std::fflush(stdout);
}

QList<QDate> GiorniDiScuola(const QDate& inizio)
{
    QList<QDate> giorni;
    for (QDate g = inizio; giorni.size() < Giorni; g = g.addDays(1))
        if (g.dayOfWeek() <= 5)
            giorni << g;
    return giorni;
}

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

void Genera(Deposito& a, const QList<QDate>& giorni)
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
        if (a.registraTutte(delGiorno) != Accesso::Ok)
            qFatal("cannot write: %s", qPrintable(a.ultimoErrore()));
    }
}

// The sqlite3 program's own timer (".timer on", read from its standard
// input: given as arguments, it prints nothing).
double TempoSqlite3(const QString& file, const Periodo& periodo, qint64 classe)
{
    const qint64 dal = periodo.dal->startOfDay().toMSecsSinceEpoch();
    const qint64 al = periodo.al->addDays(1).startOfDay().toMSecsSinceEpoch();
    QString query = Archivio::QueryClasse();
    query.replace(query.indexOf('?'), 1, QString::number(dal));
    query.replace(query.indexOf('?'), 1, QString::number(al));
    query.replace(query.indexOf('?'), 1, QString::number(classe));
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

} // namespace AnnoScolastico
