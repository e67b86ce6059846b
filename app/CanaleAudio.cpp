#include "app/CanaleAudio.h"

#include "app/FileSicuri.h"
#include "app/UscitaAudio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#include <cmath>
#include <numbers>

CanaleAudio::CanaleAudio() = default;

CanaleAudio::~CanaleAudio()
{
    // The output's code lives in the module: it goes first. The module
    // itself stays loaded for the whole run (QLibrary does not unload it
    // when destroyed), as Qt Multimedia's threads may outlive the output.
    uscita.reset();
}

const SuonoPcm& CanaleAudio::suonoPredefinito()
{
    static const SuonoPcm suono = [] {
        // A rising fourth (E5, A5), 0.12 s each, with soft attack and decay,
        // at a third of full scale: a gentle "something is missing" hint.
        constexpr int Frequenza = 22050;
        constexpr double Note[] = {659.26, 880.0};
        constexpr double DurataNota = 0.12;
        const int perNota = int(Frequenza * DurataNota);
        SuonoPcm s;
        s.canali = 1;
        s.frequenza = Frequenza;
        s.campioni.resize(qsizetype(perNota) * 2 * std::size(Note));
        auto* out = reinterpret_cast<qint16*>(s.campioni.data());
        for (double nota : Note)
            for (int i = 0; i < perNota; ++i) {
                const double t = double(i) / Frequenza;
                const double attacco = std::min(1.0, t / 0.01);
                const double inviluppo = attacco * std::exp(-t * 18.0);
                *out++ = qint16(std::lround(0.33 * 32767 * inviluppo * std::sin(2 * std::numbers::pi * nota * t)));
            }
        return s;
    }();
    return suono;
}

UscitaAudio* CanaleAudio::uscitaAudio()
{
    if (uscita || moduloProvato)
        return uscita.get();
    moduloProvato = true;
    // Beside the executable, as installed; failing that, wherever the
    // library path leads (a test run from the build tree).
    const QString accanto = QCoreApplication::applicationDirPath() + '/' + FileModuloAudio;
    modulo = std::make_unique<QLibrary>(accanto);
    if (!modulo->load()) {
        modulo->setFileName(FileModuloAudio);
        modulo->load();
    }
    const auto crea = reinterpret_cast<CreaUscitaAudio>(modulo->resolve(FunzioneModuloAudio));
    if (!crea) {
        AvvisaFile(accanto, QStringLiteral("modulo audio mancante o non caricabile, nessun suono (%1)")
                                .arg(modulo->errorString()));
        return nullptr;
    }
    uscita.reset(crea());
    return uscita.get();
}

namespace {

void AvvisaSeNonSupportato(UscitaAudio::Riproduzione esito, const QString& percorso)
{
    if (esito == UscitaAudio::Riproduzione::FormatoNonSupportato)
        AvvisaFile(percorso, QStringLiteral("formato audio non supportato"));
}

} // namespace

void CanaleAudio::ferma()
{
    if (uscita)
        uscita->ferma();
}

bool CanaleAudio::avvia(const QString& percorso)
{
    ferma();
    // A user's own sound that cannot be played is named, and the program's
    // own is played in its place.
    const QStringList file = FileDaProvare(percorso);
    for (qsizetype i = 0; i < file.size(); ++i) {
        const QString motivo = avviaFile(file[i]);
        if (motivo.isEmpty())
            return true;
        AvvisaFile(file[i], i + 1 < file.size() ? motivo + QStringLiteral("; si usa quello del gioco") : motivo);
    }
    return false;
}

FileSuono CanaleAudio::apriFile(const QString& percorso)
{
    const QString trovato = TrovaFile(percorso);
    if (trovato.isEmpty())
        return {nullptr, QFileInfo(percorso).isDir() ? QStringLiteral("è una cartella, non un file WAV")
                         : QFileInfo::exists(percorso) ? QStringLiteral("non è un file WAV")
                                                       : QStringLiteral("suono mancante")};
    auto file = std::make_unique<QFile>(trovato);
    if (!file->open(QIODevice::ReadOnly))
        return {nullptr, QStringLiteral("suono non leggibile")};
    return {std::move(file), {}};
}

QString CanaleAudio::avviaFile(const QString& percorso)
{
    FileSuono f = apriFile(percorso);
    if (!f.file)
        return f.motivo;
    // Without the module nothing is decoded nor played; that is named once.
    UscitaAudio* u = uscitaAudio();
    if (!u)
        return {};
    const UscitaAudio::Esito esito = u->suonaFile(std::move(f.file), [this, percorso] {
        QMetaObject::invokeMethod(
            &avvisi, [percorso] { AvvisaFile(percorso, QStringLiteral("suono danneggiato")); },
            Qt::QueuedConnection);
    });
    if (esito.motivo.isEmpty())
        AvvisaSeNonSupportato(esito.riproduzione, percorso);
    return esito.motivo;
}

void CanaleAudio::suona(const SuonoPcm& suono, const QString& percorso)
{
    if (UscitaAudio* u = uscitaAudio())
        AvvisaSeNonSupportato(u->suona(suono), percorso);
}

void CanaleAudio::playSound(const QString& percorso)
{
    if (!avvia(percorso))
        suona(suonoPredefinito(), percorso);
}

void CanaleAudio::playVoice(const QString& percorso)
{
    avvia(percorso);
}
