#include "registro/Bambino.h"

namespace Registro {

namespace {
// Animals, fruit and things a child knows by sight, each unlike the others in
// shape and colour.
constexpr Simbolo Elenco[] = {
    {"gatto", "\xF0\x9F\x90\xB1", "gatto"},
    {"cane", "\xF0\x9F\x90\xB6", "cane"},
    {"coniglio", "\xF0\x9F\x90\xB0", "coniglio"},
    {"orso", "\xF0\x9F\x90\xBB", "orso"},
    {"leone", "\xF0\x9F\xA6\x81", "leone"},
    {"rana", "\xF0\x9F\x90\xB8", "rana"},
    {"maiale", "\xF0\x9F\x90\xB7", "maiale"},
    {"pulcino", "\xF0\x9F\x90\xA5", "pulcino"},
    {"pinguino", "\xF0\x9F\x90\xA7", "pinguino"},
    {"elefante", "\xF0\x9F\x90\x98", "elefante"},
    {"tartaruga", "\xF0\x9F\x90\xA2", "tartaruga"},
    {"pesce", "\xF0\x9F\x90\x9F", "pesce"},
    {"farfalla", "\xF0\x9F\xA6\x8B", "farfalla"},
    {"coccinella", "\xF0\x9F\x90\x9E", "coccinella"},
    {"chiocciola", "\xF0\x9F\x90\x8C", "chiocciola"},
    {"mela", "\xF0\x9F\x8D\x8E", "mela"},
    {"banana", "\xF0\x9F\x8D\x8C", "banana"},
    {"fragola", "\xF0\x9F\x8D\x93", "fragola"},
    {"uva", "\xF0\x9F\x8D\x87", "uva"},
    {"arancia", "\xF0\x9F\x8D\x8A", "arancia"},
    {"ciliegie", "\xF0\x9F\x8D\x92", "ciliegie"},
    {"anguria", "\xF0\x9F\x8D\x89", "anguria"},
    {"pera", "\xF0\x9F\x8D\x90", "pera"},
    {"carota", "\xF0\x9F\xA5\x95", "carota"},
    {"sole", "\xE2\x98\x80\xEF\xB8\x8F", "sole"},
    {"luna", "\xF0\x9F\x8C\x99", "luna"},
    {"stella", "\xE2\xAD\x90", "stella"},
    {"girasole", "\xF0\x9F\x8C\xBB", "girasole"},
    {"albero", "\xF0\x9F\x8C\xB3", "albero"},
    {"fungo", "\xF0\x9F\x8D\x84", "fungo"},
    {"palla", "\xE2\x9A\xBD", "pallone"},
    {"automobile", "\xF0\x9F\x9A\x97", "automobile"},
    {"trenino", "\xF0\x9F\x9A\x82", "trenino"},
    {"barca", "\xE2\x9B\xB5", "barca a vela"},
    {"aereo", "\xE2\x9C\x88\xEF\xB8\x8F", "aereo"},
    {"razzo", "\xF0\x9F\x9A\x80", "razzo"},
    {"ombrello", "\xE2\x98\x82\xEF\xB8\x8F", "ombrello"},
    {"chiave", "\xF0\x9F\x94\x91", "chiave"},
    {"campanella", "\xF0\x9F\x94\x94", "campanella"},
    {"palloncino", "\xF0\x9F\x8E\x88", "palloncino"},
    {"regalo", "\xF0\x9F\x8E\x81", "pacco regalo"},
    {"casa", "\xF0\x9F\x8F\xA0", "casetta"},
    {"tamburo", "\xF0\x9F\xA5\x81", "tamburo"},
    {"chitarra", "\xF0\x9F\x8E\xB8", "chitarra"},
    {"matita", "\xE2\x9C\x8F\xEF\xB8\x8F", "matita"},
};
constexpr Simbolo Ospite{"ospite", "\xF0\x9F\x99\x82", "ospite"};
} // namespace

std::span<const Simbolo> Simboli()
{
    return Elenco;
}

const Simbolo* TrovaSimbolo(const QString& chiave)
{
    for (const Simbolo& s : Elenco)
        if (chiave == QLatin1String(s.chiave))
            return &s;
    if (chiave == QLatin1String(Ospite.chiave))
        return &Ospite;
    return nullptr;
}

const Simbolo& SimboloOspite()
{
    return Ospite;
}

QString NomePulito(QString nome)
{
    nome.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == 0 || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    });
    return nome;
}

QString NotaPulita(QString nota)
{
    nota.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    nota.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    nota = NomePulito(std::move(nota));
    nota.removeIf([](QChar c) { return c.category() == QChar::Other_Control && c != u'\n' && c != u'\t'; });
    return nota.trimmed();
}

QString ControllaNota(const QString& pulita)
{
    return pulita.size() > LunghezzaNota
        ? QStringLiteral("la nota è più lunga di %1 caratteri").arg(LunghezzaNota)
        : QString();
}

QString Bambino::nomeCompleto() const
{
    return cognome.isEmpty() ? nome : nome + QLatin1Char(' ') + cognome;
}

} // namespace Registro
