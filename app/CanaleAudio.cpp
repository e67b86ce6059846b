#include "app/CanaleAudio.h"

#include "app/FileSicuri.h"
#include "app/UscitaAudio.h"

#include <QCoreApplication>
#include <QFile>
#include <dlfcn.h>

CanaleAudio::CanaleAudio() = default;

CanaleAudio::~CanaleAudio() = default;

UscitaAudio* CanaleAudio::uscitaAudio()
{
    if (uscita || moduloProvato)
        return uscita.get();
    moduloProvato = true;
    // Beside the executable, as installed; failing that, wherever the
    // executable's own library path leads (a test run from the build tree).
    const QString accanto = QCoreApplication::applicationDirPath() + '/' + FileModuloAudio;
    void* modulo = nullptr;
    if (QFile::exists(accanto))
        modulo = dlopen(QFile::encodeName(accanto).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!modulo)
        modulo = dlopen(FileModuloAudio, RTLD_NOW | RTLD_LOCAL);
    const auto crea = modulo ? reinterpret_cast<CreaUscitaAudio>(dlsym(modulo, FunzioneModuloAudio)) : nullptr;
    if (!crea) {
        const char* errore = dlerror();
        AvvisaFile(accanto, QStringLiteral("modulo audio mancante o non caricabile, nessun suono")
                                + (errore ? QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(errore)) : QString()));
        return nullptr;
    }
    // The module stays loaded for the whole run.
    uscita.reset(crea());
    return uscita.get();
}

void CanaleAudio::playSound(const QString& percorso)
{
    if (uscita)
        uscita->ferma();
    const auto suono = LeggiWav(percorso);
    if (!suono) {
        AvvisaFile(percorso, QStringLiteral("suono mancante o non leggibile"));
        return;
    }
    UscitaAudio* u = uscitaAudio();
    if (u && u->suona(*suono) == UscitaAudio::Esito::FormatoNonSupportato)
        AvvisaFile(percorso, QStringLiteral("formato audio non supportato"));
}

void CanaleAudio::playVoice(const QString& percorso)
{
    playSound(percorso);
}
