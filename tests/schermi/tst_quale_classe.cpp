// "Quale classe?": a register of several classes asks which class plays
// before "Chi gioca?", which then shows that class alone; the sitting's
// answers, a guest's too, go to that class. With one class the start is
// as it always was.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/VociNomi.h"
#include "registro/Archivio.h"
#include "screens/FormQualeClasse.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

// The buttons of a loaded screen named radice(0), radice(1)... in order.
QList<QAbstractButton*> Pulsanti(IdSchermo id, const char* radice)
{
    QList<QAbstractButton*> pulsanti;
    for (int i = 0;; ++i) {
        auto* p = Schermi::Trova(id)->finestra()->findChild<QAbstractButton*>(NomeControllo(radice, i));
        if (!p)
            return pulsanti;
        pulsanti.append(p);
    }
}

QStringList Nomi(const QList<QAbstractButton*>& pulsanti)
{
    QStringList nomi;
    for (const QAbstractButton* p : pulsanti)
        nomi.append(p->accessibleName());
    return nomi;
}

void Avvia(const QString& percorso)
{
    Seduta::Avvia(percorso);
    QVERIFY(Seduta::AttendiPronta(60s, true));
    Modulo1::Main();
    SvuotaEventi();
}

void Clic(QAbstractButton* pulsante)
{
    QTest::mouseClick(pulsante, Qt::LeftButton, {}, pulsante->rect().center());
    SvuotaEventi();
}

bool Caricato(IdSchermo id)
{
    return Schermi::Trova(id)->caricato();
}

// The answers the register holds for a class: each with its child's id.
QList<qint64> RisposteDi(const QString& percorso, qint64 classe)
{
    Registro::Archivio archivio;
    QList<qint64> bambini;
    if (archivio.apri(percorso, false) != Registro::Accesso::Ok || !archivio.scegliClasse(classe))
        return {-1};
    for (const auto& [risposta, bambino] : archivio.risposte())
        bambini.append(bambino);
    return bambini;
}

} // namespace

class ProvaQualeClasse : public QObject {
    Q_OBJECT
    QTemporaryDir cache;

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", cache.path().toUtf8()); }
    void cleanup() { QVERIFY(Seduta::Termina(10s)); }

    // Two classes: the start leads to "Quale classe?" with each class by its
    // name; a touch speaks the name and opens "Chi gioca?" with that class's
    // children and the guest alone; the answers then go to that class, for
    // the child chosen or for a guest, and none to the other. The screen
    // draws nothing from the generator: the sitting's draws are those of a
    // register of one class.
    void dueClassi_laClasseSceltaGiocaERegistra_data()
    {
        QTest::addColumn<int>("simbolo");
        QTest::addRow("un bambino") << 1;
        QTest::addRow("l'ospite") << 3;
    }
    void dueClassi_laClasseSceltaGiocaERegistra()
    {
        QFETCH(int, simbolo);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Classe> classi = ClasseProva::CreaClassi(percorso, {"2B", "1A"}, 3);
        QCOMPARE(classi.size(), 2);
        Ambiente a;
        Avvia(percorso);
        const int estratti = a.caso.estratti;
        ClasseProva::ClicAvvio();
        QVERIFY(Caricato(IdSchermo::FormQualeClasse));
        QVERIFY(!Caricato(IdSchermo::FormChiGioca));
        QCOMPARE(a.caso.estratti, estratti);
        FinestraSchermo* f = Schermi::Trova(IdSchermo::FormQualeClasse)->finestra();
        QVERIFY(f->isVisible());
        QCOMPARE(f->windowTitle(), QString("Quale classe?"));
        const QList<QAbstractButton*> carte = Pulsanti(IdSchermo::FormQualeClasse, "Classe");
        // The register's order: by name as a person sorts.
        QCOMPARE(Nomi(carte), QStringList({"1A", "2B"}));
        QCOMPARE(Seduta::Bambini().size(), 0);

        Clic(carte[1]);
        QCOMPARE(a.suono.voci, QStringList{VociNomi::File("2B")});
        QVERIFY(QFileInfo(VociNomi::File("2B")).size() > 1000);
        QVERIFY(!Caricato(IdSchermo::FormQualeClasse));
        QVERIFY(Caricato(IdSchermo::FormChiGioca));
        const qint64 classe = classi[1].nome == "2B" ? classi[1].id : classi[0].id;
        const qint64 altra = classi[1].nome == "2B" ? classi[0].id : classi[1].id;
        QCOMPARE(Seduta::ClasseScelta(), std::optional<qint64>(classe));
        // 2B was made first: its children are the first three of the made-up
        // class, by surname (Nicolò has none, then D'Angelo, Rossi).
        QCOMPARE(Nomi(Pulsanti(IdSchermo::FormChiGioca, "Simbolo")),
                 QStringList({"Nicolò", "Mattia", "Giulia", "ospite"}));

        a.suono.voci.clear();
        const QString nome = Pulsanti(IdSchermo::FormChiGioca, "Simbolo").at(simbolo)->accessibleName();
        ClasseProva::ScegliSimbolo(simbolo);
        QCOMPARE(a.suono.voci, QStringList{VociNomi::File(nome)});
        QVERIFY(Caricato(IdSchermo::formMenu));
        const qint64 bambino = simbolo < 3 ? Seduta::Bambini().at(simbolo).id : 0;
        const Partita::VoceGioco& gioco = Partita::Giochi().first();
        Partita::ApriDalMenu(gioco);
        QVERIFY(Partita::Giusta(gioco.id));
        QVERIFY(Partita::Sbagliata(gioco.id));
        Partita::TornaAlMenu(a, gioco.id);
        QVERIFY(Seduta::Termina(10s));
        QCOMPARE(RisposteDi(percorso, classe), QList<qint64>({bambino, bambino}));
        QCOMPARE(RisposteDi(percorso, altra), QList<qint64>());
    }

    // With one class, the start goes straight to "Chi gioca?"; with one class
    // and no child, to the menu: "Quale classe?" never opens.
    void unaClasse_nessunaDomanda_data()
    {
        QTest::addColumn<int>("bambini");
        QTest::addColumn<IdSchermo>("dopo");
        QTest::addRow("con bambini") << 3 << IdSchermo::FormChiGioca;
        QTest::addRow("senza bambini") << 0 << IdSchermo::formMenu;
    }
    void unaClasse_nessunaDomanda()
    {
        QFETCH(int, bambini);
        QFETCH(IdSchermo, dopo);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::CreaClassi(percorso, {"1A"}, bambini);
        Ambiente a;
        Avvia(percorso);
        QVERIFY(Seduta::Classi().isEmpty());
        ClasseProva::ClicAvvio();
        QVERIFY(!Caricato(IdSchermo::FormQualeClasse));
        QVERIFY(Caricato(dopo));
    }

    // The focus starts on the first class and shows; the arrows move it
    // through the grid, and Return chooses the class it is on.
    void tastiera_frecceEInvio()
    {
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        ClasseProva::CreaClassi(percorso, {"1A", "1B", "2A", "2B", "3A", "3B"}, 1);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        QApplication::setActiveWindow(Schermi::Trova(IdSchermo::FormQualeClasse)->finestra());
        const QList<QAbstractButton*> carte = Pulsanti(IdSchermo::FormQualeClasse, "Classe");
        QCOMPARE(carte.size(), 6);
        QCOMPARE(QApplication::focusWidget(), carte[0]);
        const QImage conFuoco = carte[0]->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), carte[1]);
        QVERIFY(carte[0]->grab().toImage() != conFuoco);
        const auto colonne = std::count_if(carte.begin(), carte.end(),
                                           [&](const QAbstractButton* c) { return c->y() == carte[0]->y(); });
        QVERIFY(colonne > 1 && colonne < carte.size());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), carte[1 + colonne]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), carte[2 + colonne]);
        const QString nome = carte[2 + colonne]->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(Caricato(IdSchermo::FormChiGioca));
        QCOMPARE(a.suono.voci, QStringList{VociNomi::File(nome)});
        QCOMPARE(Seduta::Bambini().size(), 1);
    }

    // Twelve classes of a lab fit a small screen and a 4K one: every card
    // inside the window, none over another, wider than tall and large
    // enough for a finger; two classes of the same name are told apart by
    // their school years.
    void griglia_dodiciClassiStanno_data()
    {
        QTest::addColumn<QSize>("finestra");
        QTest::addColumn<int>("latoMinimo");
        QTest::addRow("640x480") << QSize(640, 480) << 120;
        QTest::addRow("3840x2160") << QSize(3840, 2160) << 600;
    }
    void griglia_dodiciClassiStanno()
    {
        QFETCH(QSize, finestra);
        QFETCH(int, latoMinimo);
        QTemporaryDir dati;
        const QString percorso = dati.filePath("registro.sqlite");
        QStringList nomi;
        for (int i = 1; i <= 12; ++i)
            nomi.append(QString("%1%2").arg((i + 1) / 2).arg(i % 2 ? "A" : "B"));
        ClasseProva::CreaClassi(percorso, nomi, 0);
        Ambiente a;
        Avvia(percorso);
        ClasseProva::ClicAvvio();
        Ridimensiona(IdSchermo::FormQualeClasse, finestra);
        const QList<QAbstractButton*> carte = Pulsanti(IdSchermo::FormQualeClasse, "Classe");
        QCOMPARE(carte.size(), 12);
        const QRect area = Schermi::Trova(IdSchermo::FormQualeClasse)->finestra()->superficie()->rect();
        for (int i = 0; i < carte.size(); ++i) {
            const QRect r = NellaFinestra(IdSchermo::FormQualeClasse, carte[i]->objectName());
            QVERIFY2(r.width() >= latoMinimo, qPrintable(QString("%1: %2 px").arg(i).arg(r.width())));
            QVERIFY(r.width() > r.height());
            QVERIFY(area.contains(r));
            for (int j = 0; j < i; ++j)
                QVERIFY(!r.intersects(NellaFinestra(IdSchermo::FormQualeClasse, carte[j]->objectName())));
        }
    }
};

TESSELO_TEST_MAIN(ProvaQualeClasse)
#include "tst_quale_classe.moc"
