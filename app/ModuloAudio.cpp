// The sound module (tesselo-audio): plays decoded 16-bit samples through a
// QAudioSink. Built as a separate shared module so that the program itself
// does not link Qt Multimedia.
#include "app/UscitaAudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>

namespace {

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
        return avvia(Formato(suono.frequenza, suono.canali), dati);
    }

    Riproduzione suona(SorgentePcm& sorgente) override
    {
        ferma();
        flusso = std::make_unique<Flusso>(sorgente);
        return avvia(Formato(sorgente.frequenza(), sorgente.canali()), *flusso);
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
    Riproduzione avvia(const QAudioFormat& formato, QIODevice& da)
    {
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        if (dispositivo.isNull())
            return Riproduzione::NessunDispositivo;
        if (!dispositivo.isFormatSupported(formato))
            return Riproduzione::FormatoNonSupportato;
        uscita = std::make_unique<QAudioSink>(dispositivo, formato);
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
