// Learning paths as files: every way a file can fail to be a path gives one
// message naming its first problem and no path; what the writer writes
// reads back the same; the shipped example paths, in every language, pass
// both the JSON Schema of the format (checked by python3-jsonschema) and the
// reader, and the schema refuses what the reader refuses.
#include "percorsi/FilePercorso.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
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

QByteArray ConPasso(const QByteArray& passo)
{
    return ConPassi(passo);
}

// The path of the issue's example, and the same with one key's value
// replaced.
const QByteArray Esempio = R"({"versione": 1, "nome": "Forme e colori", "obiettivo": "Riconoscere forma e colore",
 "solo_percorso": false,
 "passi": [{"gioco": "form1", "attributi": ["forma", "colore"], "esatte": 10},
           {"gioco": "FORM2", "attributi": ["colore"], "esatte": 5},
           {"gioco": "FormTrova", "esatte": 3}]})";

QByteArray Intestazione(const QByteArray& chiavi)
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
    static const QList<FileSbagliato> sbagliati{
        {"unknown game", ConPasso(R"({"gioco": "form9", "esatte": 3})"), "passo 1: il gioco «form9» non esiste", true},
        {"a game by its caption", ConPasso(R"({"gioco": "insiemi", "esatte": 3})"),
         "passo 1: il gioco «insiemi» non esiste", true},
        {"unknown attribute", ConPasso(R"({"gioco": "form1", "attributi": ["forma", "altezza"], "esatte": 3})"),
         "passo 1: l'attributo «altezza» non esiste: sono forma, colore, dimensione, spessore", true},
        {"attribute in capitals", ConPasso(R"({"gioco": "zirp3", "attributi": ["Colore"], "esatte": 3})"),
         "passo 1: l'attributo «Colore» non esiste: sono forma, colore, dimensione, spessore", true},
        {"attribute twice", ConPasso(R"({"gioco": "form1", "attributi": ["colore", "colore"], "esatte": 3})"),
         "passo 1: l'attributo «colore» è ripetuto", true},
        {"no attribute", ConPasso(R"({"gioco": "form1", "attributi": [], "esatte": 3})"),
         "passo 1: «attributi» è vuoto: va scelto almeno un attributo, oppure tolta la chiave per averli tutti", true},
        {"attributes of find the block",
         ConPasso(R"({"gioco": "FormTrova", "attributi": ["forma", "colore", "dimensione", "spessore"], "esatte": 3})"),
         "passo 1: nel gioco «trova il blocco» non si scelgono attributi: il passo non ha «attributi»", true},
        {"roads 2 with one attribute", ConPasso(R"({"gioco": "zirp8", "attributi": ["forma"], "esatte": 3})"),
         "passo 1: il gioco «le strade 2» vuole almeno 2 attributi", true},
        {"table with one attribute", ConPasso(R"({"gioco": "zirp9", "attributi": ["spessore"], "esatte": 3})"),
         "passo 1: il gioco «tabella» vuole almeno 2 attributi", true},
        {"goal 0", ConPasso(R"({"gioco": "form1", "esatte": 0})"), "passo 1: «esatte» deve essere un numero da 1 a 99",
         true},
        {"goal 100", ConPasso(R"({"gioco": "form1", "esatte": 100})"),
         "passo 1: «esatte» deve essere un numero da 1 a 99", true},
        {"goal huge", ConPasso(R"({"gioco": "form1", "esatte": 1e300})"), "passo 1: «esatte» deve essere un numero intero",
         true},
        {"goal not whole", ConPasso(R"({"gioco": "form1", "esatte": 2.5})"), "passo 1: «esatte» deve essere un numero intero",
         true},
        {"goal as text", ConPasso(R"({"gioco": "form1", "esatte": "10"})"), "passo 1: «esatte» deve essere un numero intero",
         true},
        {"second step wrong", ConPassi(R"({"gioco": "form1", "esatte": 3}, {"gioco": "zirp7", "esatte": -1})"),
         "passo 2: «esatte» deve essere un numero da 1 a 99", true},
        {"newer version", R"({"versione": 2, "nome": "P", "cosa_nuova": 1, "passi": []})",
         "il percorso è della versione 2 del formato, più recente di questo programma, che legge fino alla versione 1: "
         "aggiorna Tesselo",
         true},
        {"version 0", Intestazione(R"("versione": 0, "nome": "P")"), "la versione 0 del formato non esiste: la prima è la 1",
         true},
        {"version as text", Intestazione(R"("versione": "1", "nome": "P")"), "«versione» deve essere un numero intero", true},
        {"no version", Intestazione(R"("nome": "P")"), "manca «versione»", true},
        {"no name", Intestazione(R"("versione": 1)"), "manca «nome»", true},
        {"name a number", Intestazione(R"("versione": 1, "nome": 3)"), "«nome» deve essere un testo", true},
        {"blank name", Intestazione(R"("versione": 1, "nome": " \t ")"), "«nome» è vuoto", true},
        {"name too long", Intestazione(R"("versione": 1, "nome": ")" + QByteArray(101, 'a') + "\""),
         "«nome» è più lungo di 100 caratteri", true},
        {"name on two lines", Intestazione(R"("versione": 1, "nome": "P\nQ")"), "«nome» contiene un carattere di controllo",
         true},
        {"aim with a bell", Intestazione(R"("versione": 1, "nome": "P", "obiettivo": "a\u0007")"),
         "«obiettivo» contiene un carattere di controllo", true},
        {"aim too long", Intestazione(R"("versione": 1, "nome": "P", "obiettivo": ")" + QByteArray(501, 'a') + "\""),
         "«obiettivo» è più lungo di 500 caratteri", true},
        {"aim a list", Intestazione(R"("versione": 1, "nome": "P", "obiettivo": [])"), "«obiettivo» deve essere un testo",
         true},
        {"flag as text", Intestazione(R"("versione": 1, "nome": "P", "solo_percorso": "no")"),
         "«solo_percorso» deve essere true o false", true},
        {"unknown key", Intestazione(R"("versione": 1, "nome": "P", "obbiettivo": "x")"), "chiave sconosciuta «obbiettivo»",
         true},
        {"unknown key of a step", ConPasso(R"({"gioco": "form1", "attributti": ["forma"], "esatte": 3})"),
         "passo 1: chiave sconosciuta «attributti»", true},
        {"no steps key", R"({"versione": 1, "nome": "P"})", "manca «passi»", true},
        {"steps an object", R"({"versione": 1, "nome": "P", "passi": {}})", "«passi» deve essere un elenco di passi", true},
        {"no step", ConPassi(""), "il percorso non ha passi", true},
        {"too many steps", ConPassi(QByteArrayList(101, R"({"gioco": "form1", "esatte": 1})").join(',')),
         "il percorso ha più di 100 passi", true},
        {"a step a number", ConPassi("3"), "passo 1: un passo deve essere un oggetto { }", true},
        {"step without game", ConPasso(R"({"esatte": 3})"), "passo 1: manca «gioco»", true},
        {"step without goal", ConPasso(R"({"gioco": "form1"})"), "passo 1: manca «esatte»", true},
        {"game a number", ConPasso(R"({"gioco": 0, "esatte": 3})"), "passo 1: «gioco» deve essere il nome di un gioco", true},
        {"a name twice", R"({"versione": 1, "nome": "P", "nome": "Q", "passi": [{"gioco": "form1", "esatte": 3}]})",
         "la chiave «nome» compare due volte nello stesso oggetto", false},
        {"a goal twice", ConPasso(R"({"gioco": "form1", "esatte": 3, "esatte" : 90})"),
         "la chiave «esatte» compare due volte nello stesso oggetto", false},
        {"a key twice, once escaped", R"({"versione": 1, "nome": "P", "\u006eome": "Q", "passi": []})",
         "la chiave «nome» compare due volte nello stesso oggetto", false},
        {"a hostile name quoted short", ConPasso(R"({"gioco": ")" + QByteArray(5000, 'x') + R"(\u0000", "esatte": 3})"),
         "passo 1: il gioco «" + QString(40, 'x') + "…» non esiste", true},
        {"not JSON", "versione: 1", "il file non è JSON valido (errore vicino al byte 1)", false},
        {"cut short", Esempio.left(60), "il file non è JSON valido (errore vicino al byte 61)", false},
        {"Latin-1", "{\"versione\": 1, \"nome\": \"Forme \xe8\"}", "il file non è scritto in UTF-8 (vicino al byte 31)", false},
        {"a list", "[1]", "il file non è un percorso: il JSON non è un oggetto { }", false},
        {"empty", " \n", "il file è vuoto", false},
        {"nested deep", QByteArray(5000, '['), "il file non è un percorso: ha elementi annidati troppo in profondità", false},
        {"over 1 MiB", Esempio + QByteArray(Percorsi::MassimoByte, ' '), "il file è più grande di 1 MiB: non è un percorso",
         false},
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

// A path with something of every kind: texts a file must escape, every
// game, attributes chosen and not.
Percorso Completo()
{
    Percorso p;
    p.nome = QStringLiteral("«Città» \"blu\" \\ 日本 🙂");
    p.obiettivo = QStringLiteral("Prima riga\nseconda riga");
    p.soloPercorso = true;
    int esatte = 1;
    for (const Percorsi::Gioco& g : Percorsi::Giochi()) {
        Passo passo{QString::fromLatin1(g.schermo), {}, esatte};
        if (g.minimoAttributi == 1)
            passo.attributi = AttributiInGioco{4};
        else if (g.minimoAttributi == 2)
            passo.attributi = AttributiInGioco{1, 3};
        p.passi.append(passo);
        esatte += 12;
    }
    p.passi.append({QStringLiteral("form1"), {2, 3, 4}, 99});
    return p;
}

} // namespace

class ProvaPercorsi : public QObject {
    Q_OBJECT
private slots:
    // The issue's example, as a teacher would write it.
    void esempioDelFormato()
    {
        const Percorsi::Lettura letta = LeggiTesto(Esempio);
        QVERIFY2(letta.percorso, qPrintable(letta.errore));
        const Percorso& p = *letta.percorso;
        QCOMPARE(p.nome, QStringLiteral("Forme e colori"));
        QCOMPARE(p.obiettivo, QStringLiteral("Riconoscere forma e colore"));
        QVERIFY(!p.soloPercorso);
        const QList<Passo> passi{{"form1", {1, 2}, 10}, {"FORM2", {2}, 5}, {"FormTrova", {}, 3}};
        QCOMPARE(p.passi, passi);
        // The aim and the flag may be left out; a byte order mark is no
        // part of the JSON.
        const auto breve = LeggiTesto("\xEF\xBB\xBF" + ConPasso(R"({"gioco": "zirp7", "esatte": 1})"));
        QVERIFY2(breve.percorso, qPrintable(breve.errore));
        QCOMPARE(breve.percorso->obiettivo, QString());
        QVERIFY(!breve.percorso->soloPercorso);
        QVERIFY(breve.percorso->passi[0].attributi.tutti());
    }

    // Each problem gives its one message and no path; the first problem is
    // the one named.
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

    // A file of exactly 1 MiB is still read.
    void unMiBAncoraLetto()
    {
        const QByteArray testo = Esempio + QByteArray(Percorsi::MassimoByte - Esempio.size(), ' ');
        QCOMPARE(testo.size(), Percorsi::MassimoByte);
        const Percorsi::Lettura letta = LeggiTesto(testo);
        QVERIFY2(letta.percorso, qPrintable(letta.errore));
    }

    // What is not a regular file of at most 1 MiB is not read: the message
    // names the file, a pipe is never waited on and a huge file never read.
    void fileSulDisco()
    {
        QTemporaryDir dir;
        const QString grande = dir.filePath("grande.json");
        QFile f(grande);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(4) << 30));
        f.close();
        QCOMPARE(Percorsi::LeggiFile(grande).errore, grande + ": il file è più grande di 1 MiB: non è un percorso");
        const QString tubo = dir.filePath("tubo.json");
        QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
        QCOMPARE(Percorsi::LeggiFile(tubo).errore, tubo + ": non è un file");
        QCOMPARE(Percorsi::LeggiFile(dir.path()).errore, dir.path() + ": non è un file");
        const Percorsi::Lettura manca = Percorsi::LeggiFile(dir.filePath("manca.json"));
        QVERIFY(!manca.percorso);
        QVERIFY2(manca.errore.startsWith(dir.filePath("manca.json") + ": il file non si può leggere ("),
                 qPrintable(manca.errore));
        const QString sbagliato = dir.filePath("sbagliato.json");
        QFile s(sbagliato);
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write(ConPasso(R"({"gioco": "form1", "esatte": 0})"));
        s.close();
        QCOMPARE(Percorsi::LeggiFile(sbagliato).errore, sbagliato + ": passo 1: «esatte» deve essere un numero da 1 a 99");
    }

    // Written and read back, a path is the same path; the file is its
    // owner's alone, in the format's shape, one step a line. A path with a
    // problem is not written, and the file there stays as it was.
    void scrittoERiletto()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("percorso.json");
        const Percorso p = Completo();
        QString errore;
        QVERIFY2(Percorsi::ScriviFile(file, p, errore), qPrintable(errore));
        const Percorsi::Lettura letta = Percorsi::LeggiFile(file);
        QVERIFY2(letta.percorso, qPrintable(letta.errore));
        QCOMPARE(*letta.percorso, p);
        QCOMPARE(QFile(file).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = f.readAll().split('\n');
        QCOMPARE(righe.mid(0, 6), (QList<QByteArray>{"{", "    \"versione\": 1,",
                                                   "    \"nome\": \"«Città» \\\"blu\\\" \\\\ 日本 🙂\",",
                                                   "    \"obiettivo\": \"Prima riga\\nseconda riga\",",
                                                   "    \"solo_percorso\": true,", "    \"passi\": ["}));
        QCOMPARE(righe[6], QByteArray(R"(        {"gioco": "form1", "attributi": ["spessore"], "esatte": 1},)"));
        QVERIFY(righe.contains(R"(        {"gioco": "FormTrova", "esatte": 37},)"));
        f.close();

        Percorso sbagliato = p;
        sbagliato.passi[3].attributi = AttributiInGioco{1};
        QVERIFY(!Percorsi::ScriviFile(file, sbagliato, errore));
        QCOMPARE(errore, file + ": passo 4: nel gioco «trova il blocco» non si scelgono attributi: il passo non ha «attributi»");
        QCOMPARE(*Percorsi::LeggiFile(file).percorso, p);
    }

    // Bytes changed at random in a good file: no crash, and each result is
    // either one message or a path without a problem that writes and reads
    // back the same.
    void testoOstile()
    {
        QRandomGenerator caso(32);
        const QByteArray base = Percorsi::Testo(Completo());
        int letti = 0;
        for (int i = 0; i < 20000; ++i) {
            QByteArray t = base;
            for (int m = caso.bounded(1, 5); m > 0; --m) {
                const int dove = caso.bounded(t.size() + 1);
                const char byte = "{}[]\",:\\0159 ae\xc3\xff"[caso.bounded(18)];
                switch (caso.bounded(3)) {
                case 0: t.insert(dove, byte); break;
                case 1: t.remove(dove, 1); break;
                default: if (dove < t.size()) t[dove] = byte;
                }
            }
            const Percorsi::Lettura letta = LeggiTesto(t);
            if (!letta.percorso) {
                QVERIFY(!letta.errore.isEmpty());
                continue;
            }
            ++letti;
            QCOMPARE(Percorsi::ProblemaPercorso(*letta.percorso), QString());
            QCOMPARE(LeggiTesto(Percorsi::Testo(*letta.percorso)).percorso, letta.percorso);
        }
        QVERIFY(letti > 0);
    }

    // The examples: the same files in every language, each of them a path
    // for both the schema and the reader; the steps the same in every
    // language, the name and aim translated.
    void esempiInOgniLingua()
    {
        const QStringList lingue = QStringLiteral(TESSELO_LINGUE).split(',');
        const QStringList italiani = Esempi("it");
        QCOMPARE(italiani.size(), 4);
        QStringList tutti;
        for (const QString& lingua : lingue) {
            const QStringList file = Esempi(lingua);
            QCOMPARE(file.size(), italiani.size());
            for (qsizetype i = 0; i < file.size(); ++i) {
                QCOMPARE(QFileInfo(file[i]).fileName(), QFileInfo(italiani[i]).fileName());
                const auto letto = Percorsi::LeggiFile(file[i]);
                QVERIFY2(letto.percorso, qPrintable(letto.errore));
                const auto italiano = Percorsi::LeggiFile(italiani[i]);
                QCOMPARE(letto.percorso->passi, italiano.percorso->passi);
                QCOMPARE(letto.percorso->soloPercorso, italiano.percorso->soloPercorso);
                QVERIFY(!letto.percorso->obiettivo.isEmpty());
                if (lingua != "it")
                    QVERIFY2(letto.percorso->nome != italiano.percorso->nome, qPrintable(file[i]));
            }
            tutti += file;
        }
        QCOMPARE(RifiutatiDalloSchema(tutti), QStringList());
    }

    // The schema says what the reader says: it takes what the writer
    // writes and refuses every bad file it can tell.
    void schemaComeIlLettore()
    {
        QTemporaryDir dir;
        QStringList sbagliati;
        for (const FileSbagliato& f : Sbagliati()) {
            if (!f.schema)
                continue;
            QFile file(dir.filePath(QString::fromLatin1(f.nome) + ".json"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(f.testo);
            sbagliati.append(file.fileName());
        }
        QString errore;
        const QString buono = dir.filePath("buono.json");
        QVERIFY(Percorsi::ScriviFile(buono, Completo(), errore));
        QFile esempio(dir.filePath("esempio.json"));
        QVERIFY(esempio.open(QIODevice::WriteOnly));
        esempio.write(Esempio);
        esempio.close();
        QStringList rifiutati = RifiutatiDalloSchema(sbagliati + QStringList{buono, esempio.fileName()});
        rifiutati.sort();
        sbagliati.sort();
        QCOMPARE(rifiutati, sbagliati);
    }
};

QTEST_GUILESS_MAIN(ProvaPercorsi)
#include "tst_percorsi.moc"
