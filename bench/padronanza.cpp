// The mastery estimate on simulated learners. A class of 30 plays a school
// year (180 school days, 100 first answers a day each: 540,000 answers),
// each answer on one of the nine games' screens, with that screen's
// questions (Domande), whose skills Padronanza::AbilitaDi reads. Two kinds
// of learners answer:
//   bkt       the model itself: each skill learned at the start or, after
//             each answer that exercises it, with a probability of its own;
//   logistic  not the model: a skill's right answers grow smoothly with
//             practice (a logistic curve around a midpoint of the child's
//             own) and a little of the practice is forgotten each weekend.
// An answer that exercises k skills is right with the product of one factor
// per skill, each the k-th root of (1 - slip) for a skill learned and of the
// screen's guess for one not: one skill is plain BKT, all learned or none
// give 1 - slip or the guess. The model is fitted on one class and judged on
// another of the same learners (held out). Printed, each beside its goal:
//   (a) the area under the ROC curve of predicting each next first answer,
//       skill by skill, by the model (ProbabilitaEsatta before the answer)
//       and by the child's running share right in that skill (and, for
//       reference, the same over the answers of one skill only);
//   (b) the median number of a skill's answers from the moment it is really
//       learned to "acquisito" (never reached: counted as longer than any),
//       and how often "acquisito" is given to a skill not yet learned: of all
//       the estimates read "acquisito" after an answer, and of the first
//       "acquisito" of each child and skill;
//   (c) the median number of answers until a child has learned all four
//       attributes, on the four screens that draw an attribute kind, with
//       the kind drawn by PesiSuMisura's weights against uniformly (101
//       children each, at most a school year of answers);
//   (d) what it costs: the fit over the class's year (Adatta), the class's
//       estimates over the year read from a real SQLite register and from a
//       PostgreSQL server of its own (scorriPrimeRisposte and Stime), and one
//       update (Stime::aggiungi).
//   bench_padronanza [--senza-server]
#include "bench/AnnoScolastico.h"
#include "registro/Archivio.h"
#include "registro/ArchivioServer.h"
#include "registro/Giochi.h"
#include "registro/Padronanza.h"
#include "tests/support/ServerPostgres.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string_view>

using namespace Registro;
using namespace Registro::Padronanza;

namespace {

using Caso = std::mt19937_64;
double U(Caso& caso) { return std::uniform_real_distribution<double>(0, 1)(caso); }
int Tra(Caso& caso, int n) { return int(U(caso) * n); }

// What a screen asks, and the chance of a right answer there by luck: two
// buttons, ten numbers, twelve blocks, two or four places, five words.
enum class Tipo { Attributo, Condizione, QuattroParole, Strada, DueStrade, Catena };
struct Schermo {
    const char* nome;
    Tipo tipo;
    double indovinare;
};
constexpr Schermo Schermi[] = {
    {"form1", Tipo::Attributo, 0.5},        {"FORM2", Tipo::Condizione, 0.3},
    {"zirp3", Tipo::Condizione, 0.15},      {"FormTrova", Tipo::QuattroParole, 1.0 / 12},
    {"zirp7", Tipo::Strada, 0.5},           {"zirp8", Tipo::DueStrade, 0.25},
    {"zirp9", Tipo::DueStrade, 0.25},       {"FormDomino", Tipo::Catena, 0.2},
    {"FormDomino2", Tipo::Catena, 0.2},
};
// The screens whose turn draws one attribute kind: those "su misura" weighs.
constexpr int SchermiConGenere[] = {0, 1, 2, 4};

const QStringList Attributi{"forma", "colore", "dimensione", "spessore"};
const QStringList& Parole(int genere)
{
    static const QList<QStringList> parole{Parole::Forme, Parole::Colori, Parole::Dimensioni, Parole::Spessori};
    return parole[genere];
}

// A condition on a drawn block's word; on the roads, "NON" where the block
// waiting lacks the word.
Domanda Condizione(int genere, Caso& caso, bool strada)
{
    const QStringList& parole = Parole(genere);
    return {Attributi[genere], parole[Tra(caso, int(parole.size()))], strada && Tra(caso, int(parole.size())) > 0};
}

// A turn's questions, as the screen's rules record them; genere is the
// attribute kind drawn, on the screens that draw one.
QList<Domanda> Domande(const Schermo& s, int genere, Caso& caso)
{
    switch (s.tipo) {
    case Tipo::Attributo: return {{Attributi[genere], {}}};
    case Tipo::Condizione: return {Condizione(genere, caso, false)};
    case Tipo::Strada: return {Condizione(genere, caso, true)};
    case Tipo::QuattroParole: {
        QList<Domanda> d;
        for (int g = 0; g < 4; ++g)
            d << Condizione(g, caso, false);
        return d;
    }
    case Tipo::DueStrade: {
        const int altro = (genere + 1 + Tra(caso, 3)) % 4;
        return {Condizione(genere, caso, true), Condizione(altro, caso, true)};
    }
    case Tipo::Catena: break;
    }
    // The chain games: the attribute that changes (or stays), or "niente".
    return Tra(caso, 5) == 0 ? QList<Domanda>{Domanda{}} : QList<Domanda>{{Attributi[genere], {}}};
}

// A simulated child.
class Allievo {
public:
    virtual ~Allievo() = default;
    // The chance that skill a is applied right in an answer of k skills on
    // a screen of guess g.
    virtual double fattore(Abilita a, int k, double g) const = 0;
    // After an answer that exercised skill a.
    virtual void pratica(Abilita a, Caso& caso) = 0;
    virtual void settimana() {}
    virtual bool appreso(Abilita a) const = 0;

    double probabilitaEsatta(unsigned abilita, double g) const
    {
        const int k = std::popcount(abilita);
        if (k == 0)
            return 0.8;  // "niente": no skill of ours
        double p = 1;
        for (Abilita a : TutteLeAbilita)
            if (Esercita(abilita, a))
                p *= fattore(a, k, g);
        return p;
    }
    unsigned appresi() const
    {
        unsigned bit = 0;
        for (Abilita a : TutteLeAbilita)
            bit |= unsigned(appreso(a)) << int(a);
        return bit;
    }
};

// Each skill's truth: learned at the start, learning at each chance, slip
// (BKT's own); for the logistic learner the midpoint is on average
// 1 / apprendimento answers of the skill, as BKT's expected moment.
struct Vero {
    double iniziale, apprendimento, sbagliare;
};
constexpr std::array<Vero, NumeroAbilita> Veri{{{0.3, 0.004, 0.1},
                                                {0.4, 0.006, 0.08},
                                                {0.2, 0.002, 0.1},
                                                {0.1, 0.001, 0.12},
                                                {0.05, 0.0008, 0.12}}};

double Radice(double p, int k) { return k == 1 ? p : std::pow(p, 1.0 / k); }

class AllievoBkt final : public Allievo {
public:
    explicit AllievoBkt(Caso& caso)
    {
        for (Abilita a : TutteLeAbilita)
            sa[int(a)] = U(caso) < Veri[int(a)].iniziale;
    }
    double fattore(Abilita a, int k, double g) const override
    {
        return Radice(sa[int(a)] ? 1 - Veri[int(a)].sbagliare : g, k);
    }
    void pratica(Abilita a, Caso& caso) override
    {
        sa[int(a)] = sa[int(a)] || U(caso) < Veri[int(a)].apprendimento;
    }
    bool appreso(Abilita a) const override { return sa[int(a)]; }

private:
    std::array<bool, NumeroAbilita> sa{};
};

// Right answers follow a logistic curve of practice around the child's own
// midpoint (log-normal around 1 / apprendimento, width a sixth of it); a
// child who starts learned starts at twice the midpoint. Each weekend 3 % of
// the practice is forgotten. Learned: past the midpoint.
class AllievoLogistico final : public Allievo {
public:
    explicit AllievoLogistico(Caso& caso)
    {
        std::normal_distribution<double> n(0, 0.5);
        for (Abilita a : TutteLeAbilita) {
            centro[int(a)] = std::exp(n(caso)) / Veri[int(a)].apprendimento;
            fatta[int(a)] = U(caso) < Veri[int(a)].iniziale ? 2 * centro[int(a)] : 0;
        }
    }
    double fattore(Abilita a, int k, double g) const override
    {
        const double c = centro[int(a)];
        const double sapere = 1 / (1 + std::exp(-(fatta[int(a)] - c) / (c / 6)));
        const double basso = Radice(g, k), alto = Radice(1 - Veri[int(a)].sbagliare, k);
        return basso + (alto - basso) * sapere;
    }
    void pratica(Abilita a, Caso&) override { fatta[int(a)] += 1; }
    void settimana() override
    {
        for (double& f : fatta)
            f *= 0.97;
    }
    bool appreso(Abilita a) const override { return fatta[int(a)] >= centro[int(a)]; }

private:
    std::array<double, NumeroAbilita> centro{}, fatta{};
};

using Generatore = std::function<std::unique_ptr<Allievo>(Caso&)>;

// One simulated answer: the first answer as the estimate reads it, its
// questions, and which skills the child has really learned after it.
struct Evento {
    Prova prova;
    QList<Domanda> domande;
    unsigned appresiDopo;
};

// One answer of a child on a screen: drawn, judged, practised.
Evento Rispondi(Allievo& allievo, qint64 bambino, qint64 quando, const Schermo& s, int genere, Caso& caso)
{
    QList<Domanda> domande = Domande(s, genere, caso);
    const unsigned abilita = AbilitaDi(domande);
    const bool esatta = U(caso) < allievo.probabilitaEsatta(abilita, s.indovinare);
    for (Abilita a : TutteLeAbilita)
        if (Esercita(abilita, a))
            allievo.pratica(a, caso);
    return {{bambino, quando, QString::fromLatin1(s.nome), abilita, esatta}, std::move(domande), allievo.appresi()};
}

// A class's school year, day by day, each child's 100 answers of the day
// from 9 o'clock, 2 to 10 s apart, on screens and kinds drawn uniformly.
struct AnnoClasse {
    QList<Evento> eventi;
    std::vector<unsigned> appresiAllInizio;  // by child, from 1
};
AnnoClasse AnnoDiClasse(const Generatore& genera, const QList<QDate>& giorni, unsigned seme)
{
    Caso caso(seme);
    std::vector<std::unique_ptr<Allievo>> allievi;
    AnnoClasse c;
    c.appresiAllInizio.push_back(0);
    for (int b = 0; b < AnnoScolastico::Bambini; ++b) {
        allievi.push_back(genera(caso));
        c.appresiAllInizio.push_back(allievi.back()->appresi());
    }
    c.eventi.reserve(qsizetype(giorni.size()) * AnnoScolastico::Bambini * AnnoScolastico::AlGiorno);
    for (qsizetype g = 0; g < giorni.size(); ++g) {
        const bool nuovaSettimana = g > 0 && giorni[g].dayOfWeek() < giorni[g - 1].dayOfWeek();
        for (int b = 0; b < AnnoScolastico::Bambini; ++b) {
            if (nuovaSettimana)
                allievi[b]->settimana();
            qint64 quando = QDateTime(giorni[g], QTime(9, 0)).toMSecsSinceEpoch();
            for (int n = 0; n < AnnoScolastico::AlGiorno; ++n, quando += 2000 + Tra(caso, 8000))
                c.eventi.append(Rispondi(*allievi[b], b + 1, quando, Schermi[Tra(caso, 9)], Tra(caso, 4), caso));
        }
    }
    return c;
}

QList<Prova> Prove(const AnnoClasse& c)
{
    QList<Prova> prove;
    prove.reserve(c.eventi.size());
    for (const Evento& e : c.eventi)
        prove.append(e.prova);
    return prove;
}

// The area under the ROC curve: the chance that a right answer was given a
// higher score than a wrong one, ties counted half (ranks averaged).
double Auc(std::vector<std::pair<double, bool>> punti)
{
    std::sort(punti.begin(), punti.end());
    double ranghiEsatte = 0, esatte = 0;
    for (std::size_t i = 0; i < punti.size();) {
        std::size_t j = i;
        while (j < punti.size() && punti[j].first == punti[i].first)
            ++j;
        const double rango = (i + 1 + j) / 2.0;  // the mean of ranks i + 1 .. j
        for (std::size_t k = i; k < j; ++k)
            if (punti[k].second) {
                ranghiEsatte += rango;
                esatte += 1;
            }
        i = j;
    }
    const double errate = double(punti.size()) - esatte;
    return (ranghiEsatte - esatte * (esatte + 1) / 2) / (esatte * errate);
}

double MedianaInt(std::vector<int> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori.empty() ? std::nan("") : valori[valori.size() / 2];
}

// (a) and (b) on a held-out class.
struct Giudizio {
    double aucModello, aucQuota;
    double aucModelloSoli, aucQuotaSoli;  // answers of one skill only
    double ritardo;          // median answers from learning to "acquisito"
    int appresi, maiAcquisiti;
    double acquisitoFalso, primoAcquisitoFalso;
};
Giudizio Giudica(const AnnoClasse& c, const Modello& m)
{
    Stime stime(m);
    struct Conto {
        int risposte = 0, esatte = 0;
        int appresoA = -1, acquisitoA = -1, primoAcquisito = -1;
        bool primoFalso = false;
    };
    std::vector<std::array<Conto, NumeroAbilita>> conti(c.appresiAllInizio.size());
    for (std::size_t b = 1; b < conti.size(); ++b)
        for (Abilita a : TutteLeAbilita)
            if (Esercita(c.appresiAllInizio[b], a))
                conti[b][int(a)].appresoA = 0;
    std::vector<std::pair<double, bool>> modello, quota, modelloSoli, quotaSoli;
    qint64 acquisiti = 0, falsi = 0;
    for (const Evento& e : c.eventi) {
        const Prova& p = e.prova;
        for (Abilita a : TutteLeAbilita)
            if (Esercita(p.abilita, a)) {
                const Conto& k = conti[p.bambino][int(a)];
                modello.push_back({ProbabilitaEsatta(stime.di(p.bambino, a).stima, m.di(a, p.schermo)), p.esatta});
                quota.push_back({k.risposte ? double(k.esatte) / k.risposte : 0.5, p.esatta});
                if (std::popcount(p.abilita) == 1) {
                    modelloSoli.push_back(modello.back());
                    quotaSoli.push_back(quota.back());
                }
            }
        stime.aggiungi(p);
        for (Abilita a : TutteLeAbilita) {
            if (!Esercita(p.abilita, a))
                continue;
            Conto& k = conti[p.bambino][int(a)];
            k.esatte += p.esatta;
            ++k.risposte;
            const bool sa = Esercita(e.appresiDopo, a);
            if (sa && k.appresoA < 0)
                k.appresoA = k.risposte;
            if (stime.di(p.bambino, a).livello() != Livello::Acquisito)
                continue;
            ++acquisiti;
            falsi += !sa;
            if (k.primoAcquisito < 0) {
                k.primoAcquisito = k.risposte;
                k.primoFalso = !sa;
            }
            if (sa && k.acquisitoA < 0)
                k.acquisitoA = k.risposte;
        }
    }
    Giudizio g{Auc(modello), Auc(quota), Auc(modelloSoli), Auc(quotaSoli), 0, 0, 0,
               falsi / double(std::max<qint64>(acquisiti, 1)), 0};
    std::vector<int> ritardi;
    int primi = 0, primiFalsi = 0;
    for (std::size_t b = 1; b < conti.size(); ++b)
        for (const Conto& k : conti[b]) {
            if (k.primoAcquisito >= 0) {
                ++primi;
                primiFalsi += k.primoFalso;
            }
            if (k.appresoA < 0)
                continue;
            ++g.appresi;
            if (k.acquisitoA < 0)
                ++g.maiAcquisiti;
            ritardi.push_back(k.acquisitoA < 0 ? std::numeric_limits<int>::max() : k.acquisitoA - k.appresoA);
        }
    g.ritardo = MedianaInt(ritardi);
    g.primoAcquisitoFalso = primiFalsi / double(std::max(primi, 1));
    return g;
}

// (c): answers until the four attributes are learned, at most a year's.
int FinoAQuattro(const Generatore& genera, const Modello& m, bool suMisura, unsigned seme)
{
    Caso bambino(seme), gioco(seme ^ 0x5eed);
    const std::unique_ptr<Allievo> allievo = genera(bambino);
    Stime stime(m);
    const int massimo = AnnoScolastico::Giorni * AnnoScolastico::AlGiorno;
    const auto tutti = [&] { return (allievo->appresi() & 0b1111u) == 0b1111u; };
    int n = 0;
    for (; n < massimo && !tutti(); ++n) {
        if (n > 0 && n % (5 * AnnoScolastico::AlGiorno) == 0)
            allievo->settimana();
        int genere = Tra(gioco, 4);
        if (suMisura) {
            std::array<double, 4> st{};
            for (int a = 0; a < 4; ++a)
                st[a] = stime.di(1, Abilita(a)).stima;
            const std::array<double, 4> pesi = PesiSuMisura(st);
            genere = std::discrete_distribution<int>(pesi.begin(), pesi.end())(gioco);
        }
        stime.aggiungi(Rispondi(*allievo, 1, n, Schermi[SchermiConGenere[Tra(gioco, 4)]], genere, gioco).prova);
    }
    return n;
}

double MedianaFinoAQuattro(const Generatore& genera, const Modello& m, bool suMisura)
{
    std::vector<int> n;
    for (unsigned i = 0; i < 101; ++i)
        n.push_back(FinoAQuattro(genera, m, suMisura, 9000 + i));
    return MedianaInt(n);
}

void Obiettivo(const QString& cosa, const QString& misura, const QString& obiettivo, std::optional<bool> raggiunto)
{
    std::printf("%-66s %-22s %-18s %s\n", qPrintable(cosa), qPrintable(misura), qPrintable(obiettivo),
                !raggiunto ? "" : *raggiunto ? "MET" : "MISSED");
    std::fflush(stdout);
}
QString Num(double v, int decimali = 3) { return QString::number(v, 'f', decimali); }

// The estimates of the class over the year, read from a register: the
// median of 3 runs after one to warm the cache.
double TempoStime(const Deposito& registro, const Modello& m, const Periodo& anno, qint64& prove)
{
    const auto una = [&] {
        Stime stime(m);
        prove = 0;
        registro.scorriPrimeRisposte(anno, [&](const Prova& p) {
            stime.aggiungi(p);
            ++prove;
        });
    };
    una();
    return AnnoScolastico::Mediana(AnnoScolastico::Tempi(3, una));
}

// The class's year written into a register as the game records it, a day
// per transaction, with two blocks and a word as each answer's blocks and
// answer.
void Scrivi(Deposito& registro, const AnnoClasse& c)
{
    const QList<qint64> ids = AnnoScolastico::Classe(registro);
    static const QList<Blocco> blocchi = Blocco::tutti();
    Caso caso(11);
    QList<std::pair<Risposta, qint64>> delGiorno;
    const auto scrivi = [&] {
        if (registro.registraTutte(delGiorno) != Accesso::Ok)
            qFatal("cannot write: %s", qPrintable(registro.ultimoErrore()));
        delGiorno.clear();
    };
    QDate giorno;
    for (const Evento& e : c.eventi) {
        Risposta r = NuovaRisposta();
        r.quando = QDateTime::fromMSecsSinceEpoch(e.prova.quando);
        if (r.quando.date() != giorno && !delGiorno.isEmpty())
            scrivi();
        giorno = r.quando.date();
        r.schermo = e.prova.schermo;
        r.gioco = DidascaliaGioco(r.schermo);
        r.domande = e.domande;
        r.blocchi = {blocchi[Tra(caso, 48)], blocchi[Tra(caso, 48)]};
        r.risposta = e.prova.esatta ? QStringLiteral("UGUALE") : QStringLiteral("DIVERSO");
        r.esatta = e.prova.esatta;
        r.millisecondi = 400 + Tra(caso, 20000);
        delGiorno.append({r, ids[int(e.prova.bambino) - 1]});
    }
    scrivi();
}

void Costo(const char* dove, const Deposito& registro, const Modello& m, const Periodo& anno)
{
    qint64 prove = 0;
    const double ms = TempoStime(registro, m, anno, prove);
    Obiettivo(QStringLiteral("(d) class's estimates over the year, %1 (%2 first answers)").arg(dove).arg(prove),
              Num(ms, 1) + " ms", "< 200 ms", ms < 200);
}

void SuServer(const AnnoClasse& c, const Modello& m, const Periodo& anno)
{
    const auto nonMisurato = [](const QString& perche) {
        Obiettivo("(d) class's estimates over the year, PostgreSQL", "not measured", "< 200 ms", std::nullopt);
        std::printf("    why: %s\n", qPrintable(perche));
    };
    ServerPostgres server;
    const QString database = QStringLiteral("tesselo");
    if (!server.avvia() || !server.creaRegistro(database, {{"maestra", "tesselo_insegnante"}}))
        return nonMisurato(server.errore());
    Impostazioni imp;
    imp.host = server.cartella();
    imp.porta = ServerPostgres::Porta;
    imp.database = database;
    imp.utente = QStringLiteral("maestra");
    ArchivioServer registro;
    if (registro.apri(imp) != Accesso::Ok)
        return nonMisurato(registro.ultimoErrore());
    Scrivi(registro, c);
    if (!server.client(QStringLiteral("psql"), {"-X", "-q", "-d", database, "-c", "VACUUM ANALYZE tesselo.risposte"}))
        return nonMisurato(server.errore());
    Costo("PostgreSQL", registro, m, anno);
}

void Parametri_(const char* nome, const Parametri& p)
{
    std::printf("    %-10s L0 %.3f  T %.4f  G %.3f  S %.3f\n", nome, p.iniziale, p.apprendimento, p.indovinare,
                p.sbagliare);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool server = !app.arguments().contains(QStringLiteral("--senza-server"));
    const QList<QDate> giorni = AnnoScolastico::GiorniDiScuola(QDate(QDate::currentDate().year() - 1, 9, 1));
    const Periodo anno{giorni.first(), giorni.last()};
    const std::pair<const char*, Generatore> generatori[] = {
        {"bkt", [](Caso& c) { return std::unique_ptr<Allievo>(new AllievoBkt(c)); }},
        {"logistic", [](Caso& c) { return std::unique_ptr<Allievo>(new AllievoLogistico(c)); }},
    };
    std::printf("%-66s %-22s %-18s %s\n", "figure", "measured", "goal", "");
    AnnoClasse primaClasse;
    Modello primoModello;
    for (const auto& [nome, genera] : generatori) {
        const AnnoClasse allenamento = AnnoDiClasse(genera, giorni, 1);
        const AnnoClasse prova = AnnoDiClasse(genera, giorni, 2);
        const QList<Prova> prove = Prove(allenamento);
        Modello m;
        const double msAdatta = AnnoScolastico::Mediana(AnnoScolastico::Tempi(3, [&] { m = Adatta(prove); }));
        std::printf("%s learners: model fitted on a class of 30 (%lld first answers), judged on another\n", nome,
                    qlonglong(prove.size()));
        if (std::string_view(nome) == "bkt") {
            for (Abilita a : TutteLeAbilita) {
                const Vero v = Veri[int(a)];
                std::printf("    %-10s true L0 %.3f  T %.4f  S %.3f\n", Chiave(a), v.iniziale, v.apprendimento,
                            v.sbagliare);
                Parametri_("  fitted", m.abilita[int(a)]);
            }
            for (const Schermo& s : Schermi)
                std::printf("    %-12s true G %.3f  fitted G (forma) %.3f\n", s.nome, s.indovinare,
                            m.di(Abilita::Forma, QString::fromLatin1(s.nome)).indovinare);
        }
        const Giudizio g = Giudica(prova, m);
        Obiettivo(QStringLiteral("(a) AUC, next first answer, model / running share right"),
                  Num(g.aucModello) + " / " + Num(g.aucQuota), "model >= share + 0.05",
                  g.aucModello >= g.aucQuota + 0.05);
        Obiettivo(QStringLiteral("    the same, answers of one skill only"),
                  Num(g.aucModelloSoli) + " / " + Num(g.aucQuotaSoli), "(reported)", std::nullopt);
        Obiettivo(QStringLiteral("(b) median answers of a skill, learned to \"acquisito\" (%1 learned, %2 never)")
                      .arg(g.appresi)
                      .arg(g.maiAcquisiti),
                  g.ritardo == std::numeric_limits<int>::max() ? QStringLiteral("never") : Num(g.ritardo, 0),
                  "(reported)", std::nullopt);
        Obiettivo(QStringLiteral("(b) \"acquisito\" after an answer, skill not learned"),
                  Num(100 * g.acquisitoFalso, 2) + " %", "<= 5 %", g.acquisitoFalso <= 0.05);
        Obiettivo(QStringLiteral("(b) first \"acquisito\" of a child's skill, not learned"),
                  Num(100 * g.primoAcquisitoFalso, 2) + " %", "<= 5 %", g.primoAcquisitoFalso <= 0.05);
        const double suMisura = MedianaFinoAQuattro(genera, m, true), uniforme = MedianaFinoAQuattro(genera, m, false);
        Obiettivo(QStringLiteral("(c) median answers to learn the four attributes, su misura / uniform"),
                  QStringLiteral("%1 / %2 = %3x").arg(suMisura).arg(uniforme).arg(Num(suMisura / uniforme, 2)),
                  "<= 0.75x", suMisura <= 0.75 * uniforme);
        Obiettivo(QStringLiteral("(d) fit (Adatta) over the class's year, median of 3"), Num(msAdatta, 1) + " ms",
                  "< 1000 ms", msAdatta < 1000);
        if (primaClasse.eventi.isEmpty()) {
            primaClasse = allenamento;
            primoModello = m;
        }
    }

    // One update: Stime::aggiungi over the held-out class's year.
    {
        const QList<Prova> prove = Prove(AnnoDiClasse(generatori[0].second, giorni, 3));
        Stime stime(primoModello);
        QElapsedTimer t;
        t.start();
        for (const Prova& p : prove)
            stime.aggiungi(p);
        const double us = t.nsecsElapsed() / 1e3 / double(prove.size());
        Obiettivo("(d) one update (Stime::aggiungi), mean over a class's year", Num(us, 3) + " us", "< 50 us",
                  us < 50);
    }
    QTemporaryDir cartella;
    Archivio archivio;
    if (archivio.apri(cartella.filePath("registro.sqlite")) != Accesso::Ok)
        qFatal("cannot open the register: %s", qPrintable(archivio.ultimoErrore()));
    Scrivi(archivio, primaClasse);
    Costo("SQLite", archivio, primoModello, anno);
    if (server)
        SuServer(primaClasse, primoModello, anno);
    else
        Obiettivo("(d) class's estimates over the year, PostgreSQL", "not measured (--senza-server)", "< 200 ms",
                  std::nullopt);
    return 0;
}
