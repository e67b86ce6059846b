#include "ClasseInventata.h"

#include "registro/Giochi.h"

#include <QRandomGenerator>

namespace {

const char* const Nomi[] = {"Giulia", "Francesco", "Sofia", "Alessandro", "Aurora", "Leonardo", "Ginevra",
                            "Lorenzo", "Alice", "Mattia", "Emma", "Tommaso", "Giorgia", "Riccardo", "Beatrice",
                            "Edoardo", "Martina", "Gabriele", "Chiara", "Andrea", "Anna", "Matteo", "Noemi",
                            "Davide", "Viola", "Federico", "Greta", "Pietro", "Bianca", "Samuele"};
const char* const Cognomi[] = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo",
                               "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini",
                               "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri", "Fontana",
                               "Santoro", "Mariani", "Rinaldi", "Caruso", "Ferrara", "Galli", "Martini", "Leone"};
const QStringList Attributi{"forma", "colore", "dimensione", "spessore"};

struct Generatore {
    QRandomGenerator caso;
    int intero(int n) { return int(caso.bounded(n)); }
    bool prova(double p) { return caso.generateDouble() < p; }
    // A game shows a few blocks again and again, as a child's mistakes
    // come back on the same ones.
    Blocco blocco(int gioco)
    {
        static const QList<Blocco> tutti = Blocco::tutti();
        return tutti[(gioco * 5 + intero(6)) % tutti.size()];
    }
    QStringList valori(int attributo)
    {
        const QStringList* elenchi[] = {&Parole::Forme, &Parole::Colori, &Parole::Dimensioni, &Parole::Spessori};
        return *elenchi[attributo];
    }
    // What a turn of the game asks: an attribute, a value, or a condition
    // that may be negated.
    Registro::Domanda domanda(int gioco)
    {
        const int a = intero(4);
        Registro::Domanda d{Attributi[a], {}, false};
        if (gioco >= 1 && gioco <= 6) {
            d.valore = valori(a)[intero(int(valori(a).size()))];
            d.negata = gioco >= 4 && prova(0.5);
        }
        return d;
    }
};

} // namespace

Registro::Risposta RispostaInventata(const QString& schermo, const QDateTime& quando, bool esatta,
                                     const Registro::Domanda& domanda, const QList<Blocco>& blocchi)
{
    Registro::Risposta r = Registro::NuovaRisposta();
    r.quando = quando;
    r.schermo = schermo;
    r.gioco = Registro::DidascaliaGioco(schermo);
    r.domande = {domanda};
    r.blocchi = blocchi;
    r.esatta = esatta;
    r.risposta = blocchi.isEmpty() ? QString() : blocchi.first().nome();
    r.millisecondi = 1500 + quando.time().msec() * 7;
    return r;
}

int InventaClasse(Registro::Deposito& archivio, const ClasseInventata& classe)
{
    Generatore g{QRandomGenerator(classe.seme)};
    QList<std::pair<qint64, double>> abilita;  // each child's share right at the start
    const auto simboli = Registro::Simboli();
    for (int i = 0; i < classe.bambini && i < int(simboli.size()); ++i) {
        Registro::Bambino b;
        b.uuid = QUuid::createUuid();
        b.nome = QString::fromUtf8(Nomi[i % std::size(Nomi)]);
        b.cognome = QString::fromUtf8(Cognomi[(i * 7) % std::size(Cognomi)]);
        b.simbolo = QString::fromLatin1(simboli[size_t(i)].chiave);
        if (const std::optional<Registro::Bambino> salvato = archivio.salva(b))
            abilita.append({salvato->id, 0.35 + 0.45 * g.caso.generateDouble()});
    }
    abilita.append({0, 0.6});  // the guests
    const auto giochi = Registro::Giochi();
    const double giorni = std::max<qint64>(1, classe.dal.daysTo(classe.al));
    int scritte = 0;
    for (QDate giorno = classe.dal; giorno <= classe.al; giorno = giorno.addDays(1)) {
        if (giorno.dayOfWeek() > 5)
            continue;
        const double progresso = classe.dal.daysTo(giorno) / giorni;
        for (const auto& [id, base] : abilita) {
            if (!g.prova(id ? 0.6 : 0.2))
                continue;
            const int gioco = g.intero(int(giochi.size()));
            QDateTime quando(giorno, QTime(9 + g.intero(5), g.intero(60)));
            for (int n = 0; n < classe.rispostePerGiornata; ++n) {
                const Registro::Domanda d = g.domanda(gioco);
                const double p = std::min(0.97, base + 0.35 * progresso - (d.negata ? 0.2 : 0.0)
                                                     - (d.attributo == QLatin1String("spessore") ? 0.1 : 0.0));
                const Registro::Risposta r = RispostaInventata(QString::fromLatin1(giochi[size_t(gioco)].schermo),
                                                               quando, g.prova(p), d, {g.blocco(gioco), g.blocco(gioco + 1)});
                if (archivio.registra(r, id) == Registro::Accesso::Ok)
                    ++scritte;
                quando = quando.addSecs(5 + g.intero(20));
            }
        }
    }
    return scritte;
}
