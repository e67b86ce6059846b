#include "app/CanaleAudio.h"
#include "app/CartellaUtente.h"
#include "app/FileSicuri.h"
#include "app/Immagini.h"
#include "app/Modulo1.h"
#include "media/Voci.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/Codifica.h"
#include "tests/support/MainProva.h"
#include "SoundSynth.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray Jpeg(QColor colore)
{
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(colore);
    return Codifica(img, "jpeg");
}

QRgb Centro(const Figura& f)
{
    return f.immagine.pixel(f.immagine.width() / 2, f.immagine.height() / 2);
}

bool Rossa(const Figura& f)
{
    return !f.immagine.isNull() && qRed(Centro(f)) > 200 && qGreen(Centro(f)) < 60;
}

// The program reads its media from one temporary folder, whose pictures are
// all green, and the user's files from another.
struct DueCartelle {
    DueCartelle()
    {
        servizi().cartellaApplicazione = installata.path();
        servizi().cartellaUtente = utente.path() + "/tesselo";
    }
    ~DueCartelle()
    {
        servizi().cartellaApplicazione.clear();
        servizi().cartellaUtente.clear();
        servizi().apriCartella = nullptr; // it may hold a test's locals
        SvuotaCacheFigure();
    }
    QString delGioco(const QString& nome) const { return installata.filePath(nome); }
    QString mio(const QString& nome) const { return utente.filePath("tesselo/" + nome); }
    QTemporaryDir installata, utente;
};

const QString Blocco1 = QStringLiteral("jpg/rosso/triangolograndespesso.JPG");

} // namespace

class ProvaCartellaUtente : public QObject {
    Q_OBJECT
private slots:
    // A user's file replaces the installed one of the same name, whatever the
    // letter case of either, in a single load, in a batch and when prepared
    // ahead of need; a picture the user has not replaced stays the game's.
    void figure_quelleDellUtenteSostituisconoQuelleDelGioco()
    {
        DueCartelle c;
        for (const char* nome : {"jpg/rosso/triangolograndespesso.JPG", "jpg/rosso/rotondograndespesso.JPG",
                                 "jpg/rosso.jpg"})
            Scrivi(c.delGioco(nome), Jpeg(Qt::green));
        Scrivi(c.mio("jpg/rosso/triangolograndespesso.jpg"), Jpeg(Qt::red));
        Scrivi(c.mio("jpg/rosso.jpg"), Jpeg(Qt::red));
        QVERIFY(Rossa(CaricaFigura(c.delGioco(Blocco1))));
        QVERIFY(Rossa(CaricaFigura(c.delGioco("jpg/ROSSO.jpg")))); // as the how-many game asks
        QVERIFY(!Rossa(CaricaFigura(c.delGioco("jpg/rosso/rotondograndespesso.JPG"))));
        const auto figure = CaricaFigure({{c.delGioco(Blocco1), {30, 30}}, {c.delGioco("jpg/rosso.jpg"), {30, 30}}});
        QVERIFY(Rossa(figure[0]) && Rossa(figure[1]));

        // Prepared ahead of need: the load that follows decodes nothing more.
        SvuotaCacheFigure();
        PreparaFigure({c.delGioco(Blocco1)}, {20, 20});
        QVERIFY(AttendiFigurePreparate(5000));
        const qint64 preparati = ByteCacheFigure();
        QVERIFY(preparati > 0);
        QVERIFY(Rossa(CaricaFigura(c.delGioco(Blocco1), {20, 20})));
        QCOMPARE(ByteCacheFigure(), preparati);
    }

    // A user's picture that cannot be shown is named once, and the game's
    // own picture is shown in its place (not the drawing made when the
    // game's own is damaged too).
    void figure_unaFotoRottaDellUtenteLasciaQuellaDelGioco_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::newRow("not a picture") << QByteArray(500, 'x');
        QTest::newRow("cut short") << Jpeg(Qt::red).left(300);
        QTest::newRow("empty") << QByteArray();
    }
    void figure_unaFotoRottaDellUtenteLasciaQuellaDelGioco()
    {
        QFETCH(QByteArray, dati);
        DueCartelle c;
        QImage blu(40, 40, QImage::Format_RGB32);
        blu.fill(Qt::blue);
        Scrivi(c.delGioco(Blocco1), Codifica(blu, "jpeg"));
        Scrivi(c.mio(Blocco1), dati);
        CatturaStderr errori;
        for (int volta = 0; volta < 2; ++volta)
            QVERIFY(qBlue(Centro(CaricaFigura(c.delGioco(Blocco1)))) > 200);
        const QStringList righe = errori.testo().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 1);
        QVERIFY2(righe[0].startsWith("tesselo: " + c.mio(Blocco1) + ": ") && righe[0].endsWith("si usa quella del gioco"),
                 qPrintable(righe[0]));
    }

    // Sounds and voices: the user's file is read in place of the game's, and
    // a damaged one is named, then the game's file is played.
    void suoni_quelliDellUtenteSostituisconoQuelliDelGioco()
    {
        DueCartelle c;
        for (const char* nome : {"suoni/si1.wav", "suoni/no.wav", "voci/rosso.wav"})
            Scrivi(c.delGioco(nome), Media::sintetizzaWav(1));
        Scrivi(c.mio("suoni/SI1.WAV"), Media::sintetizzaWav(2));
        Scrivi(c.mio("voci/rosso.wav"), Media::sintetizzaWav(3));
        Scrivi(c.mio("suoni/no.wav"), "RIFF rotto");
        QCOMPARE(FileDaProvare(c.delGioco("suoni/si1.wav")), QStringList({c.mio("suoni/SI1.WAV"), c.delGioco("suoni/si1.wav")}));
        QCOMPARE(FileDaProvare(c.delGioco("voci/rosso.wav")).first(), c.mio("voci/rosso.wav"));
        QCOMPARE(FileDaProvare(c.delGioco("voci/blu.wav")), QStringList{c.delGioco("voci/blu.wav")});
        CatturaStderr errori;
        {
            CanaleAudio canale;
            canale.playSound(c.delGioco("suoni/no.wav"));
        }
        const QString testo = errori.testo();
        QVERIFY2(testo.contains(c.mio("suoni/no.wav") + ": non è un file WAV; si usa quello del gioco"), qPrintable(testo));
        QVERIFY2(!testo.contains(c.delGioco("suoni/no.wav")), qPrintable(testo));
    }

    // --apri-cartella: every subfolder is made, LEGGIMI.txt names every file
    // the build's media hold, the teacher's own files are left as they are,
    // and the folder is shown.
    void apriCartella_preparaLaCartellaSenzaToccareIFileDellInsegnante()
    {
        DueCartelle c;
        Scrivi(c.mio("jpg/rosso/triangolograndespesso.jpg"), "foto della classe");
        Scrivi(c.mio("LEGGIMI.txt"), "vecchio");
        const QDateTime quando = QFileInfo(c.mio("jpg/rosso/triangolograndespesso.jpg")).lastModified();
        QStringList aperte;
        servizi().apriCartella = [&](const QString& cartella) { aperte << cartella; return true; };
        QCOMPARE(ApriCartellaUtente(), 0);
        QCOMPARE(aperte, QStringList{c.mio("").chopped(1)});
        for (const char* sotto : {"jpg/rosso", "jpg/giallo", "jpg/blu", "suoni", "voci"})
            QVERIFY2(QFileInfo(c.mio(sotto)).isDir(), sotto);
        QFile vecchia(c.mio("jpg/rosso/triangolograndespesso.jpg"));
        QVERIFY(vecchia.open(QIODevice::ReadOnly));
        QCOMPARE(vecchia.readAll(), QByteArray("foto della classe"));
        QCOMPARE(QFileInfo(vecchia).lastModified(), quando);

        QFile leggimi(c.mio("LEGGIMI.txt"));
        QVERIFY(leggimi.open(QIODevice::ReadOnly));
        const QString testo = QString::fromUtf8(leggimi.readAll());
        const QDir media(TESSELO_APP_DIR);
        QMap<QString, int> perCartella;
        for (QDirIterator i(media.path(), {"*.jpg", "*.JPG", "*.wav"}, QDir::Files, QDirIterator::Subdirectories);
             i.hasNext();) {
            const QString nome = media.relativeFilePath(i.next());
            ++perCartella[QFileInfo(nome).path().section('/', 0, 0) + (nome.count('/') > 1 ? "/*" : "")];
            QVERIFY2(testo.contains("  " + nome + ' '), qPrintable(nome));
        }
        QCOMPARE(perCartella["jpg/*"], 48);
        QCOMPARE(perCartella["jpg"], 12);
        QCOMPARE(perCartella["suoni"], 5);
        QCOMPARE(perCartella["voci"], Voci::tutte().size());
    }

    void apriCartella_unErroreEUnaRigaEUnEsitoNonNullo_data()
    {
        QTest::addColumn<QString>("cartella"); // in the user's temporary folder
        QTest::addColumn<bool>("siApre");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no home") << QString() << true << "nessuna cartella personale";
        QTest::newRow("cannot be made") << "file/tesselo" << true << "impossibile creare la cartella";
        QTest::newRow("no file manager") << "tesselo" << false << "impossibile mostrare la cartella";
    }
    void apriCartella_unErroreEUnaRigaEUnEsitoNonNullo()
    {
        QFETCH(QString, cartella);
        QFETCH(bool, siApre);
        QFETCH(QString, messaggio);
        DueCartelle c;
        Scrivi(c.utente.filePath("file"), "un file, non una cartella");
        servizi().cartellaUtente = cartella.isNull() ? QString() : c.utente.filePath(cartella);
        servizi().apriCartella = [&](const QString&) { return siApre; };
        CatturaStderr errori;
        QCOMPARE(ApriCartellaUtente(), 1);
        const QString testo = errori.testo();
        QCOMPARE(testo.count('\n'), 1);
        QVERIFY2(testo.startsWith("tesselo: " + messaggio), qPrintable(testo));
    }

    // The program itself: the option makes and shows the folder in
    // $XDG_DATA_HOME with the desktop's opener and starts no game; an
    // unknown option is refused.
    void programma_opzioni_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<bool>("casa");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("uscita");
        QTest::newRow("--apri-cartella") << QStringList{"--apri-cartella"} << true << 0 << "";
        QTest::newRow("without a home") << QStringList{"--apri-cartella"} << false << 1 << "tesselo: nessuna";
        QTest::newRow("--help") << QStringList{"--help"} << true << 0 << "";
        QTest::newRow("unknown") << QStringList{"--cartella"} << true << 2 << "uso: tesselo [--apri-cartella]\n";
        QTest::newRow("two options") << QStringList{"--apri-cartella", "--help"} << true << 2 << "uso: tesselo";
    }
    void programma_opzioni()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(bool, casa);
        QFETCH(int, esito);
        QFETCH(QString, uscita);
        QTemporaryDir d;
        // A stand-in for xdg-open that writes down what it was asked to open.
        Scrivi(d.filePath("bin/xdg-open"), "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/aperta\"\n");
        QFile(d.filePath("bin/xdg-open")).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("PATH", d.filePath("bin") + ':' + ambiente.value("PATH"));
        ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        ambiente.insert("HOME", casa ? d.path() : "");
        if (casa)
            ambiente.insert("XDG_DATA_HOME", d.filePath("dati"));
        else
            ambiente.remove("XDG_DATA_HOME");
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.start(TESSELO_APP_DIR "/tesselo", argomenti);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), esito);
        const QString errori = p.readAllStandardError();
        QVERIFY2(uscita.isEmpty() ? errori.isEmpty() : errori.startsWith(uscita), qPrintable(errori));
        const bool aperta = argomenti == QStringList{"--apri-cartella"} && casa;
        QCOMPARE(QFileInfo(d.filePath("dati/tesselo/LEGGIMI.txt")).isFile(), aperta);
        if (aperta) {
            QTRY_VERIFY(QFileInfo(d.filePath("bin/aperta")).size() > 0);
            QFile f(d.filePath("bin/aperta"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().trimmed(), d.filePath("dati/tesselo").toUtf8());
        }
    }
};

TESSELO_TEST_MAIN(ProvaCartellaUtente)
#include "tst_cartella_utente.moc"
