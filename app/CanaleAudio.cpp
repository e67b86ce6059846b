#include "app/CanaleAudio.h"

#include "app/FileSicuri.h"
#include "app/UscitaAudio.h"

#include <QCoreApplication>
#include <QLibrary>
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

std::optional<SuonoPcm> CanaleAudio::leggi(const QString& percorso)
{
    if (uscita)
        uscita->ferma();
    // A user's own sound that cannot be played is named, and the program's
    // own is read in its place.
    const QStringList file = FileDaProvare(percorso);
    for (const QString& f : file.first(file.size() - 1)) {
        if (auto suono = LeggiWav(f))
            return suono;
        AvvisaFile(f, QStringLiteral("suono non leggibile; si usa quello del gioco"));
    }
    auto suono = LeggiWav(percorso);
    if (!suono)
        AvvisaFile(percorso, QStringLiteral("suono mancante o non leggibile"));
    return suono;
}

void CanaleAudio::suona(const SuonoPcm& suono, const QString& percorso)
{
    UscitaAudio* u = uscitaAudio();
    if (u && u->suona(suono) == UscitaAudio::Esito::FormatoNonSupportato)
        AvvisaFile(percorso, QStringLiteral("formato audio non supportato"));
}

void CanaleAudio::playSound(const QString& percorso)
{
    const auto suono = leggi(percorso);
    suona(suono ? *suono : suonoPredefinito(), percorso);
}

void CanaleAudio::playVoice(const QString& percorso)
{
    if (const auto voce = leggi(percorso))
        suona(*voce, percorso);
}
