#include "app/Wav.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace {

// Samples (frames times channels) decoded at a time: a block takes a fraction
// of a millisecond, so that stopping a long sound never waits long for the
// thread decoding it.
constexpr qint64 CampioniPerBlocco = 1 << 14;
// A chunk list longer than this is not a recording.
constexpr int ChunkMassimi = 4096;

// libsndfile's reads from a file or from bytes held in memory.
QIODevice* Dispositivo(void* d) { return static_cast<QIODevice*>(d); }
sf_count_t Lunghezza(void* d) { return Dispositivo(d)->size(); }
sf_count_t Dove(void* d) { return Dispositivo(d)->pos(); }
sf_count_t Scrivi(const void*, sf_count_t, void*) { return 0; }

sf_count_t Sposta(sf_count_t scarto, int da, void* d)
{
    QIODevice* dev = Dispositivo(d);
    const sf_count_t base = da == SEEK_CUR ? dev->pos() : da == SEEK_END ? dev->size() : 0;
    const sf_count_t nuova = base + scarto;
    if (nuova < 0 || nuova > dev->size() || !dev->seek(nuova))
        return -1;
    return nuova;
}

sf_count_t Leggi(void* destinazione, sf_count_t quanti, void* d)
{
    return std::max<sf_count_t>(0, Dispositivo(d)->read(static_cast<char*>(destinazione), quanti));
}

// A sample scaled to [-1, 1] as a 16-bit one; louder is clipped, NaN is silence.
qint16 Campione16(float x)
{
    if (!(x == x))
        return 0;
    return qint16(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
}

// The kind of a file that is not a WAV, told by its first bytes; empty when
// unknown.
QString AltroTipo(const QByteArray& inizio)
{
    const auto byte = [&](int i) { return i < inizio.size() ? uchar(inizio[i]) : 0; };
    if (inizio.startsWith("ID3") || (byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0 && (byte(1) & 0x06) != 0))
        return QStringLiteral("MP3");
    if (byte(0) == 0xFF && (byte(1) & 0xF6) == 0xF0)
        return QStringLiteral("AAC");
    if (inizio.mid(4, 4) == "ftyp")
        return QStringLiteral("M4A");
    const std::pair<const char*, const char*> firme[] = {
        {"OggS", "OGG"}, {"fLaC", "FLAC"}, {"#!AMR", "AMR"}, {"\x30\x26\xB2\x75", "WMA"},
        {"RF64", "RF64"}, {"caff", "CAF"}, {".snd", "AU"}, {"\xFF\xD8\xFF", "JPEG"}, {"\x89PNG", "PNG"}};
    for (const auto& [firma, nome] : firme)
        if (inizio.startsWith(firma))
            return QString::fromUtf8(nome);
    if (inizio.startsWith("FORM") && (inizio.mid(8, 4) == "AIFF" || inizio.mid(8, 4) == "AIFC"))
        return QStringLiteral("AIFF");
    if (inizio.startsWith("RIFF") && inizio.mid(8, 4) == "AVI ")
        return QStringLiteral("AVI");
    return {};
}

// What the chunk list of a RIFF/WAVE file says, walked through its chunk
// headers only. libsndfile plays a truncated copy as far as it goes, and a
// sound cut short is a damaged file to be named, not played.
struct Chunk {
    QString motivo;      // empty when every chunk fits and fmt and data are there
    QByteArray formato;  // the start of the fmt chunk
};

Chunk LeggiChunk(QIODevice& d)
{
    const qint64 dimensione = d.size();
    qint64 at = 12;
    bool dati = false;
    Chunk c;
    for (int n = 0; at + 8 <= dimensione; ++n) {
        char testa[8];
        if (n == ChunkMassimi || !d.seek(at) || d.read(testa, 8) != 8)
            return {QStringLiteral("suono danneggiato"), {}};
        const quint32 lunghezza = qFromLittleEndian<quint32>(testa + 4);
        if (lunghezza > quint64(dimensione - at - 8))
            return {QStringLiteral("suono troncato"), {}};
        if (std::memcmp(testa, "fmt ", 4) == 0 && c.formato.isEmpty())
            c.formato = d.read(std::min<quint32>(lunghezza, 40));
        dati = dati || std::memcmp(testa, "data", 4) == 0;
        at += 8 + qint64(lunghezza) + (lunghezza & 1);
    }
    if (!dati || c.formato.size() < 16)
        c.motivo = dati ? QStringLiteral("suono danneggiato") : QStringLiteral("suono troncato");
    return c;
}

// The encoding of a fmt chunk: its format tag or, for WAVE_FORMAT_EXTENSIBLE,
// the tag its sub-format stands for.
int Codifica(const QByteArray& formato)
{
    const int tag = qFromLittleEndian<quint16>(formato.constData());
    if (tag != 0xFFFE)
        return tag;
    return formato.size() >= 26 ? qFromLittleEndian<quint16>(formato.constData() + 24) : -1;
}

// An encoding by its usual name, with the most channels libsndfile decodes
// it with in a WAV (0 for an encoding it does not decode at all).
struct NomeCodifica {
    int tag;
    const char* nome;
    int canaliMassimi;
};

constexpr NomeCodifica Codifiche[] = {
    {0x0001, "PCM", 1024},      {0x0003, "virgola mobile", 1024}, {0x0006, "A-law", 1024},
    {0x0007, "µ-law", 1024},    {0x0002, "MS ADPCM", 2},          {0x0011, "IMA ADPCM", 2},
    {0x0031, "GSM 6.10", 1},    {0x0040, "G.721 ADPCM", 1},       {0x0055, "MP3", 0},
    {0x0050, "MPEG", 0},        {0x00FF, "AAC", 0},               {0x1610, "AAC", 0},
    {0x0160, "WMA", 0},         {0x0161, "WMA", 0},               {0x0162, "WMA", 0},
    {0x0163, "WMA", 0},         {0x2000, "AC-3", 0},              {0x2001, "DTS", 0},
    {0x0270, "ATRAC3", 0},      {0x0022, "TrueSpeech", 0},        {0x674F, "Ogg Vorbis", 0},
    {0x6750, "Ogg Vorbis", 0},  {0x6751, "Ogg Vorbis", 0},        {0x676F, "Ogg Vorbis", 0},
    {0x6770, "Ogg Vorbis", 0},  {0x6771, "Ogg Vorbis", 0},        {0x704F, "Opus", 0},
    {0xF1AC, "FLAC", 0},
};

// Why libsndfile refused a whole RIFF/WAVE file: an encoding it does not
// play (or not with that many channels) is named; any other is damaged.
QString MotivoRifiuto(const QByteArray& formato)
{
    const int tag = Codifica(formato);
    const int canali = qFromLittleEndian<quint16>(formato.constData() + 2);
    const auto nota = std::find_if(std::begin(Codifiche), std::end(Codifiche),
                                   [tag](const NomeCodifica& c) { return c.tag == tag; });
    if (nota == std::end(Codifiche))
        return QStringLiteral("WAV in un formato sconosciuto (0x%1) non supportato")
            .arg(tag & 0xFFFF, 4, 16, QLatin1Char('0'));
    const QString nome = QString::fromUtf8(nota->nome);
    // As WAVE_FORMAT_EXTENSIBLE, libsndfile decodes PCM, float, A-law and
    // µ-law only.
    const bool esteso = qFromLittleEndian<quint16>(formato.constData()) == 0xFFFE;
    if (esteso && tag != 0x0001 && tag != 0x0003 && tag != 0x0006 && tag != 0x0007)
        return QStringLiteral("WAV esteso in formato %1 non supportato").arg(nome);
    if (nota->canaliMassimi == 0)
        return QStringLiteral("WAV in formato %1 non supportato").arg(nome);
    if (canali > nota->canaliMassimi)
        return QStringLiteral("WAV in formato %1 a %2 canali non supportato").arg(nome).arg(canali);
    return QStringLiteral("suono danneggiato");
}

AperturaWav Rifiuto(const QString& motivo)
{
    return {nullptr, motivo};
}

} // namespace

AperturaWav LettoreWav::apri(std::unique_ptr<QIODevice> sorgente)
{
    const QByteArray inizio = sorgente->peek(12);
    if (inizio.isEmpty())
        return Rifiuto(QStringLiteral("file vuoto"));
    if (!inizio.startsWith("RIFF") || inizio.mid(8, 4) != "WAVE") {
        const QString tipo = AltroTipo(inizio);
        return Rifiuto(tipo.isEmpty() ? QStringLiteral("non è un file WAV")
                                      : QStringLiteral("è un file %1, non un file WAV").arg(tipo));
    }
    const Chunk chunk = LeggiChunk(*sorgente);
    if (!chunk.motivo.isEmpty())
        return Rifiuto(chunk.motivo);
    if (!sorgente->seek(0))
        return Rifiuto(QStringLiteral("suono non leggibile"));

    std::unique_ptr<LettoreWav> l(new LettoreWav);
    l->sorgente = std::move(sorgente);
    SF_VIRTUAL_IO io{Lunghezza, Sposta, Leggi, Scrivi, Dove};
    SF_INFO info{};
    l->sf = sf_open_virtual(&io, SFM_READ, &info, l->sorgente.get());
    if (!l->sf)
        return Rifiuto(MotivoRifiuto(chunk.formato));
    const int tipo = info.format & SF_FORMAT_TYPEMASK;
    if ((tipo != SF_FORMAT_WAV && tipo != SF_FORMAT_WAVEX) || info.channels < 1)
        return Rifiuto(QStringLiteral("suono danneggiato"));
    if (info.samplerate < 1000 || info.samplerate > 384000)
        return Rifiuto(QStringLiteral("WAV a %1 Hz non supportato").arg(info.samplerate));
    if (info.frames <= 0)
        return Rifiuto(QStringLiteral("suono vuoto"));
    if (info.frames > sf_count_t(DurataMassimaSuono + 1) * info.samplerate)
        return Rifiuto(QStringLiteral("registrazione più lunga di %1 minuti").arg(DurataMassimaSuono / 60));
    l->canaliFile = info.channels;
    l->canaliUscita = info.channels <= 2 ? info.channels : 1;
    l->frequenzaFile = info.samplerate;
    l->dichiarati = info.frames;
    return {std::move(l), {}};
}

LettoreWav::~LettoreWav()
{
    if (sf)
        sf_close(sf);
}

qint64 LettoreWav::decodifica(qint16* destinazione, qint64 massimo)
{
    if (guasto)
        return -1;
    const qint64 quanti = std::min({massimo, dichiarati - fatti, std::max<qint64>(1, CampioniPerBlocco / canaliFile)});
    if (quanti <= 0)
        return 0;
    // Read as float (libsndfile scales every encoding to [-1, 1]) and made
    // 16-bit here, so that a float file louder than full scale is clipped
    // rather than wrapped. More than two channels are mixed down to one.
    letti.resize(size_t(quanti * canaliFile));
    const sf_count_t n = sf_readf_float(sf, letti.data(), quanti);
    if (n <= 0 || sf_error(sf) != SF_ERR_NO_ERROR) {
        guasto = true;
        return -1;
    }
    for (sf_count_t f = 0; f < n; ++f) {
        const float* campione = letti.data() + f * canaliFile;
        if (canaliUscita == canaliFile) {
            for (int c = 0; c < canaliFile; ++c)
                *destinazione++ = Campione16(campione[c]);
        } else {
            float somma = 0;
            for (int c = 0; c < canaliFile; ++c)
                somma += campione[c];
            *destinazione++ = Campione16(somma / float(canaliFile));
        }
    }
    fatti += n;
    return n;
}

std::optional<SuonoPcm> DecodificaTutto(LettoreWav& lettore)
{
    SuonoPcm suono;
    suono.canali = lettore.canali();
    suono.frequenza = lettore.frequenza();
    suono.campioni.resize(qsizetype(lettore.fotogrammi()) * suono.canali * 2);
    auto* uscita = reinterpret_cast<qint16*>(suono.campioni.data());
    qint64 fatti = 0;
    while (fatti < lettore.fotogrammi()) {
        const qint64 n = lettore.decodifica(uscita + fatti * suono.canali, lettore.fotogrammi() - fatti);
        if (n <= 0)
            return std::nullopt;
        fatti += n;
    }
    return suono;
}

AperturaWav ApriWav(const QByteArray& file)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(file);
    buffer->open(QIODevice::ReadOnly);
    return LettoreWav::apri(std::move(buffer));
}

std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file)
{
    const AperturaWav a = ApriWav(file);
    return a.lettore ? DecodificaTutto(*a.lettore) : std::nullopt;
}
