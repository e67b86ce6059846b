// The teachers' program in every language: no Italian text left on its
// window, menus, tabs, headers and chart; the texts that count something in
// each language's plural forms; the command line's messages in the language
// chosen as the game chooses it; the texts of buttons, labels, tabs and
// headers fit their room; no two controls of a window or items of a menu
// share an accelerator; questions, answers, symbols and the window's CSV
// export in the language shown.
#include "tests/support/Acceleratori.h"
#include "tests/support/ClasseInventata.h"
#include "tests/support/MainProva.h"
#include "tests/support/TestoSta.h"

#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/DialogoBambino.h"
#include "insegnanti/DialogoDivisioni.h"
#include "insegnanti/DialogoPercorso.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Rapporti.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaBambino.h"
#include "registro/Archivio.h"
#include "registro/Giochi.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLegendMarker>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXmlStreamReader>

using namespace Insegnanti;

namespace {

const QString Traduzioni = QStringLiteral(TESSELO_APP_DIR "/traduzioni");

// The program shown in a language for as long as it lives, Italian after.
struct InLingua {
    bool riuscita;
    explicit InLingua(const QString& codice) : riuscita(ImpostaLingua(codice, Traduzioni)) {}
    ~InLingua() { ImpostaLingua(QStringLiteral("it"), Traduzioni); }
};

// The texts a translation keeps as Italian writes them ("Computer",
// "Registro: %1"), as patterns of a shown text.
QList<QRegularExpression> TenutiUguali(const QString& lingua)
{
    QList<QRegularExpression> uguali;
    for (const QString& file : {QStringLiteral("tesselo_%1.ts"), QStringLiteral("tesselo-registro_%1.ts")}) {
        QFile f(QStringLiteral(TESSELO_TRADUZIONI "/") + file.arg(lingua));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(f.fileName()));
        QXmlStreamReader xml(&f);
        QString sorgente;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
                sorgente = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"translation"
                     && xml.readElementText(QXmlStreamReader::SkipChildElements) == sorgente)
                uguali << QRegularExpression(QRegularExpression::anchoredPattern(
                    QRegularExpression::escape(QString(sorgente).remove('&')).replace(QRegularExpression("%\\d"), ".*")));
    }
    return uguali;
}

// A child with right and wrong answers in every game, so that every table,
// header and the chart show their texts.
void RiempiRegistro(Registro::Archivio& archivio)
{
    Registro::Bambino b;
    b.uuid = QUuid::createUuid();
    b.nome = QStringLiteral("Anna");
    b.simbolo = QStringLiteral("sole");
    const std::optional<Registro::Bambino> anna = archivio.salva(b);
    if (!anna)
        qFatal("child not stored: %s", qPrintable(archivio.ultimoErrore()));
    for (const Registro::Gioco& g : Registro::Giochi())
        for (const bool esatta : {true, false})
            archivio.registra(RispostaInventata(QString::fromLatin1(g.schermo),
                                                QDateTime(QDate::currentDate().addDays(-8), QTime(10, 0)), esatta,
                                                {QStringLiteral("colore"), QStringLiteral("rosso"), false},
                                                {Blocco{"triangolo", "rosso", "grande", "spesso"}}),
                              anna->id);
}

// Every text the window shows of its own, each under the place it is shown
// at (the same place in every language): the title, menus and their items,
// tabs, buttons, labels, table headers, the period's choices and the chart.
QMap<QString, QString> TestiMostrati(FinestraRegistro& finestra)
{
    QMap<QString, QString> testi;
    testi[QStringLiteral("title")] = finestra.windowTitle();
    for (QAction* menu : finestra.menuBar()->actions()) {
        testi[QStringLiteral("menu ") + menu->objectName() + QString::number(testi.size())] = menu->text();
        for (QAction* voce : menu->menu()->actions())
            if (!voce->isSeparator())
                testi[QStringLiteral("menu item %1").arg(testi.size())] = voce->text();
    }
    int n = 0;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        const QString dove = QStringLiteral("%1 %2 ").arg(QString::fromLatin1(w->metaObject()->className())).arg(++n);
        if (const auto* b = qobject_cast<QAbstractButton*>(w))
            testi[dove] = b->text();
        else if (const auto* l = qobject_cast<QLabel*>(w))
            testi[dove] = l->text();
        else if (const auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                testi[dove + QString::number(i)] = t->tabText(i);
        else if (const auto* v = qobject_cast<QTableView*>(w))
            for (int c = 0; c < v->model()->columnCount(); ++c)
                testi[dove + QString::number(c)] = v->model()->headerData(c, Qt::Horizontal).toString();
        else if (const auto* c = qobject_cast<QComboBox*>(w); c && c->objectName() == u"periodo")
            for (int i = 0; i < c->count(); ++i)
                testi[dove + QString::number(i)] = c->itemText(i);
        else if (const auto* g = qobject_cast<QChartView*>(w)) {
            testi[dove + QStringLiteral("title")] = g->chart()->title();
            for (const QAbstractAxis* asse : g->chart()->axes())
                testi[dove + QStringLiteral("axis ") + QString::number(int(asse->alignment()))] = asse->titleText();
            const QList<QLegendMarker*> legenda = g->chart()->legend()->markers();
            for (int i = 0; i < legenda.size(); ++i)
                testi[dove + QStringLiteral("legend ") + QString::number(i)] = legenda[i]->label();
        }
    }
    return testi;
}

// A window on a register with one child's answers, as the teacher sees it.
struct Finestra {
    QTemporaryDir cartella;
    Registro::Archivio archivio;
    std::unique_ptr<FinestraRegistro> finestra;
    Finestra()
    {
        if (archivio.apri(cartella.filePath(QStringLiteral("registro.sqlite"))) != Registro::Accesso::Ok)
            qFatal("no register");
        RiempiRegistro(archivio);
        finestra = std::make_unique<FinestraRegistro>(archivio);
        finestra->resize(1024, 700);
        finestra->periodo()->scegli(SceltaPeriodo::Tutto);
        finestra->aggiorna();
        finestra->bambino()->scegli(archivio.bambini().first().id);
        finestra->aggiorna();
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("window not shown");
    }
    // Each tab shown in turn, so that its widgets have their sizes.
    template <typename F> void perOgniScheda(F f)
    {
        for (int i = 0; i < finestra->pagine()->count(); ++i) {
            finestra->pagine()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            f();
        }
    }
};

// Why a header's texts do not fit their sections: each line of each
// section's text against its width.
QStringList IntestazioniNonStanno(const QTableView* v)
{
    QStringList difetti;
    const QHeaderView* h = v->horizontalHeader();
    const QFontMetrics fm(h->font());
    const int margine = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    for (int c = 0; c < v->model()->columnCount(); ++c)
        for (const QString& riga : v->model()->headerData(c, Qt::Horizontal).toString().split('\n'))
            if (fm.horizontalAdvance(riga) + margine > h->sectionSize(c))
                difetti << QStringLiteral("%1 header \"%2\" needs %3, has %4")
                               .arg(v->objectName(), riga)
                               .arg(fm.horizontalAdvance(riga) + margine)
                               .arg(h->sectionSize(c));
    return difetti;
}

// Why a tab's text does not fit its tab.
QStringList SchedeNonStanno(const QTabBar* t)
{
    QStringList difetti;
    const QFontMetrics fm(t->font());
    for (int i = 0; i < t->count(); ++i) {
        const QString testo = QString(t->tabText(i)).remove('&');
        if (fm.horizontalAdvance(testo) > t->tabRect(i).width())
            difetti << QStringLiteral("tab \"%1\" needs %2, has %3")
                           .arg(testo)
                           .arg(fm.horizontalAdvance(testo))
                           .arg(t->tabRect(i).width());
    }
    return difetti;
}

struct Esecuzione {
    int uscita;
    QString out, err;
};

// Every dialog of the teachers' program, as each is made, with every
// control it may show: a child's in a class with groups, new and changed,
// a class, the new school year, the splits of a class file and a path.
std::vector<std::unique_ptr<QDialog>> Dialoghi()
{
    std::vector<std::unique_ptr<QDialog>> dialoghi;
    const QList<Registro::Gruppo> gruppi{{1, QUuid::createUuid(), QStringLiteral("piccoli")}};
    QStringList liberi;
    for (const Registro::Simbolo& s : Registro::Simboli())
        liberi << QString::fromLatin1(s.chiave);
    Registro::Bambino anna;
    anna.nome = QStringLiteral("Anna");
    dialoghi.push_back(std::make_unique<DialogoBambino>(anna, liberi, gruppi));
    anna.id = 1;
    dialoghi.push_back(std::make_unique<DialogoBambino>(anna, liberi, gruppi));
    const Registro::Classe classe{1, QUuid::createUuid(), QStringLiteral("1A"), QStringLiteral("2026/27")};
    dialoghi.push_back(std::make_unique<DialogoClasse>(classe));
    dialoghi.push_back(std::make_unique<DialogoNuovoAnno>(QList<Registro::Classe>{classe}));
    Registro::Alunno incerto{QStringLiteral("Anna Maria"), QStringLiteral("Lo Bianco")};
    incerto.cella = QStringLiteral("LO BIANCO ANNA MARIA");
    incerto.modi = {{QStringLiteral("Lo Bianco"), QStringLiteral("Anna Maria")},
                    {QStringLiteral("Lo"), QStringLiteral("Bianco Anna Maria")}};
    dialoghi.push_back(std::make_unique<DialogoDivisioni>(QList<Registro::Alunno>{incerto}));
    Percorso percorso;
    percorso.nome = QStringLiteral("colori");
    percorso.passi = {DialogoPercorso::PassoNuovo()};
    dialoghi.push_back(std::make_unique<DialogoPercorso>(percorso, true, QStringList{}));
    return dialoghi;
}

// A wrong answer of Anna's in "le strade 2" under two conditions, one of
// them denied, and a guest's right one in "uguale - diverso".
void RisposteDaMostrare(Registro::Archivio& archivio, qint64 anna)
{
    Registro::Risposta r = RispostaInventata(QStringLiteral("zirp8"), QDateTime::currentDateTime().addSecs(-60), false,
                                             {QStringLiteral("forma"), QStringLiteral("rotondo"), true},
                                             {Blocco{"quadrato", "blu", "piccolo", "sottile"}});
    r.domande.append({QStringLiteral("dimensione"), QStringLiteral("grande"), false});
    r.risposta = QStringLiteral("NON ROTONDO, GRANDE");
    archivio.registra(r, anna);
    r = RispostaInventata(QStringLiteral("form1"), QDateTime::currentDateTime().addSecs(-30), true,
                          {QStringLiteral("dimensione"), {}, false}, {Blocco{"rotondo", "rosso", "grande", "spesso"}});
    r.risposta = QStringLiteral("DIVERSO");
    archivio.registra(r, 0);
}

} // namespace

class ProvaRegistroLingue : public QObject {
    Q_OBJECT

private slots:
    void nienteDiItaliano_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili().mid(1))
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    // Every text the window shows in another language differs from the
    // Italian one, unless the translation keeps it as it is.
    void nienteDiItaliano()
    {
        QFETCH(QString, lingua);
        Finestra italiana;
        const QMap<QString, QString> italiano = TestiMostrati(*italiana.finestra);
        QVERIFY(italiano.size() > 60);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        Finestra tradotta;
        const QMap<QString, QString> tradotto = TestiMostrati(*tradotta.finestra);
        QCOMPARE(tradotto.keys(), italiano.keys());
        const QList<QRegularExpression> uguali = TenutiUguali(lingua);
        QStringList rimasti;
        for (auto i = italiano.cbegin(); i != italiano.cend(); ++i) {
            const QString testo = QString(i.value()).remove('&');
            if (i.value() != tradotto[i.key()] || !testo.contains(QRegularExpression("\\p{L}{2}")))
                continue;
            if (std::none_of(uguali.cbegin(), uguali.cend(), [&](const auto& r) { return r.match(testo).hasMatch(); }))
                rimasti << i.key() + ": " + i.value();
        }
        QVERIFY2(rimasti.isEmpty(), qPrintable(rimasti.join('\n')));
    }

    void plurali_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("cancellate");
        QTest::addColumn<QString>("conto");
        QTest::newRow("it 1") << "it" << 1 << "Verrà cancellata 1 risposta" << "1 esatta e 1 errata (50%)";
        QTest::newRow("it 0") << "it" << 0 << "Verranno cancellate 0 risposte" << "nessuna risposta";
        QTest::newRow("it 2") << "it" << 2 << "Verranno cancellate 2 risposte" << "2 esatte e 2 errate (50%)";
        QTest::newRow("en 1") << "en" << 1 << "1 answer will be deleted" << "1 right and 1 wrong (50%)";
        QTest::newRow("en 0") << "en" << 0 << "0 answers will be deleted" << "no answers";
        QTest::newRow("fr 0") << "fr" << 0 << "0 réponse sera effacée" << "aucune réponse";
        QTest::newRow("fr 2") << "fr" << 2 << "2 réponses seront effacées" << "2 justes et 2 fausses (50%)";
        QTest::newRow("es 1") << "es" << 1 << "Se borrará 1 respuesta" << "1 correcta y 1 incorrecta (50%)";
        QTest::newRow("de 1") << "de" << 1 << "1 Antwort wird gelöscht" << "1 richtig und 1 falsch (50%)";
        QTest::newRow("de 2") << "de" << 2 << "2 Antworten werden gelöscht" << "2 richtig und 2 falsch (50%)";
    }
    // Counts in each language's singular and plural, Italian's included.
    void plurali()
    {
        QFETCH(QString, lingua);
        QFETCH(int, n);
        QFETCH(QString, cancellate);
        QFETCH(QString, conto);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        QCOMPARE(RisposteCancellate(n), cancellate);
        QCOMPARE(DescrizioneConto(Registro::Conto{n, n}), conto);
    }

    void paroleDelRegistro_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("registrate");
        QTest::addColumn<QString>("mostrate");
        QTest::newRow("it") << "it" << "triangolo blu grande spesso, rotondo rosso" << "triangolo blu grande spesso, rotondo rosso";
        QTest::newRow("en blocks") << "en" << "triangolo blu grande spesso, rotondo rosso" << "triangle blue big thick, circle red";
        QTest::newRow("de question") << "de" << "spessore" << "Dicke";
        QTest::newRow("fr unknown word kept") << "fr" << "quadrato; zzz" << "carré; zzz";
    }
    // The questions and blocks of the most frequent mistakes, kept in the
    // program's own words, are shown word by word in the language shown.
    void paroleDelRegistro()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, registrate);
        QFETCH(QString, mostrate);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        QCOMPARE(ParoleMostrate(registrate), mostrate);
    }

    void importaSbagliato_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("it") << "it" << "non è stato importato: riga 2: manca la colonna Cognome";
        QTest::newRow("en") << "en" << "was not imported: line 2: the column Surname is missing";
        QTest::newRow("fr") << "fr" << "n'a pas été importé : ligne 2 : il manque la colonne Nom";
        QTest::newRow("es") << "es" << "no se ha importado: línea 2: falta la columna Apellidos";
        QTest::newRow("de") << "de" << "wurde nicht importiert: Zeile 2: Die Spalte Nachname fehlt";
    }
    // A class file refused is told wholly in the language shown, its line
    // and the column it lacks, named as that language's files name it.
    void importaSbagliato()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        Registro::Archivio archivio;
        QCOMPARE(archivio.apri(cartella.filePath("registro.sqlite")), Registro::Accesso::Ok);
        const QString file = cartella.filePath("classe.csv");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Classe 1A\nNome;Classe\nAnna;1A\n") > 0);
        f.close();
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        const EsitoOperazione esito = Importa(archivio, file);
        QVERIFY(!esito.riuscito);
        QVERIFY2(esito.messaggio.endsWith(motivo), qPrintable(esito.messaggio));
    }

    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("conf");
        QTest::addColumn<QString>("sistema");
        QTest::addColumn<int>("uscita");
        QTest::addColumn<QString>("attesa");
        const QStringList aiuto{"--help"};
        QTest::newRow("--lingua en") << QStringList{"--lingua", "en", "--help"} << "" << "" << 0
                                     << "usage: tesselo-registro";
        QTest::newRow("--lingua=fr after") << QStringList{"--help", "--lingua=fr"} << "" << "" << 0
                                           << "Sans option, ouvre le registre";
        QTest::newRow("configuration") << aiuto << "de" << "" << 0 << "Das Klassenbuch ist ";
        QTest::newRow("option over configuration")
            << QStringList{"--lingua", "es", "--help"} << "de" << "" << 0 << "Sin opciones abre el registro";
        QTest::newRow("system") << aiuto << "" << "fr_FR.UTF-8" << 0 << "--lingua CODE             la langue";
        QTest::newRow("configuration over system") << aiuto << "en" << "de_DE.UTF-8" << 0 << "usage: tesselo";
        QTest::newRow("Italian") << aiuto << "" << "" << 0 << "uso: tesselo-registro";
        QTest::newRow("unknown code") << aiuto << "xx" << "" << 0 << "lingua \"xx\" non disponibile";
        QTest::newRow("no code") << QStringList{"--lingua"} << "" << "" << 2 << "uso: tesselo-registro";
        QTest::newRow("wrong option") << QStringList{"--lingua", "de", "--esporta"} << "" << "" << 2
                                      << "Aufruf: tesselo-registro";
        QTest::newRow("error") << QStringList{"--lingua", "de", "--unisci", "/nessuno.sqlite"} << "" << "" << 1
                               << "tesselo-registro: Die Datei /nessuno.sqlite gibt es nicht.";
    }
    // The command line's help and messages in the language chosen as the
    // game chooses it: the option, the configuration, the system, Italian.
    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, conf);
        QFETCH(QString, sistema);
        QFETCH(int, uscita);
        QFETCH(QString, attesa);
        QTemporaryDir casa;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* via : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "XDG_CONFIG_DIRS"})
            env.remove(QString::fromLatin1(via));
        env.insert("LANG", sistema.isEmpty() ? QStringLiteral("C.UTF-8") : sistema);
        env.insert("XDG_DATA_HOME", casa.filePath("dati"));
        env.insert("XDG_CONFIG_HOME", casa.filePath("conf"));
        env.insert("XDG_CONFIG_DIRS", casa.filePath("sistema"));
        env.insert("QT_QPA_PLATFORM", "xcb");
        if (!conf.isEmpty()) {
            QDir().mkpath(casa.filePath("conf/tesselo"));
            QFile f(casa.filePath("conf/tesselo/tesselo.conf"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[gioco]\nlingua=" + conf.toUtf8() + "\n");
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TESSELO_REGISTRO), argomenti);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString tutto = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
        QVERIFY2(tutto.contains(attesa), qPrintable(tutto));
        QCOMPARE(p.exitCode(), uscita);
    }

    void testiStanno_data() { nienteDiItaliano_data(); }
    // The buttons', labels', tabs' and headers' texts fit their room in
    // every tab of the window.
    void testiStanno()
    {
        QFETCH(QString, lingua);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        Finestra f;
        QStringList difetti = SchedeNonStanno(f.finestra->pagine()->tabBar());
        int misurati = 0;
        f.perOgniScheda([&] {
            for (const QWidget* w : f.finestra->findChildren<QWidget*>()) {
                if (!w->isVisible())
                    continue;
                if (const auto* v = qobject_cast<const QTableView*>(w)) {
                    difetti << IntestazioniNonStanno(v);
                    ++misurati;
                } else if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w)) {
                    // The mnemonic's "&" is not drawn.
                    const QString testo = w->property("text").toString().remove('&');
                    if (testo.isEmpty())
                        continue;
                    if (const QString perche = NonSta(w, testo); !perche.isEmpty())
                        difetti << perche;
                    ++misurati;
                }
            }
        });
        QVERIFY2(misurati > 20, qPrintable(QString::number(misurati)));
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
    }

    void acceleratori_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili())
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    // In every language no two controls of the window (on each of its
    // pages), of a dialog or items of one menu share an accelerator letter.
    void acceleratori()
    {
        QFETCH(QString, lingua);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        Finestra f;
        QStringList scontri;
        int testi = 0;
        f.perOgniScheda([&] {
            scontri << ScontriAcceleratori(f.finestra.get());
            testi += int(TestiDellaFinestra(f.finestra.get()).size());
        });
        for (const std::unique_ptr<QDialog>& dialogo : Dialoghi()) {
            dialogo->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialogo.get()));
            scontri << ScontriAcceleratori(dialogo.get());
            testi += int(TestiDellaFinestra(dialogo.get()).size());
        }
        scontri.removeDuplicates();
        QVERIFY2(scontri.isEmpty(), qPrintable(scontri.join('\n')));
        QVERIFY(testi > 60);
    }

    void domandeERisposte_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("domanda");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QString>("bottone");
        QTest::newRow("it") << "it" << "NON rotondo e grande" << "NON ROTONDO, GRANDE" << "DIVERSO";
        QTest::newRow("en") << "en" << "NOT circle and big" << "NOT CIRCLE, BIG" << "DIFFERENT";
        QTest::newRow("fr") << "fr" << "PAS rond et grand" << "PAS ROND, GRAND" << "DIFFÉRENTE";
        QTest::newRow("es") << "es" << "NO círculo y grande" << "NO CÍRCULO, GRANDE" << "DIFERENTE";
        QTest::newRow("de") << "de" << "NICHT Kreis und groß" << "NICHT KREIS, GROSS" << "VERSCHIEDEN";
    }
    // A question's conditions and an answer as the register keeps them are
    // shown in the language's own words, "NON" and "e" too, on the child's
    // page and in the child's report.
    void domandeERisposte()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, domanda);
        QFETCH(QString, risposta);
        QFETCH(QString, bottone);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        QCOMPARE(ParoleMostrate(QStringLiteral("NON rotondo e grande")), domanda);
        QCOMPARE(RispostaMostrata(QStringLiteral("NON ROTONDO, GRANDE")), risposta);
        QCOMPARE(RispostaMostrata(QStringLiteral("DIVERSO")), bottone);
        QCOMPARE(RispostaMostrata(QStringLiteral("7")), QStringLiteral("7"));

        Finestra f;
        const qint64 anna = f.archivio.bambini().first().id;
        RisposteDaMostrare(f.archivio, anna);
        f.finestra->aggiorna();
        const QTableWidget* errori = f.finestra->bambino()->errori();
        QStringList domande;
        for (int r = 0; r < errori->rowCount(); ++r)
            domande << errori->item(r, 1)->text();
        QVERIFY2(domande.contains(domanda), qPrintable(domande.join(" | ")));
        const Resoconto resoconto =
            ResocontoBambino(f.archivio, anna, Registro::Periodo{}, QStringLiteral("sempre"));
        QVERIFY(resoconto.documento->toPlainText().contains(domanda));
    }

    void esportazione_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QString>("anna");
        QTest::addColumn<QString>("ospite");
        const QString italiana = "data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi";
        QTest::newRow("it") << "it" << italiana
                            << ";Anna;le strade 2;NON rotondo e grande;quadrato blu piccolo sottile;NON ROTONDO, GRANDE;0;"
                            << ";ospite;uguale - diverso;dimensione;rotondo rosso grande spesso;DIVERSO;1;";
        QTest::newRow("en") << "en" << "date_time;child;game;question;blocks;answer;right;milliseconds"
                            << ";Anna;roads 2;NOT circle and big;square blue small thin;NOT CIRCLE, BIG;0;"
                            << ";guest;same - different;size;circle red big thick;DIFFERENT;1;";
        QTest::newRow("fr") << "fr" << "date_heure;enfant;jeu;question;blocs;réponse;juste;millisecondes"
                            << ";Anna;les routes 2;PAS rond et grand;carré bleu petit mince;PAS ROND, GRAND;0;"
                            << ";invité;pareil - différent;taille;rond rouge grand épais;DIFFÉRENTE;1;";
        QTest::newRow("es") << "es" << "fecha_hora;niño;juego;pregunta;bloques;respuesta;correcta;milisegundos"
                            << ";Anna;los caminos 2;NO círculo y grande;cuadrado azul pequeño delgado;NO CÍRCULO, GRANDE;0;"
                            << ";invitado;igual - diferente;tamaño;círculo rojo grande grueso;DIFERENTE;1;";
        QTest::newRow("de") << "de" << "Datum_Uhrzeit;Kind;Spiel;Frage;Blöcke;Antwort;richtig;Millisekunden"
                            << ";Anna;Straßen 2;NICHT Kreis und groß;Quadrat blau klein dünn;NICHT KREIS, GROSS;0;"
                            << ";Gast;gleich - verschieden;Größe;Kreis rot groß dick;VERSCHIEDEN;1;";
    }
    // The window's export is in the language shown, its header and its
    // words; the command line's, in any language, keeps the fixed Italian
    // header and words that scripts read.
    void esportazione()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, intestazione);
        QFETCH(QString, anna);
        QFETCH(QString, ospite);
        QTemporaryDir casa;
        const QString registro = casa.filePath(QStringLiteral("dati/tesselo/registro.sqlite"));
        QVERIFY(QDir().mkpath(QFileInfo(registro).path()));
        {
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
            RiempiRegistro(archivio);
            RisposteDaMostrare(archivio, archivio.bambini().first().id);
        }
        // The file's text after the BOM spreadsheets need; nothing without it.
        const auto leggi = [](const QString& file) {
            QFile f(file);
            const QByteArray dati = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return dati.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(dati.mid(3)) : QString();
        };
        const QString mostrato = casa.filePath(QStringLiteral("finestra.csv"));
        {
            InLingua in(lingua);
            QVERIFY(in.riuscita);
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
            const Richieste prima = richieste();
            richieste().fileDaSalvare = [&](QWidget*, const QString&, const QString&, const QString&) { return mostrato; };
            richieste().informa = [](QWidget*, const QString&, bool) {};
            FinestraRegistro finestra(archivio);
            finestra.esporta();
            richieste() = prima;
        }
        const QString csv = leggi(mostrato);
        QVERIFY2(csv.startsWith(intestazione + '\n'), qPrintable(csv.left(200)));
        QVERIFY2(csv.contains(anna) && csv.contains(ospite), qPrintable(csv));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", casa.filePath("dati"));
        env.insert("XDG_CONFIG_HOME", casa.filePath("conf"));
        env.insert("XDG_CONFIG_DIRS", casa.filePath("sistema"));
        QProcess p;
        p.setProcessEnvironment(env);
        const QString fisso = casa.filePath(QStringLiteral("riga.csv"));
        p.start(QStringLiteral(TESSELO_REGISTRO), {"--lingua", lingua, "--esporta", fisso});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString righe = leggi(fisso);
        QVERIFY2(righe.startsWith(QStringLiteral("data_ora;bambino;gioco;domanda;blocchi;risposta;esatta;millisecondi\n")),
                 qPrintable(righe.left(200)));
        QVERIFY2(righe.contains(";Anna;le strade 2;NON rotondo e grande;quadrato blu piccolo sottile;NON ROTONDO, GRANDE;0;")
                     && righe.contains(";ospite;uguale - diverso;dimensione;rotondo rosso grande spesso;DIVERSO;1;"),
                 qPrintable(righe));
    }

    void simboli_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QStringList>("primi");
        QTest::newRow("it") << "it" << QStringList{"gatto", "cane", "coniglio"};
        QTest::newRow("en") << "en" << QStringList{"cat", "dog", "rabbit"};
        QTest::newRow("fr") << "fr" << QStringList{"chat", "chien", "lapin"};
        QTest::newRow("es") << "es" << QStringList{"gato", "perro", "conejo"};
        QTest::newRow("de") << "de" << QStringList{"Katze", "Hund", "Hase"};
    }
    // The symbols a teacher chooses among are captioned in the language
    // shown.
    void simboli()
    {
        QFETCH(QString, lingua);
        QFETCH(QStringList, primi);
        InLingua in(lingua);
        QVERIFY(in.riuscita);
        QStringList liberi;
        for (const Registro::Simbolo& s : Registro::Simboli())
            liberi << QString::fromLatin1(s.chiave);
        DialogoBambino dialogo(Registro::Bambino{}, liberi);
        const QListWidget* simboli = dialogo.findChild<QListWidget*>(QStringLiteral("simboli"));
        QCOMPARE(simboli->count(), int(Registro::Simboli().size()));
        QStringList mostrati;
        for (int i = 0; i < primi.size(); ++i)
            mostrati << simboli->item(i)->text();
        QCOMPARE(mostrati, primi);
    }
};

TESSELO_TEST_MAIN(ProvaRegistroLingue)
#include "tst_registro_lingue.moc"
