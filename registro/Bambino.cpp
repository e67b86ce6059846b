#include "registro/Bambino.h"

#include <QCoreApplication>

namespace Registro {

namespace {
// Animals, fruit and things a child knows by sight, each unlike the others in
// shape and colour.
constexpr Simbolo Elenco[] = {
    {"gatto", "\xF0\x9F\x90\xB1", QT_TRANSLATE_NOOP("Simboli", "gatto")},
    {"cane", "\xF0\x9F\x90\xB6", QT_TRANSLATE_NOOP("Simboli", "cane")},
    {"coniglio", "\xF0\x9F\x90\xB0", QT_TRANSLATE_NOOP("Simboli", "coniglio")},
    {"orso", "\xF0\x9F\x90\xBB", QT_TRANSLATE_NOOP("Simboli", "orso")},
    {"leone", "\xF0\x9F\xA6\x81", QT_TRANSLATE_NOOP("Simboli", "leone")},
    {"rana", "\xF0\x9F\x90\xB8", QT_TRANSLATE_NOOP("Simboli", "rana")},
    {"maiale", "\xF0\x9F\x90\xB7", QT_TRANSLATE_NOOP("Simboli", "maiale")},
    {"pulcino", "\xF0\x9F\x90\xA5", QT_TRANSLATE_NOOP("Simboli", "pulcino")},
    {"pinguino", "\xF0\x9F\x90\xA7", QT_TRANSLATE_NOOP("Simboli", "pinguino")},
    {"elefante", "\xF0\x9F\x90\x98", QT_TRANSLATE_NOOP("Simboli", "elefante")},
    {"tartaruga", "\xF0\x9F\x90\xA2", QT_TRANSLATE_NOOP("Simboli", "tartaruga")},
    {"pesce", "\xF0\x9F\x90\x9F", QT_TRANSLATE_NOOP("Simboli", "pesce")},
    {"farfalla", "\xF0\x9F\xA6\x8B", QT_TRANSLATE_NOOP("Simboli", "farfalla")},
    {"coccinella", "\xF0\x9F\x90\x9E", QT_TRANSLATE_NOOP("Simboli", "coccinella")},
    {"chiocciola", "\xF0\x9F\x90\x8C", QT_TRANSLATE_NOOP("Simboli", "chiocciola")},
    {"mela", "\xF0\x9F\x8D\x8E", QT_TRANSLATE_NOOP("Simboli", "mela")},
    {"banana", "\xF0\x9F\x8D\x8C", QT_TRANSLATE_NOOP("Simboli", "banana")},
    {"fragola", "\xF0\x9F\x8D\x93", QT_TRANSLATE_NOOP("Simboli", "fragola")},
    {"uva", "\xF0\x9F\x8D\x87", QT_TRANSLATE_NOOP("Simboli", "uva")},
    {"arancia", "\xF0\x9F\x8D\x8A", QT_TRANSLATE_NOOP("Simboli", "arancia")},
    {"ciliegie", "\xF0\x9F\x8D\x92", QT_TRANSLATE_NOOP("Simboli", "ciliegie")},
    {"anguria", "\xF0\x9F\x8D\x89", QT_TRANSLATE_NOOP("Simboli", "anguria")},
    {"pera", "\xF0\x9F\x8D\x90", QT_TRANSLATE_NOOP("Simboli", "pera")},
    {"carota", "\xF0\x9F\xA5\x95", QT_TRANSLATE_NOOP("Simboli", "carota")},
    {"sole", "\xE2\x98\x80\xEF\xB8\x8F", QT_TRANSLATE_NOOP("Simboli", "sole")},
    {"luna", "\xF0\x9F\x8C\x99", QT_TRANSLATE_NOOP("Simboli", "luna")},
    {"stella", "\xE2\xAD\x90", QT_TRANSLATE_NOOP("Simboli", "stella")},
    {"girasole", "\xF0\x9F\x8C\xBB", QT_TRANSLATE_NOOP("Simboli", "girasole")},
    {"albero", "\xF0\x9F\x8C\xB3", QT_TRANSLATE_NOOP("Simboli", "albero")},
    {"fungo", "\xF0\x9F\x8D\x84", QT_TRANSLATE_NOOP("Simboli", "fungo")},
    {"palla", "\xE2\x9A\xBD", QT_TRANSLATE_NOOP("Simboli", "pallone")},
    {"automobile", "\xF0\x9F\x9A\x97", QT_TRANSLATE_NOOP("Simboli", "automobile")},
    {"trenino", "\xF0\x9F\x9A\x82", QT_TRANSLATE_NOOP("Simboli", "trenino")},
    {"barca", "\xE2\x9B\xB5", QT_TRANSLATE_NOOP("Simboli", "barca a vela")},
    {"aereo", "\xE2\x9C\x88\xEF\xB8\x8F", QT_TRANSLATE_NOOP("Simboli", "aereo")},
    {"razzo", "\xF0\x9F\x9A\x80", QT_TRANSLATE_NOOP("Simboli", "razzo")},
    {"ombrello", "\xE2\x98\x82\xEF\xB8\x8F", QT_TRANSLATE_NOOP("Simboli", "ombrello")},
    {"chiave", "\xF0\x9F\x94\x91", QT_TRANSLATE_NOOP("Simboli", "chiave")},
    {"campanella", "\xF0\x9F\x94\x94", QT_TRANSLATE_NOOP("Simboli", "campanella")},
    {"palloncino", "\xF0\x9F\x8E\x88", QT_TRANSLATE_NOOP("Simboli", "palloncino")},
    {"regalo", "\xF0\x9F\x8E\x81", QT_TRANSLATE_NOOP("Simboli", "pacco regalo")},
    {"casa", "\xF0\x9F\x8F\xA0", QT_TRANSLATE_NOOP("Simboli", "casetta")},
    {"tamburo", "\xF0\x9F\xA5\x81", QT_TRANSLATE_NOOP("Simboli", "tamburo")},
    {"chitarra", "\xF0\x9F\x8E\xB8", QT_TRANSLATE_NOOP("Simboli", "chitarra")},
    {"matita", "\xE2\x9C\x8F\xEF\xB8\x8F", QT_TRANSLATE_NOOP("Simboli", "matita")},
};
constexpr Simbolo Ospite{"ospite", "\xF0\x9F\x99\x82", "ospite"};
} // namespace

QString NomeSimbolo(const Simbolo& simbolo)
{
    return QCoreApplication::translate("Simboli", simbolo.nome);
}

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
