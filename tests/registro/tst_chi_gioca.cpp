// "Chi gioca?" and the sitting: the start flow with a class and without,
// the grid a small finger can use, the keyboard, the spoken name, and every
// answer of the sitting recorded for the chosen child.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/VociNomi.h"
#include "registro/Archivio.h"
#include "registro/Schema.h"
#include "screens/FormChiGioca.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Lucchetto.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

QList<QAbstractButton*> Simboli()
{
    QList<QAbstractButton*> simboli;
    for (int i = 0;; ++i) {
        auto* s = Schermi::Trova(IdSchermo::FormChiGioca)->finestra()->findChild<QAbstractButton*>(
            NomeControllo("Simbolo", i));
        if (!s)
            return simboli;
        simboli.append(s);
    }
}

// Starts the sitting's reading of the register at percorso, then the
// program, and waits until the class and the spoken names are ready.
void Avvia(const QString& percorso)
{
    Seduta::Avvia(percorso);
    QVERIFY(Seduta::AttendiPronta(60s, true));
    Modulo1::Main();
    SvuotaEventi();
}

// Plays one right and one wrong answer of "uguale - diverso" from the menu.
void GiocaDueRisposte(Ambiente& a)
{
    const Partita::VoceGioco& gioco = Partita::Giochi().first();
    Partita::ApriDalMenu(gioco);
    QVERIFY(Partita::Giusta(gioco.id));
    QVERIFY(Partita::Sbagliata(gioco.id));
    Partita::TornaAlMenu(a, gioco.id);
}

QList<std::pair<Registro::Risposta, qint64>> Risposte(const QString& percorso)
{
    Registro::Archivio archivio;
    if (archivio.apri(percorso, false) != Registro::Accesso::Ok)
        return {};
    return archivio.risposte();
}

} // namespace

class ProvaChiGioca : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

private slots:
    void initTestCase()
    {
        // The spoken names are made once for the whole suite, in a cache of its own.
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    }

    void cleanup() { QVERIFY(Seduta::Termina(10s)); }

    // Without a register, or with one that holds no child, the start screen
    // leads straight to the menu, nothing is recorded and no file is made.
    void senzaClasse_avvioPortaAlMenuSenzaRegistrare_data()
    {
        QTest::addColumn<bool>("registroVuoto");
        QTest::addRow("nessun registro") << false;
        QTest::addRow("registro senza bambini") << true;
    }
    void senzaClasse_avvioPortaAlMenuSenzaRegistrare()
    {
        QFETCH(bool, registroVuoto);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("tesselo/registro.sqlite");
        if (registroVuoto)
            ClasseProva::Crea(percorso, 0);
        Ambiente a;
        CatturaStderr errori;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        QVERIFY(!Schermi::Trova(IdSchermo::FormChiGioca)->caricato());
        QVERIFY(!servizi().registra);
        GiocaDueRisposte(a);
        QVERIFY(Seduta::Termina(10s));
        QCOMPARE(QFileInfo::exists(percorso), registroVuoto);
        QCOMPARE(QFileInfo::exists(dati.filePath("tesselo")), registroVuoto);
        QCOMPARE(Risposte(percorso).size(), 0);
        QCOMPARE(errori.testo(), QString());
    }

    // With a class, the start screen leads to "Chi gioca?": every child's
    // symbol named by the child, the guest last; a click speaks the name,
    // opens the menu, and the answers of the sitting carry that child's id.
    void conClasse_ilSimboloSceltoRegistraPerQuelBambino_data()
    {
        QTest::addColumn<int>("scelto");
        QTest::addRow("il primo") << 0;
        QTest::addRow("uno con un omonimo") << 2;
        QTest::addRow("l'ospite") << 5;
    }
    void conClasse_ilSimboloSceltoRegistraPerQuelBambino()
    {
        QFETCH(int, scelto);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Bambino> classe = ClasseProva::Crea(percorso, 5);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        QVERIFY(!Schermi::Trova(IdSchermo::FormAvvio)->caricato());
        QVERIFY(!Schermi::Trova(IdSchermo::formMenu)->caricato());
        FinestraSchermo* f = Schermi::Trova(IdSchermo::FormChiGioca)->finestra();
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), QString("Chi gioca?"));

        const QList<QAbstractButton*> simboli = Simboli();
        QCOMPARE(simboli.size(), classe.size() + 1);
        QStringList nomi;
        for (const QAbstractButton* s : simboli)
            nomi.append(s->accessibleName());
        // Sorted by surname, then name, those without a surname first; the
        // two Giulias told apart by their surnames.
        QCOMPARE(nomi, QStringList({"Nicolò", "Sofia", "Giulia Bianchi", "Mattia", "Giulia Rossi", "ospite"}));

        const QString nome = nomi.at(scelto);
        ClasseProva::ScegliSimbolo(scelto);
        QCOMPARE(a.suono.voci, QStringList{VociNomi::File(nome)});
        QVERIFY(QFileInfo(VociNomi::File(nome)).size() > 1000);
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        QVERIFY(!Schermi::Trova(IdSchermo::FormChiGioca)->caricato());

        const qint64 id = scelto < classe.size() ? Seduta::Bambini().at(scelto).id : 0;
        QCOMPARE(Seduta::Scelto(), std::optional<qint64>(id));
        GiocaDueRisposte(a);
        QVERIFY(Seduta::Termina(10s));
        const auto risposte = Risposte(percorso);
        QCOMPARE(risposte.size(), 2);
        for (const auto& [risposta, bambino] : risposte) {
            QCOMPARE(bambino, id);
            QCOMPARE(risposta.schermo, QString("form1"));
        }
        QCOMPARE(risposte.at(0).first.esatta != risposte.at(1).first.esatta, true);
    }

    // The name is spoken only with the sounds on, as every word of the game.
    void conClasse_ilNomeTaceASuoniSpenti()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 2);
        Ambiente a;
        Avvia(percorso);
        Modulo1::SuonoAttivo = false;
        ClasseProva::ClicAvvio();
        ClasseProva::ScegliSimbolo(0);
        QVERIFY(a.suono.voci.isEmpty());
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
    }

    // Every symbol is at least 100 pixels wide (2 cm on a classroom
    // whiteboard of 1024 × 768) and grows with the screen, and none covers
    // another or leaves the window.
    void griglia_simboliGrandiSenzaSovrapposizioni_data()
    {
        QTest::addColumn<int>("bambini");
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<int>("latoMinimo");
        QTest::addRow("1 bambino, 1024x768") << 1 << QSize(1024, 768) << 100;
        QTest::addRow("20 bambini, 1024x768") << 20 << QSize(1024, 768) << 100;
        QTest::addRow("24 bambini, 1024x768") << 24 << QSize(1024, 768) << 100;
        QTest::addRow("20 bambini, 1920x1080") << 20 << QSize(1920, 1080) << 180;
        QTest::addRow("20 bambini, 800x600") << 20 << QSize(800, 600) << 75;
    }
    void griglia_simboliGrandiSenzaSovrapposizioni()
    {
        QFETCH(int, bambini);
        QFETCH(QSize, finestra);
        QFETCH(int, latoMinimo);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, bambini);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        Ridimensiona(IdSchermo::FormChiGioca, finestra);
        const QList<QAbstractButton*> simboli = Simboli();
        QCOMPARE(simboli.size(), bambini + 1);
        const QRect area = Schermi::Trova(IdSchermo::FormChiGioca)->finestra()->superficie()->rect();
        for (int i = 0; i < simboli.size(); ++i) {
            const QRect r = NellaFinestra(IdSchermo::FormChiGioca, simboli[i]->objectName());
            QVERIFY2(r.width() >= latoMinimo, qPrintable(QString("%1: %2 px").arg(i).arg(r.width())));
            QVERIFY(r.height() > r.width());
            QVERIFY(area.contains(r));
            for (int j = 0; j < i; ++j)
                QVERIFY(!r.intersects(NellaFinestra(IdSchermo::FormChiGioca, simboli[j]->objectName())));
        }
    }

    // Tab and the arrows move a focus that shows; Return chooses.
    void tastiera_tabFrecceEInvio()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 11);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        FinestraSchermo* f = Schermi::Trova(IdSchermo::FormChiGioca)->finestra();
        QApplication::setActiveWindow(f);
        const QList<QAbstractButton*> simboli = Simboli();
        QCOMPARE(QApplication::focusWidget(), simboli[0]);
        const QImage conFuoco = simboli[0]->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), simboli[1]);
        // The focus shows: the card it left looks different now.
        QVERIFY(simboli[0]->grab().toImage() != conFuoco);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), simboli[2]);
        const auto colonne = std::count_if(simboli.begin(), simboli.end(),
                                           [&](const QAbstractButton* s) { return s->y() == simboli[0]->y(); });
        QVERIFY(colonne > 2 && colonne < simboli.size());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), simboli[2 + colonne]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), simboli[1]);
        // Past the edges the focus stays where it is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), simboli[1]);
        const QString nome = simboli[1]->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        QCOMPARE(Seduta::Scelto(), std::optional<qint64>(Seduta::Bambini().at(1).id));
        QCOMPARE(a.suono.voci, QStringList{VociNomi::File(nome)});
    }

    // A register another program holds locked, for writing or for all: one
    // warning line, and neither the start nor the turns wait for it.
    void bloccato_siGiocaSenzaAttendere_data()
    {
        QTest::addColumn<QStringList>("istruzioni");
        QTest::addRow("BEGIN EXCLUSIVE") << QStringList{"BEGIN EXCLUSIVE"};
        QTest::addRow("anche per leggere")
            << QStringList{"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE", "SELECT count(*) FROM sqlite_master"};
    }
    void bloccato_siGiocaSenzaAttendere()
    {
        QFETCH(QStringList, istruzioni);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 3);
        {
            Lucchetto blocco(percorso, istruzioni);
            Ambiente a;
            CatturaStderr errori;
            QElapsedTimer tempo;
            tempo.start();
            Seduta::Avvia(percorso);
            Modulo1::Main();
            SvuotaEventi();
            const bool conClasse = ClasseProva::ArrivaAlMenu();
            QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
            const Partita::VoceGioco& gioco = Partita::Giochi().first();
            Partita::ApriDalMenu(gioco);
            qint64 turnoPiuLento = 0;
            for (int i = 0; i < 20; ++i) {
                QElapsedTimer turno;
                turno.start();
                QVERIFY(i % 2 ? Partita::Sbagliata(gioco.id) : Partita::Giusta(gioco.id));
                turnoPiuLento = std::max(turnoPiuLento, turno.elapsed());
            }
            QVERIFY2(turnoPiuLento < 250, qPrintable(QString::number(turnoPiuLento)));
            QVERIFY(tempo.elapsed() < 3000);
            QVERIFY(Seduta::Termina(10s));
            blocco.rilascia();
            const QStringList righe = errori.testo().split('\n', Qt::SkipEmptyParts);
            QCOMPARE(righe.size(), 1);
            QVERIFY2(righe.first().startsWith("tesselo: "), qPrintable(righe.first()));
            qInfo("%s; the warning: %s", conClasse ? "\"Chi gioca?\" shown" : "no class", qPrintable(righe.first()));
        }
    }

    // A click waits for a class still being read, without holding the
    // interface; a class not read in time is no class this time, and the
    // reader's own failure afterwards adds no second line.
    void lettura_unClicAttendeLaClassePoiRinuncia()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 3);
        {
            Lucchetto blocco(percorso, {"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE", "SELECT count(*) FROM sqlite_master"});
            CatturaStderr errori;
            Seduta::Avvia(percorso);
            std::optional<bool> esito;
            QElapsedTimer tempo;
            tempo.start();
            Seduta::QuandoPronta([&](bool chiGioca) { esito = chiGioca; }, 50ms);
            QVERIFY(!esito);
            QTRY_VERIFY(esito.has_value());
            QVERIFY(tempo.elapsed() < 1000);
            QCOMPARE(*esito, false);
            // A later click is answered at once, the same way.
            QTRY_VERIFY(Seduta::AttendiPronta(0s));
            std::optional<bool> ancora;
            Seduta::QuandoPronta([&](bool chiGioca) { ancora = chiGioca; });
            QCOMPARE(ancora, std::optional<bool>(false));
            QVERIFY(Seduta::Termina(10s));
            const QStringList righe = errori.testo().split('\n', Qt::SkipEmptyParts);
            QVERIFY2(righe.size() == 1, qPrintable(righe.join('\n')));
            QVERIFY(righe.first().contains("registro non ancora letto"));
        }
    }

    // Years of answers (4 million, some 400 MB) change nothing at the start:
    // the register is not read whole on the game's path, so "Chi gioca?"
    // shows within a second and a half of the click, and the sitting is
    // recorded.
    void registroGrande_chiGiocaSubitoERegistra()
    {
        constexpr qint64 Risposte = 4000000;
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 4);
        QElapsedTimer creazione;
        creazione.start();
        {
            // One bulk statement, with ids in order so that each index only grows.
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "grande");
            db.setDatabaseName(percorso);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const QString& istruzione : {
                     QStringLiteral("PRAGMA journal_mode=OFF"), QStringLiteral("PRAGMA synchronous=OFF"),
                     QStringLiteral("PRAGMA cache_size=-200000"),
                     // (printf's format would read as a place marker of QString::arg.)
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                         + QString::number(Risposte)
                         + ") INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta,"
                           " esatta, millisecondi) SELECT CAST(printf('%016d', i) AS BLOB),"
                           " 1600000000000 + i * 20000, 1 + i % 4, i % 9, x'0102', x'030405060708090a0b',"
                           " 'UGUALE', i % 3 != 0, 1000 + i % 5000 FROM n",
                     QStringLiteral("PRAGMA journal_mode=WAL")})
                QVERIFY2(q.exec(istruzione), qPrintable(q.lastError().text()));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("grande");
        qInfo("register of %lld answers, %.0f MB, made in %lld ms", Risposte, QFileInfo(percorso).size() / 1e6,
              creazione.elapsed());

        Ambiente a;
        CatturaStderr errori;
        Seduta::Avvia(percorso);
        Modulo1::Main();
        SvuotaEventi();
        QElapsedTimer tempo;
        tempo.start();
        QTest::mouseClick(Ctl(IdSchermo::FormAvvio, "Label1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Schermi::Trova(IdSchermo::FormChiGioca)->caricato(), 5000);
        const qint64 ms = tempo.elapsed();
        qInfo("\"Chi gioca?\" %lld ms after the click", ms);
        QVERIFY2(ms < 1500, qPrintable(QString::number(ms)));
        ClasseProva::ScegliSimbolo(0);
        GiocaDueRisposte(a);
        QVERIFY(Seduta::Termina(20s));
        QCOMPARE(errori.testo(), QString());
        qint64 nuove = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "conta");
            db.setDatabaseName(percorso);
            QSqlQuery q(db);
            // The sitting's two answers, after all those made up above.
            if (db.open() && q.exec(QStringLiteral("SELECT count(*) FROM risposte WHERE quando > %1")
                                        .arg(1600000000000 + Risposte * 20000)) && q.next())
                nuove = q.value(0).toLongLong();
        }
        QSqlDatabase::removeDatabase("conta");
        QCOMPARE(nuove, 2);
    }

    // A register of the version before classes, as the program before this
    // one left it: the first start brings it up to date, shows its children
    // on "Chi gioca?" and records the sitting's answers.
    void versionePrecedente_chiGiocaERegistra()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Bambino> classe = ClasseProva::Bambini(3);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "precedente");
            db.setDatabaseName(percorso);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (int v = 0; v < 3; ++v)
                for (const QString& istruzione : Registro::Schema::Passo(v))
                    QVERIFY2(q.exec(istruzione), qPrintable(q.lastError().text()));
            for (const Registro::Bambino& b : classe) {
                q.prepare("INSERT INTO bambini (uuid, nome, cognome, simbolo) VALUES (randomblob(16), ?, ?, ?)");
                q.addBindValue(b.nome);
                q.addBindValue(b.cognome);
                q.addBindValue(b.simbolo);
                QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            }
            QVERIFY(q.exec("PRAGMA user_version = 3"));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("precedente");

        Ambiente a;
        CatturaStderr errori;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        QVERIFY(Schermi::Trova(IdSchermo::FormChiGioca)->caricato());
        QCOMPARE(Simboli().size(), classe.size() + 1);
        ClasseProva::ScegliSimbolo(0);
        const qint64 id = Seduta::Bambini().at(0).id;
        GiocaDueRisposte(a);
        QVERIFY(Seduta::Termina(10s));
        QCOMPARE(errori.testo(), QString());
        const auto risposte = Risposte(percorso);
        QCOMPARE(risposte.size(), 2);
        for (const auto& [risposta, bambino] : risposte)
            QCOMPARE(bambino, id);
    }

    // A name is spoken as typed even when it reads like an option of the
    // speech program, and a child's voice goes once the child has left the
    // class; the folder is its owner's alone.
    void vociNomi_nomiComeOpzioniEVociDiChiEUscito()
    {
        const QStringList classe{"--stdout", "-w ciao.wav", "Anna"};
        QVERIFY(VociNomi::Prepara(classe, {}));
        for (const QString& nome : classe)
            QVERIFY2(QFileInfo(VociNomi::File(nome)).size() > 1000, qPrintable(nome));
        QVERIFY(!QFileInfo::exists("ciao.wav"));
        QCOMPARE(QFileInfo(VociNomi::Cartella()).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

        QVERIFY(VociNomi::Prepara({"Anna"}, {}));
        QVERIFY(QFileInfo::exists(VociNomi::File("Anna")));
        QVERIFY(!QFileInfo::exists(VociNomi::File("--stdout")));
        QCOMPARE(QDir(VociNomi::Cartella()).entryList(QDir::Files), QStringList{QFileInfo(VociNomi::File("Anna")).fileName()});
    }

    // Each spoken name is its owner's alone too, whatever the umask, and so
    // becomes one left readable by an older version.
    void vociNomi_fileDelProprietario()
    {
        const mode_t prima = ::umask(022);
        const bool fatto = VociNomi::Prepara({"Zoë", "Ugo"}, {});
        QFile::setPermissions(VociNomi::File("Ugo"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        const bool ancora = VociNomi::Prepara({"Zoë", "Ugo"}, {});
        ::umask(prima);
        QVERIFY(fatto && ancora);
        for (const char* nome : {"Zoë", "Ugo"}) {
            QVERIFY(QFileInfo(VociNomi::File(QString::fromUtf8(nome))).size() > 1000);
            QCOMPARE(QFileInfo(VociNomi::File(QString::fromUtf8(nome))).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup
                                                                      | QFile::WriteOther),
                     QFile::Permissions());
        }
    }
};

TESSELO_TEST_MAIN(ProvaChiGioca)
#include "tst_chi_gioca.moc"
