#pragma once
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;
typedef struct sf_private_tag SNDFILE;

// The decoded samples of a sound file, ready for the audio output:
// interleaved signed 16-bit samples, one or two channels.
struct SuonoPcm {
    int canali = 0;
    int frequenza = 0;      // samples per second
    int bitPerCampione = 16; // always: every encoding is decoded to it
    QByteArray campioni;    // whole frames only
};

// The longest recording accepted, in seconds, whatever its rate and encoding:
// it is read from the file's header, and a long file is never held whole.
inline constexpr int DurataMassimaSuono = 10 * 60;

struct AperturaWav;

// A WAV file being decoded by libsndfile, a block at a time, into
// interleaved signed 16-bit frames of one or two channels: a file of more
// than two channels is mixed down to one. Every encoding libsndfile plays in
// a WAV is taken, with the plain format tag or as WAVE_FORMAT_EXTENSIBLE
// (PCM 8 to 32 bit, float 32 and 64, µ-law, A-law, IMA and MS ADPCM...).
class LettoreWav {
public:
    // Opens a WAV file's content, reading its header and chunk list only;
    // see ApriWav.
    static AperturaWav apri(std::unique_ptr<QIODevice> sorgente);
    ~LettoreWav();
    LettoreWav(const LettoreWav&) = delete;
    LettoreWav& operator=(const LettoreWav&) = delete;

    int canali() const { return canaliUscita; } // of the decoded frames
    int frequenza() const { return frequenzaFile; }
    qint64 fotogrammi() const { return dichiarati; } // as the header declares them
    qint64 campioniNelFile() const { return dichiarati * canaliFile; }

    // Decodes up to massimo frames into destinazione (canali() samples
    // each): the number decoded, 0 at the end, -1 once the file turns out
    // damaged (a decoder error, or fewer frames than it declares).
    qint64 decodifica(qint16* destinazione, qint64 massimo);

private:
    LettoreWav() = default;

    std::unique_ptr<QIODevice> sorgente;
    SNDFILE* sf = nullptr;
    int canaliFile = 0;
    int canaliUscita = 0;
    int frequenzaFile = 0;
    qint64 dichiarati = 0;
    qint64 fatti = 0;
    bool guasto = false;
    std::vector<float> letti; // one block as libsndfile gives it
};

// A file opened for decoding, or why it cannot be played, in the words of
// the warning line ("suono mancante", "suono troncato", "è un file MP3, non
// un file WAV", "WAV in formato WMA non supportato"...).
struct AperturaWav {
    std::unique_ptr<LettoreWav> lettore;
    QString motivo;
};

// Opens a WAV file's bytes held in memory, as LettoreWav::apri does a file:
// a file whose chunks claim more than it holds (a truncated copy), one with
// no samples, one longer than DurataMassimaSuono or one libsndfile refuses
// gives the reason, never a reader.
AperturaWav ApriWav(const QByteArray& file);

// Every frame of a reader in memory; nothing when the file turns out damaged,
// never a partial sound.
std::optional<SuonoPcm> DecodificaTutto(LettoreWav& lettore);

// A WAV file's bytes decoded whole; nothing when they cannot be played.
std::optional<SuonoPcm> AnalizzaWav(const QByteArray& file);
