// The teachers' program's learning paths and groups, offscreen against a
// real register: a path edited in its dialog (its steps "su misura" too)
// and on the «Percorsi» page comes back as it was given, a bad path is refused with its reason, a
// path's file goes out and comes in again, the examples come in once,
// assigning a path shows in the progress table, and the class's groups are
// made, given to a child, renamed and removed on the class page.
#include "tests/support/ClasseInventata.h"
#include "tests/support/MainProva.h"

#include "insegnanti/DialogoPercorso.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/GestioneClasse.h"
#include "insegnanti/GestioneGruppi.h"
#include "insegnanti/OperazioniPercorsi.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaPercorsi.h"
#include "percorsi/FilePercorso.h"
#include "registro/Archivio.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

using namespace Insegnanti;

namespace {

Passo P(const char* gioco, std::initializer_list<int> attributi, int esatte)
{
    return {QString::fromLatin1(gioco), AttributiInGioco(attributi), esatte};
}

// Three steps: two attributes of four, one, and a game that chooses none.
Percorso Forme()
{
    return {QStringLiteral("Forme e colori"), QStringLiteral("Riconoscere forma e colore\nin due righe"), true,
            {P("form1", {1, 2}, 10), P("FORM2", {2}, 5), P("FormTrova", {}, 3)}};
}

// The dialogs answered by the test: each path asked for is kept and the
// next of percorsi given (nothing once they are used up); every message kept.
struct Dialoghi {
    QStringList messaggi, domande;
    bool conferme = false;
    QString file;
    QList<Percorso> percorsi;
    QList<Percorso> chiesti;
    QStringList altriNomi;
    QStringList nomi;
    std::optional<Registro::Bambino> bambino;
    QList<Registro::Gruppo> gruppiOfferti;
    bool senzaGruppi = false;  // the dialog without groups was asked
    Richieste prima = richieste();

    Dialoghi()
    {
        richieste().informa = [this](QWidget*, const QString& t, bool) { messaggi.append(t); };
        richieste().conferma = [this](QWidget*, const QString& t, const QString&) {
            domande.append(t);
            return conferme;
        };
        richieste().fileDaAprire = [this](QWidget*, const QString&, const QString&) { return file; };
        richieste().fileDaSalvare = [this](QWidget*, const QString&, const QString&, const QString&) { return file; };
        richieste().percorso = [this](QWidget*, const Percorso& iniziale, bool, const QStringList& altri) {
            chiesti.append(iniziale);
            altriNomi = altri;
            return percorsi.isEmpty() ? std::nullopt : std::optional<Percorso>(percorsi.takeFirst());
        };
        richieste().nome = [this](QWidget*, const QString&, const QString&) {
            return nomi.isEmpty() ? QString() : nomi.takeFirst();
        };
        richieste().bambino = [this](QWidget*, const Registro::Bambino& b, const QStringList&) {
            senzaGruppi = true;
            return bambino ? std::optional<Registro::Bambino>(Con(b)) : std::nullopt;
        };
        richieste().bambinoNeiGruppi = [this](QWidget*, const Registro::Bambino& b, const QStringList&,
                                              const QList<Registro::Gruppo>& gruppi) {
            gruppiOfferti = gruppi;
            return bambino ? std::optional<Registro::Bambino>(Con(b)) : std::nullopt;
        };
    }
    ~Dialoghi() { richieste() = prima; }

    // The child answered, as the child asked about.
    Registro::Bambino Con(const Registro::Bambino& chiesto) const
    {
        Registro::Bambino b = *bambino;
        b.id = chiesto.id;
        b.uuid = chiesto.uuid;
        return b;
    }
};

QStringList Righe(const QListWidget* elenco)
{
    QStringList righe;
    for (int i = 0; i < elenco->count(); ++i)
        righe.append(elenco->item(i)->text());
    return righe;
}

// The progress table's rows, each child's name and cells joined by "|".
QStringList Progressi(const QTableWidget* t)
{
    QStringList righe;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList celle;
        for (int c = 0; c < t->columnCount(); ++c)
            celle.append(t->item(r, c) ? t->item(r, c)->text() : QString());
        righe.append(celle.join('|'));
    }
    return righe;
}

// The row of the assignments' table whose first cell is chi.
int RigaDi(const QTableWidget* t, const QString& chi)
{
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, VistaPercorsi::ColonnaChi)->text() == chi)
            return r;
    return -1;
}

QComboBox* SceltaDi(const QTableWidget* t, const QString& chi)
{
    return qobject_cast<QComboBox*>(t->cellWidget(RigaDi(t, chi), VistaPercorsi::ColonnaAssegnato));
}

QPushButton* Pulsante(const QWidget& w, const char* nome)
{
    return w.findChild<QPushButton*>(QLatin1String(nome));
}

} // namespace

class ProvaPercorsiInsegnanti : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<Registro::Archivio> archivio;

    Registro::Bambino aggiungi(const QString& nome, const char* simbolo, qint64 gruppo = 0)
    {
        Registro::Bambino b{0, QUuid::createUuid(), nome, {}, QString::fromLatin1(simbolo), gruppo};
        const std::optional<Registro::Bambino> salvato = archivio->salva(b);
        if (!salvato)
            qFatal("child not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *salvato;
    }
    Registro::Gruppo gruppo(const QString& nome)
    {
        const std::optional<Registro::Gruppo> g = archivio->salvaGruppo({0, QUuid::createUuid(), nome});
        if (!g)
            qFatal("group not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *g;
    }
    Registro::PercorsoSalvato percorso(const Percorso& p)
    {
        const std::optional<Registro::PercorsoSalvato> s = archivio->salvaPercorso({0, {}, p});
        if (!s)
            qFatal("path not stored: %s", qPrintable(archivio->ultimoErrore()));
        return *s;
    }
    // A child's answer under a step of a path (passo from 1).
    void risposta(qint64 bambino, const Registro::PercorsoSalvato& p, int passo, bool esatta)
    {
        Registro::Risposta r = RispostaInventata(p.percorso.passi[passo - 1].gioco, QDateTime::currentDateTime(), esatta,
                                                 {QStringLiteral("forma"), {}, false},
                                                 {Blocco{"triangolo", "rosso", "grande", "spesso"}});
        r.percorso = p.uuid;
        r.passo = passo;
        QCOMPARE(archivio->registra(r, bambino), Registro::Accesso::Ok);
    }

private slots:
    void init()
    {
        QDir(cartella.path()).removeRecursively();
        archivio = std::make_unique<Registro::Archivio>();
        QCOMPARE(archivio->apri(cartella.filePath(QStringLiteral("registro.sqlite"))), Registro::Accesso::Ok);
    }
    void cleanup() { archivio.reset(); }

    // The dialog shows a path as it is and gives it back unchanged; its
    // steps are moved, removed and added; a game that chooses no attribute
    // has no box to tick, and another game starts with all four.
    void dialogo_andataERitorno()
    {
        DialogoPercorso dialogo(Forme(), false, {});
        QCOMPARE(dialogo.percorso(), Forme());
        QVERIFY(dialogo.problema().isEmpty());
        QTableWidget* passi = dialogo.passi();
        QCOMPARE(passi->rowCount(), 3);
        const auto casella = [&](int riga, int attributo) { return passi->item(riga, DialogoPercorso::PrimoAttributo + attributo - 1); };
        QVERIFY(!(casella(2, 1)->flags() & Qt::ItemIsUserCheckable));
        QCOMPARE(casella(0, 2)->checkState(), Qt::Checked);
        QCOMPARE(casella(0, 3)->checkState(), Qt::Unchecked);

        casella(0, 3)->setCheckState(Qt::Checked);
        qobject_cast<QSpinBox*>(passi->cellWidget(1, DialogoPercorso::ColonnaEsatte))->setValue(7);
        passi->setCurrentCell(1, 0);
        Pulsante(dialogo, "giu")->click();
        QCOMPARE(passi->currentRow(), 2);
        Pulsante(dialogo, "su")->click();
        Pulsante(dialogo, "su")->click();
        QVERIFY(!Pulsante(dialogo, "su")->isEnabled());
        Percorso atteso = Forme();
        atteso.passi = {P("FORM2", {2}, 7), P("form1", {1, 2, 3}, 10), P("FormTrova", {}, 3)};
        QCOMPARE(dialogo.percorso(), atteso);

        // A step added after the chosen one, then its game changed: all four in play.
        Pulsante(dialogo, "aggiungiPasso")->click();
        QCOMPARE(passi->currentRow(), 1);
        auto* gioco = qobject_cast<QComboBox*>(passi->cellWidget(1, DialogoPercorso::ColonnaGioco));
        gioco->setCurrentIndex(gioco->findData(QStringLiteral("zirp8")));
        QCOMPARE(dialogo.percorso().passi[1], P("zirp8", {1, 2, 3, 4}, DialogoPercorso::PassoNuovo().esatte));
        gioco->setCurrentIndex(gioco->findData(QStringLiteral("FormTrova")));
        QVERIFY(!(casella(1, 1)->flags() & Qt::ItemIsUserCheckable));
        Pulsante(dialogo, "togliPasso")->click();
        QCOMPARE(dialogo.percorso(), atteso);
    }

    // A step's "su misura" box shows the step as it is and gives it back,
    // ticked or not; a game that chooses no attribute has none, and a step
    // whose game changes starts without it. Saved, the register gives the
    // step back as it was ticked.
    void dialogo_suMisura()
    {
        Percorso suMisura = Forme();
        suMisura.passi[1].suMisura = true;
        DialogoPercorso dialogo(suMisura, false, {});
        QCOMPARE(dialogo.percorso(), suMisura);
        QTableWidget* passi = dialogo.passi();
        const auto casella = [&](int riga) { return passi->item(riga, DialogoPercorso::ColonnaSuMisura); };
        QCOMPARE(passi->horizontalHeaderItem(DialogoPercorso::ColonnaSuMisura)->text(), Testo::tr("Su misura"));
        QCOMPARE(casella(0)->checkState(), Qt::Unchecked);
        QCOMPARE(casella(1)->checkState(), Qt::Checked);
        QVERIFY(!(casella(2)->flags() & Qt::ItemIsUserCheckable));
        casella(0)->setCheckState(Qt::Checked);
        casella(1)->setCheckState(Qt::Unchecked);
        QVERIFY(dialogo.percorso().passi[0].suMisura && !dialogo.percorso().passi[1].suMisura);
        QVERIFY(dialogo.problema().isEmpty());

        auto* gioco = qobject_cast<QComboBox*>(passi->cellWidget(0, DialogoPercorso::ColonnaGioco));
        gioco->setCurrentIndex(gioco->findData(QStringLiteral("FormTrova")));
        QVERIFY(!dialogo.percorso().passi[0].suMisura);
        gioco->setCurrentIndex(gioco->findData(QStringLiteral("zirp7")));
        QCOMPARE(casella(0)->checkState(), Qt::Unchecked);
        casella(0)->setCheckState(Qt::Checked);

        const auto salvato = archivio->salvaPercorso({0, QUuid::createUuid(), dialogo.percorso()});
        QVERIFY2(salvato, qPrintable(archivio->ultimoErrore()));
        QCOMPARE(archivio->percorsi().first().percorso, dialogo.percorso());
        QVERIFY(archivio->percorsi().first().percorso.passi[0].suMisura);
    }

    void dialogo_problemi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("gioco");      // the first step's game: an index in Percorsi::Giochi()
        QTest::addColumn<QList<int>>("tolti");  // the first step's attributes left unticked
        QTest::addColumn<QString>("problema");
        const QList<int> nessuno;
        const int tabella = int(std::find_if(Percorsi::Giochi().begin(), Percorsi::Giochi().end(),
                                             [](const Percorsi::Gioco& g) { return g.minimoAttributi == 2; })
                                - Percorsi::Giochi().begin());
        QTest::newRow("blank name") << "   " << 0 << nessuno << "«nome» è vuoto";
        QTest::newRow("name of another path") << "Strade" << 0 << nessuno << "un altro percorso della classe si chiama già «Strade»";
        QTest::newRow("no attribute") << "Nuovo" << 0 << QList<int>{1, 2, 3, 4} << "passo 1: va scelto almeno un attributo";
        QTest::newRow("one of two") << "Nuovo" << tabella << QList<int>{1, 2, 3} << "passo 1: il gioco";
        QTest::newRow("fine") << "Nuovo" << tabella << QList<int>{1, 2} << "";
    }
    // A path with a problem says its first one and cannot be saved.
    void dialogo_problemi()
    {
        QFETCH(QString, nome);
        QFETCH(int, gioco);
        QFETCH(QList<int>, tolti);
        QFETCH(QString, problema);
        DialogoPercorso dialogo(Forme(), true, {QStringLiteral("Strade")});
        dialogo.findChild<QLineEdit*>(QStringLiteral("nome"))->setText(nome);
        auto* giochi = qobject_cast<QComboBox*>(dialogo.passi()->cellWidget(0, DialogoPercorso::ColonnaGioco));
        giochi->setCurrentIndex(gioco);
        for (int a : tolti)
            dialogo.passi()->item(0, DialogoPercorso::PrimoAttributo + a - 1)->setCheckState(Qt::Unchecked);
        const QLabel* avviso = dialogo.findChild<QLabel*>(QStringLiteral("problema"));
        QVERIFY2(problema.isEmpty() ? dialogo.problema().isEmpty() : dialogo.problema().startsWith(problema),
                 qPrintable(dialogo.problema()));
        QCOMPARE(Pulsante(dialogo, "conferma")->isEnabled(), problema.isEmpty());
        QCOMPARE(!avviso->text().isEmpty(), !problema.isEmpty());
        QVERIFY(avviso->text().contains(dialogo.problema()));
    }

    // A path made and then changed on the page is stored as given, keeps
    // its uuid, and is shown to the next edit as stored; a path the
    // register refuses is told with its reason and offered again.
    void pagina_modificaRegistrata()
    {
        Dialoghi d;
        VistaPercorsi pagina(*archivio, nullptr, {});
        d.percorsi = {Forme()};
        Pulsante(pagina, "nuovo")->click();
        QCOMPARE(d.chiesti.size(), 1);
        QCOMPARE(d.chiesti[0].passi, QList<Passo>{DialogoPercorso::PassoNuovo()});
        QCOMPARE(archivio->percorsi().size(), 1);
        const Registro::PercorsoSalvato stored = archivio->percorsi().first();
        QCOMPARE(stored.percorso, Forme());
        QCOMPARE(Righe(pagina.elenco()), QStringList{Forme().nome});
        QCOMPARE(pagina.scelto(), stored.id);

        Percorso cambiato = Forme();
        cambiato.nome = QStringLiteral("Forme, colori e strade");
        cambiato.soloPercorso = false;
        cambiato.passi.append(P("zirp8", {3, 4}, 99));
        Percorso sbagliato = cambiato;
        sbagliato.passi[0].esatte = 0;
        d.percorsi = {sbagliato, cambiato};
        Pulsante(pagina, "modifica")->click();
        QCOMPARE(d.chiesti.size(), 3);
        QCOMPARE(d.chiesti[1], Forme());
        QCOMPARE(d.chiesti[2], sbagliato);
        QCOMPARE(d.messaggi.size(), 1);
        QVERIFY2(d.messaggi[0].contains(Percorsi::ProblemaPercorso(sbagliato)), qPrintable(d.messaggi[0]));
        QCOMPARE(archivio->percorsi().size(), 1);
        const Registro::PercorsoSalvato dopo = archivio->percorsi().first();
        QCOMPARE(dopo.percorso, cambiato);
        QCOMPARE(dopo.uuid, stored.uuid);
        QCOMPARE(dopo.id, stored.id);
        QCOMPARE(Righe(pagina.elenco()), QStringList{cambiato.nome});

        // Giving up changes nothing.
        Pulsante(pagina, "modifica")->click();
        QCOMPARE(d.chiesti.last(), cambiato);
        QCOMPARE(archivio->percorsi().first().percorso, cambiato);
        QVERIFY(d.altriNomi.isEmpty());
    }

    // A path exported and imported again comes back whole under a name of
    // its own; a copy is "… (copia)", then "… (copia 2)", and stays within
    // a name's length; a bad file is refused with its first problem and
    // adds nothing; deleting asks first.
    void file_copieEdEliminazione()
    {
        Dialoghi d;
        const Registro::PercorsoSalvato forme = percorso(Forme());
        VistaPercorsi pagina(*archivio, nullptr, {});
        d.file = cartella.filePath(QStringLiteral("forme.json"));
        Pulsante(pagina, "esporta")->click();
        QFile f(d.file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), Percorsi::Testo(Forme()));
        f.close();
        QCOMPARE(f.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

        Pulsante(pagina, "importa")->click();
        QVERIFY2(d.messaggi.last().contains(QStringLiteral("«Forme e colori (2)»")), qPrintable(d.messaggi.last()));
        QCOMPARE(Righe(pagina.elenco()), QStringList({"Forme e colori", "Forme e colori (2)"}));
        Percorso importato = Forme();
        importato.nome = QStringLiteral("Forme e colori (2)");
        QCOMPARE(archivio->percorsi().last().percorso, importato);
        QCOMPARE_NE(archivio->percorsi().last().uuid, forme.uuid);

        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(R"({"versione": 1, "nome": "Trova", "passi": [{"gioco": "FormTrova", "attributi": ["forma"], "esatte": 3}]})");
        f.close();
        Pulsante(pagina, "importa")->click();
        QVERIFY2(d.messaggi.last().contains(QStringLiteral("passo 1: nel gioco «trova il blocco» non si scelgono attributi")),
                 qPrintable(d.messaggi.last()));
        QCOMPARE(archivio->percorsi().size(), 2);

        pagina.scegli(forme.id);
        Pulsante(pagina, "duplica")->click();
        pagina.scegli(forme.id);
        Pulsante(pagina, "duplica")->click();
        QStringList nomi = Righe(pagina.elenco());
        nomi.sort();  // as the register sorts them is its own concern
        QCOMPARE(nomi, QStringList({"Forme e colori", "Forme e colori (2)", "Forme e colori (copia 2)", "Forme e colori (copia)"}));
        const QString lungo(Percorso::MassimoNome, QChar(0x00E8));
        const QString copia = NomeLibero(lungo, {}, true);
        QVERIFY(copia.endsWith(QStringLiteral(" (copia)")));
        QCOMPARE(copia.size(), Percorso::MassimoNome);

        pagina.scegli(forme.id);
        Pulsante(pagina, "elimina")->click();
        QCOMPARE(d.domande.size(), 1);
        QVERIFY(d.domande[0].contains(QStringLiteral("«Forme e colori»")));
        QCOMPARE(archivio->percorsi().size(), 4);
        d.conferme = true;
        Pulsante(pagina, "elimina")->click();
        QCOMPARE(archivio->percorsi().size(), 3);
        QVERIFY(!Righe(pagina.elenco()).contains(QStringLiteral("Forme e colori")));
    }

    // A path assigned to a group, to the class and to a child shows who
    // plays what, and the progress table of the path chosen counts each
    // child's right answers under each step against its goal, a step done
    // ticked.
    void assegnare_mostraAvanzamento()
    {
        const Registro::Gruppo piccoli = gruppo(QStringLiteral("piccoli"));
        gruppo(QStringLiteral("grandi"));
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), "gatto", piccoli.id);
        aggiungi(QStringLiteral("Bruno"), "cane");
        const Registro::Bambino carla = aggiungi(QStringLiteral("Carla"), "sole");
        const Registro::PercorsoSalvato forme = percorso({QStringLiteral("Forme"), {}, false, {P("form1", {1}, 2), P("FORM2", {2}, 3)}});
        const Registro::PercorsoSalvato strade = percorso({QStringLiteral("Strade"), {}, false, {P("zirp7", {1, 2}, 4)}});
        Dialoghi d;
        FinestraRegistro finestra(*archivio);
        VistaPercorsi* pagina = finestra.percorsi();
        QCOMPARE(finestra.pagine()->indexOf(pagina), 3);
        QTableWidget* chi = pagina->assegnazioni();
        QCOMPARE(chi->rowCount(), 1 + 2 + 3);
        QCOMPARE(RigaDi(chi, QStringLiteral("Gruppo «piccoli»")), 2);  // groups by name: grandi, piccoli
        pagina->scegli(forme.id);
        QVERIFY(Progressi(pagina->avanzamento()).isEmpty());

        QComboBox* delGruppo = SceltaDi(chi, QStringLiteral("Gruppo «piccoli»"));
        delGruppo->setCurrentIndex(delGruppo->findText(QStringLiteral("Forme")));
        QCOMPARE(archivio->percorsiAssegnati().gruppi.value(piccoli.id), forme.id);
        QCOMPARE(chi->item(RigaDi(chi, QStringLiteral("Anna")), VistaPercorsi::ColonnaGiocato)->text(), QStringLiteral("Forme (del gruppo)"));
        QCOMPARE(Progressi(pagina->avanzamento()), QStringList{"Anna|0 / 2|0 / 3"});
        QCOMPARE(pagina->avanzamento()->horizontalHeaderItem(2)->text(), QStringLiteral("Passo 2\ninsiemi"));

        risposta(anna.id, forme, 1, true);
        risposta(anna.id, forme, 1, false);
        risposta(anna.id, forme, 1, true);
        risposta(anna.id, forme, 2, true);
        risposta(anna.id, strade, 1, true);  // another path's answer counts there only
        finestra.aggiorna();
        QCOMPARE(Progressi(pagina->avanzamento()), QStringList{"Anna|2 / 2 ✓|1 / 3"});
        QVERIFY(pagina->avanzamento()->item(0, 2)->font().bold());
        QVERIFY(!pagina->avanzamento()->item(0, 1)->font().bold());

        QComboBox* classe = SceltaDi(chi, QStringLiteral("Tutta la classe"));
        classe->setCurrentIndex(classe->findText(QStringLiteral("Forme")));
        QComboBox* diCarla = SceltaDi(chi, QStringLiteral("Carla"));
        diCarla->setCurrentIndex(diCarla->findText(QStringLiteral("Strade")));
        QCOMPARE(chi->item(RigaDi(chi, QStringLiteral("Bruno")), VistaPercorsi::ColonnaGiocato)->text(), QStringLiteral("Forme (della classe)"));
        QCOMPARE(chi->item(RigaDi(chi, QStringLiteral("Carla")), VistaPercorsi::ColonnaGiocato)->text(), QStringLiteral("Strade"));
        pagina->scegli(forme.id);
        QCOMPARE(Progressi(pagina->avanzamento()), QStringList({"Anna|2 / 2 ✓|1 / 3", "Bruno|0 / 2|0 / 3"}));
        pagina->scegli(strade.id);
        QCOMPARE(Progressi(pagina->avanzamento()), QStringList{"Carla|0 / 4"});

        // Taken back: Carla plays the class's path again.
        diCarla = SceltaDi(chi, QStringLiteral("Carla"));
        diCarla->setCurrentIndex(0);
        QCOMPARE(archivio->percorsiAssegnati().bambini.value(carla.id), 0);
        QVERIFY(Progressi(pagina->avanzamento()).isEmpty());
        QVERIFY(d.messaggi.isEmpty());
    }

    void esempi_unaVolta_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<QString>("esempio");
        QTest::newRow("it") << "it" << "Prime forme e colori";
        QTest::newRow("en") << "en" << "First shapes and colours";
    }
    // The examples of the language shown come in with one click, each
    // once: clicking again adds none, and one the teacher renamed comes in
    // again.
    void esempi_unaVolta()
    {
        QFETCH(QString, lingua);
        QFETCH(QString, esempio);
        QVERIFY(ImpostaLingua(lingua, QStringLiteral(TESSELO_APP_DIR "/traduzioni")));
        const auto italiano = qScopeGuard([] { ImpostaLingua(QStringLiteral("it"), QStringLiteral(TESSELO_APP_DIR "/traduzioni")); });
        const int esempi = int(QDir(QStringLiteral(TESSELO_ESEMPI_PERCORSI "/") + lingua).entryList({"*.json"}).size());
        QVERIFY(esempi >= 4);
        Dialoghi d;
        VistaPercorsi pagina(*archivio, nullptr, QStringLiteral(TESSELO_ESEMPI_PERCORSI));
        Pulsante(pagina, "esempi")->click();
        QCOMPARE(archivio->percorsi().size(), esempi);
        QVERIFY2(Righe(pagina.elenco()).contains(esempio), qPrintable(Righe(pagina.elenco()).join(", ")));
        QCOMPARE(d.messaggi.size(), 1);
        QVERIFY2(d.messaggi[0].contains(QString::number(esempi)), qPrintable(d.messaggi[0]));
        Pulsante(pagina, "esempi")->click();
        QCOMPARE(archivio->percorsi().size(), esempi);
        QCOMPARE_NE(d.messaggi[1], d.messaggi[0]);

        Registro::PercorsoSalvato rinominato = archivio->percorsi().first();
        rinominato.percorso.nome += QStringLiteral(" (mia)");
        QVERIFY(archivio->salvaPercorso(rinominato));
        ImportaEsempi(*archivio, QStringLiteral(TESSELO_ESEMPI_PERCORSI));
        QCOMPARE(archivio->percorsi().size(), esempi + 1);
        const EsitoOperazione senza = ImportaEsempi(*archivio, cartella.filePath(QStringLiteral("nessuna")));
        QVERIFY(!senza.riuscito);
    }

    // Groups made, given to a child in the child's dialog (which offers
    // them only when the class has some), shown beside the child, renamed
    // and removed on the class page; a name taken is refused with the
    // register's reason.
    void gruppi_nellaClasse()
    {
        const Registro::Bambino anna = aggiungi(QStringLiteral("Anna"), "gatto");
        Dialoghi d;
        GestioneClasse classe(*archivio);
        QListWidget* gruppi = classe.gruppi()->elenco();
        d.bambino = anna;
        classe.scegli(anna.id);
        classe.modifica();
        QVERIFY(d.senzaGruppi);

        d.nomi = {QStringLiteral("piccoli"), QStringLiteral("grandi"), QStringLiteral("piccoli")};
        for (int i = 0; i < 3; ++i)
            Pulsante(classe, "nuovoGruppo")->click();
        QCOMPARE(Righe(gruppi), QStringList({"grandi (0 bambini)", "piccoli (0 bambini)"}));
        QCOMPARE(d.messaggi.size(), 1);
        QVERIFY2(d.messaggi[0].contains(QStringLiteral("«piccoli»")), qPrintable(d.messaggi[0]));

        const qint64 piccoli = archivio->gruppi().last().id;
        d.bambino->gruppo = piccoli;
        classe.modifica();
        QCOMPARE(d.gruppiOfferti, archivio->gruppi());
        QCOMPARE(archivio->bambino(anna.id)->gruppo, piccoli);
        QCOMPARE(Righe(gruppi), QStringList({"grandi (0 bambini)", "piccoli (1 bambino)"}));
        QListWidget* bambini = classe.findChild<QListWidget*>(QStringLiteral("bambini"));
        QCOMPARE(bambini->item(0)->text(), QStringLiteral("Anna"));
        QVERIFY(bambini->item(0)->toolTip().contains(QStringLiteral("«piccoli»")));

        classe.gruppi()->scegli(piccoli);
        d.nomi = {QStringLiteral("mezzani")};
        Pulsante(classe, "rinominaGruppo")->click();
        QCOMPARE(Righe(gruppi), QStringList({"grandi (0 bambini)", "mezzani (1 bambino)"}));
        QVERIFY(bambini->item(0)->toolTip().contains(QStringLiteral("«mezzani»")));

        classe.gruppi()->scegli(piccoli);
        Pulsante(classe, "rimuoviGruppo")->click();
        QVERIFY2(d.domande.value(0).contains(QStringLiteral("«mezzani»")) && d.domande.value(0).contains(QStringLiteral("1 bambino del gruppo")),
                 qPrintable(d.domande.value(0)));
        QCOMPARE(archivio->gruppi().size(), 2);
        d.conferme = true;
        Pulsante(classe, "rimuoviGruppo")->click();
        QCOMPARE(Righe(gruppi), QStringList{"grandi (0 bambini)"});
        QCOMPARE(archivio->bambino(anna.id)->gruppo, 0);
        QVERIFY(!bambini->item(0)->toolTip().contains(QStringLiteral("«")));
    }
};

TESSELO_TEST_MAIN(ProvaPercorsiInsegnanti)
#include "tst_percorsi_insegnanti.moc"
