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

QAudioFormat FormatoDi(const SuonoPcm& suono)
{
    QAudioFormat formato;
    formato.setSampleRate(suono.frequenza);
    formato.setChannelCount(suono.canali);
    formato.setSampleFormat(QAudioFormat::Int16);
    return formato;
}

class UscitaQtMultimedia final : public UscitaAudio {
public:
    ~UscitaQtMultimedia() override { ferma(); }

    Esito suona(const SuonoPcm& suono) override
    {
        ferma();
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        if (dispositivo.isNull())
            return Esito::NessunDispositivo;
        const QAudioFormat formato = FormatoDi(suono);
        if (!dispositivo.isFormatSupported(formato))
            return Esito::FormatoNonSupportato;
        dati.setData(suono.campioni);
        dati.open(QIODevice::ReadOnly);
        uscita = std::make_unique<QAudioSink>(dispositivo, formato);
        uscita->start(&dati);
        return Esito::Suona;
    }

    void ferma() override
    {
        if (uscita) {
            uscita->stop();
            uscita.reset();
        }
        dati.close();
    }

private:
    std::unique_ptr<QAudioSink> uscita;
    QBuffer dati;
};

} // namespace

extern "C" Q_DECL_EXPORT UscitaAudio* tesselo_crea_uscita_audio()
{
    return new UscitaQtMultimedia;
}
