#include "app/CanaleAudio.h"
#include "app/Modulo1.h"
#include "app/Wav.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "media/LivelloVoci.h"
#include "media/Voci.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"
#include "tests/support/ServerAudio.h"
#include "tests/support/WavDaFile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>
#include <cmath>
#include <numeric>

// The spoken words: every word a game shows has its voice beside the program,
// a click on a word speaks it and does nothing else a label would not do, the
// question key speaks the question, and nothing is ever spoken unasked.

namespace {

QString VoceDi(const QString& testo)
{
    return QStringLiteral(TESSELO_APP_DIR "/voci/") + Voci::nomeFile(testo);
}

const Partita::VoceGioco& GiocoDi(IdSchermo id)
{
    for (const Partita::VoceGioco& g : Partita::Giochi())
        if (g.id == id)
            return g;
    qFatal("no such game");
}

void Apri(IdSchermo id)
{
    Partita::AvviaFinoAlMenu();
    Partita::ApriDalMenu(GiocoDi(id));
    SvuotaEventi();
}

// What sox measures of a sound file: its length in seconds and its RMS
// amplitude (0 to 1).
struct Misura {
    double secondi = 0;
    double rms = 0;
};

Misura Misura_(const QString& file)
{
    QProcess sox;
    sox.start(QStringLiteral("sox"), {file, QStringLiteral("-n"), QStringLiteral("stat")});
    if (!sox.waitForFinished(10000) || sox.exitCode() != 0)
        return {};
    Misura m;
    for (const QString& riga : QString::fromLocal8Bit(sox.readAllStandardError()).split('\n')) {
        const QStringList parti = riga.split(':');
        if (parti.size() != 2)
            continue;
        if (parti[0].trimmed() == QLatin1String("Length (seconds)"))
            m.secondi = parti[1].trimmed().toDouble();
        if (parti[0].trimmed() == QLatin1String("RMS     amplitude"))
            m.rms = parti[1].trimmed().toDouble();
    }
    return m;
}

// What a voice file holds, measured on the samples the game's own decoder
// gives (mono, or nothing): its peak in dBFS; its level, the mean power of
// the 50 ms blocks above -50 dBFS that are no more than 10 dB below those
// blocks' mean; the seconds of silence (nothing above -50 dBFS) before its
// first sound and after its last.
struct Ascolto {
    double picco = 0, livello = -INFINITY, prima = 0, dopo = 0;
};

std::optional<Ascolto> Ascolta(const QString& file)
{
    const std::optional<SuonoPcm> pcm = LeggiWav(file);
    if (!pcm || pcm->canali != 1)
        return {};
    const auto* s = reinterpret_cast<const qint16*>(pcm->campioni.constData());
    const qsizetype n = pcm->campioni.size() / 2, lato = pcm->frequenza / 20;
    qsizetype primo = n, ultimo = -1;
    int picco = 0;
    QList<double> blocchi{0};
    for (qsizetype i = 0; i < n; ++i) {
        picco = std::max(picco, std::abs(int(s[i])));
        if (std::abs(s[i]) > 32768 * std::pow(10.0, -50 / 20.0)) {
            primo = std::min(primo, i);
            ultimo = i;
        }
        blocchi.back() += double(s[i]) * s[i] / (32768.0 * 32768.0 * lato);
        if ((i + 1) % lato == 0)
            blocchi << 0;
    }
    blocchi.removeLast(); // not a whole block
    const auto media = [](const QList<double>& p) { return std::accumulate(p.begin(), p.end(), 0.0) / p.size(); };
    blocchi.removeIf([](double p) { return p <= 1e-5; });
    Ascolto a{20 * std::log10(picco / 32768.0), -INFINITY, double(primo) / pcm->frequenza,
              double(n - 1 - ultimo) / pcm->frequenza};
    if (!blocchi.isEmpty()) {
        const double soglia = media(blocchi) / 10;
        blocchi.removeIf([soglia](double p) { return p < soglia; });
        a.livello = 10 * std::log10(media(blocchi));
    }
    return a;
}

// Texts a game shows that are not words to hear: the score labels and the
// chain's letters (their words stand beside them as labels of their own).
bool DaNonDire(const QString& testo)
{
    static const QRegularExpression punteggio(QStringLiteral("^(esatti|errati|Esatti|Errati) +-?\\d+$"));
    static const QStringList sempre{"", "esatti", "errati", "F", "C", "D", "S", "N"};
    return sempre.contains(testo) || punteggio.match(testo).hasMatch();
}

} // namespace

class ProvaVoci : public QObject {
    Q_OBJECT
private slots:
    // The file-name rule is safe for case, accents, blanks, line breaks and
    // question marks; texts that are not words of the games have no voice.
    void nomeFile_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("voce");
        QTest::newRow("condizione") << "NON ROSSO" << "non_rosso.wav" << true;
        QTest::newRow("domanda") << "Cosa cambia?" << "cosa_cambia.wav" << true;
        QTest::newRow("descrizione") << "TRIANGOLO\r\nROSSO\r\nGRANDE\r\nSPESSO"
                                     << "triangolo_rosso_grande_spesso.wav" << true;
        QTest::newRow("maiuscola") << "Aiuto" << "aiuto.wav" << true;
        QTest::newRow("numero") << "7" << "7.wav" << true;
        QTest::newRow("accenti") << "Perché sì  ?" << "perche_si.wav" << false;
        QTest::newRow("punteggio") << "esatti   3" << "esatti_3.wav" << false;
        QTest::newRow("solo segni") << " ? " << ".wav" << false;
    }
    void nomeFile()
    {
        QFETCH(QString, testo);
        QFETCH(QString, nome);
        QFETCH(bool, voce);
        QCOMPARE(Voci::nomeFile(testo), nome);
        QCOMPARE(Voci::haVoce(testo), voce);
    }

    // Every word any game screen shows, turn after turn of every kind, has
    // its voice file after the build.
    void ogniParolaMostrata_haLaSuaVoce()
    {
        QStringList senzaVoce;
        QSet<QString> viste;
        for (const Partita::VoceGioco& gioco : Partita::Giochi()) {
            Ambiente a(7);
            Apri(gioco.id);
            for (int turno = 0; turno < 160; ++turno) {
                const QWidget* finestra = Schermi::Trova(gioco.id)->finestra();
                QList<QWidget*> controlli;
                for (auto* e : finestra->findChildren<Etichetta*>())
                    controlli << e;
                for (auto* b : finestra->findChildren<Bottone*>())
                    controlli << b;
                for (QWidget* c : std::as_const(controlli)) {
                    if (!c->isVisible())
                        continue;
                    const QString testo = c->property("text").toString();
                    if (DaNonDire(testo))
                        continue;
                    viste.insert(testo);
                    if (!Voci::haVoce(testo) || !QFileInfo::exists(VoceDi(testo)))
                        senzaVoce << QString("%1: \"%2\"").arg(gioco.nome, testo);
                }
                // Mostly right answers, so that turns move on, with some wrong ones.
                if (turno % 4 == 3)
                    Partita::Sbagliata(gioco.id);
                else
                    Partita::Giusta(gioco.id);
            }
        }
        senzaVoce.removeDuplicates();
        QVERIFY2(senzaVoce.isEmpty(), qPrintable(senzaVoce.join('\n')));
        // Every attribute value and its negation came up somewhere.
        for (const char* valore : {"ROTONDO", "QUADRATO", "RETTANGOLO", "TRIANGOLO", "ROSSO", "GIALLO", "BLU",
                                   "GRANDE", "PICCOLO", "SPESSO", "SOTTILE"}) {
            QVERIFY2(viste.contains(valore), valore);
            QVERIFY2(viste.contains(QString("NON ") + valore), valore);
        }
    }

    // Each voice is a sound longer than 0.2 s and not silent.
    void ogniVoce_eUnSuonoNonMuto()
    {
        if (QStandardPaths::findExecutable("sox").isEmpty())
            QFAIL("sox is not installed (scripts/setup.sh installs it)");
        QStringList difetti;
        for (const QString& parola : Voci::tutte()) {
            const Misura m = Misura_(VoceDi(parola));
            if (m.secondi <= 0.2 || m.rms < 0.01)
                difetti << QString("%1: %2 s, rms %3").arg(Voci::nomeFile(parola)).arg(m.secondi).arg(m.rms);
        }
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
        QVERIFY(Voci::tutte().size() > 90);
    }

    // Every voice of every language decodes as mono, never clips (its peak
    // stays below -1 dBFS), is within 1 dB of the one level (and each
    // language on average within half a decibel of it), and follows its
    // last sound by no more than 50 ms of silence, so the next sound is not
    // held back; it starts with a short silence, not inside a sound.
    void ogniVoce_alloStessoLivelloSenzaSilenzioInCoda()
    {
        QStringList difetti;
        QMap<QString, QList<double>> livelli;
        QDirIterator voci(QStringLiteral(TESSELO_APP_DIR "/voci"), {"*.wav"}, QDir::Files, QDirIterator::Subdirectories);
        while (voci.hasNext()) {
            const QString lingua = QFileInfo(voci.next()).dir().dirName();
            const std::optional<Ascolto> a = Ascolta(voci.filePath());
            livelli[lingua] << (a ? a->livello : -INFINITY);
            if (!a || a->picco > Media::PiccoVoce + 0.01 || std::abs(a->livello - Media::LivelloVoce) > 1
                || a->dopo > 0.05 || a->prima < 0.005 || a->prima > 0.05)
                difetti << QString("%1/%2: peak %3 dBFS, level %4 dBFS, %5 s before, %6 s after")
                               .arg(lingua, voci.fileName()).arg(a ? a->picco : NAN).arg(a ? a->livello : NAN)
                               .arg(a ? a->prima : NAN).arg(a ? a->dopo : NAN);
        }
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
        QCOMPARE(livelli.size(), Lingua::Disponibili().size());
        for (auto l = livelli.cbegin(); l != livelli.cend(); ++l) {
            const double media = std::accumulate(l->begin(), l->end(), 0.0) / l->size();
            QVERIFY2(l->size() > 90 && std::abs(media - Media::LivelloVoce) < 0.5,
                     qPrintable(QString("%1: %2 voices at %3 dBFS").arg(l.key()).arg(l->size()).arg(media)));
        }
    }

    // A left click on a label that shows a word plays that word's file and
    // nothing else: no answer sound, no count. Another button, or the sounds
    // switched off, plays nothing.
    void clicSuEtichetta_data()
    {
        QTest::addColumn<IdSchermo>("id");
        QTest::addColumn<QString>("controllo");
        QTest::newRow("attributo") << IdSchermo::form1 << "Label1";
        QTest::newRow("insieme") << IdSchermo::FORM2 << "Label1";
        QTest::newRow("condizione quanti") << IdSchermo::zirp3 << "Label1";
        QTest::newRow("suggerimento quanti") << IdSchermo::zirp3 << "Label2";
        QTest::newRow("descrizione") << IdSchermo::FormTrova << "EtFrase2";
        QTest::newRow("strada NON") << IdSchermo::zirp7 << "Label1(1)";
        QTest::newRow("cartello seconda forca") << IdSchermo::zirp8 << "Label1(4)";
        QTest::newRow("intestazione") << IdSchermo::zirp9 << "Label1(3)";
        QTest::newRow("domanda catena") << IdSchermo::FormDomino << "Label2";
        QTest::newRow("risposta catena") << IdSchermo::FormDomino2 << "Label7";
    }
    void clicSuEtichetta()
    {
        QFETCH(IdSchermo, id);
        QFETCH(QString, controllo);
        Ambiente a(3);
        Apri(id);
        // The menu's button said the game's name; the game itself said nothing.
        QCOMPARE(a.suono.voci, QStringList{VoceDi(QString::fromUtf8(GiocoDi(id).nome))});
        a.suono.voci.clear();
        auto* etichetta = Ctl<Etichetta>(id, controllo);
        const qint16 esatti = Modulo1::ContatoreEsatti, errati = Modulo1::ContatoreErrati;
        const int suonati = a.suono.suonati.size();

        QTest::mouseClick(etichetta, Qt::RightButton);
        QVERIFY(a.suono.voci.isEmpty());
        QTest::mouseClick(etichetta, Qt::LeftButton);
        QCOMPARE(a.suono.voci, QStringList{VoceDi(etichetta->text())});
        QVERIFY(QFileInfo::exists(a.suono.voci.first()));
        QCOMPARE(a.suono.suonati.size(), suonati);
        QCOMPARE(Modulo1::ContatoreEsatti, esatti);
        QCOMPARE(Modulo1::ContatoreErrati, errati);

        Modulo1::SuonoAttivo = false;
        QTest::mouseClick(etichetta, Qt::LeftButton);
        QApplication::setActiveWindow(Schermi::Trova(id)->finestra());
        QTest::keyClick(Schermi::Trova(id)->finestra()->windowHandle(), Qt::Key_F1);
        QCOMPARE(a.suono.voci.size(), 1);
    }

    // The question key speaks the question of the game on show, moves no
    // focus, and is silent with the sounds off.
    void tastoDomanda_data()
    {
        QTest::addColumn<IdSchermo>("id");
        QTest::addColumn<QString>("domanda");
        QTest::newRow("uguale - diverso") << IdSchermo::form1 << "Label1";
        QTest::newRow("insiemi") << IdSchermo::FORM2 << "Label1";
        QTest::newRow("quanti sono") << IdSchermo::zirp3 << "Label1";
        QTest::newRow("trova il blocco") << IdSchermo::FormTrova << "EtFrase2";
        QTest::newRow("le strade 1") << IdSchermo::zirp7 << "Label1(0)";
        QTest::newRow("le strade 2") << IdSchermo::zirp8 << "Label1(0)";
        QTest::newRow("tabella") << IdSchermo::zirp9 << "Label1(0)";
        QTest::newRow("Cosa cambia?") << IdSchermo::FormDomino << "Label2";
        QTest::newRow("Cosa resta uguale?") << IdSchermo::FormDomino2 << "Label2";
    }
    void tastoDomanda()
    {
        QFETCH(IdSchermo, id);
        QFETCH(QString, domanda);
        Ambiente a(5);
        Apri(id);
        a.suono.voci.clear();
        QWidget* finestra = Schermi::Trova(id)->finestra();
        QApplication::setActiveWindow(finestra);
        QTest::keyClick(finestra->windowHandle(), Qt::Key_Tab);
        QWidget* fuoco = QApplication::focusWidget();
        QTest::keyClick(finestra->windowHandle(), Qt::Key_F1);
        QCOMPARE(a.suono.voci, QStringList{VoceDi(Ctl<Etichetta>(id, domanda)->text())});
        QCOMPARE(QApplication::focusWidget(), fuoco);
        QVERIFY(a.suono.suonati.isEmpty());
    }

    // A button that shows a word speaks it, then does what it always did:
    // an answer button is judged, "avanti" starts a turn whose question
    // stays silent until asked.
    void bottoni_diconoLaParolaEPoiFannoIlLoroLavoro()
    {
        Ambiente a(11);
        Apri(IdSchermo::zirp3);
        a.suono.voci.clear();
        int giusto = -1;
        for (int n = 0; n <= 9 && giusto < 0; ++n) {
            auto* numero = Ctl<Bottone>(IdSchermo::zirp3, QString("NUMERI(%1)").arg(n));
            const qint16 esatti = Modulo1::ContatoreEsatti;
            QTest::mouseClick(numero, Qt::LeftButton);
            QCOMPARE(a.suono.voci.last(), VoceDi(QString::number(n)));
            QCOMPARE(a.suono.suonati.size(), n + 1); // and judged: one answer sound each
            if (Modulo1::ContatoreEsatti > esatti)
                giusto = n;
        }
        QVERIFY(giusto >= 0);
        a.suono.voci.clear();
        QTest::mouseClick(Ctl<Bottone>(IdSchermo::zirp3, "bottoneavanti"), Qt::LeftButton);
        QCOMPARE(a.suono.voci, QStringList{VoceDi("avanti")});
        QVERIFY(!Ctl<Bottone>(IdSchermo::zirp3, "bottoneavanti")->isEnabled());
    }

    // Through the real sound channel into a private PulseAudio server, a click
    // on a condition label is heard: the recording holds sound for about as
    // long as the voice file lasts.
    void voceReale_arrivaAlServerAudio()
    {
        const QString parec = QStandardPaths::findExecutable("parec");
        ServerAudio server;
        if (parec.isEmpty() || !server.avvia())
            QFAIL("no private PulseAudio server (pulseaudio and parec) could start");
        QTemporaryDir casa;
        Ambiente a(2);
        Apri(IdSchermo::zirp7);
        auto* condizione = Ctl<Etichetta>(IdSchermo::zirp7, "Label1(1)");
        const double durata = Misura_(VoceDi(condizione->text())).secondi;
        QVERIFY(durata > 0.2);

        QProcess registratore;
        registratore.setProcessEnvironment(server.ambiente());
        registratore.start(parec, {"-d", "prova.monitor", "--raw", "--format=s16le", "--rate=22050",
                                   "--channels=1", "--latency-msec=20", casa.filePath("registrazione.raw")});
        QVERIFY(registratore.waitForStarted());
        QElapsedTimer attesa;
        attesa.start();
        while (QFileInfo(casa.filePath("registrazione.raw")).size() == 0 && attesa.elapsed() < 5000)
            QTest::qWait(50);

        servizi().suono = std::make_unique<CanaleAudio>();
        QTest::mouseClick(condizione, Qt::LeftButton);
        QTest::qWait(int(durata * 1000) + 1200);
        servizi().suono = std::make_unique<SuonoFinto>();
        registratore.terminate();
        registratore.waitForFinished(3000);

        QFile file(casa.filePath("registrazione.raw"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray grezzo = file.readAll();
        qsizetype primo = -1, ultimo = -1;
        for (qsizetype i = 0; i + 1 < grezzo.size(); i += 2)
            if (std::abs(int(qFromLittleEndian<qint16>(grezzo.constData() + i))) > 300) {
                if (primo < 0)
                    primo = i / 2;
                ultimo = i / 2;
            }
        QVERIFY2(primo >= 0, "the recording is silent");
        const double udito = double(ultimo - primo) / 22050;
        QVERIFY2(udito > durata * 0.5 && udito < durata + 0.3,
                 qPrintable(QString("heard %1 s of a %2 s voice").arg(udito).arg(durata)));
    }
};

TESSELO_TEST_MAIN(ProvaVoci)
#include "tst_voci.moc"
