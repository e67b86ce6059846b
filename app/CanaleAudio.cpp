#include "app/CanaleAudio.h"

#include "app/FileSicuri.h"
#include "app/UscitaAudio.h"

#include <QCoreApplication>
#include <QLibrary>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

namespace {

// Sounds of up to this many samples (every channel counted) are decoded
// whole at once, in a millisecond or two: the usual answer sounds and voices
// of a second or two (up to three seconds at 44.1 kHz in stereo). Longer ones
// are decoded as they play, which costs the interface thread about as much.
constexpr qint64 CampioniDecodificatiSubito = 1 << 18;

} // namespace

// A long recording decoded on a thread of its own into a ring of about a
// second of samples, which the audio output empties as it plays: memory
// stays bounded whatever the recording's length, and the interface thread
// only ever copies samples already decoded.
class FlussoWav final : public SorgentePcm {
public:
    // Decodes the first block here, so that a file damaged from its start is
    // known before anything plays and the output has samples from its first
    // read; then the thread goes on. guasto is called, on that thread, if the
    // file turns out damaged later.
    FlussoWav(std::unique_ptr<LettoreWav> l, std::function<void()> g)
        : lettore(std::move(l)), guasto(std::move(g)),
          anello(size_t(std::max(lettore->frequenza(), 16384)) * lettore->canali())
    {
        if (!decodificaBlocco())
            return;
        pronto = true;
        if (!finito)
            thread = std::thread([this] { decodifica(); });
    }
    ~FlussoWav() override
    {
        {
            std::lock_guard l(m);
            fermo = true;
        }
        cv.notify_all();
        if (thread.joinable())
            thread.join();
    }

    bool pronto = false; // false when the first block could not be decoded

    int canali() const override { return lettore->canali(); }
    int frequenza() const override { return lettore->frequenza(); }
    qint64 byte() const override { return lettore->fotogrammi() * lettore->canali() * 2; }

    qint64 leggi(char* destinazione, qint64 massimo) override
    {
        const size_t chiesti = size_t(massimo / (2 * canali()) * canali());
        std::lock_guard l(m);
        if (quanti == 0) {
            if (finito)
                return 0;
            // The decoder is behind (a very busy machine): a moment of
            // silence keeps the output going at its pace.
            std::memset(destinazione, 0, chiesti * 2);
            return qint64(chiesti * 2);
        }
        const size_t n = std::min(chiesti, quanti);
        auto* uscita = reinterpret_cast<qint16*>(destinazione);
        const size_t primaParte = std::min(n, anello.size() - inizio);
        std::copy_n(anello.data() + inizio, primaParte, uscita);
        std::copy_n(anello.data(), n - primaParte, uscita + primaParte);
        inizio = (inizio + n) % anello.size();
        quanti -= n;
        cv.notify_one();
        return qint64(n * 2);
    }

    bool finita() const override
    {
        std::lock_guard l(m);
        return finito && quanti == 0;
    }

private:
    void decodifica()
    {
        for (;;) {
            {
                std::unique_lock l(m);
                cv.wait(l, [this] { return fermo || anello.size() - quanti >= anello.size() / 4; });
                if (fermo)
                    return;
            }
            if (!decodificaBlocco()) {
                guasto();
                return;
            }
            if (finito)
                return;
        }
    }

    // Decodes one block into the free part of the ring; false when the file
    // turns out damaged (the sound then ends there).
    bool decodificaBlocco()
    {
        size_t libero;
        {
            std::lock_guard l(m);
            libero = anello.size() - quanti;
        }
        blocco.resize(libero);
        const qint64 n = lettore->decodifica(blocco.data(), qint64(libero) / canali());
        std::lock_guard l(m);
        if (n <= 0) {
            finito = true;
            return n == 0;
        }
        const size_t campioni = size_t(n) * canali();
        const size_t fine = (inizio + quanti) % anello.size();
        const size_t primaParte = std::min(campioni, anello.size() - fine);
        std::copy_n(blocco.data(), primaParte, anello.data() + fine);
        std::copy_n(blocco.data() + primaParte, campioni - primaParte, anello.data());
        quanti += campioni;
        finito = lettore->fotogrammi() == fatti + n;
        fatti += n;
        return true;
    }

    std::unique_ptr<LettoreWav> lettore;
    std::function<void()> guasto;
    std::vector<qint16> blocco;  // the decoder thread's own
    mutable std::mutex m;
    std::condition_variable cv;
    std::vector<qint16> anello;  // samples decoded and not yet played
    size_t inizio = 0;
    size_t quanti = 0;
    qint64 fatti = 0;            // frames decoded
    bool finito = false;
    bool fermo = false;
    std::thread thread;
};

CanaleAudio::CanaleAudio() = default;

CanaleAudio::~CanaleAudio()
{
    // The output's code lives in the module: it goes first. The module
    // itself stays loaded for the whole run (QLibrary does not unload it
    // when destroyed), as Qt Multimedia's threads may outlive the output.
    uscita.reset();
    flusso.reset();
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
    flusso.reset();
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

QString CanaleAudio::avviaFile(const QString& percorso)
{
    AperturaWav a = ApriWav(percorso);
    if (a.lettore && a.lettore->campioniNelFile() <= CampioniDecodificatiSubito) {
        if (const auto suono = DecodificaTutto(*a.lettore)) {
            suona(*suono, percorso);
            return {};
        }
        return QStringLiteral("suono danneggiato");
    }
    if (a.lettore) {
        auto nuovo = std::make_unique<FlussoWav>(std::move(a.lettore), [this, percorso] {
            QMetaObject::invokeMethod(
                &avvisi, [percorso] { AvvisaFile(percorso, QStringLiteral("suono danneggiato")); },
                Qt::QueuedConnection);
        });
        if (nuovo->pronto) {
            flusso = std::move(nuovo);
            suona(*flusso, percorso);
            return {};
        }
        return QStringLiteral("suono danneggiato");
    }
    return a.motivo;
}

void CanaleAudio::suona(const SuonoPcm& suono, const QString& percorso)
{
    if (UscitaAudio* u = uscitaAudio())
        AvvisaSeNonSupportato(u->suona(suono), percorso);
}

void CanaleAudio::suona(FlussoWav& f, const QString& percorso)
{
    UscitaAudio* u = uscitaAudio();
    const auto esito = u ? u->suona(f) : UscitaAudio::Riproduzione::NessunDispositivo;
    AvvisaSeNonSupportato(esito, percorso);
    // Nothing reads it: its thread need not go on.
    if (esito != UscitaAudio::Riproduzione::Suona) {
        if (u)
            u->ferma();
        flusso.reset();
    }
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
