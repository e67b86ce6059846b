// The sound module (tesselo-audio): plays decoded 16-bit samples through a
// QAudioSink. Built as a separate shared module so that the program itself
// does not link Qt Multimedia.
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

// A SorgentePcm as the device the audio output pulls from. Its size is the
// whole sound's, as a buffer's would be, so that the output starts a sound
// shorter than its own buffer at once.
class Flusso final : public QIODevice {
public:
    explicit Flusso(SorgentePcm& s) : sorgente(s) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 size() const override { return sorgente.byte(); }
    bool atEnd() const override { return sorgente.finita(); }
    qint64 bytesAvailable() const override { return sorgente.finita() ? 0 : sorgente.byte(); }

protected:
    qint64 readData(char* destinazione, qint64 massimo) override { return sorgente.leggi(destinazione, massimo); }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SorgentePcm& sorgente;
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

    Riproduzione suona(SorgentePcm& sorgente) override
    {
        ferma();
        flusso = std::make_unique<Flusso>(sorgente);
        const QAudioFormat formato = Formato(sorgente.frequenza(), sorgente.canali());
        return avvia(formato, *flusso, std::min(sorgente.byte(), qint64(formato.bytesForDuration(AnticipoFlusso))));
    }

    void ferma() override
    {
        if (uscita) {
            uscita->stop();
            uscita.reset();
        }
        dati.close();
        flusso.reset();
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
    std::unique_ptr<Flusso> flusso;
};

} // namespace

extern "C" Q_DECL_EXPORT UscitaAudio* tesselo_crea_uscita_audio()
{
    return new UscitaQtMultimedia;
}
