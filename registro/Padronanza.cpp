#include "registro/Padronanza.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>

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

Modello Adatta(const QList<Prova>& prove)
{
    Modello m = Predefinito();
    m.prove = int(prove.size());
    m.adattato = QDateTime::currentDateTimeUtc();
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
    if (o.value(u"adattato").isDouble())
        m.adattato = QDateTime::fromMSecsSinceEpoch(qint64(o.value(u"adattato").toDouble()), QTimeZone::utc());
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
