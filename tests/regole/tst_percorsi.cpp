// Learning paths as files: every way a file can fail to be a path gives one
// message naming its first problem and no path; what the writer writes
// reads back the same; the shipped example paths, in every language, pass
// both the JSON Schema of the format (checked by python3-jsonschema) and the
// reader, and the schema refuses what the reader refuses; a step "su misura"
// only where its file says so. Random bytes are
// the fuzzer's (fuzz_percorso).
#include "percorsi/FilePercorso.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using Percorsi::LeggiTesto;

// A file with these steps and nothing else to find fault with.
QByteArray ConPassi(const QByteArray& passi)
{
    return R"({"versione": 1, "nome": "P", "passi": [)" + passi + "]}";
}

// A path as a teacher would write it.
const QByteArray Esempio = R"({"versione": 1, "nome": "Forme e colori", "obiettivo": "Riconoscere forma e colore",
 "solo_percorso": false,
 "passi": [{"gioco": "form1", "attributi": ["forma", "colore"], "esatte": 10},
           {"gioco": "FORM2", "attributi": ["colore"], "esatte": 5},
           {"gioco": "FormTrova", "esatte": 3}]})";

// A file of these keys and one good step.
QByteArray Con(const QByteArray& chiavi)
{
    return "{" + chiavi + R"(, "passi": [{"gioco": "FormTrova", "esatte": 3}]})";
}

struct FileSbagliato {
    const char* nome;
    QByteArray testo;
    QString messaggio;
    bool schema;  // the JSON Schema can tell it too
};

const QList<FileSbagliato>& Sbagliati()
{
    const QString attributi = "l'attributo «altezza» non esiste: sono forma, colore, dimensione, spessore";
    static const QList<FileSbagliato> sbagliati{
        {"unknown game", ConPassi(R"({"gioco": "insiemi", "esatte": 3})"), "passo 1: il gioco «insiemi» non esiste", 1},
        {"hostile game", ConPassi(R"({"gioco": ")" + QByteArray(5000, 'x') + R"(\u0000", "esatte": 3})"),
         "passo 1: il gioco «" + QString(40, 'x') + "…» non esiste", 1},
        {"unknown attribute", ConPassi(R"({"gioco": "form1", "attributi": ["forma", "altezza"], "esatte": 3})"),
         "passo 1: " + attributi, 1},
        {"attribute twice", ConPassi(R"({"gioco": "form1", "attributi": ["colore", "colore"], "esatte": 3})"),
         "passo 1: l'attributo «colore» è ripetuto", 1},
        {"no attribute", ConPassi(R"({"gioco": "form1", "attributi": [], "esatte": 3})"),
         "passo 1: «attributi» è vuoto: va scelto almeno un attributo, oppure tolta la chiave per averli tutti", 1},
        {"attributes of find the block",
         ConPassi(R"({"gioco": "FormTrova", "attributi": ["forma", "colore", "dimensione", "spessore"], "esatte": 3})"),
         "passo 1: nel gioco «trova il blocco» non si scelgono attributi: il passo non ha «attributi»", 1},
        {"roads 2, one attribute", ConPassi(R"({"gioco": "zirp8", "attributi": ["forma"], "esatte": 3})"),
         "passo 1: il gioco «le strade 2» vuole almeno 2 attributi", 1},
        {"table, one attribute", ConPassi(R"({"gioco": "zirp9", "attributi": ["spessore"], "esatte": 3})"),
         "passo 1: il gioco «tabella» vuole almeno 2 attributi", 1},
        {"su misura not true or false", ConPassi(R"({"gioco": "form1", "esatte": 3, "su_misura": 1})"),
         "passo 1: «su_misura» deve essere true o false", 1},
        {"su misura in find the block", ConPassi(R"({"gioco": "FormTrova", "esatte": 3, "su_misura": true})"),
         "passo 1: nel gioco «trova il blocco» non si scelgono attributi: il passo non può essere «su misura»", 1},
        {"goal 0", ConPassi(R"({"gioco": "form1", "esatte": 0})"), "passo 1: «esatte» deve essere un numero da 1 a 99", 1},
        {"goal 2.5", ConPassi(R"({"gioco": "form1", "esatte": 2.5})"), "passo 1: «esatte» deve essere un numero intero", 1},
        {"second step", ConPassi(R"({"gioco": "form1", "esatte": 3}, {"gioco": "zirp7", "esatte": -1})"),
         "passo 2: «esatte» deve essere un numero da 1 a 99", 1},
        {"newer version", R"({"versione": 2, "nome": "P", "nuova": 1, "passi": []})",
         "il percorso è della versione 2 del formato, più recente di questo programma, che legge fino alla versione 1: "
         "aggiorna Tesselo", 1},
        {"unknown key", Con(R"("versione": 1, "nome": "P", "obbiettivo": "x")"), "chiave sconosciuta «obbiettivo»", 1},
        {"no name", Con(R"("versione": 1)"), "manca «nome»", 1},
        {"name on two lines", Con(R"("versione": 1, "nome": "P\nQ")"), "«nome» contiene un carattere di controllo", 1},
        {"name too long", Con(R"("versione": 1, "nome": ")" + QByteArray(101, 'a') + "\""),
         "«nome» è più lungo di 100 caratteri", 1},
        {"no step", ConPassi(""), "il percorso non ha passi", 1},
        {"a key twice", R"({"versione": 1, "nome": "P", "\u006eome": "Q", "passi": []})",
         "la chiave «nome» compare due volte nello stesso oggetto", 0},
        {"not JSON", "versione: 1", "il file non è JSON valido (errore vicino al byte 1)", 0},
        {"nested deep", QByteArray(5000, '['), "il file non è un percorso: ha elementi annidati troppo in profondità", 0},
        {"over 1 MiB", Esempio + QByteArray(Percorsi::MassimoByte, ' '), "il file è più grande di 1 MiB: non è un percorso", 0},
    };
    return sbagliati;
}

// Runs python3-jsonschema on files against the format's schema: the files
// it refuses. The package is Debian's, so Debian's python runs it, whatever
// other python the path finds first.
QStringList RifiutatiDalloSchema(const QStringList& file)
{
    static const char* programma = R"(
import json, sys
from jsonschema import Draft202012Validator
schema = json.load(open(sys.argv[1], encoding="utf-8"))
Draft202012Validator.check_schema(schema)
validatore = Draft202012Validator(schema)
for nome in sys.argv[2:]:
    errori = list(validatore.iter_errors(json.load(open(nome, encoding="utf-8"))))
    if errori:
        print(nome + "\t" + errori[0].message.replace("\n", " "))
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", programma, TESSELO_SCHEMA_PERCORSO} + file);
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        qFatal("python3 with python3-jsonschema (scripts/pacchetti-prove.txt) cannot check the schema: %s",
               python.readAllStandardError().constData());
    QStringList rifiutati;
    for (const QString& riga : QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        rifiutati.append(riga.section('\t', 0, 0));
    return rifiutati;
}

QStringList Esempi(const QString& lingua)
{
    const QDir cartella(QStringLiteral(TESSELO_ESEMPI_PERCORSI "/") + lingua);
    QStringList file;
    for (const QString& nome : cartella.entryList({"*.json"}, QDir::Files, QDir::Name))
        file.append(cartella.filePath(nome));
    return file;
}

// A path with texts a file must escape, every game, attributes chosen and
// not.
Percorso Completo()
{
    Percorso p{QStringLiteral("«Città» \"blu\" \\ 日本 🙂"), QStringLiteral("Prima riga\nseconda riga"), true, {}};
    for (const Percorsi::Gioco& g : Percorsi::Giochi())
        p.passi.append({QString::fromLatin1(g.schermo), g.minimoAttributi ? AttributiInGioco{1, 4} : AttributiInGioco{},
                        int(p.passi.size()) * 12 + 1});
    p.passi.append({QStringLiteral("form1"), {2, 3, 4}, 99});
    return p;
}

} // namespace

class ProvaPercorsi : public QObject {
    Q_OBJECT
private slots:
    // A path as a teacher writes it; the aim and the flag may be left out,
    // a byte order mark is no part of the JSON, and a file of exactly 1 MiB
    // is still read.
    void fileBuono()
    {
        const Percorsi::Lettura letta = LeggiTesto(Esempio);
        QVERIFY2(letta.percorso, qPrintable(letta.errore));
        QCOMPARE(letta.percorso->nome, QStringLiteral("Forme e colori"));
        QCOMPARE(letta.percorso->obiettivo, QStringLiteral("Riconoscere forma e colore"));
        QCOMPARE(letta.percorso->passi, (QList<Passo>{{"form1", {1, 2}, 10}, {"FORM2", {2}, 5}, {"FormTrova", {}, 3}}));
        const auto breve = LeggiTesto("\xEF\xBB\xBF" + ConPassi(R"({"gioco": "zirp7", "esatte": 1})"));
        QVERIFY2(breve.percorso, qPrintable(breve.errore));
        QVERIFY(breve.percorso->obiettivo.isEmpty() && !breve.percorso->soloPercorso);
        QVERIFY(breve.percorso->passi[0].attributi.tutti());
        QVERIFY(LeggiTesto(Esempio + QByteArray(Percorsi::MassimoByte - Esempio.size(), ' ')).percorso);
    }

    // Each problem gives its one message and no path.
    void fileSbagliato_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QString>("messaggio");
        for (const FileSbagliato& f : Sbagliati())
            QTest::newRow(f.nome) << f.testo << f.messaggio;
    }
    void fileSbagliato()
    {
        QFETCH(QByteArray, testo);
        QFETCH(QString, messaggio);
        const Percorsi::Lettura letta = LeggiTesto(testo);
        QVERIFY(!letta.percorso);
        QCOMPARE(letta.errore, messaggio);
    }

    // Only a regular file of at most 1 MiB is read: a pipe is never waited
    // on, a huge file never read. The message names the file.
    void fileSulDisco()
    {
        QTemporaryDir dir;
        const QString grande = dir.filePath("grande.json"), tubo = dir.filePath("tubo.json");
        QFile f(grande);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(4) << 30));
        f.close();
        QCOMPARE(Percorsi::LeggiFile(grande).errore, grande + ": il file è più grande di 1 MiB: non è un percorso");
        QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
        QCOMPARE(Percorsi::LeggiFile(tubo).errore, tubo + ": non è un file");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(ConPassi(R"({"gioco": "form1", "esatte": 0})")));
        f.close();
        QCOMPARE(Percorsi::LeggiFile(grande).errore, grande + ": passo 1: «esatte» deve essere un numero da 1 a 99");
    }

    // Written and read back, a path is the same path, in a file its owner's
    // alone, keys in the format's order. A path with a problem is not
    // written, and the file there stays as it was.
    void scrittoERiletto()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("percorso.json");
        QString errore;
        QVERIFY2(Percorsi::ScriviFile(file, Completo(), errore), qPrintable(errore));
        QCOMPARE(*Percorsi::LeggiFile(file).percorso, Completo());
        QCOMPARE(QFile(file).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        const QByteArray testo = Percorsi::Testo(Completo());
        QVERIFY(testo.startsWith("{\n    \"versione\": 1,\n    \"nome\": \"«Città» \\\"blu\\\" \\\\ 日本 🙂\",\n    \"obiettivo\""));
        QVERIFY(testo.contains("    \"solo_percorso\": true,\n    \"passi\": [\n        {\"gioco\": \"form1\", \"attributi\": [\"forma\", \"spessore\"], \"esatte\": 1},\n"));
        QVERIFY(testo.contains("        {\"gioco\": \"FormTrova\", \"esatte\": 37},\n"));
        Percorso sbagliato = Completo();
        sbagliato.passi[3].attributi = AttributiInGioco{1};
        QVERIFY(!Percorsi::ScriviFile(file, sbagliato, errore));
        QCOMPARE(errore, file + ": passo 4: nel gioco «trova il blocco» non si scelgono attributi: il passo non ha «attributi»");
        QCOMPARE(*Percorsi::LeggiFile(file).percorso, Completo());
    }

    // A step is "su misura" only where its file says true; false and no
    // key read alike, even in a game that chooses no attribute, and the
    // writer writes the key only for a step that is, so that a path without
    // any reads and writes as before.
    void suMisura()
    {
        const auto letta = LeggiTesto(ConPassi(R"({"gioco": "form1", "esatte": 3, "su_misura": true},
            {"gioco": "zirp8", "attributi": ["forma", "colore"], "esatte": 2, "su_misura": false},
            {"gioco": "FormTrova", "esatte": 1, "su_misura": false}, {"gioco": "FORM2", "esatte": 4})"));
        QVERIFY2(letta.percorso, qPrintable(letta.errore));
        QCOMPARE(letta.percorso->passi.size(), 4);
        QVERIFY(letta.percorso->passi[0].suMisura);
        for (int i = 1; i < 4; ++i)
            QVERIFY(!letta.percorso->passi[i].suMisura);
        const QByteArray testo = Percorsi::Testo(*letta.percorso);
        QVERIFY(testo.contains("{\"gioco\": \"form1\", \"attributi\": [\"forma\", \"colore\", \"dimensione\", \"spessore\"], "
                               "\"esatte\": 3, \"su_misura\": true},\n"));
        QCOMPARE(testo.count("su_misura"), 1);
        QCOMPARE(*LeggiTesto(testo).percorso, *letta.percorso);
        QCOMPARE(Percorsi::Testo(*LeggiTesto(Esempio).percorso).count("su_misura"), 0);
        // The schema takes it as the reader does.
        QTemporaryDir dir;
        QFile file(dir.filePath("su_misura.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(testo) == testo.size());
        file.close();
        QCOMPARE(RifiutatiDalloSchema({file.fileName()}), QStringList());
    }

    // The example paths: the same files in every language, the steps the
    // same, the name translated, and each a path for the reader.
    void esempiInOgniLingua()
    {
        const QStringList italiani = Esempi("it");
        QCOMPARE(italiani.size(), 4);
        for (const QString& lingua : QStringLiteral(TESSELO_LINGUE).split(',')) {
            const QStringList file = Esempi(lingua);
            QCOMPARE(file.size(), italiani.size());
            for (qsizetype i = 0; i < file.size(); ++i) {
                const auto letto = Percorsi::LeggiFile(file[i]), italiano = Percorsi::LeggiFile(italiani[i]);
                QVERIFY2(letto.percorso, qPrintable(letto.errore));
                QCOMPARE(QFileInfo(file[i]).fileName(), QFileInfo(italiani[i]).fileName());
                QCOMPARE(letto.percorso->passi, italiano.percorso->passi);
                QVERIFY2(lingua == "it" || letto.percorso->nome != italiano.percorso->nome, qPrintable(file[i]));
            }
        }
    }

    // The schema says what the reader says: it takes the example paths of
    // every language and what the writer writes, and refuses every bad file
    // it can tell.
    void schemaComeIlLettore()
    {
        QTemporaryDir dir;
        QStringList buoni{dir.filePath("scritto.json")}, sbagliati;
        QString errore;
        QVERIFY(Percorsi::ScriviFile(buoni[0], Completo(), errore));
        for (const QString& lingua : QStringLiteral(TESSELO_LINGUE).split(','))
            buoni += Esempi(lingua);
        for (const FileSbagliato& f : Sbagliati()) {
            QFile file(dir.filePath(QString::fromLatin1(f.nome) + ".json"));
            if (f.schema && file.open(QIODevice::WriteOnly) && file.write(f.testo))
                sbagliati.append(file.fileName());
        }
        QStringList rifiutati = RifiutatiDalloSchema(buoni + sbagliati);
        rifiutati.sort();
        sbagliati.sort();
        QCOMPARE(rifiutati, sbagliati);
    }
};

QTEST_GUILESS_MAIN(ProvaPercorsi)
#include "tst_percorsi.moc"
