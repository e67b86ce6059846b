// The game in other languages: which language a run shows, the translation
// files themselves, the register's answers whatever the language, each
// language's spoken words, the found block's words in each language's own
// order, and no accelerator shared by two controls of a screen.
#include "app/FileSicuri.h"
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "comune/LinguaDelProgramma.h"
#include "controls/Etichetta.h"
#include "games/FormTrova/FormTrova.h"
#include "media/Lingua.h"
#include "media/Testi.h"
#include "media/Voci.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Acceleratori.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

using Registro::Risposta;

namespace {

// Puts Italian back however a test ends.
struct InLingua {
    explicit InLingua(const QString& codice) { riuscita = ImpostaLinguaDelGioco(codice); }
    ~InLingua() { ImpostaLinguaDelGioco(QStringLiteral("it")); }
    bool riuscita = false;
};

// Writes tesselo/tesselo.conf with a [gioco] section under a folder.
void Configura(const QString& cartella, const QString& lingua)
{
    QDir().mkpath(cartella + "/tesselo");
    QFile f(cartella + "/tesselo/tesselo.conf");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[registro]\nhost=scuola\n\n[gioco]\nlingua=%1\n").arg(lingua).toUtf8());
}

// One message of a .ts file.
struct VoceTs {
    QString contesto, sorgente, traduzione, tipo;
    // A text that counts something has a form for each plural of its language.
    bool numerus = false;
    QStringList forme;
};

QList<VoceTs> LeggiTs(const QString& file, QString& lingua)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file));
    QXmlStreamReader xml(&f);
    QList<VoceTs> messaggi;
    QString contesto;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS")
            lingua = xml.attributes().value("language").toString();
        else if (xml.name() == u"name")
            contesto = xml.readElementText();
        else if (xml.name() == u"source")
            messaggi.append({contesto, xml.readElementText(), {}, {}});
        else if (xml.name() == u"translation") {
            messaggi.last().tipo = xml.attributes().value("type").toString();
            messaggi.last().numerus = messaggi.last().sorgente.contains(u"%n");
            if (!messaggi.last().numerus)
                messaggi.last().traduzione = xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            messaggi.last().forme << xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(file), qPrintable(xml.errorString()));
    return messaggi;
}

// Every game played from the menu with one seed, one right and one wrong
// answer each, as the register receives them.
QList<Risposta> Gioca(const QString& lingua)
{
    QList<Risposta> registrate;
    for (int gioco = 0; gioco < Partita::Giochi().size(); ++gioco) {
        Ambiente a(quint64(gioco + 7));
        InLingua in(lingua);
        if (!in.riuscita)
            qFatal("no translation %s", qPrintable(lingua));
        servizi().registra = [&](const Risposta& r) { registrate.append(r); };
        servizi().orologio = [] { return qint64(0); };
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi()[gioco]);
        if (!Partita::Giusta(Partita::Giochi()[gioco].id) || !Partita::Sbagliata(Partita::Giochi()[gioco].id))
            qFatal("no answer");
        servizi().registra = nullptr;
        servizi().orologio = nullptr;
    }
    for (Risposta& r : registrate) {
        r.id = {};
        r.quando = {};
    }
    return registrate;
}

} // namespace

class ProvaLingue : public QObject {
    Q_OBJECT
private slots:
    // The code asked for when the game has it, in any letter case; else the
    // first of the system's languages it has; else Italian.
    void scelta_data()
    {
        QTest::addColumn<QString>("richiesta");
        QTest::addColumn<QStringList>("sistema");
        QTest::addColumn<QString>("attesa");
        QTest::addColumn<bool>("sconosciuta");
        QTest::newRow("system, German") << "" << QStringList{"de-CH", "de-Latn-CH", "de"} << "de" << false;
        QTest::newRow("system without ours") << "" << QStringList{"pt-BR", "pt", "fr-FR"} << "fr" << false;
        QTest::newRow("C locale") << "" << QStringList{"C"} << "it" << false;
        QTest::newRow("system, Italian first") << "" << QStringList{"it-IT", "en-US"} << "it" << false;
        QTest::newRow("asked over the system") << " EN" << QStringList{"de-DE"} << "en" << false;
        QTest::newRow("asked, Italian") << "it" << QStringList{"es-ES"} << "it" << false;
        QTest::newRow("unknown: the system's") << "pt" << QStringList{"es-ES", "es"} << "es" << true;
        QTest::newRow("unknown: Italian") << "xx" << QStringList{"ja-JP"} << "it" << true;
    }
    void scelta()
    {
        QFETCH(QString, richiesta);
        QFETCH(QStringList, sistema);
        QFETCH(QString, attesa);
        QFETCH(bool, sconosciuta);
        bool ignota = !sconosciuta;
        QCOMPARE(Lingua::Scegli(richiesta, sistema, &ignota), attesa);
        QCOMPARE(ignota, sconosciuta);
    }

    // tesselo.conf's [gioco] lingua: the user's file over the room's, the
    // command line over both, an unknown code one warning and the system's.
    void configurazione_data()
    {
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("attesa");
        QTest::addColumn<bool>("avviso");
        const QString diSistema = Lingua::Scegli({}, QLocale::system().uiLanguages());
        QTest::newRow("nothing") << "" << "" << "" << diSistema << false;
        QTest::newRow("the room's") << "fr" << "" << "" << "fr" << false;
        QTest::newRow("the user's over the room's") << "fr" << "de" << "" << "de" << false;
        QTest::newRow("the command line over both") << "fr" << "de" << "es" << "es" << false;
        QTest::newRow("unknown in the file") << "" << "klingon" << "" << diSistema << true;
        QTest::newRow("unknown on the command line") << "" << "de" << "zz" << diSistema << true;
    }
    void configurazione()
    {
        QFETCH(QString, sistema);
        QFETCH(QString, utente);
        QFETCH(QString, opzione);
        QFETCH(QString, attesa);
        QFETCH(bool, avviso);
        QTemporaryDir d;
        qputenv("XDG_CONFIG_DIRS", d.filePath("sistema").toUtf8());
        qputenv("XDG_CONFIG_HOME", d.filePath("utente").toUtf8());
        if (!sistema.isEmpty())
            Configura(d.filePath("sistema"), sistema);
        if (!utente.isEmpty())
            Configura(d.filePath("utente"), utente);
        QString riga;
        QCOMPARE(LinguaDelGioco(opzione, riga), attesa);
        QCOMPARE(!riga.isEmpty(), avviso);
        QVERIFY(!riga.contains('\n'));
        qunsetenv("XDG_CONFIG_DIRS");
        qunsetenv("XDG_CONFIG_HOME");
    }

    // The program itself: --lingua anywhere on the line; the teacher's
    // folder then lists that language's voices; an unknown code says so on
    // one line and the game goes on.
    void programma_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("voce");
        QTest::addColumn<int>("righe");
        QTest::newRow("English") << QStringList{"--lingua", "en", "--apri-cartella"} << "voci/en/not_red.wav" << 0;
        QTest::newRow("German, after") << QStringList{"--apri-cartella", "--lingua=de"} << "voci/de/nicht_rot.wav" << 0;
        QTest::newRow("unknown") << QStringList{"--lingua", "xx", "--apri-cartella"} << "voci/non_rosso.wav" << 1;
    }
    void programma()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, voce);
        QFETCH(int, righe);
        QTemporaryDir d;
        QDir().mkpath(d.filePath("bin"));
        QFile apri(d.filePath("bin/xdg-open"));
        QVERIFY(apri.open(QIODevice::WriteOnly));
        apri.write("#!/bin/sh\nexit 0\n");
        apri.close();
        apri.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("PATH", d.filePath("bin") + ':' + ambiente.value("PATH"));
        ambiente.insert("XDG_DATA_HOME", d.filePath("dati"));
        ambiente.insert("XDG_CONFIG_HOME", d.filePath("conf"));
        ambiente.insert("LANGUAGE", "it");
        ambiente.insert("LC_ALL", "C.UTF-8");
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.start(TESSELO_APP_DIR "/tesselo", argomenti);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QString errori = p.readAllStandardError();
        QCOMPARE(errori.count('\n'), righe);
        QVERIFY2(righe == 0 || errori.startsWith("tesselo: lingua \"xx\" non disponibile"), qPrintable(errori));
        QFile leggimi(d.filePath("dati/tesselo/LEGGIMI.txt"));
        QVERIFY(leggimi.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(leggimi.readAll()).contains(voce), qPrintable(voce));
    }

    // The translation files as they are, the game's and the teachers'
    // program's: each complete, nothing left unfinished or obsolete, the
    // same texts in all four, every "%1" of a text kept by its translation,
    // and a text that counts something with two plural forms (the Italian
    // file of the teachers' program holds only these).
    void fileTraduzioni_data()
    {
        QTest::addColumn<QString>("programma");
        QTest::addColumn<QStringList>("lingue");
        QTest::newRow("game") << "tesselo" << Lingua::Disponibili().mid(1);
        QTest::newRow("teachers") << "tesselo-registro" << Lingua::Disponibili().mid(1);
        QTest::newRow("teachers, Italian plurals") << "tesselo-registro" << QStringList{"it"};
    }
    void fileTraduzioni()
    {
        QFETCH(QString, programma);
        QFETCH(QStringList, lingue);
        const QDir cartella(TESSELO_TRADUZIONI);
        QStringList file = cartella.entryList({programma + "_*.ts"}, QDir::Files, QDir::Name);
        file.removeIf([&](const QString& nome) { return !lingue.contains(nome.section('_', 1).section('.', 0, 0)); });
        QCOMPARE(file.size(), lingue.size());
        QSet<QString> sorgentiPrime;
        for (const QString& nome : file) {
            QString lingua;
            const QList<VoceTs> messaggi = LeggiTs(cartella.filePath(nome), lingua);
            QCOMPARE(nome, QStringLiteral("%1_%2.ts").arg(programma, lingua));
            QVERIFY(Lingua::Disponibili().contains(lingua));
            QSet<QString> sorgenti;
            for (const VoceTs& m : messaggi) {
                const QString dove = nome + ": " + m.contesto + "/" + m.sorgente;
                QVERIFY2(m.tipo.isEmpty(), qPrintable(dove + " is " + m.tipo));
                const QStringList testi = m.numerus ? m.forme : QStringList{m.traduzione};
                QCOMPARE(testi.size(), m.numerus ? 2 : 1);
                for (const QString& t : testi) {
                    QVERIFY2(!t.trimmed().isEmpty(), qPrintable(dove + " has no translation"));
                    QCOMPARE(t.count("%1"), m.sorgente.count("%1"));
                    QCOMPARE(t.count("%n"), m.sorgente.count("%n"));
                }
                sorgenti.insert(m.contesto + '/' + m.sorgente);
            }
            QVERIFY(sorgenti.size() > (lingua == u"it" ? 5 : 60));
            if (sorgentiPrime.isEmpty())
                sorgentiPrime = sorgenti;
            QCOMPARE(sorgenti, sorgentiPrime);
        }
    }

    // The register stays in the program's own words: the same games played
    // with the same draws in every language give the very same answers,
    // Italian words, block names and captions included.
    void registroNeutrale()
    {
        const QList<Risposta> italiano = Gioca("it");
        QCOMPARE(italiano.size(), 2 * Partita::Giochi().size());
        for (const QString& lingua : Lingua::Disponibili().mid(1)) {
            const QList<Risposta> altra = Gioca(lingua);
            QCOMPARE(altra.size(), italiano.size());
            for (int i = 0; i < italiano.size(); ++i) {
                QCOMPARE(altra[i].schermo, italiano[i].schermo);
                QCOMPARE(altra[i].gioco, italiano[i].gioco);
                QCOMPARE(altra[i].risposta, italiano[i].risposta);
                QCOMPARE(altra[i].domande, italiano[i].domande);
                QCOMPARE(altra[i].blocchi, italiano[i].blocchi);
                QCOMPARE(altra[i], italiano[i]);
            }
        }
    }

    // Every word a screen shows has a voice of its own language, made by the
    // build; a word shown in English is spoken from voci/en/, a file the
    // teacher puts in their own voci/en/ replaces it, and Italian stays in
    // voci/ itself.
    void voci_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili())
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    void voci()
    {
        QFETCH(QString, lingua);
        Ambiente a;
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        const QString cartella = QStringLiteral(TESSELO_APP_DIR "/voci/") + Lingua::SottocartellaVoci(lingua);
        for (const QString& parola : Voci::tutte())
            QVERIFY2(QFileInfo(cartella + Voci::nomeFile(parola)).size() > 44, qPrintable(lingua + ": " + parola));
        QVERIFY(Voci::tutte().size() > 90);

        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi()[1]);
        const QString domanda = static_cast<SchermoGioco*>(Schermi::Trova(IdSchermo::FORM2))->EtichettaDomanda()->text();
        QVERIFY(Modulo1::Pronuncia(domanda));
        QCOMPARE(a.suono.voci.last(), cartella + Voci::nomeFile(domanda));

        QTemporaryDir insegnante;
        servizi().cartellaUtente = insegnante.path();
        const QString propria = insegnante.filePath("voci/" + Lingua::SottocartellaVoci(lingua) + Voci::nomeFile(domanda));
        QDir().mkpath(QFileInfo(propria).path());
        QFile(a.suono.voci.last()).copy(propria);
        QCOMPARE(FileDaProvare(a.suono.voci.last()).first(), propria);
        servizi().cartellaUtente.clear();

        // Another language's words are its own voice's, not Italian's.
        QFile rosso(QStringLiteral(TESSELO_APP_DIR "/voci/non_rosso.wav"));
        QFile tradotto(cartella + Voci::nomeFile(Testi::Condizione("rosso", true)));
        QVERIFY(rosso.open(QIODevice::ReadOnly) && tradotto.open(QIODevice::ReadOnly));
        QCOMPARE(rosso.readAll() == tradotto.readAll(), lingua == "it");
    }

    void bloccoDescritto_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QList<int>>("ordine");
        QTest::addColumn<QString>("descritto");
        QTest::addColumn<QString>("voce");
        // The order of the words as kinds: 0 shape, 1 colour, 2 size, 3 thickness.
        QTest::newRow("it") << "it" << QList<int>{0, 1, 2, 3} << "RETTANGOLO\r\nGIALLO\r\nGRANDE\r\nSOTTILE"
                            << "rettangolo_giallo_grande_sottile.wav";
        QTest::newRow("en") << "en" << QList<int>{2, 3, 1, 0} << "BIG\r\nTHIN\r\nYELLOW\r\nRECTANGLE"
                            << "big_thin_yellow_rectangle.wav";
        QTest::newRow("fr") << "fr" << QList<int>{2, 0, 1, 3} << "GRAND\r\nRECTANGLE\r\nJAUNE\r\nMINCE"
                            << "grand_rectangle_jaune_mince.wav";
        QTest::newRow("es") << "es" << QList<int>{0, 1, 2, 3} << "RECTÁNGULO\r\nAMARILLO\r\nGRANDE\r\nDELGADO"
                            << "rectangulo_amarillo_grande_delgado.wav";
        QTest::newRow("de") << "de" << QList<int>{0, 1, 2, 3} << "RECHTECK\r\nGELB\r\nGROSS\r\nDÜNN"
                            << "rechteck_gelb_gross_dunn.wav";
    }
    // "trova il blocco" shows and speaks the block to find in the order its
    // language names a block's words; the register keeps the design's.
    void bloccoDescritto()
    {
        QFETCH(QString, lingua);
        QFETCH(QList<int>, ordine);
        QFETCH(QString, descritto);
        QFETCH(QString, voce);
        Ambiente a;
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        QCOMPARE(Testi::Descrizione("rettangolo", "giallo", "grande", "sottile"), descritto);
        const QString cartella = QStringLiteral(TESSELO_APP_DIR "/voci/") + Lingua::SottocartellaVoci(lingua);
        QVERIFY(Voci::haVoce(descritto));
        QCOMPARE(Voci::nomeFile(descritto), voce);
        QVERIFY(QFileInfo(cartella + voce).size() > 44);

        QList<Risposta> registrate;
        servizi().registra = [&](const Risposta& r) { registrate.append(r); };
        Partita::AvviaFinoAlMenu();
        const auto trova = std::find_if(Partita::Giochi().cbegin(), Partita::Giochi().cend(),
                                        [](const Partita::VoceGioco& g) { return g.id == IdSchermo::FormTrova; });
        Partita::ApriDalMenu(*trova);
        const auto* schermo = static_cast<FormTrova*>(Schermi::Trova(IdSchermo::FormTrova));
        const Blocco& bersaglio = schermo->Blocchi[size_t(schermo->Bersaglio)];
        QStringList righe;
        for (const int tipo : ordine)
            righe << Testi::Maiuscola(bersaglio.parola(tipo + 1));
        Etichetta* frase = schermo->controlli().EtFrase2;
        QCOMPARE(frase->text(), righe.join("\r\n"));
        QTest::mouseClick(frase, Qt::LeftButton);
        QCOMPARE(a.suono.voci.value(a.suono.voci.size() - 1), cartella + Voci::nomeFile(righe.join("\r\n")));
        QVERIFY(Partita::Giusta(IdSchermo::FormTrova));
        servizi().registra = nullptr;
        QCOMPARE(registrate.size(), 1);
        QCOMPARE(registrate.first().domande.first().valore, bersaglio.forma);
        QCOMPARE(registrate.first().domande.last().valore, bersaglio.spessore);
    }

    void acceleratori_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili())
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    // No two controls of the menu or of a game's screen, nor two items of
    // one of their menus, share an accelerator letter, in any language.
    void acceleratori()
    {
        QFETCH(QString, lingua);
        Ambiente a;
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        Partita::AvviaFinoAlMenu();
        QStringList scontri = ScontriAcceleratori(Schermi::Trova(IdSchermo::formMenu)->finestra());
        for (const Partita::VoceGioco& gioco : Partita::Giochi()) {
            Partita::ApriDalMenu(gioco);
            scontri << ScontriAcceleratori(Schermi::Trova(gioco.id)->finestra());
            Partita::TornaAlMenu(a, gioco.id);
        }
        QVERIFY2(scontri.isEmpty(), qPrintable(scontri.join('\n')));
    }
};

TESSELO_TEST_MAIN(ProvaLingue)
#include "tst_lingue.moc"
