// A register on a full disk or in a read-only folder: the game goes on, every
// turn stays fast, and one warning line says what could not be recorded. A
// register locked, replaced or on a disk that fills for a while during play:
// every answer arrives, without a word. The suite runs as root of a user
// namespace of its own (unshare), where it mounts a small file system for the
// register.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "registro/Archivio.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/CatturaStderr.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Lucchetto.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/mount.h>

using namespace std::chrono_literals;

namespace {

// A file system of 2 MiB at cartella, in memory, gone with the namespace.
bool Monta(const QString& cartella)
{
    if (::mount("tesselo", QFile::encodeName(cartella).constData(), "tmpfs", 0, "size=2m,mode=0700") == 0)
        return true;
    qWarning("mount: %s (run the suite under unshare --user --map-root-user --mount)", std::strerror(errno));
    return false;
}

// Fills the file system at cartella to its last byte.
void Riempi(const QString& cartella)
{
    QFile riempitivo(cartella + "/riempitivo");
    riempitivo.open(QIODevice::WriteOnly);
    const QByteArray blocco(4096, '\0');
    while (riempitivo.write(blocco) == blocco.size() && riempitivo.flush()) {
    }
    while (riempitivo.write(blocco.left(1)) == 1 && riempitivo.flush()) {
    }
}

bool SolaLettura(const QString& cartella)
{
    return ::mount(nullptr, QFile::encodeName(cartella).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

enum class Guasto { PienoPrima, PienoDurante, SolaLettura };
enum class Passeggero { Bloccato, Sostituito, Pieno };

} // namespace

Q_DECLARE_METATYPE(Guasto)
Q_DECLARE_METATYPE(Passeggero)

class ProvaRegistroGuasti : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", cache.path().toUtf8()); }

    void guasto_ilGiocoVaAvantiConUnAvviso_data()
    {
        QTest::addColumn<Guasto>("guasto");
        QTest::addRow("disco pieno") << Guasto::PienoPrima;
        QTest::addRow("disco pieno durante la partita") << Guasto::PienoDurante;
        QTest::addRow("cartella di sola lettura") << Guasto::SolaLettura;
    }
    void guasto_ilGiocoVaAvantiConUnAvviso()
    {
        QFETCH(Guasto, guasto);
        QTemporaryDir punto;
        QVERIFY(Monta(punto.path()));
        const QString percorso = punto.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 4);
        if (guasto == Guasto::PienoPrima)
            Riempi(punto.path());
        else if (guasto == Guasto::SolaLettura)
            QVERIFY(SolaLettura(punto.path()));

        Ambiente a;
        CatturaStderr errori;
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(60s));
        Modulo1::Main();
        SvuotaEventi();
        // Whether the class could still be read depends on the file system;
        // either way the child reaches the menu.
        const bool conClasse = ClasseProva::ArrivaAlMenu();
        // The class was read and its writer opened the register: the disk
        // fills up as the child plays.
        if (guasto == Guasto::PienoDurante) {
            QVERIFY(conClasse);
            Riempi(punto.path());
        }
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        qint64 turnoPiuLento = 0;
        int giocate = 0;
        for (const Partita::VoceGioco& gioco : Partita::Giochi().mid(0, 3)) {
            Partita::ApriDalMenu(gioco);
            for (int i = 0; i < 10; ++i) {
                QElapsedTimer turno;
                turno.start();
                QVERIFY(i % 2 ? Partita::Sbagliata(gioco.id) : Partita::Giusta(gioco.id));
                turnoPiuLento = std::max(turnoPiuLento, turno.elapsed());
                ++giocate;
            }
            Partita::TornaAlMenu(a, gioco.id);
        }
        QCOMPARE(giocate, 30);
        QVERIFY2(turnoPiuLento < 250, qPrintable(QString::number(turnoPiuLento)));
        QVERIFY(Seduta::Termina(10s));
        const QStringList righe = errori.testo().split('\n', Qt::SkipEmptyParts);
        QVERIFY2(righe.size() == 1, qPrintable(righe.join('\n')));
        qInfo("%s; the warning: %s", conClasse ? "\"Chi gioca?\" shown" : "no class", qPrintable(righe.first()));
        QVERIFY2(righe.first().startsWith("tesselo: "), qPrintable(righe.first()));
        // The register stays where it was, whole: a full disk is no damage.
        // Beside it at most the answers that waited, when there was room.
        const QStringList rimasti = QDir(punto.path()).entryList({"registro*"}, QDir::Files);
        QVERIFY2(rimasti.contains("registro.sqlite"), qPrintable(rimasti.join(' ')));
        for (const QString& file : rimasti)
            QVERIFY2(QRegularExpression("^registro(\\.sqlite(-wal|-shm)?|-recupero\\.jsonl)$").match(file).hasMatch(),
                     qPrintable(file));
        ::umount2(QFile::encodeName(punto.path()).constData(), MNT_DETACH);
    }

    // The fault comes during play and goes again before the end: every
    // answer of the sitting is in the register afterwards, none lost and no
    // warning, and no turn waited for the disk.
    void guastoPassato_ogniRispostaArriva_data()
    {
        QTest::addColumn<Passeggero>("guasto");
        QTest::addRow("bloccato da un altro programma") << Passeggero::Bloccato;
        QTest::addRow("sostituito da una copia") << Passeggero::Sostituito;
        QTest::addRow("disco pieno, poi liberato") << Passeggero::Pieno;
    }
    void guastoPassato_ogniRispostaArriva()
    {
        QFETCH(Passeggero, guasto);
        QTemporaryDir punto;
        QVERIFY(Monta(punto.path()));
        const QString percorso = punto.filePath("registro.sqlite");
        ClasseProva::Crea(percorso, 4);
        Ambiente a;
        CatturaStderr errori;
        Seduta::Avvia(percorso);
        QVERIFY(Seduta::AttendiPronta(60s));
        Modulo1::Main();
        SvuotaEventi();
        QVERIFY(ClasseProva::ArrivaAlMenu());
        std::optional<Lucchetto> blocco;
        if (guasto == Passeggero::Bloccato)
            blocco.emplace(percorso);
        else if (guasto == Passeggero::Pieno)
            Riempi(punto.path());
        else {
            // A copy put in its place, as a backup brought back is.
            QVERIFY(QFile::copy(percorso, punto.filePath("copia.sqlite")));
            QCOMPARE(::rename(QFile::encodeName(punto.filePath("copia.sqlite")).constData(),
                              QFile::encodeName(percorso).constData()), 0);
        }
        qint64 turnoPiuLento = 0;
        int giocate = 0;
        const Partita::VoceGioco& gioco = Partita::Giochi().first();
        Partita::ApriDalMenu(gioco);
        for (int i = 0; i < 30; ++i) {
            if (i == 20) {
                // The fault passes before the sitting ends.
                blocco.reset();
                QFile::remove(punto.filePath("riempitivo"));
            }
            QElapsedTimer turno;
            turno.start();
            QVERIFY(i % 2 ? Partita::Sbagliata(gioco.id) : Partita::Giusta(gioco.id));
            turnoPiuLento = std::max(turnoPiuLento, turno.elapsed());
            ++giocate;
        }
        Partita::TornaAlMenu(a, gioco.id);
        QVERIFY2(turnoPiuLento < 250, qPrintable(QString::number(turnoPiuLento)));
        QVERIFY(Seduta::Termina(20s));
        QCOMPARE(errori.testo(), QString());
        Registro::Archivio registro;
        QCOMPARE(registro.apri(percorso, false), Registro::Accesso::Ok);
        QCOMPARE(registro.risposte().size(), giocate);
        ::umount2(QFile::encodeName(punto.path()).constData(), MNT_DETACH);
    }
};

TESSELO_TEST_MAIN(ProvaRegistroGuasti)
#include "tst_registro_guasti.moc"
