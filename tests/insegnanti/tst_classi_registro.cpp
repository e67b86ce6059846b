// The teachers' program on a register of several classes: the class
// selector that every view follows, a class created and renamed, a child
// moved to another class, the new school year for every class at once,
// and the school's page for a login of the school's management alone.
#include "tests/support/ClasseProva.h"
#include "tests/support/MainProva.h"

#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/GestioneClasse.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/SceltaClasse.h"
#include "insegnanti/VistaClasse.h"
#include "insegnanti/VistaScuola.h"
#include "registro/Archivio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

using namespace Insegnanti;

namespace {

// The dialogs answered by the test, every message kept.
struct Dialoghi {
    QStringList messaggi;
    std::optional<Registro::Classe> classe;
    std::function<std::optional<QList<Registro::Classe>>(const QList<Registro::Classe>&)> nuovoAnno;
    QList<Registro::Classe> offerte;
    std::optional<qint64> verso;
    QString utente;
    Richieste prima = richieste();

    Dialoghi()
    {
        richieste().informa = [this](QWidget*, const QString& t, bool) { messaggi.append(t); };
        richieste().classe = [this](QWidget*, const Registro::Classe& iniziale) {
            if (!classe)
                return std::optional<Registro::Classe>();
            Registro::Classe c = *classe;
            c.id = iniziale.id;
            c.uuid = iniziale.uuid;
            return std::optional<Registro::Classe>(c);
        };
        richieste().nuovoAnno = [this](QWidget*, const QList<Registro::Classe>& classi) {
            return nuovoAnno ? nuovoAnno(classi) : std::nullopt;
        };
        richieste().sceltaClasse = [this](QWidget*, const QString&, const QList<Registro::Classe>& classi) {
            offerte = classi;
            return verso;
        };
        richieste().riga = [this](QWidget*, const QString&) { return utente; };
    }
    ~Dialoghi() { richieste() = prima; }
};

QStringList Righe(const QListWidget* elenco)
{
    QStringList righe;
    for (int i = 0; i < elenco->count(); ++i)
        righe.append(elenco->item(i)->text());
    return righe;
}

// The children's rows of the class at a glance (the guests' row left out).
QStringList RigheBambini(const QTableWidget* tabella)
{
    QStringList righe;
    for (int r = 0; r < tabella->rowCount(); ++r)
        if (tabella->item(r, 0)->data(Qt::UserRole).toLongLong())
            righe.append(tabella->item(r, 0)->text());
    return righe;
}

QStringList NomiClassi(const QList<Registro::Classe>& classi)
{
    QStringList nomi;
    for (const Registro::Classe& c : classi)
        nomi.append(Registro::NomeConAnno(c));
    return nomi;
}

// A register of the school's management on a local file: the grants kept
// in memory, and a user the server would not know refused.
class DirigenzaFinta final : public Registro::Archivio {
public:
    QList<Registro::Assegnazione> date;
    bool dirigenza() const override { return true; }
    std::optional<QList<Registro::Assegnazione>> assegnazioni() const override { return date; }
    bool assegnaClasse(qint64 classe, const QString& utente) override
    {
        if (utente == u"nessuno")
            return false;
        date.append({classe, utente});
        return true;
    }
    bool togliClasse(qint64 classe, const QString& utente) override
    {
        return date.removeIf([&](const Registro::Assegnazione& a) { return a.classe == classe && a.utente == utente; });
    }
};

} // namespace

class ProvaClassiRegistro : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString registro;
    QList<Registro::Classe> classi;  // 1A and 2B, three children each

private slots:
    void init()
    {
        registro = cartella.filePath(QStringLiteral("registro%1.sqlite").arg(QDateTime::currentMSecsSinceEpoch()));
        classi = ClasseProva::CreaClassi(registro, {"1A", "2B"}, 3);
        QCOMPARE(classi.size(), 2);
    }

    // The window opens on the first class; the selector lists both with
    // their years, and choosing the other one shows its children on every
    // page and names it in the title.
    void selettore_cambiaOgniVista()
    {
        Registro::Archivio archivio;
        QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
        FinestraRegistro finestra(archivio);
        QComboBox* scelta = finestra.classi()->elenco();
        QCOMPARE(scelta->count(), 2);
        QCOMPARE(scelta->itemText(0), Registro::NomeConAnno(classi[0]));
        QCOMPARE(scelta->currentIndex(), 0);
        QVERIFY(finestra.windowTitle().contains(Registro::NomeConAnno(classi[0])));
        auto* bambini = finestra.classe()->findChild<QListWidget*>("bambini");
        QCOMPARE(Righe(bambini), QStringList({"Nicolò", "Mattia D'Angelo", "Giulia Rossi"}));
        const QStringList righe1A = RigheBambini(finestra.sintesi()->tabella());
        QCOMPARE(righe1A.size(), 3);

        scelta->setCurrentIndex(1);
        QCOMPARE(archivio.classeScelta()->id, classi[1].id);
        QVERIFY(finestra.windowTitle().contains(Registro::NomeConAnno(classi[1])));
        QCOMPARE(Righe(bambini), QStringList({"Sofia", "Giulia Bianchi", "Leonardo Esposito"}));
        const QStringList righe2B = RigheBambini(finestra.sintesi()->tabella());
        QCOMPARE(righe2B.size(), 3);
        QVERIFY(std::none_of(righe2B.begin(), righe2B.end(), [&](const QString& r) { return righe1A.contains(r); }));
        // The class page's "move" needs another class, which there is.
        bambini->setCurrentRow(0);
        QVERIFY(finestra.classe()->findChild<QPushButton*>("sposta")->isEnabled());
    }

    // A new class is stored and chosen; a renamed one keeps its id and
    // children; a class the register refuses (a name and year taken) is
    // told, and nothing changes.
    void nuovaERinominata()
    {
        Registro::Archivio archivio;
        QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
        FinestraRegistro finestra(archivio);
        Dialoghi d;
        d.classe = Registro::Classe{0, {}, "3C", classi[0].annoScolastico};
        finestra.classi()->nuova();
        QCOMPARE(d.messaggi, QStringList());
        QCOMPARE(archivio.classi().size(), 3);
        QCOMPARE(archivio.classeScelta()->nome, QString("3C"));
        QCOMPARE(finestra.classi()->elenco()->currentText(), Registro::NomeConAnno(*archivio.classeScelta()));
        QCOMPARE(finestra.classe()->findChild<QListWidget*>("bambini")->count(), 0);

        QVERIFY(archivio.scegliClasse(classi[0].id));
        finestra.aggiorna();
        d.classe = Registro::Classe{0, {}, "1 A", classi[0].annoScolastico};
        finestra.classi()->rinomina();
        QCOMPARE(d.messaggi, QStringList());
        QCOMPARE(archivio.classeScelta()->id, classi[0].id);
        QCOMPARE(archivio.classeScelta()->nome, QString("1 A"));
        QCOMPARE(archivio.bambini().size(), 3);
        QVERIFY(finestra.windowTitle().contains("1 A"));

        d.classe = Registro::Classe{0, {}, "2B", classi[1].annoScolastico};
        finestra.classi()->rinomina();
        QCOMPARE(d.messaggi.size(), 1);
        QVERIFY2(d.messaggi[0].contains("2B"), qPrintable(d.messaggi[0]));
        QCOMPARE(archivio.classeScelta()->nome, QString("1 A"));

        d.classe = Registro::Classe{0, {}, "4D", "2026-27"};
        finestra.classi()->nuova();
        QCOMPARE(d.messaggi.size(), 2);
        QCOMPARE(archivio.classi().size(), 3);
    }

    // A child moves with their answers into another class, offered among
    // the others; the symbol taken there is refused and told.
    void spostaBambino()
    {
        Registro::Archivio archivio;
        QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
        // 3C holds no child yet: every symbol is free there.
        QVERIFY(archivio.salvaClasse({0, QUuid::createUuid(), "3C", classi[0].annoScolastico}));
        FinestraRegistro finestra(archivio);
        Dialoghi d;
        auto* bambini = finestra.classe()->findChild<QListWidget*>("bambini");
        bambini->setCurrentRow(2);
        const qint64 giulia = finestra.classe()->scelto();
        QCOMPARE(archivio.bambino(giulia)->nome, QString("Giulia"));
        const QList<Registro::Classe> tutte = archivio.classi();
        const qint64 treC = tutte.last().nome == "3C" ? tutte.last().id : tutte.first().id;
        d.verso = treC;
        finestra.classe()->sposta();
        QCOMPARE(d.messaggi, QStringList());
        QCOMPARE(d.offerte.size(), 2);
        QVERIFY(std::none_of(d.offerte.begin(), d.offerte.end(),
                             [&](const Registro::Classe& c) { return c.id == classi[0].id; }));
        QCOMPARE(Righe(bambini), QStringList({"Nicolò", "Mattia D'Angelo"}));
        QVERIFY(archivio.scegliClasse(treC));
        QCOMPARE(archivio.bambini().size(), 1);

        // Back to 1A, then to 2B, where Giulia Bianchi has the same symbol.
        QVERIFY(archivio.spostaBambino(giulia, classi[0].id));
        QVERIFY(archivio.scegliClasse(classi[0].id));
        finestra.aggiorna();
        finestra.classe()->scegli(giulia);
        d.verso = classi[1].id;
        finestra.classe()->sposta();
        QCOMPARE(d.messaggi.size(), 1);
        QCOMPARE(archivio.bambino(giulia).has_value(), true);
        QCOMPARE(bambini->count(), 3);
    }

    // A name moves up by its leading number; any other stays as it is.
    void nomeSeguente_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("seguente");
        QTest::addRow("1A") << "1A" << "2A";
        QTest::addRow("9B") << "9B" << "10B";
        QTest::addRow("a blank") << "3 Sezione A" << "4 Sezione A";
        QTest::addRow("no number") << "Sezione Gialli" << "Sezione Gialli";
        QTest::addRow("number at the end") << "Classe 2" << "Classe 2";
        QTest::addRow("only a number") << "4" << "5";
        QTest::addRow("too long a number") << "12345678901A" << "12345678901A";
    }
    void nomeSeguente()
    {
        QFETCH(QString, nome);
        QFETCH(QString, seguente);
        QCOMPARE(NomeSeguente(nome), seguente);
    }

    // The dialog proposes "2A" in the following year for "1A", the latest
    // year's classes ticked and an earlier year's not; an unticked class is
    // left out.
    void dialogoNuovoAnno_propone()
    {
        const QList<Registro::Classe> prima{{1, QUuid::createUuid(), "1A", "2026/27"},
                                            {2, QUuid::createUuid(), "Sezione Gialli", "2025/26"}};
        DialogoNuovoAnno dialogo(prima);
        QCOMPARE(dialogo.findChild<QLineEdit*>("nome0")->text(), QString("2A"));
        QCOMPARE(dialogo.classi(), QList<Registro::Classe>({{1, prima[0].uuid, "2A", "2027/28"}}));
        QVERIFY(!dialogo.findChild<QLineEdit*>("nome1")->isEnabled());
        dialogo.findChild<QCheckBox*>("sale1")->setChecked(true);
        const QList<Registro::Classe> dopo = dialogo.classi();
        QCOMPARE(dopo.size(), 2);
        QCOMPARE(dopo[0], (Registro::Classe{1, prima[0].uuid, "2A", "2027/28"}));
        QCOMPARE(dopo[1], (Registro::Classe{2, prima[1].uuid, "Sezione Gialli", "2026/27"}));
        dialogo.findChild<QLineEdit*>("nome1")->setText("Sezione Verdi");
        QCOMPARE(dialogo.classi()[1].nome, QString("Sezione Verdi"));
        dialogo.findChild<QCheckBox*>("sale0")->setChecked(false);
        QVERIFY(!dialogo.findChild<QLineEdit*>("nome0")->isEnabled());
        QCOMPARE(dialogo.classi().size(), 1);
        QCOMPARE(dialogo.classi()[0].id, 2);
    }

    // The new school year, as the dialog proposes it, moves every class up
    // at once, each keeping its id, children and answers; when one of the
    // new names is taken, no class changes and the teacher is told.
    void nuovoAnno_tuttoInsieme()
    {
        Registro::Archivio archivio;
        QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
        FinestraRegistro finestra(archivio);
        Dialoghi d;
        const QString seguente = *Registro::AnnoSeguente(classi[0].annoScolastico);
        // Two names the same in the new year: refused whole.
        d.nuovoAnno = [](const QList<Registro::Classe>& classi) {
            DialogoNuovoAnno dialogo(classi);
            dialogo.findChild<QLineEdit*>("nome1")->setText(dialogo.findChild<QLineEdit*>("nome0")->text());
            return std::optional<QList<Registro::Classe>>(dialogo.classi());
        };
        finestra.classi()->nuovoAnno();
        QCOMPARE(d.messaggi.size(), 1);
        QCOMPARE(NomiClassi(archivio.classi()), NomiClassi(classi));

        d.messaggi.clear();
        d.nuovoAnno = [](const QList<Registro::Classe>& classi) {
            return std::optional<QList<Registro::Classe>>(DialogoNuovoAnno(classi).classi());
        };
        finestra.classi()->nuovoAnno();
        QCOMPARE(d.messaggi.size(), 1);  // how many classes moved up
        const QList<Registro::Classe> dopo = archivio.classi();
        QCOMPARE(NomiClassi(dopo), QStringList({"2A " + seguente, "3B " + seguente}));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(dopo[i].id, classi[i].id);
            QCOMPARE(dopo[i].uuid, classi[i].uuid);
            QVERIFY(archivio.scegliClasse(dopo[i].id));
            QCOMPARE(archivio.bambini().size(), 3);
        }
        QCOMPARE(finestra.classi()->elenco()->itemText(0), "2A " + seguente);
    }

    // «Scuola» is there only for a login of the school's management: each
    // class with the users it is granted to; a grant given and taken back,
    // and one the register refuses told.
    void scuola_soloPerLaDirigenza()
    {
        {
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
            FinestraRegistro finestra(archivio);
            QVERIFY(!finestra.scuola());
            QVERIFY(!finestra.findChild<VistaScuola*>());
        }
        DirigenzaFinta archivio;
        QCOMPARE(archivio.apri(registro), Registro::Accesso::Ok);
        archivio.date = {{classi[1].id, "maestra.rossi"}};
        FinestraRegistro finestra(archivio);
        VistaScuola* scuola = finestra.scuola();
        QVERIFY(scuola);
        QCOMPARE(finestra.pagine()->indexOf(scuola), finestra.pagine()->count() - 1);
        QTreeWidget* albero = scuola->albero();
        QCOMPARE(albero->topLevelItemCount(), 2);
        QCOMPARE(albero->topLevelItem(1)->childCount(), 1);
        QCOMPARE(albero->topLevelItem(1)->child(0)->text(0), QString("maestra.rossi"));

        Dialoghi d;
        albero->setCurrentItem(albero->topLevelItem(0));
        QVERIFY(!scuola->findChild<QPushButton*>("togli")->isEnabled());
        d.utente = "pc.aula1";
        scuola->assegna();
        QCOMPARE(d.messaggi, QStringList());
        QCOMPARE(archivio.date.size(), 2);
        QCOMPARE(archivio.date.last().classe, classi[0].id);
        QCOMPARE(albero->topLevelItem(0)->child(0)->text(0), QString("pc.aula1"));

        d.utente = "nessuno";
        scuola->assegna();
        QCOMPARE(d.messaggi.size(), 1);
        QCOMPARE(archivio.date.size(), 2);

        albero->setCurrentItem(albero->topLevelItem(1)->child(0));
        QVERIFY(scuola->findChild<QPushButton*>("togli")->isEnabled());
        scuola->togli();
        QCOMPARE(archivio.date.size(), 1);
        QCOMPARE(albero->topLevelItem(1)->childCount(), 0);

        d.classe = Registro::Classe{0, {}, "5E", classi[0].annoScolastico};
        scuola->crea();
        QCOMPARE(albero->topLevelItemCount(), 3);
        QCOMPARE(finestra.classi()->elenco()->count(), 3);
    }
};

TESSELO_TEST_MAIN(ProvaClassiRegistro)
#include "tst_classi_registro.moc"
