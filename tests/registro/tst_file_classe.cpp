// Class files as school administration software writes them, the import
// into the register, and the export of every answer.
#include "registro/FileClasse.h"
#include "registro/Giochi.h"
#include "registro/PercorsiClasse.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Registro;

Q_DECLARE_METATYPE(QList<Alunno>)

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

QString Scrivi(const QTemporaryDir& cartella, const QString& nome, const QByteArray& contenuto)
{
    const QString percorso = cartella.filePath(nome);
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenuto) != contenuto.size())
        qFatal("cannot write %s", qPrintable(percorso));
    return percorso;
}

} // namespace

class TestFileClasse : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;

private slots:
    void leggi_data();
    void leggi();
    void errori_data();
    void errori();
    void dividi_data();
    void dividi();
    void problemi();
    void importa();
    void gruppi();
    void troppiBambini();
    void esporta();
    void formuleInerti();
};

void TestFileClasse::leggi_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QList<Alunno>>("alunni");
    const QList<Alunno> due{{"Niccolò", "D'Amico"}, {"Zoë", "Rossi"}};
    QTest::newRow("semicolons, UTF-8 with BOM, CRLF")
        << Bom + "Cognome;Nome;Classe\r\nD'Amico;Niccolò;1A\r\nRossi;Zoë;1A\r\n" << due;
    QTest::newRow("commas, UTF-8 without BOM")
        << QByteArray("nome,COGNOME,data di nascita\nNiccolò,D'Amico,2020-01-02\nZoë,Rossi,2020-03-04\n") << due;
    QTest::newRow("Windows-1252, semicolons")
        << QByteArray("Alunno;Cognome;Nome\r\n1;D\x92" "Amico;Niccol\xF2\r\n2;Rossi;Zo\xEB\r\n") << QList<Alunno>{
               {"Niccolò", "D’Amico"}, {"Zoë", "Rossi"}};
    QTest::newRow("Windows-1252 euro and dashes")
        << QByteArray("Nome;Cognome\n\x80va;Lun\x96go\n") << QList<Alunno>{{"€va", "Lun–go"}};
    QTest::newRow("blank lines, empty rows, blanks around")
        << QByteArray("\r\n\nNome ; Cognome \n\n  Niccolò ; D'Amico \r\n;\n;;\nZoë;Rossi\n\n") << due;
    QTest::newRow("quoted fields: separator, quotes, line break")
        << QByteArray("\"Nome\";\"Cognome\";\"Note\"\n\"Anna; Maria\";\"Verdi \"\"la rossa\"\"\";\"due\nrighe\"\n"
                      "Ugo;\"\";\n")
        << QList<Alunno>{{"Anna; Maria", "Verdi \"la rossa\""}, {"Ugo", ""}};
    QTest::newRow("commas in a semicolon file")
        << QByteArray("Nome;Cognome;Indirizzo\nAnna;Verdi;Via Roma, 3, Milano\n") << QList<Alunno>{{"Anna", "Verdi"}};
    QTest::newRow("no final line break, surname column missing in a row")
        << QByteArray("Cognome,Nome\nRossi,Zoë\n,Ugo") << QList<Alunno>{{"Zoë", "Rossi"}, {"Ugo", ""}};
    QTest::newRow("header only") << Bom + "Nome;Cognome\r\n" << QList<Alunno>{};
    QTest::newRow("NUL and direction controls dropped")
        << QByteArray("Nome;Cognome\nZo\xC3\xAB\x00;\xE2\x80\xAEissoR\xE2\x80\xAC\n", 31)
        << QList<Alunno>{{"Zoë", "issoR"}};
    // The school office's files: a title above the header, tabs, another
    // language's headers, names in capitals.
    QTest::newRow("title lines above the header, tabs")
        << QByteArray("Scuola primaria \"G. Rodari\"\r\nClasse 1A\t\t2026-09-14\r\n\r\nN.\tCognome\tNome\r\n"
                      "1\tD'AMICO\tNICCOL\xC3\x92\r\n2\tRossi\tZo\xC3\xAB\r\n")
        << QList<Alunno>{{"Niccolò", "D'Amico"}, {"Zoë", "Rossi"}};
    QTest::newRow("header on the tenth line")
        << QByteArray("a\nb\nc\nd\ne\nf\ng\nh\ni\nNome;Cognome\nAnna;Verdi\n") << QList<Alunno>{{"Anna", "Verdi"}};
    QTest::newRow("English, commas") << QByteArray("Surname,First name\nVerdi,Anna\n") << QList<Alunno>{{"Anna", "Verdi"}};
    QTest::newRow("French, accents dropped")
        << QByteArray("PRENOM;NOM\nAnna;Verdi\n") << QList<Alunno>{{"Anna", "Verdi"}};
    QTest::newRow("Spanish, tabs") << QByteArray("Apellidos\tNombre\nVerdi\tAnna\n") << QList<Alunno>{{"Anna", "Verdi"}};
    QTest::newRow("German, Windows-1252")
        << QByteArray("Vorname;Nachname\nJ\xFCrgen;M\xDCLLER\n") << QList<Alunno>{{"Jürgen", "Müller"}};
    QTest::newRow("\"Alunno\", surname first, particles")
        << QByteArray("Alunno;Data di nascita\nDE LUCA GIULIA;2020-01-02\nDELL'ACQUA MARCO;\nD'AMICO NICCOL\xC3\x92;\n")
        << QList<Alunno>{{"Giulia", "De Luca"}, {"Marco", "Dell'Acqua"}, {"Niccolò", "D'Amico"}};
    QTest::newRow("\"Cognome e nome\", a title, uncertain splits proposed")
        << QByteArray("Elenco alunni\n\"cognome e nome\",sezione\nLO BIANCO ANNA MARIA,A\n\"Rossi, Anna Maria\",A\n")
        << QList<Alunno>{{"Anna Maria", "Lo Bianco"}, {"Anna Maria", "Rossi"}};
    QTest::newRow("Nome and Cognome over Alunno")
        << QByteArray("Alunno;Nome;Cognome\nVERDI ANNA;Ugo;Neri\n") << QList<Alunno>{{"Ugo", "Neri"}};
    QTest::newRow("100 characters") << "Nome;Cognome\n" + QByteArray(100, 'a') + ";" + QByteArray(50, 'b') + "\n"
                                    << QList<Alunno>{{QString(100, 'a'), QString(50, 'b')}};
}

void TestFileClasse::leggi()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QList<Alunno>, alunni);
    const LetturaClasse lettura = LeggiClasse(contenuto);
    QCOMPARE(lettura.errore, QString());
    QCOMPARE(lettura.alunni.size(), alunni.size());
    for (qsizetype i = 0; i < alunni.size(); ++i) {
        QCOMPARE(lettura.alunni[i].nome, alunni[i].nome);
        QCOMPARE(lettura.alunni[i].cognome, alunni[i].cognome);
    }
}

void TestFileClasse::errori_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("errore");
    QTest::newRow("no Cognome column") << QByteArray("Nome;Classe\nAnna;1A\n") << "riga 1: manca la colonna Cognome";
    QTest::newRow("no Nome column") << Bom + "Alunno,Cognome\nAnna,Verdi\n" << "riga 1: manca la colonna Nome";
    QTest::newRow("header after blank lines") << QByteArray("\n\nNomi;Cognome\n") << "riga 3: manca la colonna Nome";
    QTest::newRow("empty file") << QByteArray() << "riga 1: il file è vuoto, manca l'intestazione con Nome e Cognome";
    QTest::newRow("a row without a name")
        << QByteArray("Nome;Cognome\nAnna;Verdi\n\n;Rossi\nUgo;Bianchi\n") << "riga 4: manca il nome";
    QTest::newRow("line counted across a quoted line break")
        << QByteArray("Nome;Cognome;Note\nAnna;Verdi;\"una\ndue\"\n ;Rossi\n") << "riga 4: manca il nome";
    // "Zoë" in UTF-8, then one Windows-1252 byte: neither reading is right.
    const QString misto = "riga %1: il file mescola UTF-8 e un'altra codifica; salvalo di nuovo in UTF-8";
    QTest::newRow("UTF-8 with one Windows-1252 byte")
        << QByteArray("Nome;Cognome\nZo\xC3\xAB;Rossi\nNiccol\xF2;D'Amico\n") << misto.arg(3);
    QTest::newRow("with BOM, one Windows-1252 byte") << Bom + "Nome;Cognome\nZo\xEB;Rossi\n" << misto.arg(2);
    QTest::newRow("a name of 101 characters")
        << "Nome;Cognome\nAnna;Verdi\n" + QByteArray(101, 'a') + ";\n"
        << "riga 3: il nome e il cognome possono avere al massimo 100 caratteri ciascuno";
    QTest::newRow("a title, then a header without surname")
        << QByteArray("Classe 1A;;\nNome;Classe\nAnna;1A\n") << "riga 2: manca la colonna Cognome";
    QTest::newRow("header on the eleventh line")
        << QByteArray("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nNome;Cognome\nAnna;Verdi\n") << "riga 1: manca la colonna Nome";
    QTest::newRow("Alunno beside a Cognome column") << QByteArray("Alunno;Cognome\nVERDI ANNA;Verdi\n")
                                                   << "riga 1: manca la colonna Nome";
    QTest::newRow("an empty Alunno cell") << QByteArray("Alunno;Classe\nVERDI ANNA;1A\n;1A\n") << "riga 3: manca il nome";
    QTest::newRow("an Alunno cell too long to split")
        << "Alunno\n" + QByteArray(150, 'A') + " " + QByteArray(51, 'B') + "\n"
        << "riga 2: il nome e il cognome possono avere al massimo 100 caratteri ciascuno";
    QTest::newRow("a group of 51 characters") << "Nome;Cognome;Gruppo\nAnna;Verdi;" + QByteArray(51, 'g') + "\n"
                                              << "riga 2: il nome del gruppo può avere al massimo 50 caratteri";
    QTest::newRow("a 10 MB surname") << "Nome;Cognome\nAnna;" + QByteArray(10'000'000, 'v') + "\n"
                                     << "riga 2: il nome e il cognome possono avere al massimo 100 caratteri ciascuno";
}

void TestFileClasse::errori()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, errore);
    const LetturaClasse lettura = LeggiClasse(contenuto);
    QCOMPARE(lettura.errore, errore);
    QVERIFY(lettura.alunni.isEmpty());
}

void TestFileClasse::dividi_data()
{
    QTest::addColumn<QString>("cella");
    QTest::addColumn<QStringList>("modi");  // "surname / name", the likeliest first
    QTest::addColumn<bool>("certa");
    QTest::newRow("two words") << "ROSSI MARIO" << QStringList{"Rossi / Mario"} << true;
    QTest::newRow("a particle") << "DE LUCA GIULIA" << QStringList{"De Luca / Giulia"} << true;
    QTest::newRow("an apostrophe") << "DELL'ACQUA MARCO" << QStringList{"Dell'Acqua / Marco"} << true;
    QTest::newRow("an apostrophe and a blank") << "DELL' ACQUA MARCO" << QStringList{"Dell'Acqua / Marco"} << true;
    QTest::newRow("typographic apostrophe, accent")
        << "D’AMICO NICCOLÒ" << QStringList{"D’Amico / Niccolò"} << true;
    QTest::newRow("particles in a row") << "DE LA CRUZ MARIA" << QStringList{"De La Cruz / Maria"} << true;
    QTest::newRow("hyphen") << "ROSSI-BIANCHI ANNA" << QStringList{"Rossi-Bianchi / Anna"} << true;
    QTest::newRow("a double name") << "LO BIANCO ANNA MARIA"
                                   << QStringList{"Lo Bianco / Anna Maria", "Lo Bianco Anna / Maria"} << false;
    QTest::newRow("a double surname")
        << "ROSSI BIANCHI ANNA" << QStringList{"Rossi / Bianchi Anna", "Rossi Bianchi / Anna"} << false;
    QTest::newRow("a particle after the first word")
        << "ROSSI DE LUCA GIULIA" << QStringList{"Rossi De Luca / Giulia", "Rossi / De Luca Giulia"} << false;
    QTest::newRow("a particle and one word") << "DE LUCA" << QStringList{"De / Luca"} << false;
    QTest::newRow("one word") << "ROSSI" << QStringList{" / Rossi"} << false;
    QTest::newRow("a comma") << "LO BIANCO, ANNA MARIA" << QStringList{"Lo Bianco / Anna Maria"} << true;
    QTest::newRow("surname in capitals") << "ROSSI BIANCHI Anna Maria" << QStringList{"Rossi Bianchi / Anna Maria"}
                                         << true;
    QTest::newRow("usual case kept") << "  De  Luca   Giulia " << QStringList{"De Luca / Giulia"} << true;
    QTest::newRow("blank") << " " << QStringList{} << false;
}

void TestFileClasse::dividi()
{
    QFETCH(QString, cella);
    QFETCH(QStringList, modi);
    QFETCH(bool, certa);
    const Divisioni divisioni = DividiNome(cella);
    QStringList letti;
    for (const Divisione& d : divisioni.modi)
        letti << d.cognome + " / " + d.nome;
    QCOMPARE(letti, modi);
    QCOMPARE(divisioni.certa, certa);
}

// A problem is a value, told in Italian or through the teachers' program's
// translation: the line and the column's name go into the translated text.
void TestFileClasse::problemi()
{
    const LetturaClasse lettura = LeggiClasse("Titolo\nNome;Classe\n");
    QCOMPARE(lettura.problema.tipo, ProblemaClasse::Colonna);
    QCOMPARE(lettura.problema.riga, 2);
    QCOMPARE(lettura.problema.colonna, ProblemaClasse::Colonne::Cognome);
    QCOMPARE(DescriviProblema(lettura.problema), lettura.errore);
    QStringList chiesti;
    const QString tradotto = DescriviProblema(lettura.problema, [&](const char* testo, const char* commento) {
        chiesti << QString::fromUtf8(testo) + " | " + QString::fromUtf8(commento ? commento : "");
        return QString::fromUtf8(testo).toUpper();
    });
    QCOMPARE(tradotto, QStringLiteral("RIGA 2: MANCA LA COLONNA COGNOME"));
    QCOMPARE(chiesti, (QStringList{"Cognome | una colonna del file di una classe", "riga %1: manca la colonna %2 | "}));
    QVERIFY(!LeggiClasse("Nome;Cognome\nAnna;Verdi\n").problema);
    QCOMPARE(LeggiFileClasse(cartella.filePath("nessuno.csv")).problema.tipo, ProblemaClasse::NonLeggibile);
}

void TestFileClasse::importa()
{
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath("importa.sqlite")), Accesso::Ok);
    QVERIFY(a.salva({0, {}, "Anna", "Verdi", "gatto"}));
    const QString buono = Scrivi(cartella, "classe.csv",
                                 "Nome;Cognome\nANNA;verdi\nUgo;Bianchi\nUgo;Bianchi\nLea;\n");
    const Importazione i = ImportaClasse(a, buono);
    QCOMPARE(i.errore, QString());
    QCOMPARE(i.aggiunti, 2);  // Anna is there already, Ugo is one child
    const QList<Bambino> classe = a.bambini();
    QCOMPARE(classe.size(), 3);
    QCOMPARE(classe[0].nome, QStringLiteral("Lea"));  // by surname: Lea has none, then Bianchi, Verdi
    QCOMPARE(classe[0].simbolo, QStringLiteral("coniglio"));  // gatto is Anna's, cane went to Ugo
    QCOMPARE(classe[1].simbolo, QStringLiteral("cane"));
    QCOMPARE(ImportaClasse(a, buono).aggiunti, 0);

    const QString cattivo = Scrivi(cartella, "cattiva.csv", "Nome;Cognome\nPia;Neri\n;Rossi\n");
    const Importazione e = ImportaClasse(a, cattivo);
    QCOMPARE(e.aggiunti, 0);
    QCOMPARE(e.errore, QStringLiteral("riga 3: manca il nome"));
    QCOMPARE(a.bambini().size(), 3);  // Pia was not added either
    QVERIFY(!ImportaClasse(a, cartella.filePath("nessuno.csv")).errore.isEmpty());
}

// A "Gruppo" column puts each child of the file in that group of the
// class, made when missing whatever its letter case; an empty cell leaves a
// child as they are; a child already in the class changes group.
void TestFileClasse::gruppi()
{
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath("gruppi.sqlite")), Accesso::Ok);
    const auto piccoli = a.salvaGruppo({0, QUuid::createUuid(), "Piccoli"});
    QVERIFY2(piccoli, qPrintable(a.ultimoErrore()));
    const auto anna = a.salva({0, {}, "Anna", "Verdi", "gatto"});
    const auto ugo = a.salva({0, {}, "Ugo", "Neri", "cane", piccoli->id});
    QVERIFY(anna && ugo);
    const Importazione i = ImportaClasse(
        a, Scrivi(cartella, "gruppi.csv",
                  "Cognome;Nome;GRUPPO\nVerdi;Anna;piccoli\nNeri;Ugo;\nRossi;Lea;Grandi\nBianchi;Pia;grandi\n"
                  "Gialli;Eva;\n"));
    QCOMPARE(i.errore, QString());
    QCOMPARE(i.aggiunti, 3);
    QCOMPARE(i.spostati, 1);  // Anna; Ugo keeps his group
    QList<Gruppo> gruppi = a.gruppi();
    QCOMPARE(gruppi.size(), 2);
    QCOMPARE(gruppi[0].nome, QStringLiteral("Grandi"));  // as the file first wrote it
    QHash<QString, qint64> gruppoDi;
    for (const Bambino& b : a.bambini())
        gruppoDi.insert(b.nome, b.gruppo);
    QCOMPARE(gruppoDi, (QHash<QString, qint64>{{"Anna", piccoli->id}, {"Ugo", piccoli->id}, {"Lea", gruppi[0].id},
                                               {"Pia", gruppi[0].id}, {"Eva", 0}}));
    // Nothing changes twice.
    const QString stesso = cartella.filePath("gruppi.csv");
    QCOMPARE(ImportaClasse(a, stesso).aggiunti + ImportaClasse(a, stesso).spostati, 0);
    QCOMPARE(a.gruppi().size(), 2);
}

void TestFileClasse::troppiBambini()
{
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath("troppi.sqlite")), Accesso::Ok);
    QVERIFY(a.salva({0, {}, "Primo", {}, QString::fromLatin1(Simboli()[3].chiave)}));
    QByteArray csv("Nome;Cognome\n");
    for (size_t n = 0; n < Simboli().size(); ++n)
        csv += "Bimbo;" + QByteArray::number(qulonglong(n)) + "\n";
    const Importazione i = ImportaClasse(a, Scrivi(cartella, "troppi.csv", csv));
    QCOMPARE(i.aggiunti, 0);
    QVERIFY2(i.errore.contains("contrassegni"), qPrintable(i.errore));
    QCOMPARE(a.bambini().size(), 1);
    csv.truncate(csv.lastIndexOf("Bimbo"));
    QCOMPARE(ImportaClasse(a, Scrivi(cartella, "giusti.csv", csv)).aggiunti, qsizetype(Simboli().size()) - 1);
    QCOMPARE(a.bambini().size(), qsizetype(Simboli().size()));
}

void TestFileClasse::esporta()
{
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath("esporta.sqlite")), Accesso::Ok);
    const auto anna = a.salva({0, {}, "Anna \"Bea\"", "D'Amico; Rossi", "gatto"});
    Risposta r = NuovaRisposta();
    r.quando = QDateTime(QDate(2026, 11, 3), QTime(9, 5, 7, 450));
    r.schermo = "zirp7";
    r.gioco = DidascaliaGioco(r.schermo);
    r.domande = {{"colore", "rosso", false}, {"forma", "quadrato", true}};
    r.blocchi = {{"triangolo", "rosso", "grande", "spesso"}, {"quadrato", "blu", "piccolo", "sottile"}};
    r.risposta = "SI";
    r.esatta = true;
    r.millisecondi = 2500;
    QCOMPARE(a.registra(r, anna->id), Accesso::Ok);
    Risposta ospite = r;
    ospite.id = QUuid::createUuid();
    ospite.quando = r.quando.addDays(1);
    ospite.schermo = "form1";
    ospite.gioco = DidascaliaGioco("form1");
    ospite.domande = {{"spessore", {}, false}};
    ospite.blocchi = {};
    ospite.risposta = "riga\nnuova";
    ospite.esatta = false;
    QCOMPARE(a.registra(ospite, 0), Accesso::Ok);

    const QByteArray csv = EsportaCsv(a);
    QVERIFY(csv.startsWith(Bom));
    const QStringList righe = QString::fromUtf8(csv.mid(3)).split('\n');
    QCOMPARE(righe.value(0), QStringLiteral("data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi"));
    QCOMPARE(righe.value(1), QStringLiteral("2026-11-03T09:05:07;\"Anna \"\"Bea\"\" D'Amico; Rossi\";le strade 1;"
                                            "rosso e NON quadrato;triangolo rosso grande spesso, quadrato blu "
                                            "piccolo sottile;SI;1;2500"));
    QCOMPARE(righe.value(2), QStringLiteral("2026-11-04T09:05:07;ospite;uguale - diverso;spessore;;\"riga"));
    QCOMPARE(righe.value(3), QStringLiteral("nuova\";0;2500"));
    QCOMPARE(righe.size(), 5);  // and the final line break
    QCOMPARE(EsportaCsv(a, {QDate(2026, 11, 4), {}}).count('\n'), 3);
}

// Names a spreadsheet would run as formulas are exported after a "'", and a
// class file made from the exported cells reads back the names as typed.
void TestFileClasse::formuleInerti()
{
    const QStringList nomi{"=HYPERLINK(\"http://x\",\"y\")", "+cmd|'/c calc'!A0", "@SUM(1)", "-2+3", "'=già così"};
    Archivio a;
    QCOMPARE(a.apri(cartella.filePath("formule.sqlite")), Accesso::Ok);
    for (int i = 0; i < nomi.size(); ++i) {
        const auto b = a.salva({0, {}, nomi[i], {}, QString::fromLatin1(Simboli()[i].chiave)});
        QVERIFY(b);
        Risposta r = NuovaRisposta();
        r.schermo = "form1";
        r.gioco = DidascaliaGioco(r.schermo);
        r.risposta = i == 0 ? "@risposta" : "UGUALE";
        QCOMPARE(a.registra(r, b->id), Accesso::Ok);
    }
    const QStringList righe = QString::fromUtf8(EsportaCsv(a).mid(3)).split('\n', Qt::SkipEmptyParts).mid(1);
    QCOMPARE(righe.size(), nomi.size());
    QByteArray classe("Nome;Cognome\n");
    for (const QString& riga : righe) {
        const QString cella = riga.section(';', 1, 1);
        QVERIFY2(cella.startsWith('\'') || cella.startsWith("\"'"), qPrintable(riga));
        QVERIFY2(!riga.section(';', 5, 5).startsWith('@'), qPrintable(riga));
        classe += cella.toUtf8() + ";\n";
    }
    QStringList letti;
    for (const Alunno& alunno : LeggiClasse(classe).alunni)
        letti << alunno.nome;
    QStringList attesi = nomi;
    attesi.sort();
    letti.sort();
    QCOMPARE(letti, attesi);
}

QTEST_GUILESS_MAIN(TestFileClasse)
#include "tst_file_classe.moc"
