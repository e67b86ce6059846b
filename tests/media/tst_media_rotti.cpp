// A school computer's copy of the media folders gets damaged: every picture
// and sound file missing, empty, cut short, full of noise, of another format,
// lying about its size, replaced by a folder or a FIFO, unreadable. The game
// carries on: every screen opens and plays, nothing waits, no message box
// appears, block pictures are drawn by the program and each damaged file is
// named once on standard error.
#include "registro/Blocco.h"
#include "app/CanaleAudio.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Immagine.h"
#include "games/form1/form1.h"
#include "games/zirp8/zirp8.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/CasoFiglio.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/Codifica.h"
#include "tests/support/ComeUtenteComune.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"
#include "tests/support/Tono.h"
#include "SoundSynth.h"
#include "Voci.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QMediaDevices>
#include <QProcess>
#include <QAudioDevice>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <linux/capability.h>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

enum class Classe { Blocchi, Attributi, Suoni, Voci };
enum class Danno {
    Mancante, Vuoto, UnByte, Intestazione, Tronco10, Tronco50, Tronco99, Casuale,
    Png, Wav, Jpeg, Enorme, Bugiardo, Cartella, Fifo, Illeggibile, CartellaMancante
};

// How many warning lines a damaged file gives over the whole run: one, or
// none for a picture in another format that Qt reads all the same.
enum class Avvisi { Uno, Nessuno };

const char* const NomiAttributi[] = {"cerchio", "quadrato", "rettangolo", "triangolo", "grande", "piccolo",
                                     "spesso",  "sottile",  "rosso",      "giallo",    "blu",    "rotondo"};
const char* const NomiSuoni[] = {"si1", "si2", "si3", "si4", "no"};

QStringList FileDi(const QString& cartella, Classe classe)
{
    QStringList file;
    switch (classe) {
    case Classe::Blocchi:
        for (const Blocco& b : Blocco::tutti())
            file << b.percorso(cartella);
        break;
    case Classe::Attributi:
        for (const char* nome : NomiAttributi)
            file << cartella + "/jpg/" + nome + ".jpg";
        break;
    case Classe::Suoni:
        for (const char* nome : NomiSuoni)
            file << cartella + "/suoni/" + nome + ".wav";
        break;
    case Classe::Voci:
        for (const QString& parola : Voci::tutte())
            file << cartella + "/voci/" + Voci::nomeFile(parola);
        break;
    }
    return file;
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


QImage Tinta(QColor colore)
{
    QImage img(96, 96, QImage::Format_RGB32);
    img.fill(colore);
    return img;
}

// The JPEG's headers up to and including its start of scan, no picture data.
QByteArray IntestazioneJpeg(const QByteArray& jpeg)
{
    const qsizetype sos = jpeg.indexOf("\xFF\xDA");
    const int lunghezza = (uchar(jpeg[sos + 2]) << 8) | uchar(jpeg[sos + 3]);
    return jpeg.left(sos + 2 + lunghezza);
}

// The same JPEG claiming 65000 × 65000 pixels in its frame header.
QByteArray JpegEnorme(QByteArray jpeg)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    for (int i : {5, 7}) {
        jpeg[sof + i] = char(0xFD);
        jpeg[sof + i + 1] = char(0xE8);
    }
    return jpeg;
}

// The same WAV with a data chunk claiming far more bytes than the file holds.
QByteArray WavBugiardo(QByteArray wav)
{
    const qsizetype data = wav.indexOf("data");
    const char lunghezza[] = {char(0xF0), char(0xFF), char(0xFF), char(0x7F)};
    wav.replace(data + 4, 4, lunghezza, 4);
    return wav;
}

QByteArray Rumore(qsizetype n, quint32 seme)
{
    QRandomGenerator caso(seme);
    QByteArray dati(n, Qt::Uninitialized);
    for (char& c : dati)
        c = char(caso.bounded(256));
    return dati;
}

// A JPEG of one colour, exactly n bytes long (a comment segment pads it).
QByteArray JpegDiLunghezza(QColor colore, qsizetype n)
{
    const QByteArray jpeg = Codifica(Tinta(colore), "jpeg");
    const qsizetype manca = n - jpeg.size() - 4;
    if (manca < 0 || manca > 65533)
        qFatal("cannot pad a JPEG to %lld bytes", qlonglong(n));
    QByteArray commento("\xFF\xFE", 2);
    commento += char((manca + 2) >> 8);
    commento += char((manca + 2) & 0xFF);
    commento += QByteArray(manca, ' ');
    return jpeg.left(2) + commento + jpeg.mid(2);
}

bool FileJpeg(Classe classe)
{
    return classe != Classe::Suoni && classe != Classe::Voci;
}

void Danneggia(const QString& percorso, Danno danno, Classe classe)
{
    const QByteArray originale = Leggi(percorso);
    const QByteArray p = QFile::encodeName(percorso);
    switch (danno) {
    case Danno::Mancante: QFile::remove(percorso); break;
    case Danno::Vuoto: Scrivi(percorso, {}); break;
    case Danno::UnByte: Scrivi(percorso, originale.left(1)); break;
    case Danno::Intestazione:
        Scrivi(percorso, FileJpeg(classe) ? IntestazioneJpeg(originale) : originale.left(originale.indexOf("data") + 8));
        break;
    case Danno::Tronco10: Scrivi(percorso, originale.left(originale.size() / 10)); break;
    case Danno::Tronco50: Scrivi(percorso, originale.left(originale.size() / 2)); break;
    case Danno::Tronco99: Scrivi(percorso, originale.left(originale.size() * 99 / 100)); break;
    case Danno::Casuale: Scrivi(percorso, Rumore(originale.size(), qHash(percorso))); break;
    case Danno::Png: Scrivi(percorso, Codifica(Tinta(Qt::green), "png")); break;
    case Danno::Wav: Scrivi(percorso, Media::sintetizzaWav(1)); break;
    case Danno::Jpeg: Scrivi(percorso, Codifica(Tinta(Qt::green), "jpeg")); break;
    case Danno::Enorme: Scrivi(percorso, JpegEnorme(originale)); break;
    case Danno::Bugiardo: Scrivi(percorso, WavBugiardo(originale)); break;
    case Danno::Cartella:
        QFile::remove(percorso);
        QDir().mkpath(percorso);
        break;
    case Danno::Fifo:
        QFile::remove(percorso);
        if (::mkfifo(p.constData(), 0644) != 0)
            qFatal("mkfifo failed");
        break;
    case Danno::Illeggibile: ::chmod(p.constData(), 0); break;
    case Danno::CartellaMancante: break;
    }
}

// Set in the process that runs one unreadable-files case on its own.
constexpr const char* FiglioSenzaPermessi = "TESSELO_FIGLIO_SENZA_PERMESSI";

// Ends the run with the name of what it was doing if one action hangs: a
// hang would otherwise only show as the whole suite running out of time.
class Sentinella {
public:
    Sentinella()
        : guardia([this] {
              std::unique_lock l(m);
              while (!fine) {
                  if (!azione.empty() && std::chrono::steady_clock::now() - inizio > std::chrono::seconds(20)) {
                      std::fprintf(stdout, "FAIL: hung for 20 s in: %s\n", azione.c_str());
                      std::fflush(stdout);
                      std::_Exit(3);
                  }
                  cv.wait_for(l, std::chrono::milliseconds(200));
              }
          })
    {
    }
    ~Sentinella()
    {
        {
            std::lock_guard l(m);
            fine = true;
        }
        cv.notify_all();
        guardia.join();
    }
    void Inizia(const QString& cosa)
    {
        std::lock_guard l(m);
        azione = cosa.toStdString();
        inizio = std::chrono::steady_clock::now();
    }
    void Finisci()
    {
        std::lock_guard l(m);
        azione.clear();
    }

private:
    std::mutex m;
    std::condition_variable cv;
    std::string azione;
    std::chrono::steady_clock::time_point inizio;
    bool fine = false;
    std::thread guardia;
};

Sentinella* sentinella = nullptr;

// Every action a child takes is timed: none may keep the program busy for
// more than two seconds.
struct Cronometro {
    qint64 peggiore = 0;
    QString quale;
    QStringList modali;  // actions that left a modal window up
    template <class F>
    void operator()(const QString& cosa, F&& azione)
    {
        sentinella->Inizia(cosa);
        QElapsedTimer t;
        t.start();
        azione();
        const qint64 ms = t.elapsed();
        sentinella->Finisci();
        if (QApplication::activeModalWidget())
            modali << cosa;
        if (ms > peggiore) {
            peggiore = ms;
            quale = cosa;
        }
    }
};

// Warning lines per file (path compared whatever its letter case), and the
// lines about media that name no file in elenco.
QMap<QString, int> ContaAvvisi(const QString& testo, const QStringList& elenco, QStringList& estranei)
{
    QMap<QString, int> conta;
    for (const QString& riga : testo.split('\n', Qt::SkipEmptyParts)) {
        if (!riga.startsWith(QLatin1String("tesselo: ")))
            continue;
        const QString percorso = riga.mid(9, riga.lastIndexOf(QLatin1String(": ")) - 9);
        bool trovato = false;
        for (const QString& file : elenco)
            if (QDir::toNativeSeparators(file).compare(percorso, Qt::CaseInsensitive) == 0) {
                ++conta[file];
                trovato = true;
            }
        if (!trovato)
            estranei << riga;
    }
    return conta;
}

// The program's media in the folder verso, for a case to damage there: the
// files of the class it damages are copied, and the others linked to the
// build's (a folder, or an attribute picture), which the program reads
// through and the case never writes in. The voices are some 46 MB in 550
// files, whose copy took most of the suite's time; and the pictures left
// whole are the same files in every case, which the program takes from the
// copies fitted to their boxes it keeps, rather than decoding them and
// keeping them again.
void CopiaMedia(const QString& verso, Classe danneggiata)
{
    const fs::path origine(TESSELO_APP_DIR), copia(verso.toStdString());
    const auto prendi = [&](const fs::path& relativo, bool daDanneggiare) {
        if (daDanneggiare)
            fs::copy(origine / relativo, copia / relativo, fs::copy_options::recursive);
        else if (fs::is_directory(origine / relativo))
            fs::create_directory_symlink(origine / relativo, copia / relativo);
        else
            fs::create_symlink(origine / relativo, copia / relativo);
    };
    prendi("suoni", danneggiata == Classe::Suoni);
    prendi("voci", danneggiata == Classe::Voci);
    if (!FileJpeg(danneggiata)) {
        prendi("jpg", false);
        return;
    }
    // A colour's folder holds its block pictures; the attribute pictures
    // stand beside them.
    fs::create_directory(copia / "jpg");
    for (const fs::directory_entry& voce : fs::directory_iterator(origine / "jpg")) {
        const fs::path relativo = fs::path("jpg") / voce.path().filename();
        prendi(relativo, voce.is_directory() ? danneggiata == Classe::Blocchi : danneggiata == Classe::Attributi);
    }
}

// The reason a sound or voice damaged this way is named with.
QRegularExpression MotivoSuono(Danno danno)
{
    switch (danno) {
    case Danno::Mancante:
    case Danno::CartellaMancante: return QRegularExpression("^suono mancante$");
    case Danno::Vuoto: return QRegularExpression("^file vuoto$");
    case Danno::Intestazione:
    case Danno::Tronco10:
    case Danno::Tronco50:
    case Danno::Tronco99:
    case Danno::Bugiardo: return QRegularExpression("^suono troncato$");
    case Danno::UnByte:
    case Danno::Fifo: return QRegularExpression("^non è un file WAV$");
    // Random bytes may happen to begin the way another kind of file does.
    case Danno::Casuale: return QRegularExpression("^(non è un file WAV|è un file \\S+, non un file WAV)$");
    case Danno::Jpeg: return QRegularExpression("^è un file JPEG, non un file WAV$");
    case Danno::Cartella: return QRegularExpression("^è una cartella, non un file WAV$");
    case Danno::Illeggibile: return QRegularExpression("^suono non leggibile$");
    default: return QRegularExpression("^$");
    }
}

// The warning lines about sounds damaged this way that give another reason.
QStringList MotiviSbagliati(const QString& testo, Danno danno)
{
    const QRegularExpression atteso = MotivoSuono(danno);
    QStringList sbagliati;
    for (const QString& riga : testo.split('\n'))
        if (riga.startsWith(QLatin1String("tesselo: "))
            && !atteso.match(riga.mid(riga.lastIndexOf(QLatin1String(": ")) + 2)).hasMatch())
            sbagliati << riga;
    return sbagliati;
}

QRgb MediaColore(const QImage& immagine)
{
    const QImage piccola = immagine.scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    int r = 0, g = 0, b = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const QRgb p = piccola.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    return qRgb(r / 64, g / 64, b / 64);
}

bool Verde(QRgb c)
{
    return qGreen(c) > 150 && qRed(c) < 100 && qBlue(c) < 100;
}

} // namespace

Q_DECLARE_METATYPE(Classe)
Q_DECLARE_METATYPE(Danno)
Q_DECLARE_METATYPE(Avvisi)

class ProvaMediaRotti : public QObject {
    Q_OBJECT

    // Plays every screen from the start screen through the menu, answering a
    // few times in each game, with every check made after every step.
    void GiocaTutto(Ambiente& a, Cronometro& cronometro, QStringList& difetti)
    {
        auto controlla = [&](IdSchermo id, const QString& dove, int blocchiMinimi) {
            const Partita::Figure f = Partita::ControllaFigure(id);
            for (const QString& d : f.difetti)
                difetti << dove + ": " + d;
            if (f.blocchi < blocchiMinimi)
                difetti << QStringLiteral("%1: %2 block pictures shown, %3 expected").arg(dove).arg(f.blocchi).arg(blocchiMinimi);
        };
        cronometro("start screen", [] { Modulo1::Main(); SvuotaEventi(); });
        controlla(IdSchermo::FormAvvio, "start screen", 3);
        cronometro("menu", [] { QTest::mouseClick(Ctl(IdSchermo::FormAvvio, "Label1"), Qt::LeftButton); SvuotaEventi(); });
        for (const Partita::VoceGioco& gioco : Partita::Giochi()) {
            const QString nome = QString::fromUtf8(gioco.nome);
            cronometro("open " + nome, [&] { Partita::ApriDalMenu(gioco); });
            if (!Schermi::Trova(gioco.id)->caricato()) {
                difetti << nome + " did not open";
                continue;
            }
            controlla(gioco.id, "open " + nome, gioco.blocchiAllInizio);
            if (gioco.id == IdSchermo::form1)
                cronometro("help " + nome, [] { QTest::mouseClick(Gioco<form1>(IdSchermo::form1).controlli().Command1, Qt::LeftButton); });
            if (gioco.id == IdSchermo::zirp8)
                cronometro("help " + nome, [] {
                    for (int i = 0; i < 3; ++i)
                        QTest::mouseClick(Gioco<zirp8>(IdSchermo::zirp8).controlli().Command2, Qt::LeftButton);
                });
            for (const bool giusta : {false, true, false, true}) {
                bool fatto = false;
                cronometro((giusta ? "right answer in " : "wrong answer in ") + nome,
                           [&] { fatto = giusta ? Partita::Giusta(gioco.id) : Partita::Sbagliata(gioco.id); });
                if (!fatto && giusta)
                    difetti << nome + ": no right answer could be given";
                controlla(gioco.id, nome + " after an answer", 0);
            }
            cronometro("leave " + nome, [&] { Partita::TornaAlMenu(a, gioco.id); });
            if (!Schermi::Trova(IdSchermo::formMenu)->caricato())
                difetti << nome + ": the menu did not come back";
        }
    }

private slots:
    void initTestCase()
    {
        sentinella = new Sentinella;
        // The real sound channel plays every answer, with no audio output to
        // reach (an audio server nobody runs): a machine without sound must
        // be as quiet and quick as any, and a test run makes no noise.
        qputenv("PULSE_SERVER", "unix:/nonexistent/tesselo-no-audio");
        qInfo("audio output: %s", QMediaDevices::defaultAudioOutput().isNull()
                                      ? "none" : qPrintable(QMediaDevices::defaultAudioOutput().description()));
    }
    void cleanupTestCase() { delete sentinella; }

    void fileRotti_data()
    {
        QTest::addColumn<Classe>("classe");
        QTest::addColumn<Danno>("danno");
        QTest::addColumn<Avvisi>("avvisi");
        struct Riga {
            const char* nome;
            Danno danno;
            bool immagini, suoni;
            Avvisi avvisi;
        };
        const Riga righe[] = {
            {"missing", Danno::Mancante, true, true, Avvisi::Uno},
            {"empty", Danno::Vuoto, true, true, Avvisi::Uno},
            {"one byte", Danno::UnByte, true, true, Avvisi::Uno},
            {"header only", Danno::Intestazione, true, true, Avvisi::Uno},
            {"cut at 10%", Danno::Tronco10, true, true, Avvisi::Uno},
            {"cut at 50%", Danno::Tronco50, true, true, Avvisi::Uno},
            {"cut at 99%", Danno::Tronco99, true, true, Avvisi::Uno},
            {"random bytes", Danno::Casuale, true, true, Avvisi::Uno},
            {"PNG inside", Danno::Png, true, false, Avvisi::Nessuno},
            {"WAV inside", Danno::Wav, true, false, Avvisi::Uno},
            {"JPEG inside", Danno::Jpeg, false, true, Avvisi::Uno},
            {"65000 x 65000 pixels", Danno::Enorme, true, false, Avvisi::Uno},
            {"data chunk claims more", Danno::Bugiardo, false, true, Avvisi::Uno},
            {"folder", Danno::Cartella, true, true, Avvisi::Uno},
            {"FIFO", Danno::Fifo, true, true, Avvisi::Uno},
            {"unreadable", Danno::Illeggibile, true, true, Avvisi::Uno},
            {"whole folder missing", Danno::CartellaMancante, true, true, Avvisi::Uno},
        };
        const std::pair<Classe, const char*> classi[] = {
            {Classe::Blocchi, "blocks"}, {Classe::Attributi, "attributes"}, {Classe::Suoni, "sounds"},
            {Classe::Voci, "voices"}};
        for (const auto& [classe, nomeClasse] : classi)
            for (const Riga& r : righe) {
                if (!FileJpeg(classe) ? !r.suoni : !r.immagini)
                    continue;
                // One missing folder takes both picture classes away.
                if (r.danno == Danno::CartellaMancante && classe == Classe::Attributi)
                    continue;
                QTest::addRow("%s: %s", nomeClasse, r.nome)
                    << classe << r.danno << r.avvisi;
            }
    }

    // Every file of a class damaged the same way in a copy of the media
    // folders; every screen opened from the menu and played; then every file
    // of the class loaded once more. No action takes two seconds, no message
    // box appears but the ones asked for, every block picture shows
    // something and is named by its words, and each damaged file is named on
    // standard error once.
    void fileRotti()
    {
        QFETCH(Classe, classe);
        QFETCH(Danno, danno);
        QFETCH(Avvisi, avvisi);

        // Unreadable files are read with the rights of an ordinary user,
        // which means dropping this thread's capabilities for a while. That
        // is done in a process of its own (this very suite, running the one
        // case): LeakSanitizer's end-of-run check cannot stop the threads of
        // a process whose credentials were changed, and it crashes there.
        if (danno == Danno::Illeggibile && !qEnvironmentVariableIsSet(FiglioSenzaPermessi)) {
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(FiglioSenzaPermessi, "1");
            const QString asan = ambiente.value("ASAN_OPTIONS");
            ambiente.insert("ASAN_OPTIONS", asan + (asan.isEmpty() ? "" : ":") + "detect_leaks=0");
            const CasoFiglio figlio(ambiente, 240000);
            if (figlio.saltato)
                QSKIP("this process reads files whatever their permissions and cannot drop that right");
            QVERIFY2(figlio.passato, qPrintable(figlio.uscita));
            return;
        }

        QTemporaryDir cartella;
        CopiaMedia(cartella.path(), classe);
        QStringList danneggiati = FileDi(cartella.path(), classe);
        if (danno == Danno::CartellaMancante) {
            const char* sotto = classe == Classe::Voci ? "voci" : classe == Classe::Suoni ? "suoni" : "jpg";
            fs::remove_all(fs::path(cartella.filePath(sotto).toStdString()));
            if (FileJpeg(classe))
                danneggiati += FileDi(cartella.path(), Classe::Attributi);
        } else {
            for (const QString& file : danneggiati)
                Danneggia(file, danno, classe);
        }
        QStringList tutti;
        for (Classe c : {Classe::Blocchi, Classe::Attributi, Classe::Suoni, Classe::Voci})
            tutti += FileDi(cartella.path(), c);

        std::optional<ComeUtenteComune> utenteComune;
        if (danno == Danno::Illeggibile) {
            utenteComune.emplace();
            if (QFile(danneggiati.first()).open(QIODevice::ReadOnly))
                QSKIP("this process reads files whatever their permissions and cannot drop that right");
        }

        Ambiente a;
        servizi().cartellaApplicazione = cartella.path();
        servizi().suono = std::make_unique<CanaleAudio>();
        Cronometro cronometro;
        QStringList difetti;
        QString uscitaErrori;
        {
            CatturaStderr cattura;
            GiocaTutto(a, cronometro, difetti);
            // Each file of the class once more, whether play reached it or not.
            for (const QString& file : danneggiati) {
                if (classe == Classe::Voci) {
                    cronometro("speak " + file, [&] { servizi().suono->playVoice(file); });
                    continue;
                }
                if (file.endsWith(".wav")) {
                    cronometro("play " + file, [&] { servizi().suono->playSound(file); });
                    continue;
                }
                Immagine figura;
                cronometro("load " + file, [&] { figura.carica(file); });
                const auto blocco = BloccoDaPercorso(file);
                if (blocco && (figura.vuota() || figura.accessibleName() != blocco->nome()))
                    difetti << file + ": block picture empty or misnamed \"" + figura.accessibleName() + '"';
                if (danno == Danno::Png && !Verde(MediaColore(figura.immagine())))
                    difetti << file + ": the PNG it holds is not shown";
            }
            servizi().suono.reset(); // the real channel goes while errors are still watched
            uscitaErrori = cattura.testo();
        }
        utenteComune.reset();

        QStringList estranei;
        const QMap<QString, int> conta = ContaAvvisi(uscitaErrori, tutti, estranei);
        for (const QString& file : tutti) {
            const int n = conta.value(file);
            const bool danneggiato = danneggiati.contains(file);
            if (!danneggiato && n != 0)
                difetti << QStringLiteral("%1: %2 warnings for an undamaged file").arg(file).arg(n);
            else if (danneggiato && n != (avvisi == Avvisi::Uno ? 1 : 0))
                difetti << QStringLiteral("%1: %2 warning lines").arg(file).arg(n);
        }
        for (const QString& riga : estranei)
            difetti << "unexpected warning: " + riga;
        if (!FileJpeg(classe))
            for (const QString& riga : MotiviSbagliati(uscitaErrori, danno))
                difetti << "wrong reason: " + riga;
        for (const Messaggio& m : a.messaggi)
            if (m.testo != QStringLiteral("Vuoi tornare al menù?"))
                difetti << "message box: " + m.testo;
        if (a.messaggi.size() != Partita::Giochi().size())
            difetti << QStringLiteral("%1 message boxes, %2 asked for").arg(a.messaggi.size()).arg(Partita::Giochi().size());
        for (const QString& azione : cronometro.modali)
            difetti << "a modal window stayed up after: " + azione;
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.mid(0, 12).join('\n')));
        QVERIFY2(cronometro.peggiore < 2000,
                 qPrintable(QStringLiteral("%1 took %2 ms").arg(cronometro.quale).arg(cronometro.peggiore)));
    }

    void suonoRotto_ogniCodifica_data()
    {
        QTest::addColumn<int>("codifica");
        QTest::addColumn<int>("canali");
        QTest::addColumn<Danno>("danno");
        const std::pair<int, const char*> codifiche[] = {
            {SF_FORMAT_PCM_U8, "8-bit PCM"}, {SF_FORMAT_PCM_16, "16-bit PCM"}, {SF_FORMAT_PCM_24, "24-bit PCM"},
            {SF_FORMAT_PCM_32, "32-bit PCM"}, {SF_FORMAT_FLOAT, "32-bit float"}, {SF_FORMAT_DOUBLE, "64-bit float"},
            {SF_FORMAT_ULAW, "u-law"}, {SF_FORMAT_ALAW, "A-law"}, {SF_FORMAT_IMA_ADPCM, "IMA ADPCM"},
            {SF_FORMAT_MS_ADPCM, "MS ADPCM"}};
        const std::pair<Danno, const char*> danni[] = {
            {Danno::Vuoto, "empty"}, {Danno::UnByte, "one byte"}, {Danno::Intestazione, "header only"},
            {Danno::Tronco10, "cut at 10%"}, {Danno::Tronco50, "cut at 50%"}, {Danno::Tronco99, "cut at 99%"},
            {Danno::Casuale, "random bytes"}, {Danno::Bugiardo, "data chunk claims more"}};
        int riga = 0;
        for (const auto& [codifica, nomeCodifica] : codifiche)
            for (const auto& [danno, nomeDanno] : danni) {
                const int canali = 1 + riga++ % 2;
                QTest::addRow("%s %s: %s", nomeCodifica, canali == 1 ? "mono" : "stereo", nomeDanno)
                    << codifica << canali << danno;
            }
    }

    // A recording in any WAV encoding, damaged as a copy or a disk may damage
    // it, is played by the real sound channel at once (as the program's own
    // short sound in its place) and named by one warning line that says why.
    void suonoRotto_ogniCodifica()
    {
        QFETCH(int, codifica);
        QFETCH(int, canali);
        QFETCH(Danno, danno);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("si1.wav");
        QVERIFY(ScriviTono(percorso, codifica, canali, 22050, 1.0));
        Danneggia(percorso, danno, Classe::Suoni);

        QString uscitaErrori;
        QElapsedTimer t;
        {
            CatturaStderr cattura;
            CanaleAudio canale;
            t.start();
            canale.playSound(percorso);
            QCoreApplication::processEvents();
            uscitaErrori = cattura.testo();
        }
        QVERIFY2(t.elapsed() < 2000, qPrintable(QStringLiteral("%1 ms").arg(t.elapsed())));
        QStringList estranei;
        const int avvisi = ContaAvvisi(uscitaErrori, {percorso}, estranei).value(percorso);
        QVERIFY2(avvisi == 1 && estranei.isEmpty(),
                 qPrintable(QStringLiteral("%1 warning lines for the file; other lines: %2\n%3")
                                .arg(avvisi).arg(estranei.join('\n')).arg(uscitaErrori)));
        QVERIFY2(MotiviSbagliati(uscitaErrori, danno).isEmpty(), qPrintable(uscitaErrori));
    }

    // A teacher's photograph carries a thumbnail, a whole small JPEG among
    // its headers: complete, the photograph shows; cut short, it counts as
    // damaged all the same, and the block is drawn by the program.
    void fotografiaConMiniatura_tagliataComunqueRiconosciuta()
    {
        const QByteArray miniatura = Codifica(Tinta(Qt::red).scaled(16, 16), "jpeg");
        QByteArray app1("\xFF\xE1", 2);
        const int lunghezza = 2 + 6 + int(miniatura.size());
        app1 += char(lunghezza >> 8);
        app1 += char(lunghezza & 0xFF);
        app1 += QByteArray("Exif\0\0", 6) + miniatura;
        const QByteArray principale = Codifica(Tinta(Qt::green), "jpeg");
        const QByteArray foto = principale.left(2) + app1 + principale.mid(2);

        QTemporaryDir cartella;
        QVERIFY(QDir().mkpath(cartella.filePath("jpg/blu")));
        const QString file = B("rettangolo", "blu", "piccolo", "sottile").percorso(cartella.path());
        Immagine figura;
        Scrivi(file, foto);
        figura.carica(file);
        QVERIFY(Verde(MediaColore(figura.immagine())));
        CatturaStderr cattura;
        Scrivi(file, foto.left(foto.size() - 40));
        figura.carica(file);
        QVERIFY(!figura.vuota());
        QVERIFY(!Verde(MediaColore(figura.immagine())));
        QVERIFY(cattura.testo().contains(QDir::toNativeSeparators(file)));
    }

    void fileSostituito_data()
    {
        QTest::addColumn<Classe>("classe");
        QTest::newRow("block picture") << Classe::Blocchi;
        QTest::newRow("attribute picture") << Classe::Attributi;
    }

    // A picture replaced by another of the same size, with the same time
    // stamp, shows its new picture the next time a screen loads it.
    void fileSostituito()
    {
        QFETCH(Classe, classe);
        QTemporaryDir cartella;
        CopiaMedia(cartella.path(), classe);
        Ambiente a;
        servizi().cartellaApplicazione = cartella.path();

        const Blocco blocco = B("quadrato", "rosso", "grande", "spesso");
        Immagine* figura = nullptr;
        QString file;
        // Shows the picture on a screen: the start screen's first block, or
        // the first help picture of "uguale - diverso" for the colour.
        auto mostra = [&] {
            if (classe == Classe::Blocchi) {
                if (Schermi::Trova(IdSchermo::FormAvvio)->caricato())
                    Schermi::Trova(IdSchermo::FormAvvio)->Scarica();
                SvuotaEventi();
                a.caso.accoda({RndPer(1, 18)});
                for (int i = 0; i < 3; ++i)
                    a.caso.accoda(RndPerBlocco(blocco));
                Modulo1::Main();
                figura = Ctl<Immagine>(IdSchermo::FormAvvio, "Image1");
                file = blocco.percorso(cartella.path());
            } else {
                if (!Schermi::Trova(IdSchermo::form1)->caricato())
                    Schermi::Mostra(IdSchermo::form1);
                auto& g = Gioco<form1>(IdSchermo::form1);
                QTest::mouseClick(g.controlli().Command1, Qt::LeftButton);
                figura = g.controlli().aiuto[0];
                const char* primo[] = {"cerchio", "grande", "spesso", "rosso"};
                file = cartella.filePath(QStringLiteral("jpg/%1.jpg").arg(primo[g.Attributo - 1]));
            }
            SvuotaEventi();
        };
        mostra();
        QVERIFY(!figura->vuota());
        const QRgb prima = MediaColore(figura->immagine());
        QVERIFY(!Verde(prima));

        struct stat vecchio {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &vecchio) == 0);
        Scrivi(file, JpegDiLunghezza(Qt::green, vecchio.st_size));
        const timespec tempi[2] = {vecchio.st_atim, vecchio.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), tempi, 0) == 0);
        struct stat nuovo {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &nuovo) == 0);
        QCOMPARE(nuovo.st_size, vecchio.st_size);
        QCOMPARE(nuovo.st_mtim.tv_sec, vecchio.st_mtim.tv_sec);

        mostra();
        QVERIFY2(Verde(MediaColore(figura->immagine())), qPrintable(QString::number(MediaColore(figura->immagine()), 16)));
        QVERIFY(a.messaggi.isEmpty());
    }
};

TESSELO_TEST_MAIN(ProvaMediaRotti)
#include "tst_media_rotti.moc"
