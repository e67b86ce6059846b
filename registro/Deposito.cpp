#include "registro/Deposito.h"
#include "registro/Archivio.h"

#include "registro/Giochi.h"

#include <QCollator>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <limits>

namespace Registro {

std::optional<double> Conto::quota() const
{
    return totale() ? std::optional<double>(double(esatte) / totale()) : std::nullopt;
}

Periodo Periodo::Oggi() { return {QDate::currentDate(), QDate::currentDate()}; }
Periodo Periodo::Settimana() { const QDate o = QDate::currentDate(); return {o.addDays(1 - o.dayOfWeek()), o}; }
Periodo Periodo::Mese() { const QDate o = QDate::currentDate(); return {QDate(o.year(), o.month(), 1), o}; }
Periodo Periodo::AnnoScolastico()
{
    const QDate o = QDate::currentDate();
    return {QDate(o.month() >= 9 ? o.year() : o.year() - 1, 9, 1), o};
}

std::pair<qint64, qint64> Estremi(const Periodo& p)
{
    return {p.dal ? p.dal->startOfDay().toMSecsSinceEpoch() : std::numeric_limits<qint64>::min(),
            p.al ? p.al->addDays(1).startOfDay().toMSecsSinceEpoch() : std::numeric_limits<qint64>::max()};
}

void Ordina(QList<Bambino>& bambini)
{
    QCollator ordine;
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(bambini.begin(), bambini.end(), [&](const Bambino& a, const Bambino& b) {
        const int c = ordine.compare(a.nome, b.nome);
        return c != 0 ? c < 0 : ordine.compare(a.cognome, b.cognome) < 0;
    });
}

Bambino Ospite()
{
    return {0, {}, QString::fromUtf8(SimboloOspite().nome), {}, QString::fromLatin1(SimboloOspite().chiave)};
}

QString ControllaBambino(const Bambino& b)
{
    if (b.nome.trimmed().isEmpty())
        return QStringLiteral("il nome non può essere vuoto");
    const Simbolo* s = TrovaSimbolo(b.simbolo);
    if (!s || s == &SimboloOspite())
        return QStringLiteral("il contrassegno \"%1\" non esiste").arg(b.simbolo);
    return {};
}

void ContaGioco(QHash<qint64, QList<Conto>>& conti, qint64 bambino, int gioco, int esatte, int totale)
{
    const int giochi = int(Giochi().size());
    if (gioco < 0 || gioco >= giochi)
        return;  // a game this version does not know
    QList<Conto>& riga = conti[bambino];
    riga.resize(giochi);
    riga[gioco].esatte += esatte;
    riga[gioco].errate += totale - esatte;
}

QList<RigaClasse> ComponiClasse(const QList<Bambino>& classe, const QHash<qint64, QList<Conto>>& conti)
{
    const QList<Conto> vuota(qsizetype(Giochi().size()));
    QList<RigaClasse> righe;
    for (const Bambino& b : classe)
        righe.append({b, conti.value(b.id, vuota)});
    if (conti.contains(0))
        righe.append({Ospite(), conti.value(0)});
    return righe;
}

QList<std::pair<Risposta, qint64>> Deposito::risposte(const Periodo& periodo) const
{
    QList<std::pair<Risposta, qint64>> elenco;
    scorriRisposte(periodo, [&](const Risposta& r, qint64 bambino) { elenco.append({r, bambino}); });
    return elenco;
}

bool Deposito::salvaTutti(QList<Bambino>& bambini)
{
    if (!aperto() || !inizia())
        return false;
    QList<Bambino> salvati;
    for (const Bambino& b : std::as_const(bambini)) {
        const auto salvato = salva(b);
        if (!salvato) {
            annulla();
            return false;
        }
        salvati << *salvato;
    }
    if (!concludi())
        return false;
    bambini = salvati;
    return true;
}

std::optional<Bambino> Deposito::daSalvare(const Bambino& bambino, QString& errore) const
{
    if (!aperto())
        return std::nullopt;
    if (QString motivo = ControllaBambino(bambino); !motivo.isEmpty()) {
        errore = std::move(motivo);
        return std::nullopt;
    }
    return bambino;
}

std::optional<QHash<qint64, qint64>> Deposito::mappaBambini(const QList<Bambino>& altri, QString& errore)
{
    QHash<qint64, qint64> mappa;
    QList<Bambino> nostri = bambini();
    for (const Bambino& a : altri) {
        const auto stesso = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) {
            return b.uuid == a.uuid;
        });
        const auto omonimo = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) {
            return b.nome.compare(a.nome, Qt::CaseInsensitive) == 0
                && b.cognome.compare(a.cognome, Qt::CaseInsensitive) == 0;
        });
        const auto trovato = stesso != nostri.cend() ? stesso : omonimo;
        if (trovato != nostri.cend()) {
            mappa.insert(a.id, trovato->id);
            continue;
        }
        Bambino nuovo = a;
        nuovo.id = 0;
        if (std::any_of(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) { return b.simbolo == a.simbolo; })
            || !TrovaSimbolo(a.simbolo)) {
            const auto libero = SimboloLibero(nostri);
            if (!libero) {
                errore = QStringLiteral("non ci sono più contrassegni liberi per %1").arg(a.nomeCompleto());
                return std::nullopt;
            }
            nuovo.simbolo = *libero;
        }
        const auto salvato = salva(nuovo);
        if (!salvato)
            return std::nullopt;
        nostri.append(*salvato);
        mappa.insert(a.id, salvato->id);
    }
    return mappa;
}

std::optional<QString> SimboloLibero(const QList<Bambino>& classe)
{
    for (const Simbolo& s : Simboli()) {
        const QString chiave = QString::fromLatin1(s.chiave);
        if (std::none_of(classe.cbegin(), classe.cend(), [&](const Bambino& b) { return b.simbolo == chiave; }))
            return chiave;
    }
    return std::nullopt;
}

namespace {

void Aggiungi(Conto& c, bool esatta)
{
    ++(esatta ? c.esatte : c.errate);
}

// An answer's counts in the groups it belongs to: each attribute it asked
// about, and conditions with or without "NON".
struct Gruppi {
    Conto *forma, *colore, *dimensione, *spessore, *senzaNon, *conNon;

    void conta(const QList<Domanda>& domande, bool esatta) const
    {
        bool attributo[4] = {}, condizione = false, negata = false;
        static const QStringList nomi{QStringLiteral("forma"), QStringLiteral("colore"),
                                      QStringLiteral("dimensione"), QStringLiteral("spessore")};
        for (const Domanda& d : domande) {
            if (const qsizetype i = nomi.indexOf(d.attributo); i >= 0)
                attributo[i] = true;
            condizione |= !d.valore.isEmpty();
            negata |= d.negata;
        }
        Conto* conti[] = {forma, colore, dimensione, spessore};
        for (int i = 0; i < 4; ++i)
            if (attributo[i])
                Aggiungi(*conti[i], esatta);
        if (condizione)
            Aggiungi(negata ? *conNon : *senzaNon, esatta);
    }
};

// A stored value as bytes that tell text from codes.
QByteArray Grezzo(const QVariant& v)
{
    return v.typeId() == QMetaType::QString ? 'T' + v.toString().toUtf8()
        : v.typeId() == QMetaType::QByteArray ? 'B' + v.toByteArray() : 'N' + v.toByteArray();
}

} // namespace

QDate GiornoLocale::operator()(qint64 ms)
{
    if (!giorno.isValid() || ms < inizio || ms >= fine) {
        giorno = QDateTime::fromMSecsSinceEpoch(ms).date();
        inizio = giorno.startOfDay().toMSecsSinceEpoch();
        fine = giorno.addDays(1).startOfDay().toMSecsSinceEpoch();
    }
    return giorno;
}

SchedaBambino LeggiScheda(QSqlQuery& righe, const Lettori& lettori, qsizetype quanti)
{
    SchedaBambino s;
    GiornoLocale giornoDi;
    using Voce = std::array<QVariant, 3>;  // game, questions, blocks as stored
    QHash<QByteArray, std::pair<Voce, int>> sbagliati;
    while (righe.next()) {
        const QDate giorno = giornoDi(righe.value(0).toLongLong());
        const QDate lunedi = giorno.addDays(1 - giorno.dayOfWeek());
        if (s.settimane.isEmpty() || s.settimane.last().lunedi != lunedi)
            s.settimane.append({lunedi, {}, {}, {}, {}, {}, {}});
        auto& w = s.settimane.last();
        const QList<Domanda> domande = lettori.domande(righe.value(2));
        const bool esatta = righe.value(4).toBool();
        Gruppi{&s.forma, &s.colore, &s.dimensione, &s.spessore, &s.senzaNon, &s.conNon}.conta(domande, esatta);
        Gruppi{&w.forma, &w.colore, &w.dimensione, &w.spessore, &w.senzaNon, &w.conNon}.conta(domande, esatta);
        if (esatta)
            continue;
        const Voce voce{righe.value(1), righe.value(2), righe.value(3)};
        auto& conto = sbagliati[Grezzo(voce[0]) + '\0' + Grezzo(voce[1]) + '\0' + Grezzo(voce[2])];
        conto.first = voce;
        ++conto.second;
    }
    for (const auto& [voce, volte] : std::as_const(sbagliati))
        s.piuSbagliati.append({DidascaliaGioco(lettori.schermo(voce[0])),
                               Archivio::TestoDomande(lettori.domande(voce[1])),
                               Archivio::TestoBlocchi(lettori.blocchi(voce[2])), volte});
    // Most often wrong first; ties in the order of their words.
    std::sort(s.piuSbagliati.begin(), s.piuSbagliati.end(), [](const auto& a, const auto& b) {
        return a.volte != b.volte ? a.volte > b.volte
                                  : std::tie(a.gioco, a.domanda, a.blocchi) < std::tie(b.gioco, b.domanda, b.blocchi);
    });
    if (s.piuSbagliati.size() > quanti)
        s.piuSbagliati.resize(quanti);
    return s;
}

} // namespace Registro
