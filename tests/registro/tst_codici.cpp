// The games' stored codes: fixed for each game, whatever its place in the
// catalogue, so a register written before reads the same games; a register
// with a code this version does not know is never merged.
#include "registro/Archivio.h"
#include "registro/Codici.h"
#include "registro/FileClasse.h"
#include "registro/Giochi.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

namespace {

// The games as registers made so far store them: the code is the place of
// the game in this list, the menu's order when they were written.
const QStringList SchermiDiPrima{"form1", "FORM2", "zirp3", "FormTrova", "zirp7",
                                 "zirp8", "zirp9", "FormDomino", "FormDomino2"};
const QStringList DidascalieDiPrima{"uguale - diverso", "insiemi", "quanti sono ?", "trova il blocco", "le strade 1",
                                    "le strade 2", "tabella", "Cosa cambia?", "Cosa resta uguale?"};

// Answers written into a register file by SQL, byte for byte as the program
// writes them: the game's code as given, the question "forma" (one byte, 1),
// the first block (one byte, 0), a text answer, right, 100 ms. The k-th
// answer is k minutes after 8 o'clock today.
bool ScriviRisposte(const QString& file, const QList<QVariant>& giochi)
{
    bool riuscito = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "scrittura");
        db.setDatabaseName(file);
        riuscito = db.open();
        QSqlQuery q(db);
        q.prepare("INSERT INTO risposte (uuid, quando, bambino, gioco, domande, blocchi, risposta, esatta,"
                  " millisecondi) VALUES (randomblob(16), ?, 0, ?, x'01', x'00', 'x', 1, 100)");
        const QDateTime otto(QDate::currentDate(), QTime(8, 0));
        for (int k = 0; riuscito && k < giochi.size(); ++k) {
            q.bindValue(0, otto.addSecs(60 * k).toMSecsSinceEpoch());
            q.bindValue(1, giochi[k]);
            riuscito = q.exec();
        }
    }
    QSqlDatabase::removeDatabase("scrittura");
    return riuscito;
}

// A new, empty register file.
bool NuovoRegistro(const QString& file)
{
    Archivio a;
    return a.apri(file) == Accesso::Ok;
}

QStringList Schermi(const Deposito& archivio)
{
    QStringList schermi;
    for (const auto& [r, bambino] : archivio.risposte())
        schermi << r.schermo;
    return schermi;
}

} // namespace

class ProvaCodici : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;

private slots:
    // Every game is stored under the code registers have always given it,
    // and read back from it.
    void codiceDiOgniGioco_data()
    {
        QTest::addColumn<QString>("schermo");
        for (int i = 0; i < SchermiDiPrima.size(); ++i)
            QTest::newRow(qPrintable(SchermiDiPrima[i])) << SchermiDiPrima[i];
    }
    void codiceDiOgniGioco()
    {
        QFETCH(QString, schermo);
        const QVariant codice = Codici::Gioco(schermo);
        QCOMPARE(codice.typeId(), QMetaType::Int);
        QCOMPARE(codice.toInt(), int(SchermiDiPrima.indexOf(schermo)));
        QCOMPARE(Codici::Schermo(codice), schermo);
    }

    // A code no game has reads as no game; a screen kept by its name, as it is.
    void codiceSconosciuto()
    {
        QCOMPARE(Codici::Schermo(QVariant(42)), QString());
        QCOMPARE(Codici::Schermo(QVariant(-1)), QString());
        QCOMPARE(Codici::Schermo(QVariant(QStringLiteral("zirp99"))), QStringLiteral("zirp99"));
        QCOMPARE(Codici::Gioco(QStringLiteral("zirp99")), QVariant(QStringLiteral("zirp99")));
    }

    // A register written before, one answer of each game under its code,
    // opens with the same games: its answers, its export and the class at a
    // glance, each game in its own column.
    void registroDiPrimaStessiGiochi()
    {
        const QString file = cartella.filePath("di-prima.sqlite");
        QVERIFY(NuovoRegistro(file));
        QList<QVariant> codici;
        for (int i = 0; i < SchermiDiPrima.size(); ++i)
            codici << i;
        QVERIFY(ScriviRisposte(file, codici));

        Archivio a;
        QCOMPARE(a.apri(file), Accesso::Ok);
        QCOMPARE(Schermi(a), SchermiDiPrima);
        QStringList didascalie;
        for (const auto& [r, bambino] : a.risposte())
            didascalie << r.gioco;
        QCOMPARE(didascalie, DidascalieDiPrima);

        const QList<QByteArray> righe = EsportaCsv(a).split('\n');
        for (int i = 0; i < DidascalieDiPrima.size(); ++i)
            QVERIFY2(righe.value(i + 1).contains(";" + DidascalieDiPrima[i].toUtf8() + ";"), righe.value(i + 1));

        const QList<RigaClasse> classe = a.classe({});
        QCOMPARE(classe.size(), 1);  // the guests
        QCOMPARE(classe[0].perGioco.size(), qsizetype(Giochi().size()));
        for (qsizetype k = 0; k < classe[0].perGioco.size(); ++k)
            QCOMPARE(classe[0].perGioco[k].esatte, SchermiDiPrima.contains(QString(Giochi()[k].schermo)) ? 1 : 0);
    }

    // Merging a register with answers under a code this version does not
    // know refuses it whole with a message naming the file and the code, and
    // stores nothing, under no game and under no wrong one. A game kept by
    // its screen's name is merged as it is.
    void unisciCodiciSconosciuti_data()
    {
        QTest::addColumn<QVariant>("gioco");
        QTest::addColumn<QString>("codice");
        QTest::newRow("a code after the last game's") << QVariant(42) << "42";
        QTest::newRow("a negative code") << QVariant(-1) << "-1";
        QTest::newRow("a code with a fraction") << QVariant(2.5) << "2.5";
        QTest::newRow("a code as bytes") << QVariant(QByteArray("\x02", 1)) << "x'02'";
        QTest::newRow("a game's name") << QVariant(QStringLiteral("zirp99")) << "";
    }
    void unisciCodiciSconosciuti()
    {
        QFETCH(QVariant, gioco);
        QFETCH(QString, codice);
        QTemporaryDir cartelle;
        const QString nostro = cartelle.filePath("nostro.sqlite");
        const QString loro = cartelle.filePath("loro.sqlite");
        QVERIFY(NuovoRegistro(nostro));
        QVERIFY(NuovoRegistro(loro));
        QVERIFY(ScriviRisposte(loro, {2, gioco, 6}));

        Archivio a;
        QCOMPARE(a.apri(nostro), Accesso::Ok);
        const std::optional<int> aggiunte = a.unisci(loro);
        if (codice.isEmpty()) {
            QCOMPARE(aggiunte, std::optional<int>(3));
            QCOMPARE(Schermi(a), (QStringList{"zirp3", "zirp99", "zirp9"}));
            return;
        }
        QCOMPARE(aggiunte, std::nullopt);
        QVERIFY2(a.ultimoErrore().contains("loro.sqlite") && a.ultimoErrore().contains("codice " + codice),
                 qPrintable(a.ultimoErrore()));
        QCOMPARE(a.risposte().size(), 0);
    }
};

QTEST_GUILESS_MAIN(ProvaCodici)
#include "tst_codici.moc"
