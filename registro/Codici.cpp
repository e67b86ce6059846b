#include "registro/Codici.h"

#include "registro/Giochi.h"

namespace Registro::Codici {

namespace {

// Separators of the text form, never typed in a game's words.
constexpr QChar Campo(0x1f), Voce(0x1e);

const QStringList Attributi{QStringLiteral("forma"), QStringLiteral("colore"), QStringLiteral("dimensione"),
                            QStringLiteral("spessore")};

const QStringList& ParoleDi(int attributo)
{
    static const QStringList* const elenchi[] = {&Parole::Forme, &Parole::Colori, &Parole::Dimensioni,
                                                 &Parole::Spessori};
    return *elenchi[attributo];
}

const QList<Blocco>& Tutti()
{
    static const QList<Blocco> tutti = Blocco::tutti();
    return tutti;
}

// One byte: bits 0-2 the attribute (0 none, 1 forma ... 4 spessore), bits
// 3-5 the value (0 none, else its index in the attribute's words plus one),
// bit 6 "NON". Nothing when the question has words the register does not know.
std::optional<char> Byte(const Domanda& d)
{
    const int a = int(Attributi.indexOf(d.attributo)) + 1;
    if (a == 0 && !(d.attributo.isEmpty() && d.valore.isEmpty()))
        return std::nullopt;
    const int v = d.valore.isEmpty() ? 0 : int(ParoleDi(a - 1).indexOf(d.valore)) + 1;
    if ((v == 0 && !d.valore.isEmpty()) || (v == 0 && d.negata))
        return std::nullopt;
    return char(a | v << 3 | (d.negata ? 0x40 : 0));
}

Domanda DaByte(unsigned char b)
{
    Domanda d;
    const int a = b & 7, v = b >> 3 & 7;
    if (a >= 1 && a <= 4) {
        d.attributo = Attributi[a - 1];
        if (v >= 1 && v <= ParoleDi(a - 1).size())
            d.valore = ParoleDi(a - 1)[v - 1];
    }
    d.negata = b & 0x40;
    return d;
}

QString Unisci(const QList<QStringList>& voci)
{
    QStringList parti;
    for (const QStringList& v : voci)
        parti << v.join(Campo);
    return parti.join(Voce);
}

QList<QStringList> Dividi(const QString& testo)
{
    QList<QStringList> voci;
    if (!testo.isEmpty())
        for (const QString& v : testo.split(Voce))
            voci << v.split(Campo);
    return voci;
}

} // namespace

QVariant Gioco(const QString& schermo)
{
    if (const Registro::Gioco* g = GiocoDiSchermo(schermo))
        return g->codice;
    return schermo;
}

QString Schermo(const QVariant& valore)
{
    if (valore.typeId() == QMetaType::QString)
        return valore.toString();
    const Registro::Gioco* g = GiocoDiCodice(valore.toLongLong());
    return g ? QString::fromLatin1(g->schermo) : QString();
}

QVariant Domande(const QList<Domanda>& domande)
{
    QByteArray codici;
    for (const Domanda& d : domande) {
        const auto b = Byte(d);
        if (!b) {
            QList<QStringList> voci;
            for (const Domanda& e : domande)
                voci << QStringList{e.attributo, e.valore, e.negata ? QStringLiteral("1") : QString()};
            return Unisci(voci);
        }
        codici.append(*b);
    }
    return codici;
}

QList<Domanda> Domande(const QVariant& valore)
{
    QList<Domanda> domande;
    if (valore.typeId() == QMetaType::QString) {
        for (const QStringList& v : Dividi(valore.toString()))
            domande << Domanda{v.value(0), v.value(1), !v.value(2).isEmpty()};
        return domande;
    }
    for (const char b : valore.toByteArray())
        domande << DaByte(static_cast<unsigned char>(b));
    return domande;
}

QVariant Blocchi(const QList<Blocco>& blocchi)
{
    QByteArray codici;
    for (const Blocco& b : blocchi) {
        const qsizetype i = Tutti().indexOf(b);
        if (i < 0) {
            QList<QStringList> voci;
            for (const Blocco& c : blocchi)
                voci << QStringList{c.forma, c.colore, c.dimensione, c.spessore};
            return Unisci(voci);
        }
        codici.append(char(i));
    }
    return codici;
}

QList<Blocco> Blocchi(const QVariant& valore)
{
    QList<Blocco> blocchi;
    if (valore.typeId() == QMetaType::QString) {
        for (const QStringList& v : Dividi(valore.toString()))
            blocchi << Blocco{v.value(0), v.value(1), v.value(2), v.value(3)};
        return blocchi;
    }
    for (const char b : valore.toByteArray())
        blocchi << Tutti().value(static_cast<unsigned char>(b));
    return blocchi;
}

QVariant TestoRisposta(const QString& risposta)
{
    if (const auto b = BloccoDaNome(risposta))
        return QByteArray(1, char(Tutti().indexOf(*b)));
    return risposta;
}

QString TestoRisposta(const QVariant& valore)
{
    if (valore.typeId() == QMetaType::QByteArray) {
        const QByteArray b = valore.toByteArray();
        return b.size() == 1 ? Tutti().value(static_cast<unsigned char>(b[0])).nome() : QString();
    }
    return valore.toString();
}

QByteArray Uuid(const QUuid& uuid)
{
    return uuid.toRfc4122();
}

QUuid Uuid(const QVariant& valore)
{
    return QUuid::fromRfc4122(valore.toByteArray());
}

} // namespace Registro::Codici
