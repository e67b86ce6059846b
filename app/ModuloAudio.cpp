// The sound module (tesselo-audio): decodes WAV files with libsndfile and
// plays their 16-bit samples through a QAudioSink. Built as a separate shared
// module so that the program itself links neither libsndfile (and its
// codecs' libraries) nor Qt Multimedia.
#include "app/FlussoWav.h"
#include "app/UscitaAudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>
#include <memory>

namespace {

// How far ahead of what is heard a recording read as it plays is handed to
// the sound server: half a second, well within what its decoder keeps ready.
constexpr qint64 AnticipoFlusso = 500'000; // microseconds

QAudioFormat Formato(int frequenza, int canali)
{
    QAudioFormat formato;
    formato.setSampleRate(frequenza);
    formato.setChannelCount(canali);
    formato.setSampleFormat(QAudioFormat::Int16);
    return formato;
}

// A recording decoded as it plays, as the device the audio output pulls
// from. Its size is the whole sound's, as a buffer's would be, so that the
// output starts a sound shorter than its own buffer at once.
class Flusso final : public QIODevice {
public:
    explicit Flusso(FlussoWav& s) : sorgente(s) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 size() const override { return sorgente.byte(); }
    bool atEnd() const override { return sorgente.finita(); }
    qint64 bytesAvailable() const override { return sorgente.finita() ? 0 : sorgente.byte(); }

protected:
    qint64 readData(char* destinazione, qint64 massimo) override { return sorgente.leggi(destinazione, massimo); }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    FlussoWav& sorgente;
};

class UscitaQtMultimedia final : public UscitaAudio {
public:
    ~UscitaQtMultimedia() override { ferma(); }

    Riproduzione suona(const SuonoPcm& suono) override
    {
        ferma();
        dati.setData(suono.campioni);
        dati.open(QIODevice::ReadOnly);
        // A short sound goes to the sound server whole before it starts: it
        // plays to its end even when this program is not scheduled while it
        // plays.
        return avvia(Formato(suono.frequenza, suono.canali), dati, suono.campioni.size());
    }

    Esito suonaFile(std::unique_ptr<QIODevice> file, std::function<void()> guasto) override
    {
        ferma();
        AperturaWav a = LettoreWav::apri(std::move(file));
        if (!a.lettore)
            return {a.motivo};
        if (a.lettore->campioniNelFile() <= CampioniDecodificatiSubito) {
            const auto suono = DecodificaTutto(*a.lettore);
            if (!suono)
                return {QStringLiteral("suono danneggiato")};
            return {{}, suona(*suono)};
        }
        auto nuovo = std::make_unique<FlussoWav>(std::move(a.lettore), std::move(guasto));
        if (!nuovo->pronto)
            return {QStringLiteral("suono danneggiato")};
        lungo = std::move(nuovo);
        flusso = std::make_unique<Flusso>(*lungo);
        const QAudioFormat formato = Formato(lungo->frequenza(), lungo->canali());
        const Riproduzione esito =
            avvia(formato, *flusso, std::min(lungo->byte(), qint64(formato.bytesForDuration(AnticipoFlusso))));
        // Nothing reads it: its thread need not go on.
        if (esito != Riproduzione::Suona)
            ferma();
        return {{}, esito};
    }

    void ferma() override
    {
        if (uscita) {
            uscita->stop();
            uscita.reset();
        }
        dati.close();
        flusso.reset();
        lungo.reset();
    }

private:
    // The server holds up to byteAnticipo bytes not yet played, so that a
    // busy machine that leaves this thread waiting does not starve it.
    // PulseAudio gives a stream about half of the latency asked for (the
    // sink takes the rest), and once a stream has run dry it waits for
    // nearly that half again before it plays on: a short sound's tail
    // written late, after the server ran out, would never be heard. Asking
    // for twice the length makes the stream hold all of it; a source no
    // longer than that is then started only once it is all there.
    Riproduzione avvia(const QAudioFormat& formato, QIODevice& da, qint64 byteAnticipo)
    {
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        if (dispositivo.isNull())
            return Riproduzione::NessunDispositivo;
        if (!dispositivo.isFormatSupported(formato))
            return Riproduzione::FormatoNonSupportato;
        uscita = std::make_unique<QAudioSink>(dispositivo, formato);
        uscita->setBufferSize(qsizetype(2 * byteAnticipo));
        uscita->start(&da);
        return Riproduzione::Suona;
    }

    std::unique_ptr<QAudioSink> uscita;
    QBuffer dati;
    std::unique_ptr<FlussoWav> lungo; // the long recording playing, if any
    std::unique_ptr<Flusso> flusso;   // its device
};

} // namespace

extern "C" Q_DECL_EXPORT UscitaAudio* tesselo_crea_uscita_audio()
{
    return new UscitaQtMultimedia;
}
