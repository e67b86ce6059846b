#include "app/Wav.h"

#include "app/FileSicuri.h"

#include <QtEndian>

namespace {

constexpr qint64 DimensioneMassima = 16 * 1024 * 1024;

quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

struct Formato {
    int tag = 0, canali = 0, frequenza = 0, allineamento = 0, bit = 0;
};

std::optional<Formato> LeggiFormato(const QByteArray& b, qsizetype at, quint32 lunghezza)
{
    if (lunghezza < 16)
        return std::nullopt;
    Formato f{u16(b, at), u16(b, at + 2), static_cast<int>(u32(b, at + 4)), u16(b, at + 12), u16(b, at + 14)};
    // WAVE_FORMAT_EXTENSIBLE carries the real format at the start of its sub-format GUID.
    if (f.tag == 0xFFFE && lunghezza >= 40)
        f.tag = u16(b, at + 24);
    const bool intero = f.tag == 1 && (f.bit == 8 || f.bit == 16 || f.bit == 32);
    const bool reale = f.tag == 3 && f.bit == 32;
    if (!(intero || reale) || f.canali < 1 || f.canali > 8 || f.frequenza < 1000 || f.frequenza > 384000
        || f.allineamento != f.canali * f.bit / 8)
        return std::nullopt;
    return f;
}

} // namespace

std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Formato> formato;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 lunghezza = u32(file, at + 4);
        const qsizetype inizio = at + 8;
        if (lunghezza > static_cast<quint64>(file.size() - inizio))
            return std::nullopt; // a chunk that claims more than the file holds
        if (id == "fmt ") {
            formato = LeggiFormato(file, inizio, lunghezza);
            if (!formato)
                return std::nullopt;
        } else if (id == "data") {
            if (!formato)
                return std::nullopt;
            const qsizetype utili = lunghezza - lunghezza % formato->allineamento;
            if (utili == 0)
                return std::nullopt;
            return SuonoPcm{formato->canali, formato->frequenza, formato->bit, formato->tag == 3,
                            file.mid(inizio, utili)};
        }
        at = inizio + lunghezza + (lunghezza & 1);
    }
    return std::nullopt;
}

std::optional<SuonoPcm> LeggiWav(const QString& percorso)
{
    const auto contenuto = LeggiFileRegolare(percorso, DimensioneMassima);
    if (!contenuto)
        return std::nullopt;
    return AnalizzaWav(*contenuto);
}
