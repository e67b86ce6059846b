#include "app/CanaleAudio.h"

#include "app/FileSicuri.h"
#include "app/Wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

QAudioFormat FormatoDi(const SuonoPcm& suono)
{
    QAudioFormat formato;
    formato.setSampleRate(suono.frequenza);
    formato.setChannelCount(suono.canali);
    if (suono.virgolaMobile)
        formato.setSampleFormat(QAudioFormat::Float);
    else if (suono.bitPerCampione == 8)
        formato.setSampleFormat(QAudioFormat::UInt8);
    else if (suono.bitPerCampione == 16)
        formato.setSampleFormat(QAudioFormat::Int16);
    else
        formato.setSampleFormat(QAudioFormat::Int32);
    return formato;
}

} // namespace

CanaleAudio::CanaleAudio() = default;

CanaleAudio::~CanaleAudio()
{
    ferma();
}

void CanaleAudio::ferma()
{
    if (uscita) {
        uscita->stop();
        uscita.reset();
    }
    dati.close();
}

void CanaleAudio::playSound(const QString& percorso)
{
    ferma();
    const auto suono = LeggiWav(percorso);
    if (!suono) {
        AvvisaFile(percorso, QStringLiteral("suono mancante o non leggibile"));
        return;
    }
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull())
        return;
    const QAudioFormat formato = FormatoDi(*suono);
    if (!dispositivo.isFormatSupported(formato)) {
        AvvisaFile(percorso, QStringLiteral("formato audio non supportato"));
        return;
    }
    dati.setData(suono->campioni);
    dati.open(QIODevice::ReadOnly);
    uscita = std::make_unique<QAudioSink>(dispositivo, formato);
    uscita->start(&dati);
}
