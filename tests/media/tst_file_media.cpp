#include "app/CanaleAudio.h"
#include "app/FileSicuri.h"
#include "app/Immagini.h"
#include "app/Wav.h"
#include "controls/Immagine.h"
#include "tests/support/Ambiente.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "tests/support/WavDaFile.h"
#include "SoundSynth.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QThread>
#include <sndfile.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>
#include <vector>

namespace {

QByteArray Jpeg(QColor colore, QSize lato = {40, 40})
{
    QImage img(lato, QImage::Format_RGB32);
    img.fill(colore);
    return Codifica(img, "jpeg");
}

// Sets the time of last change of a file or folder to secondi before the
// test run started (whole seconds, so that equal ages are equal times).
void Eta(const QString& percorso, int secondi)
{
    static const std::time_t inizio = std::time(nullptr);
    const timespec tempi[2] = {{inizio - secondi, 0}, {inizio - secondi, 0}};
    QVERIFY(::utimensat(AT_FDCWD, qPrintable(percorso), tempi, 0) == 0);
}

QRgb Centro(const QImage& img)
{
    return img.pixel(img.width() / 2, img.height() / 2);
}

} // namespace

class ProvaMedia : public QObject {
    Q_OBJECT
private slots:
    void trovaFile_ignoraLeMaiuscoleMaNonPrendeCartelleNeFifo()
    {
        QTemporaryDir d;
        Scrivi(d.filePath("jpg/rosso.jpg"), "x");
        QCOMPARE(TrovaFile(d.filePath("jpg/ROSSO.jpg")), d.filePath("jpg/rosso.jpg"));
        QCOMPARE(TrovaFile(d.filePath("JPG/Rosso.JPG")), d.filePath("jpg/rosso.jpg"));
        QVERIFY(TrovaFile(d.filePath("jpg/blu.jpg")).isEmpty());
        QDir().mkpath(d.filePath("jpg/giallo.jpg"));
        QVERIFY(TrovaFile(d.filePath("jpg/giallo.jpg")).isEmpty());
        QVERIFY(::mkfifo(qPrintable(d.filePath("jpg/blu.jpg")), 0600) == 0);
        QVERIFY(TrovaFile(d.filePath("jpg/blu.jpg")).isEmpty());
        QVERIFY(!LeggiFileRegolare(d.filePath("jpg/blu.jpg"), 1000)); // must not block
    }

    // Among names in one folder that differ only in letter case, the file
    // changed last is read (on a tie, the one named as asked); a folder of
    // such a name never counts.
    void trovaFile_traNomiDiverseMaiuscoleVinceIlPiuRecente_data()
    {
        QTest::addColumn<QStringList>("file"); // name:seconds ago; "/" at the end makes a folder
        QTest::addColumn<QString>("chiesto");
        QTest::addColumn<QString>("trovato");
        const QStringList pari{"t.JPG:50", "t.jpg:50"};
        QTest::newRow("copy newer") << QStringList{"t.JPG:100", "t.jpg:10"} << "t.JPG" << "t.jpg";
        QTest::newRow("original newer") << QStringList{"t.JPG:10", "t.jpg:100"} << "t.JPG" << "t.JPG";
        QTest::newRow("tie, lower case asked") << pari << "t.jpg" << "t.jpg";
        QTest::newRow("tie, upper case asked") << pari << "t.JPG" << "t.JPG";
        QTest::newRow("tie, neither asked") << QStringList{"t.Jpg:50", "T.jpg:50", "t.JPG:50"} << "t.jpg" << "T.jpg";
        QTest::newRow("newer folder") << QStringList{"t.JPG:100", "t.jpg/:10"} << "t.jpg" << "t.JPG";
        QTest::newRow("folder in other capitals") << QStringList{"Rosso/t.JPG:100", "Rosso/T.jpg:10"} << "rosso/t.JPG"
                                                  << "Rosso/T.jpg";
    }
    void trovaFile_traNomiDiverseMaiuscoleVinceIlPiuRecente()
    {
        QFETCH(QStringList, file);
        QFETCH(QString, chiesto);
        QFETCH(QString, trovato);
        QTemporaryDir d;
        for (const QString& f : file) {
            const QString nome = d.filePath(f.section(':', 0, 0));
            if (nome.endsWith('/'))
                QDir().mkpath(nome);
            else
                Scrivi(nome, "x");
            Eta(nome, f.section(':', 1).toInt());
        }
        QCOMPARE(TrovaFile(d.filePath(chiesto)), d.filePath(trovato));
    }

    // Listings of folders left unchanged for a while are kept from one
    // look-up to the next: a file added since, or one whose time changed,
    // is still seen at once.
    void trovaFile_vedeSubitoIFileCambiati()
    {
        QTemporaryDir d;
        const QString vecchia = d.filePath("t.JPG"), nuova = d.filePath("t.jpg");
        Scrivi(vecchia, "x");
        Eta(vecchia, 100);
        QThread::sleep(3);
        QCOMPARE(TrovaFile(nuova), vecchia);
        QCOMPARE(TrovaFile(nuova), vecchia);
        Scrivi(nuova, "y");
        QCOMPARE(TrovaFile(vecchia), nuova);
        QThread::sleep(3);
        QCOMPARE(TrovaFile(vecchia), nuova);
        Eta(nuova, 200);
        QCOMPARE(TrovaFile(nuova), vecchia);
        QFile::remove(vecchia);
        QCOMPARE(TrovaFile(vecchia), nuova);
    }

    // A block picture that cannot be read is drawn by the program from its
    // words; any other picture stays empty. Nothing stops or hangs.
    void caricaFigura_resisteAFileMancantiRottiEnormi()
    {
        QTemporaryDir d;
        const QString blocco = d.filePath("jpg/rosso/rotondograndespesso.JPG");
        const QString attributo = d.filePath("jpg/rosso.jpg");

        Figura f = CaricaFigura(blocco); // missing
        QVERIFY(!f.immagine.isNull());
        QCOMPARE(f.nome, QString("rotondo rosso grande spesso"));
        QVERIFY(CaricaFigura(attributo).immagine.isNull());
        QCOMPARE(CaricaFigura(attributo).nome, QString()); // an empty picture says nothing

        Scrivi(blocco, QByteArray(1000, 'z')); // not a picture
        QVERIFY(!CaricaFigura(blocco).immagine.isNull());

        // A JPEG header that claims 65000 × 65000 pixels.
        QByteArray enorme = Jpeg(Qt::green);
        const int sof = enorme.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        enorme[sof + 5] = char(0xFD); enorme[sof + 6] = char(0xE8);
        enorme[sof + 7] = char(0xFD); enorme[sof + 8] = char(0xE8);
        Scrivi(attributo, enorme);
        QElapsedTimer t;
        t.start();
        QVERIFY(CaricaFigura(attributo).immagine.isNull());
        QVERIFY(t.elapsed() < 2000);

        QFile::remove(attributo);
        QDir().mkpath(attributo); // a folder in place of the file
        QVERIFY(CaricaFigura(attributo).immagine.isNull());
    }

    // Pictures are read afresh every time: a file replaced by another of the
    // same size in the same second shows its new picture.
    void caricaFigura_rileggeUnFileSostituito()
    {
        QTemporaryDir d;
        const QString p = d.filePath("jpg/blu.jpg");
        Scrivi(p, Jpeg(Qt::blue));
        Immagine controllo;
        controllo.carica(p);
        QVERIFY(qBlue(Centro(controllo.immagine())) > 200);
        Scrivi(p, Jpeg(Qt::red));
        controllo.carica(p);
        QVERIFY(qRed(Centro(controllo.immagine())) > 200);
        QCOMPARE(controllo.accessibleName(), QString("blu"));
        controllo.svuota();
        QVERIFY(controllo.vuota());
        QCOMPARE(controllo.accessibleName(), QString());
    }

    void fileGenerati_ogniBloccoEOgniAttributoSiLegge()
    {
        Ambiente a;
        for (const Blocco& b : Blocco::tutti()) {
            const QString p = b.percorso(TESSELO_APP_DIR);
            QVERIFY2(QFileInfo(p).isFile(), qPrintable(p));
            QImageReader r(p);
            QVERIFY(r.size().width() >= 400 && r.size().width() == r.size().height());
        }
        for (const char* nome : {"cerchio", "quadrato", "rettangolo", "triangolo", "grande", "piccolo",
                                 "spesso", "sottile", "rosso", "giallo", "blu", "rotondo"})
            QVERIFY2(!QImage(QString(TESSELO_APP_DIR "/jpg/%1.jpg").arg(nome)).isNull(), nome);
        for (const char* nome : {"si1", "si2", "si3", "si4", "no"}) {
            const auto s = LeggiWav(QString(TESSELO_APP_DIR "/suoni/%1.wav").arg(nome));
            QVERIFY2(s, nome);
            QCOMPARE(s->bitPerCampione, 16);
            const double secondi = double(s->campioni.size()) / (s->frequenza * s->canali * 2);
            QVERIFY2(secondi >= 0.3 && secondi <= 1.0, nome);
        }
    }

    // The real sound channel, with whatever audio this machine has (often
    // none): damaged files are silent, and nothing ever waits on a sound.
    void canaleAudio_fileRottiNonBloccanoNulla()
    {
        QTemporaryDir d;
        const QByteArray buono = Media::sintetizzaWav(2);
        Scrivi(d.filePath("troncato.wav"), buono.left(buono.size() / 2));
        Scrivi(d.filePath("buono.wav"), buono);
        QVERIFY(::mkfifo(qPrintable(d.filePath("fifo.wav")), 0600) == 0);
        QElapsedTimer t;
        t.start();
        {
            CanaleAudio canale;
            for (const char* nome : {"troncato.wav", "fifo.wav", "mancante.wav", "buono.wav", "troncato.wav",
                                     "buono.wav", "buono.wav"})
                canale.playSound(d.filePath(nome));
        }
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    }

    // A truncated WAV, or one whose data chunk claims more than the file
    // holds, gives nothing: such a file must never reach the audio layer.
    void analizzaWav_rifiutaFileTroncatiOFalsi()
    {
        const QByteArray buono = Media::sintetizzaWav(1);
        QVERIFY(AnalizzaWav(buono));
        for (double frazione : {0.0, 0.01, 0.1, 0.5, 0.99})
            QVERIFY(!AnalizzaWav(buono.left(qsizetype(buono.size() * frazione))));
        QByteArray bugiardo = buono;
        const int data = bugiardo.indexOf("data");
        bugiardo[data + 7] = char(0x7F);
        QVERIFY(!AnalizzaWav(bugiardo));
        QVERIFY(!AnalizzaWav(Jpeg(Qt::red)));
        QByteArray rumore(4096, 0);
        for (int i = 0; i < rumore.size(); ++i)
            rumore[i] = char((i * 7919) % 251);
        QVERIFY(!AnalizzaWav(rumore));
        QVERIFY(!LeggiWav("/percorso/che/non/esiste.wav"));
    }

    // Recordings of up to ten minutes play whole; longer ones are refused
    // rather than held in memory. More than two channels come out as one.
    void leggiWav_registrazioniFinoADieciMinuti_data()
    {
        QTest::addColumn<int>("secondi");
        QTest::addColumn<int>("canali");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("ten minutes") << DurataMassimaSuono << 1 << true;
        QTest::newRow("ten minutes and a half") << DurataMassimaSuono + 30 << 1 << false;
        QTest::newRow("four channels") << 2 << 4 << true;
    }
    void leggiWav_registrazioniFinoADieciMinuti()
    {
        QFETCH(int, secondi);
        QFETCH(int, canali);
        QFETCH(bool, accettata);
        QTemporaryDir d;
        const QString percorso = d.filePath("lunga.wav");
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = canali;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
        SNDFILE* sf = sf_open(QFile::encodeName(percorso).constData(), SFM_WRITE, &info);
        QVERIFY(sf);
        std::vector<short> campioni(size_t(info.samplerate) * canali, 8000);
        for (int s = 0; s < secondi; ++s)
            sf_writef_short(sf, campioni.data(), info.samplerate);
        QCOMPARE(sf_close(sf), 0);
        const auto suono = LeggiWav(percorso);
        QCOMPARE(bool(suono), accettata);
        if (suono) {
            QCOMPARE(suono->canali, 1);
            QCOMPARE(suono->campioni.size(), qsizetype(secondi) * info.samplerate * 2);
            QVERIFY(std::abs(reinterpret_cast<const qint16*>(suono->campioni.constData())[100] - 8000) < 300);
        }
    }
};

TESSELO_TEST_MAIN(ProvaMedia)
#include "tst_file_media.moc"
