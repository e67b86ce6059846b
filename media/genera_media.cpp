// tesselo-media: writes every picture and sound the game loads from disk.
//
//   tesselo-media <output folder>           the jpg/ and suoni/ folders
//   tesselo-media --icone <output folder>   the application icon as PNG files
//                                           in the hicolor theme's layout
//   tesselo-media --voci <output folder>    the voci/ folder: every word the
//                                           games show, spoken by espeak-ng in
//                                           every language (the translations
//                                           are read from traduzioni/ there),
//                                           all at one level and trimmed
//
// Files whose content is already up to date are left alone, so rebuilding
// does not change their timestamps.

#include "BlockArt.h"
#include "Lingua.h"
#include "LivelloVoci.h"
#include "Voci.h"
#include "SoundSynth.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <sndfile.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kLato = 480;
constexpr int kQualitaJpeg = 90;

QTextStream& errore()
{
    static QTextStream s(stderr);
    return s;
}

class Scrittore {
public:
    explicit Scrittore(const QString& radice) : radice_(radice) {}

    // Writes `dati` to `relativo` unless the file already holds exactly that.
    bool salva(const QString& relativo, const QByteArray& dati)
    {
        const QString percorso = QDir(radice_).filePath(relativo);
        QFile esistente(percorso);
        if (esistente.open(QIODevice::ReadOnly) && esistente.size() == dati.size() && esistente.readAll() == dati) {
            ++invariati_;
            return true;
        }
        esistente.close();

        if (!QDir().mkpath(QFileInfo(percorso).absolutePath())) {
            errore() << "tesselo-media: cannot create folder for " << percorso << Qt::endl;
            return false;
        }
        QSaveFile file(percorso);
        if (!file.open(QIODevice::WriteOnly) || file.write(dati) != dati.size() || !file.commit()) {
            errore() << "tesselo-media: cannot write " << percorso << ": " << file.errorString() << Qt::endl;
            return false;
        }
        ++scritti_;
        return true;
    }

    bool salvaImmagine(const QString& relativo, const QImage& img, const char* formato, int qualita)
    {
        if (img.isNull()) {
            errore() << "tesselo-media: nothing drawn for " << relativo << Qt::endl;
            return false;
        }
        QByteArray dati;
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, formato);
        writer.setQuality(qualita);
        if (!writer.write(img)) {
            errore() << "tesselo-media: cannot encode " << relativo << ": " << writer.errorString() << Qt::endl;
            return false;
        }
        return salva(relativo, dati);
    }

    bool salvaJpeg(const QString& relativo, const QImage& img)
    {
        return salvaImmagine(relativo, img, "jpeg", kQualitaJpeg);
    }

    QString percorso(const QString& relativo) const { return QDir(radice_).filePath(relativo); }
    int scritti() const { return scritti_; }
    int invariati() const { return invariati_; }

private:
    QString radice_;
    int scritti_ = 0;
    int invariati_ = 0;
};

bool generaBlocchi(Scrittore& s)
{
    const QStringList colori{u"rosso"_s, u"giallo"_s, u"blu"_s};
    const QStringList forme{u"rotondo"_s, u"quadrato"_s, u"rettangolo"_s, u"triangolo"_s};
    const QStringList dimensioni{u"grande"_s, u"piccolo"_s};
    const QStringList spessori{u"spesso"_s, u"sottile"_s};
    for (const QString& colore : colori)
        for (const QString& forma : forme)
            for (const QString& dimensione : dimensioni)
                for (const QString& spessore : spessori) {
                    const QString nome = u"jpg/"_s + colore + u'/' + forma + dimensione + spessore + u".JPG"_s;
                    if (!s.salvaJpeg(nome, Media::disegnaBlocco(forma, colore, dimensione, spessore, kLato)))
                        return false;
                }
    return true;
}

bool generaAttributi(Scrittore& s)
{
    const QStringList parole{u"cerchio"_s, u"rotondo"_s, u"quadrato"_s, u"rettangolo"_s,
                             u"triangolo"_s, u"grande"_s, u"piccolo"_s, u"spesso"_s,
                             u"sottile"_s, u"rosso"_s, u"giallo"_s, u"blu"_s};
    for (const QString& parola : parole)
        if (!s.salvaJpeg(u"jpg/"_s + parola + u".jpg"_s, Media::disegnaAttributo(parola, kLato)))
            return false;
    return true;
}

bool generaSuoni(Scrittore& s)
{
    for (int i = 1; i <= 4; ++i)
        if (!s.salva(u"suoni/si%1.wav"_s.arg(i), Media::sintetizzaWav(i)))
            return false;
    return s.salva(u"suoni/no.wav"_s, Media::sintetizzaWav(0));
}

bool generaIcone(Scrittore& s)
{
    for (int lato : {16, 24, 32, 48, 64, 128, 256})
        if (!s.salvaImmagine(u"%1x%1/apps/tesselo.png"_s.arg(lato), Media::disegnaIcona(lato), "png", -1))
            return false;
    return true;
}

// Removes the voices of a folder that are no longer among its words (a
// translation that changed leaves its old words behind).
void togliVociVecchie(const QString& cartella, const QSet<QString>& nomi)
{
    const QDir dir(cartella);
    for (const QString& nome : dir.entryList({u"*.wav"_s}, QDir::Files))
        if (!nomi.contains(nome) && !QFile::remove(dir.filePath(nome)))
            errore() << "tesselo-media: cannot remove " << dir.filePath(nome) << Qt::endl;
}

// A voice espeak-ng wrote, read by libsndfile, at the voices' one level and
// without its trailing silence, as the bytes of a WAV file; empty when it
// holds no mono sound.
QByteArray livellata(const QString& wav)
{
    SF_INFO info{};
    SNDFILE* sf = sf_open(QFile::encodeName(wav).constData(), SFM_READ, &info);
    if (!sf)
        return {};
    std::vector<double> campioni(size_t(std::max<sf_count_t>(0, info.frames)));
    const bool letto = info.channels == 1 && sf_readf_double(sf, campioni.data(), info.frames) == info.frames;
    sf_close(sf);
    if (!letto || campioni.empty())
        return {};
    return Media::scriviWav(Media::livellaVoce(campioni, info.samplerate), info.samplerate);
}

// One language's words, into voci/ for Italian and voci/<code>/ for the others.
bool generaVociLingua(Scrittore& s, const QString& lingua, const QString& wav)
{
    QSet<QString> nomi;
    for (const QString& parola : Voci::tutte()) {
        nomi.insert(Voci::nomeFile(parola));
        QProcess espeak;
        espeak.start(u"espeak-ng"_s,
                     Voci::opzioniEspeak(lingua) + QStringList{u"-w"_s, wav, Voci::daLeggere(parola)});
        if (!espeak.waitForFinished(30000) || espeak.exitStatus() != QProcess::NormalExit || espeak.exitCode() != 0) {
            errore() << "tesselo-media: espeak-ng could not speak \"" << parola << "\": "
                     << (espeak.error() == QProcess::FailedToStart ? u"espeak-ng is not installed"_s
                                                                    : QString::fromLocal8Bit(espeak.readAllStandardError()))
                     << Qt::endl;
            return false;
        }
        const QByteArray voce = livellata(wav);
        if (voce.isEmpty()) {
            errore() << "tesselo-media: espeak-ng wrote no sound for \"" << parola << "\"" << Qt::endl;
            return false;
        }
        if (!s.salva(u"voci/"_s + Lingua::SottocartellaVoci(lingua) + Voci::nomeFile(parola), voce))
            return false;
    }
    togliVociVecchie(s.percorso(u"voci/"_s + Lingua::SottocartellaVoci(lingua)), nomi);
    return true;
}

// Every language's words, each language's texts from the translations in
// traduzioni/ of the same folder.
bool generaVoci(Scrittore& s, const QString& radice)
{
    QTemporaryDir appoggio;
    if (!appoggio.isValid()) {
        errore() << "tesselo-media: no temporary folder: " << appoggio.errorString() << Qt::endl;
        return false;
    }
    const QString traduzioni = QDir(radice).filePath(u"traduzioni"_s);
    for (const QString& lingua : Lingua::Disponibili()) {
        if (!Lingua::Imposta(lingua, traduzioni)) {
            errore() << "tesselo-media: no translation tesselo_" << lingua << ".qm in " << traduzioni << Qt::endl;
            return false;
        }
        if (!generaVociLingua(s, lingua, appoggio.filePath(u"voce.wav"_s)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // A core application is enough: it lets Qt find the JPEG plugin, and
    // painting on a QImage needs no display as long as no text is drawn.
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    const bool icone = argomenti.size() == 3 && argomenti.at(1) == u"--icone"_s;
    const bool voci = argomenti.size() == 3 && argomenti.at(1) == u"--voci"_s;
    if (argomenti.size() != 2 && !icone && !voci) {
        errore() << "usage: tesselo-media [--icone | --voci] <output folder>" << Qt::endl;
        return 2;
    }
    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        errore() << "tesselo-media: this Qt has no JPEG writer" << Qt::endl;
        return 1;
    }

    Scrittore scrittore(argomenti.last());
    if (voci ? !generaVoci(scrittore, argomenti.last())
        : icone ? !generaIcone(scrittore)
              : !generaBlocchi(scrittore) || !generaAttributi(scrittore) || !generaSuoni(scrittore))
        return 1;
    QTextStream(stdout) << "tesselo-media: " << scrittore.scritti() << " written, " << scrittore.invariati()
                        << " unchanged" << Qt::endl;
    return 0;
}
