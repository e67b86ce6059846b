#include "registro/Deposito.h"
#include "registro/Archivio.h"

#include "registro/Giochi.h"

#include <QCollator>
#include <QElapsedTimer>
#include <QThread>
#include <QCoreApplication>
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
        const int c = ordine.compare(a.cognome, b.cognome);
        return c != 0 ? c < 0 : ordine.compare(a.nome, b.nome) < 0;
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

void ContaGioco(QHash<qint64, QList<Conto>>& conti, qint64 bambino, qint64 gioco, int esatte, int totale,
                int riprove)
{
    const Gioco* g = GiocoDiCodice(gioco);
    if (!g)
        return;  // a game this version does not know
    const auto posto = g - Giochi().data();
    QList<Conto>& riga = conti[bambino];
    riga.resize(qsizetype(Giochi().size()));
    riga[posto].esatte += esatte;
    riga[posto].errate += totale - esatte;
    riga[posto].riprove += riprove;
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

bool Deposito::scegliClasse(qint64 id)
{
    const QList<Classe> tutte = classi();
    if (std::none_of(tutte.cbegin(), tutte.cend(), [&](const Classe& c) { return c.id == id; }))
        return false;
    classeId = id;
    return true;
}

std::optional<Classe> Deposito::classeScelta() const
{
    if (classeId == 0)
        return std::nullopt;
    for (const Classe& c : classi())
        if (c.id == classeId)
            return c;
    return std::nullopt;
}

void Deposito::scegliSeUnica()
{
    const QList<Classe> tutte = classi();
    classeId = tutte.size() == 1 ? tutte.first().id : 0;
}

QString Deposito::senzaClasse() const
{
    return classeId == 0 ? QStringLiteral("scegli una classe") : QString();
}

std::optional<QString> Deposito::notaDaSalvare(qint64 bambino, const QString& testo, QString& motivo) const
{
    QString pulita = NotaPulita(testo);
    motivo = ControllaNota(pulita);
    if (motivo.isEmpty() && !this->bambino(bambino))
        motivo = QStringLiteral("il bambino non è nella classe");
    if (!motivo.isEmpty())
        return std::nullopt;
    return pulita;
}

void Deposito::scorriPrimeRisposte(const Periodo& periodo,
                                   const std::function<void(const Padronanza::Prova&)>& ciascuna) const
{
    scorriRisposte(periodo, [&](const Risposta& r, qint64 bambino) {
        if (bambino > 0 && r.tentativo == 1)
            ciascuna({bambino, r.quando.toMSecsSinceEpoch(), r.schermo, Padronanza::AbilitaDi(r.domande), r.esatta});
    });
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
    Bambino pulito = bambino;
    pulito.nome = NomePulito(bambino.nome);
    pulito.cognome = bambino.cognome.isNull() ? QString() : NomePulito(bambino.cognome);
    if (QString motivo = ControllaBambino(pulito); !motivo.isEmpty()) {
        errore = std::move(motivo);
        return std::nullopt;
    }
    return pulito;
}

namespace {

bool StessoNome(const Bambino& a, const Bambino& b)
{
    return a.nome.compare(b.nome, Qt::CaseInsensitive) == 0 && a.cognome.compare(b.cognome, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QHash<qint64, qint64>> Deposito::mappaBambini(const QList<Bambino>& altri, QString& errore)
{
    QHash<qint64, qint64> mappa;
    QList<Bambino> nostri = bambini();
    for (const Bambino& a : altri) {
        const auto stesso = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) {
            return b.uuid == a.uuid;
        });
        const auto omonimo = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) { return StessoNome(b, a); });
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

namespace {

// The other register's children as they are to be merged: one with the
// uuid of a child of ours but another name merged into ours, or given a
// uuid of their own to be kept apart, as chiedi decides; nothing when the
// merge is given up (or nobody can be asked).
std::optional<QList<Bambino>> Decidi(QList<Bambino> altri, const QList<Bambino>& nostri, const ChiediIdentita& chiedi,
                                     QString& errore)
{
    for (Bambino& a : altri) {
        const auto stesso = std::find_if(nostri.cbegin(), nostri.cend(), [&](const Bambino& b) { return b.uuid == a.uuid; });
        if (stesso == nostri.cend() || StessoNome(*stesso, a))
            continue;
        switch (chiedi ? chiedi(*stesso, a) : Identita::Annulla) {
        case Identita::Unisci: break;
        case Identita::Separa: a.uuid = QUuid::createUuid(); break;
        case Identita::Annulla:
            errore = QStringLiteral("«%1» del file ha lo stesso codice di «%2» di questa classe, ma un altro nome")
                         .arg(a.nomeCompleto(), stesso->nomeCompleto());
            // Nobody was asked: say where one is.
            if (!chiedi)
                errore += QStringLiteral(": unisci il file dalla finestra del programma per scegliere");
            return std::nullopt;
        }
    }
    return altri;
}

// The class of the other register merged into ours: its only one, or among
// several the one that is ours (by uuid, then by name and year); nothing,
// with the reason, when none is.
std::optional<Classe> ClasseDaUnire(const QList<Classe>& sue, const Classe& nostra, QString& errore)
{
    if (sue.size() == 1)
        return sue.first();
    auto trovata = std::find_if(sue.cbegin(), sue.cend(), [&](const Classe& c) { return c.uuid == nostra.uuid; });
    if (trovata == sue.cend())
        trovata = std::find_if(sue.cbegin(), sue.cend(), [&](const Classe& c) {
            return c.nome == nostra.nome && c.annoScolastico == nostra.annoScolastico;
        });
    if (trovata != sue.cend())
        return *trovata;
    QStringList nomi;
    for (const Classe& c : sue)
        nomi << NomeConAnno(c);
    errore = QStringLiteral("il file ha le classi %1, e nessuna è %2: scegli la classe da unire")
                 .arg(nomi.join(QStringLiteral(", ")), NomeConAnno(nostra));
    return std::nullopt;
}

} // namespace

std::optional<int> Deposito::unisciCon(const QString& altroFile, const ChiediIdentita& chiedi, QString& errore,
                                       const std::function<bool(const QSqlQuery&, qint64, int&)>& scrivi,
                                       const std::function<bool(const QList<PercorsoSalvato>&)>& percorsi)
{
    AltroRegistro altro;
    if (!altro.apri(altroFile)) {
        errore = altro.errore();
        return std::nullopt;
    }
    const std::optional<Classe> nostra = classeScelta();
    if (!nostra) {
        errore = senzaClasse();
        return std::nullopt;
    }
    const std::optional<Classe> sua = ClasseDaUnire(altro.classi(), *nostra, errore);
    if (!sua)
        return std::nullopt;
    // The game's writer holds the register for a moment at each answer, and
    // longer on a busy machine: each of the merge's transactions waits for
    // it, a few pauses long, rather than giving up halfway.
    const auto iniziaLotto = [this] {
        for (int volta = 1; volta < TentativiLotto; ++volta) {
            if (inizia())
                return true;
            QThread::msleep(PausaMs);
        }
        return inizia();
    };
    const auto decisi = Decidi(altro.bambini(sua->id), bambini(), chiedi, errore);
    if (!decisi || !iniziaLotto())
        return std::nullopt;
    const auto mappa = mappaBambini(*decisi, errore);
    if (!mappa || (percorsi && !percorsi(altro.percorsi(sua->id)))) {
        annulla();
        return std::nullopt;
    }
    if (!concludi())
        return std::nullopt;
    int aggiunte = 0, nelLotto = 0;
    QElapsedTimer lotto;
    lotto.start();
    bool aperta = iniziaLotto();
    const bool letto = aperta && altro.scorri(sua->id, [&](const QSqlQuery& riga) {
        if (!scrivi(riga, mappa->value(riga.value(2).toLongLong(), 0), aggiunte))
            return false;
        if (++nelLotto < Lotto && lotto.elapsed() < LottoMs)
            return true;
        aperta = concludi();
        // The game's writer retries a locked register at most 25 ms apart
        // at first: a pause that long after each short transaction lets it
        // in before its wait runs out.
        QThread::msleep(PausaMs);
        aperta = aperta && iniziaLotto();
        nelLotto = 0;
        lotto.start();
        return aperta;
    });
    if (!letto) {
        if (aperta)
            annulla();
        if (!altro.errore().isEmpty())
            errore = altro.errore();
        return std::nullopt;
    }
    if (!concludi())
        return std::nullopt;
    return aggiunte;
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

std::span<const GruppoScheda> GruppiScheda()
{
    static const GruppoScheda gruppi[] = {
        {&ContiScheda::forma, "forma", false, nullptr, nullptr, qRgb(0x1f, 0x77, 0xb4), false},
        {&ContiScheda::colore, "colore", false, nullptr, nullptr, qRgb(0xd6, 0x27, 0x28), false},
        {&ContiScheda::dimensione, "dimensione", false, nullptr, nullptr, qRgb(0x2c, 0xa0, 0x2c), false},
        {&ContiScheda::spessore, "spessore", false, nullptr, nullptr, qRgb(0x94, 0x67, 0xbd), false},
        {&ContiScheda::senzaNon, nullptr, false, QT_TRANSLATE_NOOP("Insegnanti", "condizioni senza NON"),
         QT_TRANSLATE_NOOP("Insegnanti", "senza NON"), qRgb(0x8c, 0x56, 0x4b), false},
        {&ContiScheda::conNon, nullptr, true, QT_TRANSLATE_NOOP("Insegnanti", "condizioni con NON"),
         QT_TRANSLATE_NOOP("Insegnanti", "con NON"), qRgb(0x10, 0x10, 0x10), true},
    };
    return gruppi;
}

namespace {

// A first answer counts as right or wrong, a retry apart.
void Aggiungi(Conto& c, bool esatta, bool prima)
{
    ++(!prima ? c.riprove : esatta ? c.esatte : c.errate);
}

// An answer's counts in the groups it belongs to: each attribute it asked
// about, and conditions with or without "NON".
void Conta(ContiScheda& conti, const QList<Domanda>& domande, bool esatta, bool prima)
{
    bool condizione = false, negata = false;
    for (const Domanda& d : domande) {
        condizione |= !d.valore.isEmpty();
        negata |= d.negata;
    }
    for (const GruppoScheda& g : GruppiScheda()) {
        const bool suo = g.attributo ? std::any_of(domande.cbegin(), domande.cend(), [&](const Domanda& d) {
            return d.attributo == QLatin1String(g.attributo);
        })
                                     : condizione && negata == g.negata;
        if (suo)
            Aggiungi(conti.*g.conto, esatta, prima);
    }
}

// A stored value as bytes that tell text from codes.
QByteArray Grezzo(const QVariant& v)
{
    return v.typeId() == QMetaType::QString ? 'T' + v.toString().toUtf8()
        : v.typeId() == QMetaType::QByteArray ? 'B' + v.toByteArray() : 'N' + v.toByteArray();
}

// What one more answer of a game adds to the time spent playing: a first
// answer the time from its turn's start; a retry the time since the answer
// before it in the turn (from the turn's start when that one is out of the
// period). turni keeps each game's milliseconds counted so far.
qint64 TempoDelTurno(QHash<QByteArray, qint64>& turni, const QByteArray& gioco, bool prima, qint64 millisecondi)
{
    const auto turno = turni.constFind(gioco);
    const qint64 contati = !prima && turno != turni.cend() ? *turno : 0;
    turni.insert(gioco, std::max(millisecondi, contati));
    return std::max<qint64>(0, millisecondi - contati);
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
    struct Sbagliato {
        Voce voce;
        int volte = 0;
        QVariant risposta;  // the latest wrong one, as stored
    };
    QHash<QByteArray, Sbagliato> sbagliati;
    // Each game's turn on show: the milliseconds from its start to its
    // latest answer, already counted. A child plays one game at a time, so a
    // retry is of the turn its game has on show.
    QHash<QByteArray, qint64> turni;
    qint64 ultima = std::numeric_limits<qint64>::min();
    while (righe.next()) {
        const qint64 quando = righe.value(0).toLongLong();
        ultima = quando;
        const QDate giorno = giornoDi(quando);
        const QDate lunedi = giorno.addDays(1 - giorno.dayOfWeek());
        if (s.settimane.isEmpty() || s.settimane.last().lunedi != lunedi) {
            SchedaBambino::Settimana nuova;
            nuova.lunedi = lunedi;
            s.settimane.append(nuova);
        }
        const QList<Domanda> domande = lettori.domande(righe.value(2));
        const bool esatta = righe.value(4).toBool();
        const bool prima = righe.value(5).toInt() <= 1;
        Conta(s, domande, esatta, prima);
        Conta(s.settimane.last(), domande, esatta, prima);
        s.millisecondiDiGioco += TempoDelTurno(turni, Grezzo(righe.value(1)), prima, righe.value(7).toLongLong());
        if (esatta)
            continue;
        const Voce voce{righe.value(1), righe.value(2), righe.value(3)};
        Sbagliato& conto = sbagliati[Grezzo(voce[0]) + '\0' + Grezzo(voce[1]) + '\0' + Grezzo(voce[2])];
        conto.voce = voce;
        conto.volte += prima ? 1 : 0;
        conto.risposta = righe.value(6);
    }
    if (ultima != std::numeric_limits<qint64>::min())
        s.ultimaVolta = QDateTime::fromMSecsSinceEpoch(ultima);
    for (const Sbagliato& x : std::as_const(sbagliati))
        if (x.volte > 0)
            s.piuSbagliati.append({DidascaliaGioco(lettori.schermo(x.voce[0])),
                                   Archivio::TestoDomande(lettori.domande(x.voce[1])),
                                   Archivio::TestoBlocchi(lettori.blocchi(x.voce[2])), x.volte,
                                   lettori.risposta(x.risposta)});
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
