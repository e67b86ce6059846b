#include "registro/Padronanza.h"

#include "registro/Giochi.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace Registro::Padronanza {

const char* Chiave(Abilita abilita)
{
    static const char* const chiavi[] = {"forma", "colore", "dimensione", "spessore", "con_non"};
    return chiavi[int(abilita)];
}

QString Nome(Abilita abilita)
{
    return abilita == Abilita::ConNon ? QCoreApplication::translate("Insegnanti", "condizioni con NON")
                                      : QString::fromLatin1(Chiave(abilita));
}

unsigned AbilitaDi(const QList<Domanda>& domande)
{
    unsigned abilita = 0;
    for (const Domanda& d : domande) {
        static const char* const attributi[] = {"forma", "colore", "dimensione", "spessore"};
        for (int i = 0; i < 4; ++i)
            if (d.attributo == QLatin1String(attributi[i]))
                abilita |= 1u << i;
        if (d.negata)
            abilita |= 1u << int(Abilita::ConNon);
    }
    return abilita;
}

double ProbabilitaEsatta(double stima, const Parametri& p)
{
    return stima * (1 - p.sbagliare) + (1 - stima) * p.indovinare;
}

double Aggiorna(double stima, bool esatta, const Parametri& p)
{
    const double seSa = stima * (esatta ? 1 - p.sbagliare : p.sbagliare);
    const double seNonSa = (1 - stima) * (esatta ? p.indovinare : 1 - p.indovinare);
    const double dopo = seSa + seNonSa > 0 ? seSa / (seSa + seNonSa) : stima;
    return dopo + (1 - dopo) * p.apprendimento;
}

Livello LivelloDi(double stima, int risposte)
{
    if (risposte < MinimoRisposte)
        return Livello::PocheRisposte;
    if (stima >= SogliaAcquisito)
        return Livello::Acquisito;
    return stima >= SogliaInVia ? Livello::InVia : Livello::NonAncora;
}

const char* TestoLivello(Livello livello)
{
    switch (livello) {
    case Livello::PocheRisposte: return QT_TRANSLATE_NOOP("Insegnanti", "poche risposte");
    case Livello::NonAncora: return QT_TRANSLATE_NOOP("Insegnanti", "non ancora");
    case Livello::InVia: return QT_TRANSLATE_NOOP("Insegnanti", "in via di acquisizione");
    case Livello::Acquisito: break;
    }
    return QT_TRANSLATE_NOOP("Insegnanti", "acquisito");
}

Parametri Modello::di(Abilita a, const QString& schermo) const
{
    Parametri p = abilita[int(a)];
    const auto gioco = indovinarePerGioco.constFind(schermo);
    if (gioco != indovinarePerGioco.cend())
        p.indovinare = (*gioco)[int(a)];
    return p;
}

Modello Predefinito()
{
    Modello m;
    m.abilita.fill({0.2, 0.1, 0.25, 0.1});
    return m;
}

namespace {

// What a fitted probability may be, besides MassimoIndovinare and
// MassimoSbagliare: never 0 or 1, so that no answer is ever impossible.
constexpr double MinimoFit = 0.001, MassimoFit = 0.999;
// Expectation-maximisation stops when an iteration gains less than this
// share of the log-likelihood, or after MassimoIterazioni.
constexpr double Convergenza = 1e-6;
constexpr int MassimoIterazioni = 200;

// One skill's first answers, child by child in time order: the answers of
// child c are [inizio[c], inizio[c + 1]). Each is a chance to learn; only
// those that ask the skill alone (prova) are evidence of it.
struct Sequenze {
    std::vector<int> inizio{0};
    std::vector<unsigned char> esatta, prova;
    std::vector<int> gioco;  // index into Giochi(); Giochi().size() for a screen outside the catalogue
};

// The fit of one skill: its three shared probabilities, and the guess of
// each game (the last entry, for the screens outside the catalogue and the
// games with too few answers, is the skill's own).
struct Stato {
    double iniziale, apprendimento, sbagliare;
    std::vector<double> indovinare;
};

// The expected counts of one E step.
struct Attese {
    double inizialeAppreso = 0, sequenze = 0;
    double daNonAppreso = 0, appresi = 0;  // chances to learn taken while not learned, and the learnings
    double sbagliateDaAppreso = 0, daAppreso = 0;
    // By game: right answers while not learned, and answers while not
    // learned; the evidence alone, and every answer.
    std::vector<double> esatteProva, nonAppresoProva, esatte, nonAppreso;
    double logVerosimiglianza = 0;
};

// Forward-backward over every child's answers of one skill. The chain has
// two states, not learned and learned, and never forgets: the forward pass
// keeps f[t] = P(learned at t | evidence up to t) and the prediction
// P(learned at t + 1 | evidence up to t) = f[t] + (1 - f[t]) T; going
// back, P(learned at t | all) = P(learned at t + 1 | all) f[t] / prediction,
// and the expected learning at t is P(learned at t + 1 | all) (1 - f[t]) T
// / prediction, since "learned" at t + 1 comes from "learned" at t or from
// learning then.
Attese Aspettative(const Sequenze& s, const Stato& p, std::vector<double>& f)
{
    Attese a;
    for (auto* v : {&a.esatteProva, &a.nonAppresoProva, &a.esatte, &a.nonAppreso})
        v->assign(p.indovinare.size(), 0);
    for (std::size_t c = 0; c + 1 < s.inizio.size(); ++c) {
        const int primo = s.inizio[c], ultimo = s.inizio[c + 1] - 1;
        if (ultimo < primo)
            continue;
        double previsione = p.iniziale;
        for (int t = primo; t <= ultimo; ++t) {
            double& ft = f[t - primo];
            ft = previsione;
            if (s.prova[t]) {
                const double g = p.indovinare[s.gioco[t]];
                const double seSa = previsione * (s.esatta[t] ? 1 - p.sbagliare : p.sbagliare);
                const double seNonSa = (1 - previsione) * (s.esatta[t] ? g : 1 - g);
                a.logVerosimiglianza += std::log(seSa + seNonSa);
                ft = seSa / (seSa + seNonSa);
            }
            previsione = ft + (1 - ft) * p.apprendimento;
        }
        double dopo = f[ultimo - primo];  // P(learned at t + 1 | all), first at the last answer
        for (int t = ultimo; t >= primo; --t) {
            const double ft = f[t - primo];
            double appreso = dopo;
            if (t < ultimo) {
                const double previsto = ft + (1 - ft) * p.apprendimento;
                appreso = dopo * ft / previsto;
                a.appresi += dopo * (1 - ft) * p.apprendimento / previsto;
                a.daNonAppreso += 1 - appreso;
            }
            const int g = s.gioco[t];
            a.nonAppreso[g] += 1 - appreso;
            if (s.esatta[t])
                a.esatte[g] += 1 - appreso;
            if (s.prova[t]) {
                a.daAppreso += appreso;
                if (!s.esatta[t])
                    a.sbagliateDaAppreso += appreso;
                a.nonAppresoProva[g] += 1 - appreso;
                if (s.esatta[t])
                    a.esatteProva[g] += 1 - appreso;
            }
            dopo = appreso;
        }
        a.inizialeAppreso += dopo;
        a.sequenze += 1;
    }
    return a;
}

double Limita(double p, double massimo) { return std::clamp(p, MinimoFit, massimo); }

// The M step: each probability the expected share of its counts, within the
// bounds. The skill's own guess is the share over its evidence; a game with
// at least MinimoRisposteGioco answers of the skill has its own, over its
// evidence when it has that many, otherwise over all its answers.
void Massimizza(const Attese& a, const std::vector<int>& prove, const std::vector<int>& risposte, Stato& p)
{
    if (a.sequenze > 0)
        p.iniziale = Limita(a.inizialeAppreso / a.sequenze, MassimoFit);
    if (a.daNonAppreso > 0)
        p.apprendimento = Limita(a.appresi / a.daNonAppreso, MassimoFit);
    if (a.daAppreso > 0)
        p.sbagliare = Limita(a.sbagliateDaAppreso / a.daAppreso, MassimoSbagliare);
    const double esatte = std::accumulate(a.esatteProva.begin(), a.esatteProva.end(), 0.0);
    const double tutte = std::accumulate(a.nonAppresoProva.begin(), a.nonAppresoProva.end(), 0.0);
    const double propria = tutte > 0 ? Limita(esatte / tutte, MassimoIndovinare) : p.indovinare.back();
    for (std::size_t g = 0; g + 1 < p.indovinare.size(); ++g) {
        const bool daProve = prove[g] >= MinimoRisposteGioco;
        const double n = daProve ? a.nonAppresoProva[g] : a.nonAppreso[g];
        p.indovinare[g] = risposte[g] >= MinimoRisposteGioco && n > 0
                              ? Limita((daProve ? a.esatteProva[g] : a.esatte[g]) / n, MassimoIndovinare)
                              : propria;
    }
    p.indovinare.back() = propria;
}

// Baum-Welch from the defaults until the log-likelihood stops growing.
Stato AdattaAbilita(const Sequenze& s, const Parametri& partenza, std::size_t giochi)
{
    // The last entry gathers the screens outside the catalogue: they never
    // have a guess of their own.
    std::vector<int> prove(giochi + 1, 0), risposte(giochi + 1, 0);
    for (std::size_t t = 0; t < s.gioco.size(); ++t) {
        ++risposte[s.gioco[t]];
        prove[s.gioco[t]] += s.prova[t];
    }
    std::size_t piuLunga = 0;
    for (std::size_t c = 0; c + 1 < s.inizio.size(); ++c)
        piuLunga = std::max(piuLunga, std::size_t(s.inizio[c + 1] - s.inizio[c]));
    std::vector<double> f(piuLunga);
    Stato p{partenza.iniziale, partenza.apprendimento, partenza.sbagliare,
            std::vector<double>(giochi + 1, partenza.indovinare)};
    double prima = -std::numeric_limits<double>::infinity();
    for (int i = 0; i < MassimoIterazioni; ++i) {
        const Attese a = Aspettative(s, p, f);
        if (a.logVerosimiglianza - prima <= Convergenza * std::abs(a.logVerosimiglianza))
            break;
        prima = a.logVerosimiglianza;
        Massimizza(a, prove, risposte, p);
    }
    return p;
}

// Whether an answer's outcome is the skill's alone: a question on that one
// attribute; for the conditions with "NON", one negated condition.
bool DaSola(unsigned abilita, Abilita a)
{
    const unsigned attributi = abilita & ~(1u << int(Abilita::ConNon));
    if (a == Abilita::ConNon)
        return Esercita(abilita, a) && std::popcount(attributi) == 1;
    return abilita == 1u << int(a);
}

// Each child's first answers in time order (answers of one moment in the
// order given), then split skill by skill. The store gives each child's in
// order already: then a counting sort by child does it in one pass.
std::array<Sequenze, NumeroAbilita> Raggruppa(const QList<Prova>& prove)
{
    const auto giochi = Giochi();
    QHash<QString, int> indiceGioco;
    for (const Gioco& g : giochi)
        indiceGioco.insert(QString::fromLatin1(g.schermo), int(indiceGioco.size()));
    QHash<qint64, int> indiceBambino;
    std::vector<int> bambino(prove.size()), gioco(prove.size()), quante;
    std::vector<qint64> ultimo;
    bool inOrdine = true;
    for (qsizetype i = 0; i < prove.size(); ++i) {
        const Prova& p = prove[i];
        auto b = indiceBambino.constFind(p.bambino);
        if (b == indiceBambino.cend()) {
            b = indiceBambino.insert(p.bambino, int(quante.size()));
            quante.push_back(0);
            ultimo.push_back(p.quando);
        }
        bambino[i] = b.value();
        inOrdine = inOrdine && ultimo[b.value()] <= p.quando;
        ultimo[b.value()] = p.quando;
        ++quante[b.value()];
        gioco[i] = i > 0 && p.schermo == prove[i - 1].schermo ? gioco[i - 1]
                                                             : indiceGioco.value(p.schermo, int(giochi.size()));
    }
    std::vector<int> ordine(prove.size());
    if (inOrdine) {
        std::vector<int> posto(quante.size());
        for (std::size_t c = 0, inizio = 0; c < quante.size(); inizio += quante[c++])
            posto[c] = int(inizio);
        for (int i = 0; i < int(prove.size()); ++i)
            ordine[posto[bambino[i]]++] = i;
    } else {
        std::iota(ordine.begin(), ordine.end(), 0);
        std::stable_sort(ordine.begin(), ordine.end(), [&](int x, int y) {
            return bambino[x] != bambino[y] ? bambino[x] < bambino[y] : prove[x].quando < prove[y].quando;
        });
    }
    std::array<Sequenze, NumeroAbilita> perAbilita;
    for (std::size_t k = 0; k < ordine.size(); ++k) {
        const int i = ordine[k];
        const bool nuovoBambino = k > 0 && bambino[i] != bambino[ordine[k - 1]];
        const unsigned abilita = prove[i].abilita;
        for (Abilita a : TutteLeAbilita) {
            Sequenze& s = perAbilita[int(a)];
            if (nuovoBambino)
                s.inizio.push_back(int(s.esatta.size()));
            if (Esercita(abilita, a)) {
                s.esatta.push_back(prove[i].esatta);
                s.prova.push_back(DaSola(abilita, a));
                s.gioco.push_back(gioco[i]);
            }
        }
    }
    for (Sequenze& s : perAbilita)
        s.inizio.push_back(int(s.esatta.size()));
    return perAbilita;
}

} // namespace

Modello Adatta(const QList<Prova>& prove)
{
    Modello m = Predefinito();
    m.prove = int(prove.size());
    m.adattato = QDateTime::currentDateTimeUtc();
    const auto giochi = Giochi();
    const std::array<Sequenze, NumeroAbilita> perAbilita = Raggruppa(prove);
    // Per game, the skills whose guess it has of its own.
    std::vector<std::array<std::optional<double>, NumeroAbilita>> propri(giochi.size());
    for (Abilita a : TutteLeAbilita) {
        const Sequenze& s = perAbilita[int(a)];
        if (std::count(s.prova.begin(), s.prova.end(), 1) < MinimoRisposteAbilita)
            continue;
        const Stato p = AdattaAbilita(s, m.abilita[int(a)], giochi.size());
        m.abilita[int(a)] = {p.iniziale, p.apprendimento, p.indovinare.back(), p.sbagliare};
        std::vector<int> risposte(giochi.size() + 1, 0);
        for (int g : s.gioco)
            ++risposte[g];
        for (std::size_t g = 0; g < giochi.size(); ++g)
            if (risposte[g] >= MinimoRisposteGioco)
                propri[g][int(a)] = p.indovinare[g];
    }
    for (std::size_t g = 0; g < giochi.size(); ++g) {
        if (std::none_of(propri[g].begin(), propri[g].end(), [](const auto& p) { return p.has_value(); }))
            continue;
        std::array<double, NumeroAbilita> indovinare{};
        for (Abilita a : TutteLeAbilita)
            indovinare[int(a)] = propri[g][int(a)].value_or(m.abilita[int(a)].indovinare);
        m.indovinarePerGioco.insert(QString::fromLatin1(giochi[g].schermo), indovinare);
    }
    return m;
}

bool DaRiadattare(const std::optional<Modello>& modello, const QDateTime& adesso)
{
    return !modello || !modello->adattato.isValid() || modello->adattato.secsTo(adesso) >= 24 * 60 * 60;
}

namespace {

QJsonArray Probabilita(const Parametri& p)
{
    return {p.iniziale, p.apprendimento, p.indovinare, p.sbagliare};
}

std::optional<double> Probabilita(const QJsonValue& v, double massimo)
{
    if (!v.isDouble())
        return std::nullopt;
    const double p = v.toDouble();
    return p >= 0 && p <= massimo ? std::optional<double>(p) : std::nullopt;
}

} // namespace

QByteArray Modello::json() const
{
    QJsonObject o;
    QJsonObject perAbilita;
    for (Abilita a : TutteLeAbilita)
        perAbilita.insert(QLatin1String(Chiave(a)), Probabilita(abilita[int(a)]));
    o.insert(u"abilita", perAbilita);
    QJsonObject giochi;
    for (auto g = indovinarePerGioco.cbegin(); g != indovinarePerGioco.cend(); ++g) {
        QJsonArray valori;
        for (double p : g.value())
            valori.append(p);
        giochi.insert(g.key(), valori);
    }
    o.insert(u"indovinare", giochi);
    o.insert(u"adattato", adattato.isValid() ? QJsonValue(adattato.toMSecsSinceEpoch()) : QJsonValue());
    o.insert(u"prove", prove);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Modello> Modello::DaJson(const QByteArray& testo)
{
    if (testo.size() > 65536)
        return std::nullopt;
    const QJsonDocument d = QJsonDocument::fromJson(testo);
    if (!d.isObject())
        return std::nullopt;
    const QJsonObject o = d.object();
    Modello m;
    const QJsonObject perAbilita = o.value(u"abilita").toObject();
    for (Abilita a : TutteLeAbilita) {
        const QJsonArray p = perAbilita.value(QLatin1String(Chiave(a))).toArray();
        const auto iniziale = Probabilita(p.at(0), 1), apprendimento = Probabilita(p.at(1), 1),
                   indovinare = Probabilita(p.at(2), MassimoIndovinare), sbagliare = Probabilita(p.at(3), MassimoSbagliare);
        if (p.size() != 4 || !iniziale || !apprendimento || !indovinare || !sbagliare)
            return std::nullopt;
        m.abilita[int(a)] = {*iniziale, *apprendimento, *indovinare, *sbagliare};
    }
    const QJsonObject giochi = o.value(u"indovinare").toObject();
    if (giochi.size() > 64)
        return std::nullopt;
    for (auto g = giochi.begin(); g != giochi.end(); ++g) {
        const QJsonArray valori = g.value().toArray();
        if (valori.size() != NumeroAbilita || g.key().size() > 32)
            return std::nullopt;
        std::array<double, NumeroAbilita> p{};
        for (int i = 0; i < NumeroAbilita; ++i) {
            const auto v = Probabilita(valori.at(i), MassimoIndovinare);
            if (!v)
                return std::nullopt;
            p[i] = *v;
        }
        m.indovinarePerGioco.insert(g.key(), p);
    }
    // When fitted: a whole number of milliseconds from 1970 to 9999, checked
    // before it becomes an integer (a larger double cannot).
    if (o.value(u"adattato").isDouble()) {
        const double ms = o.value(u"adattato").toDouble();
        if (!(ms >= 0 && ms <= 253402300799999.0) || ms != std::floor(ms))
            return std::nullopt;
        m.adattato = QDateTime::fromMSecsSinceEpoch(qint64(ms), QTimeZone::utc());
    }
    m.prove = std::max(0, o.value(u"prove").toInt());
    return m;
}

void Stime::aggiungi(const Prova& prova)
{
    auto& conti = perBambino[prova.bambino];
    for (Abilita a : TutteLeAbilita) {
        if (!Esercita(prova.abilita, a))
            continue;
        const Parametri p = m.di(a, prova.schermo);
        auto& c = conti[int(a)];
        if (!c)
            c = Conto{p.iniziale, 0, {}};
        c->stima = Aggiorna(c->stima, prova.esatta, p);
        ++c->risposte;
        ++c->perGioco[prova.schermo];
    }
}

Stima Stime::di(qint64 bambino, Abilita a) const
{
    const auto b = perBambino.constFind(bambino);
    if (b == perBambino.cend() || !(*b)[int(a)])
        return {m.abilita[int(a)].iniziale, 0, {}};
    const Conto& c = *(*b)[int(a)];
    Stima s{c.stima, c.risposte, {}};
    int piu = 0;
    for (auto g = c.perGioco.cbegin(); g != c.perGioco.cend(); ++g)
        if (g.value() > piu || (g.value() == piu && g.key() < s.giocoPiuGiocato)) {
            piu = g.value();
            s.giocoPiuGiocato = g.key();
        }
    return s;
}

QList<qint64> Stime::bambini() const
{
    QList<qint64> tutti = perBambino.keys();
    std::sort(tutti.begin(), tutti.end());
    return tutti;
}

std::array<double, 4> PesiSuMisura(const std::array<double, 4>& stime)
{
    std::array<double, 4> pesi{};
    for (int i = 0; i < 4; ++i)
        pesi[i] = std::max(PesoMinimo, 1 - stime[i]);
    return pesi;
}

} // namespace Registro::Padronanza
