#include "percorsi/Percorso.h"

#include <algorithm>

namespace Percorsi {

namespace {

constexpr Gioco Elenco[] = {
#include "percorsi/GiochiDeiPercorsi.inc"
};

bool Controllo(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// What is wrong with a text of the path: nome is one line and never blank,
// obiettivo may be empty and may hold line feeds.
QString ProblemaTesto(const char* chiave, const QString& testo, int massimo, bool obbligatorio)
{
    const QList<uint> caratteri = testo.toUcs4();
    if (obbligatorio && testo.trimmed().isEmpty())
        return QStringLiteral("«%1» è vuoto").arg(QLatin1String(chiave));
    if (caratteri.size() > massimo)
        return QStringLiteral("«%1» è più lungo di %2 caratteri").arg(QLatin1String(chiave)).arg(massimo);
    const bool righe = !obbligatorio;
    if (std::ranges::any_of(caratteri, [righe](uint c) { return Controllo(c) && !(righe && c == '\n'); }))
        return QStringLiteral("«%1» contiene un carattere di controllo").arg(QLatin1String(chiave));
    return {};
}

} // namespace

std::span<const Gioco> Giochi()
{
    return Elenco;
}

const Gioco* GiocoDi(const QString& schermo)
{
    for (const Gioco& g : Elenco)
        if (schermo == QLatin1String(g.schermo))
            return &g;
    return nullptr;
}

QString Citato(const QString& testo)
{
    constexpr int Massimo = 40;
    QString citato;
    for (const uint c : testo.toUcs4()) {
        if (citato.size() >= Massimo) {
            citato += QChar(0x2026);
            break;
        }
        citato += Controllo(c) ? QStringLiteral("?") : QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    }
    return QStringLiteral("«%1»").arg(citato);
}

QString AttributiNonScelti(const Gioco& gioco)
{
    return QStringLiteral("nel gioco «%1» non si scelgono attributi: il passo non ha «attributi»")
        .arg(QString::fromUtf8(gioco.didascalia));
}

QString ProblemaAttributi(const Gioco& gioco, const AttributiInGioco& attributi)
{
    if (!gioco.sceglieAttributi())
        return attributi.tutti() ? QString() : AttributiNonScelti(gioco);
    if (attributi.quanti() < gioco.minimoAttributi)
        return QStringLiteral("il gioco «%1» vuole almeno %2 attributi")
            .arg(QString::fromUtf8(gioco.didascalia))
            .arg(gioco.minimoAttributi);
    return {};
}

QString ProblemaPasso(const Passo& passo)
{
    const Gioco* gioco = GiocoDi(passo.gioco);
    if (!gioco)
        return QStringLiteral("il gioco %1 non esiste").arg(Citato(passo.gioco));
    if (passo.esatte < Passo::MinimoEsatte || passo.esatte > Passo::MassimoEsatte)
        return QStringLiteral("«esatte» deve essere un numero da %1 a %2")
            .arg(Passo::MinimoEsatte)
            .arg(Passo::MassimoEsatte);
    if (passo.suMisura && !gioco->sceglieAttributi())
        return QStringLiteral("nel gioco «%1» non si scelgono attributi: il passo non può essere «su misura»")
            .arg(QString::fromUtf8(gioco->didascalia));
    return ProblemaAttributi(*gioco, passo.attributi);
}

QString ProblemaIntestazione(const Percorso& percorso)
{
    const QString problema = ProblemaTesto("nome", percorso.nome, Percorso::MassimoNome, true);
    return problema.isEmpty() ? ProblemaTesto("obiettivo", percorso.obiettivo, Percorso::MassimoObiettivo, false)
                              : problema;
}

QString ProblemaNumeroPassi(qsizetype passi)
{
    if (passi == 0)
        return QStringLiteral("il percorso non ha passi");
    if (passi > Percorso::MassimoPassi)
        return QStringLiteral("il percorso ha più di %1 passi").arg(Percorso::MassimoPassi);
    return {};
}

QString NelPasso(qsizetype indice, const QString& problema)
{
    return QStringLiteral("passo %1: %2").arg(indice + 1).arg(problema);
}

QString ProblemaPercorso(const Percorso& percorso)
{
    QString problema = ProblemaIntestazione(percorso);
    if (problema.isEmpty())
        problema = ProblemaNumeroPassi(percorso.passi.size());
    for (qsizetype i = 0; problema.isEmpty() && i < percorso.passi.size(); ++i)
        if (const QString p = ProblemaPasso(percorso.passi[i]); !p.isEmpty())
            problema = NelPasso(i, p);
    return problema;
}

} // namespace Percorsi
