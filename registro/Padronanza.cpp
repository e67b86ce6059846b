#include "registro/Padronanza.h"

#include "registro/Giochi.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>
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
// child c are [inizio[c], inizio[c + 1]).
struct Sequenze {
    std::vector<int> inizio{0};
    std::vector<unsigned char> esatta;
    std::vector<int> gioco;  // index into the fit's games; Giochi().size() for a screen not in the catalogue
};

// The fit of one skill: its three shared probabilities, and the guess of
// each game (the last entry, shared by the games with too few answers,
// is the skill's own).
struct Stato {
    double iniziale, apprendimento, sbagliare;
    std::vector<double> indovinare;
};

// The expected counts of one E step.
struct Attese {
    double inizialeAppreso = 0, sequenze = 0;
    double daNonAppreso = 0, appresi = 0;       // transitions from "not learned", and those to "learned"
    double sbagliateDaAppreso = 0, daAppreso = 0;
    std::vector<double> esatteDaNonAppreso, daNonAppresoPerGioco;
    double logVerosimiglianza = 0;
};

// Forward-backward over every child's sequence of one skill. The chain has
// two states, not learned and learned, and never forgets: the forward pass
// keeps f[t] = P(learned at t | answers up to t) and the prediction
// P(learned at t + 1 | answers up to t) = f[t] + (1 - f[t]) T; going
// back, P(learned at t | all) = P(learned at t + 1 | all) f[t] / prediction,
// and the expected learnings at t are P(learned at t + 1 | all) (1 - f[t]) T
// / prediction, since "learned" at t + 1 came either from "learned" at t or
// from learning then.
Attese Aspettative(const Sequenze& s, const Stato& p, std::vector<double>& f)
{
    Attese a;
    a.esatteDaNonAppreso.assign(p.indovinare.size(), 0);
    a.daNonAppresoPerGioco.assign(p.indovinare.size(), 0);
    for (std::size_t c = 0; c + 1 < s.inizio.size(); ++c) {
        const int da = s.inizio[c], a_ = s.inizio[c + 1];
        if (da == a_)
            continue;
        double previsione = p.iniziale;
        for (int t = da; t < a_; ++t) {
            const double g = p.indovinare[s.gioco[t]];
            const double seSa = previsione * (s.esatta[t] ? 1 - p.sbagliare : p.sbagliare);
            const double seNonSa = (1 - previsione) * (s.esatta[t] ? g : 1 - g);
            a.logVerosimiglianza += std::log(seSa + seNonSa);
            f[t - da] = seSa / (seSa + seNonSa);
            previsione = f[t - da] + (1 - f[t - da]) * p.apprendimento;
        }
        double dopo = f[a_ - 1 - da];  // P(learned at t + 1 | all), first at the last answer
        for (int t = a_ - 1; t >= da; --t) {
            const double ft = f[t - da];
            double appreso = dopo;
            if (t < a_ - 1) {
                const double previsto = ft + (1 - ft) * p.apprendimento;
                appreso = dopo * ft / previsto;
                a.appresi += dopo * (1 - ft) * p.apprendimento / previsto;
                a.daNonAppreso += 1 - appreso;
            }
            const double nonAppreso = 1 - appreso;
            a.daAppreso += appreso;
            if (!s.esatta[t])
                a.sbagliateDaAppreso += appreso;
            else
                a.esatteDaNonAppreso[s.gioco[t]] += nonAppreso;
            a.daNonAppresoPerGioco[s.gioco[t]] += nonAppreso;
            dopo = appreso;
        }
        a.inizialeAppreso += dopo;
        a.sequenze += 1;
    }
    return a;
}

double Limita(double p, double massimo) { return std::clamp(p, MinimoFit, massimo); }

// The M step: each probability the expected share of its counts, within
// the bounds. A game with fewer than MinimoRisposteGioco answers of the
// skill takes the skill's own guess, the share over all its answers.
void Massimizza(const Attese& a, const std::vector<int>& risposteDelGioco, Stato& p)
{
    if (a.sequenze > 0)
        p.iniziale = Limita(a.inizialeAppreso / a.sequenze, MassimoFit);
    if (a.daNonAppreso > 0)
        p.apprendimento = Limita(a.appresi / a.daNonAppreso, MassimoFit);
    if (a.daAppreso > 0)
        p.sbagliare = Limita(a.sbagliateDaAppreso / a.daAppreso, MassimoSbagliare);
    double esatte = 0, tutte = 0;
    for (std::size_t g = 0; g < risposteDelGioco.size(); ++g) {
        esatte += a.esatteDaNonAppreso[g];
        tutte += a.daNonAppresoPerGioco[g];
    }
    const double propria = tutte > 0 ? Limita(esatte / tutte, MassimoIndovinare) : p.indovinare.back();
    for (std::size_t g = 0; g < risposteDelGioco.size(); ++g)
        p.indovinare[g] = risposteDelGioco[g] >= MinimoRisposteGioco && a.daNonAppresoPerGioco[g] > 0
                              ? Limita(a.esatteDaNonAppreso[g] / a.daNonAppresoPerGioco[g], MassimoIndovinare)
                              : propria;
    p.indovinare.back() = propria;
}

// Baum-Welch from the defaults until the log-likelihood stops growing.
Stato AdattaAbilita(const Sequenze& s, const Parametri& partenza, std::size_t giochi)
{
    // The last entry gathers the screens outside the catalogue: they never
    // have a guess of their own.
    std::vector<int> risposteDelGioco(giochi + 1, 0);
    std::size_t piuLunga = 0;
    for (int g : s.gioco)
        ++risposteDelGioco[g];
    risposteDelGioco.back() = 0;
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
        Massimizza(a, risposteDelGioco, p);
    }
    return p;
}

// Each child's first answers in time order (stable: answers of one moment
// keep the order given), then split skill by skill.
std::array<Sequenze, NumeroAbilita> Raggruppa(const QList<Prova>& prove)
{
    QHash<qint64, int> indice;
    std::vector<int> bambino(prove.size());
    for (qsizetype i = 0; i < prove.size(); ++i) {
        auto b = indice.constFind(prove[i].bambino);
        if (b == indice.cend())
            b = indice.insert(prove[i].bambino, int(indice.size()));
        bambino[i] = b.value();
    }
    std::vector<int> ordine(prove.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::stable_sort(ordine.begin(), ordine.end(), [&](int x, int y) {
        return bambino[x] != bambino[y] ? bambino[x] < bambino[y] : prove[x].quando < prove[y].quando;
    });
    const auto giochi = Giochi();
    QHash<QString, int> gioco;
    for (const Gioco& g : giochi)
        gioco.insert(QString::fromLatin1(g.schermo), int(gioco.size()));
    std::array<Sequenze, NumeroAbilita> perAbilita;
    for (std::size_t k = 0; k < ordine.size(); ++k) {
        const Prova& p = prove[ordine[k]];
        const bool nuovoBambino = k > 0 && bambino[ordine[k]] != bambino[ordine[k - 1]];
        const int g = gioco.value(p.schermo, int(giochi.size()));
        for (Abilita a : TutteLeAbilita) {
            Sequenze& s = perAbilita[int(a)];
            if (nuovoBambino)
                s.inizio.push_back(int(s.esatta.size()));
            if (Esercita(p.abilita, a)) {
                s.esatta.push_back(p.esatta);
                s.gioco.push_back(g);
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
        if (s.esatta.size() < std::size_t(MinimoRisposteAbilita))
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
