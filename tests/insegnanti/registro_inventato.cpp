// Fills a register with a made-up class, for screenshots and timings:
//   registro_inventato FILE.sqlite [children] [months] [answers a day] [PATH.json]
// With a path file, the path is the whole class's, and each child has come
// some way along it, some further than others.
#include "tests/support/ClasseInventata.h"

#include "percorsi/FilePercorso.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// The path given to the class, and each child's right answers of the last
// hours under its steps, step after step: a share of the whole path that
// differs from child to child, the first child past half of it. The
// answers recorded, or -1 when the path could not be stored.
int PercorsoInventato(Registro::Deposito& archivio, const QString& file)
{
    const Percorsi::Lettura lettura = Percorsi::LeggiFile(file);
    const std::optional<Registro::PercorsoSalvato> salvato
        = lettura.percorso ? archivio.salvaPercorso({0, {}, *lettura.percorso}) : std::nullopt;
    if (!salvato || !archivio.assegnaPercorso(Registro::Destinatario::Classe, 0, salvato->id)) {
        std::fprintf(stderr, "%s\n", qPrintable(lettura.percorso ? archivio.ultimoErrore() : lettura.errore));
        return -1;
    }
    const QList<Passo>& passi = salvato->percorso.passi;
    int totale = 0;
    for (const Passo& p : passi)
        totale += p.esatte;
    QList<std::pair<Registro::Risposta, qint64>> risposte;
    const QList<Registro::Bambino> bambini = archivio.bambini();
    for (qsizetype b = 0; b < bambini.size(); ++b) {
        int date = int(totale * (b + 3) / 5 % (totale + 1));
        for (qsizetype i = 0; i < passi.size() && date > 0; ++i) {
            const int qui = std::min(date, passi[i].esatte);
            for (int n = 0; n < qui; ++n) {
                Registro::Risposta r = RispostaInventata(
                    passi[i].gioco, QDateTime::currentDateTime().addSecs(-60 * (int(risposte.size()) + 1)), true,
                    {passi[i].attributi.nomi().first(), {}, false}, {});
                r.percorso = salvato->uuid;
                r.passo = int(i + 1);
                risposte.append({r, bambini[b].id});
            }
            date -= qui;
        }
    }
    return archivio.registraTutte(risposte) == Registro::Accesso::Ok ? int(risposte.size()) : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 2) {
        std::fputs("uso: registro_inventato FILE.sqlite [bambini] [mesi] [risposte al giorno] [PERCORSO.json]\n", stderr);
        return 2;
    }
    ClasseInventata classe;
    if (a.size() > 2)
        classe.bambini = a[2].toInt();
    if (a.size() > 3)
        classe.dal = classe.al.addMonths(-a[3].toInt());
    if (a.size() > 4)
        classe.rispostePerGiornata = a[4].toInt();
    Registro::Archivio archivio;
    if (archivio.apri(a[1]) != Registro::Accesso::Ok) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(a[1]), qPrintable(archivio.ultimoErrore()));
        return 1;
    }
    std::printf("%d risposte\n", InventaClasse(archivio, classe));
    if (a.size() > 5) {
        const int nelPercorso = PercorsoInventato(archivio, a[5]);
        if (nelPercorso < 0)
            return 1;
        std::printf("%d nel percorso\n", nelPercorso);
    }
    return 0;
}
