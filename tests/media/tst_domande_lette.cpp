// The questions read aloud: with a class whose "Leggi le domande" is on
// (the teachers' class dialog sets it), every game speaks its question as a
// turn starts, on the one sound channel, where a judged answer's sound
// follows it; a game that moves on by itself after a right answer waits for
// that answer's sound first. Without a class, or with the setting off,
// nothing is spoken unasked.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "games/FORM2/FORM2.h"
#include "games/FormDomino/SchermoDomino.h"
#include "insegnanti/DialoghiClasse.h"
#include "media/Voci.h"
#include "registro/Archivio.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// Every request made of the sound channel, in order: "voce" or "suono",
// a blank, then the file.
class Canale final : public SoundInterface {
public:
    void playSound(const QString& percorso) override { richieste << "suono " + percorso; }
    void playVoice(const QString& percorso) override { richieste << "voce " + percorso; }
    QStringList richieste;
};

QString Voce(const QString& testo)
{
    return QStringLiteral("voce " TESSELO_APP_DIR "/voci/") + Voci::nomeFile(testo);
}

bool Suono(const QString& richiesta)
{
    return richiesta.startsWith(QLatin1String("suono "));
}

const Partita::VoceGioco& GiocoDi(IdSchermo id)
{
    for (const Partita::VoceGioco& g : Partita::Giochi())
        if (g.id == id)
            return g;
    qFatal("no such game");
}

// The question each game speaks: the label the question key speaks.
QString Domanda(IdSchermo id)
{
    return Voce(static_cast<SchermoGioco*>(Schermi::Trova(id))->EtichettaDomanda()->text());
}

// Whether the screen's question is still to be said later, its timer
// running. That timer is the only way a question is said after the event
// that starts a turn: once it has stopped or fired and the posted events
// have been handled, nothing more is said of the turn, so that a case
// waits for that, not on the clock, to show a silence.
bool DomandaInAttesa(IdSchermo id)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QWidget* finestra = Schermi::Trova(id)->finestra();
    const auto* timer = finestra ? finestra->findChild<QTimer*>("domandaInAttesa") : nullptr;
    return timer && timer->isActive();
}

void Clic(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    SvuotaEventi();
}

// Right answers until the next turn begins: "avanti" pressed where the game
// has it; else the set completed, or the chain, and the game moves on by
// itself. Returns whether it did so by itself.
bool AlProssimoTurno(IdSchermo id)
{
    if (auto* avanti = Schermi::Trova(id)->finestra()->findChild<Bottone*>("bottoneavanti")) {
        for (int i = 0; i < 40 && !avanti->isEnabled(); ++i)
            Partita::Giusta(id);
        Clic(avanti);
        return false;
    }
    if (id == IdSchermo::FORM2) {
        Partita::Giusta(id);
        return true;
    }
    auto& catena = Gioco<SchermoDomino>(id);
    do
        Partita::Giusta(id);
    while (catena.PassoCatena != 0);
    return true;
}

// The teachers' class dialog: it shows the class's setting, and the class
// it gives back, stored, carries the box as ticked.
void ImpostaDalDialogo(Registro::Archivio& archivio, const Registro::Classe& classe, bool leggi)
{
    Insegnanti::DialogoClasse dialogo(classe);
    auto* casella = dialogo.findChild<QCheckBox*>("leggiDomande");
    QVERIFY(casella);
    QCOMPARE(casella->text(), QStringLiteral("Leggi le domande"));
    QCOMPARE(casella->isChecked(), classe.leggiDomande);
    casella->setChecked(leggi);
    QVERIFY2(archivio.salvaClasse(dialogo.classe()), qPrintable(archivio.ultimoErrore()));
}

// The sitting on the register at percorso, through the start screen
// ("Quale classe?" first when it has several classes: the one at classe)
// to the menu, with the first child chosen.
void Avvia(const QString& percorso, int classe = 0)
{
    Seduta::Avvia(percorso);
    QVERIFY(Seduta::AttendiPronta(60s));
    Modulo1::Main();
    SvuotaEventi();
    ClasseProva::ClicAvvio();
    if (Schermi::Trova(IdSchermo::FormQualeClasse)->caricato())
        Clic(Ctl(IdSchermo::FormQualeClasse, NomeControllo("Classe", classe)));
    QVERIFY(Schermi::Trova(IdSchermo::FormChiGioca)->caricato());
    ClasseProva::ScegliSimbolo(0);
    QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
}

// A register of one class of three children, its setting as given.
void UnaClasse(const QString& percorso, bool leggi)
{
    ClasseProva::Crea(percorso, 3);
    Registro::Archivio archivio;
    QCOMPARE(archivio.apri(percorso), Registro::Accesso::Ok);
    ImpostaDalDialogo(archivio, archivio.classi().first(), leggi);
}

void Righe()
{
    QTest::addColumn<IdSchermo>("id");
    for (const Partita::VoceGioco& g : Partita::Giochi())
        QTest::newRow(g.nome) << g.id;
}

} // namespace

class ProvaDomandeLette : public QObject {
    Q_OBJECT
    QTemporaryDir cache;
    Canale* canale = nullptr;

    // The channel of this test, in place of the environment's.
    void installaCanale()
    {
        auto nuovo = std::make_unique<Canale>();
        canale = nuovo.get();
        servizi().suono = std::move(nuovo);
    }

private slots:
    void initTestCase() { qputenv("XDG_CACHE_HOME", cache.path().toUtf8()); }
    void cleanup()
    {
        servizi().suono = std::make_unique<SuonoFinto>();
        canale = nullptr;
        QVERIFY(Seduta::Termina(10s));
    }

    // A new class reads its questions: the dialog comes ticked.
    void nuovaClasse_casellaSpuntata()
    {
        Insegnanti::DialogoClasse dialogo(Registro::Classe{});
        auto* casella = dialogo.findChild<QCheckBox*>("leggiDomande");
        QVERIFY(casella && casella->isChecked());
        QVERIFY(dialogo.classe().leggiDomande);
    }

    // With the setting on, opening a game speaks its question right after
    // the menu button's word; the next turn speaks it again, after "avanti"
    // at once, and where the game moves on by itself after a right answer,
    // only once that answer's sound has been played.
    void inizioTurno_diceLaDomanda_data() { Righe(); }
    void inizioTurno_diceLaDomanda()
    {
        QFETCH(IdSchermo, id);
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        UnaClasse(percorso, true);
        Ambiente a(4);
        Avvia(percorso);
        installaCanale();
        Partita::ApriDalMenu(GiocoDi(id));
        QCOMPARE(canale->richieste, (QStringList{Voce(QString::fromUtf8(GiocoDi(id).nome)), Domanda(id)}));

        canale->richieste.clear();
        const bool daSolo = AlProssimoTurno(id);
        QVERIFY(!canale->richieste.isEmpty());
        if (daSolo) {
            QVERIFY2(Suono(canale->richieste.last()), qPrintable(canale->richieste.join('\n')));
            QTRY_COMPARE_WITH_TIMEOUT(canale->richieste.last(), Domanda(id), 5000);
        } else {
            QCOMPARE(canale->richieste.mid(canale->richieste.size() - 2), (QStringList{Voce("avanti"), Domanda(id)}));
        }
        // Said once per turn.
        QTRY_VERIFY_WITH_TIMEOUT(!DomandaInAttesa(id), 5000);
        QCOMPARE(canale->richieste.count(Domanda(id)), 1);
    }

    // The answer's sound follows the question on the one channel, which a
    // new sound cuts off: a wrong answer given while the question is said is
    // heard over it, after the answer button's own word.
    void risposta_dopoLaDomanda()
    {
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        UnaClasse(percorso, true);
        Ambiente a(6);
        Avvia(percorso);
        installaCanale();
        Partita::ApriDalMenu(GiocoDi(IdSchermo::form1));
        const QString domanda = Domanda(IdSchermo::form1);
        QVERIFY(Partita::Sbagliata(IdSchermo::form1));
        QCOMPARE(canale->richieste.size(), 4);
        QCOMPARE(canale->richieste[1], domanda);
        QVERIFY(canale->richieste[2].startsWith("voce "));
        QCOMPARE(canale->richieste[3], "suono " TESSELO_APP_DIR "/suoni/no.wav");
    }

    // Where the game moves on by itself, the new question waits for the
    // answer's sound; an answer given meanwhile is heard instead, the
    // question key says it at once and only once, and a game left
    // meanwhile says nothing on the menu.
    void domandaInAttesa_taceSeSiRispondeOSiEsce()
    {
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        UnaClasse(percorso, true);
        Ambiente a(8);
        Avvia(percorso);
        installaCanale();
        const IdSchermo id = IdSchermo::FORM2;
        Partita::ApriDalMenu(GiocoDi(id));

        QVERIFY(AlProssimoTurno(id));
        QVERIFY(Partita::Sbagliata(id));
        canale->richieste.clear();
        QTRY_VERIFY_WITH_TIMEOUT(!DomandaInAttesa(id), 5000);
        QVERIFY2(canale->richieste.isEmpty(), qPrintable(canale->richieste.join('\n')));

        QVERIFY(AlProssimoTurno(id));
        canale->richieste.clear();
        QWidget* finestra = Schermi::Trova(id)->finestra();
        QApplication::setActiveWindow(finestra);
        QTest::keyClick(finestra->windowHandle(), SchermoGioco::TastoDomanda[0].key());
        QTRY_VERIFY_WITH_TIMEOUT(!DomandaInAttesa(id), 5000);
        QCOMPARE(canale->richieste, QStringList{Domanda(id)});

        QVERIFY(AlProssimoTurno(id));
        QVERIFY(DomandaInAttesa(id));
        Partita::TornaAlMenu(a, id);
        canale->richieste.clear();
        QTRY_VERIFY_WITH_TIMEOUT(!DomandaInAttesa(id), 5000);
        QVERIFY2(canale->richieste.isEmpty(), qPrintable(canale->richieste.join('\n')));
    }

    // Without a class, with the class's setting off, or with the sounds
    // off, every game starts its turns in silence: only the menu button's
    // word and the answers' sounds are heard.
    void nienteDetto_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("senza classe") << "senza classe";
        QTest::newRow("impostazione spenta") << "spenta";
        QTest::newRow("suoni spenti") << "suoni spenti";
    }
    void nienteDetto()
    {
        QFETCH(QString, caso);
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        if (caso != "senza classe")
            UnaClasse(percorso, caso != "spenta");
        Ambiente a(5);
        if (caso == "senza classe") {
            Partita::AvviaFinoAlMenu();
            SvuotaEventi();
        } else {
            Avvia(percorso);
        }
        QVERIFY(Schermi::Trova(IdSchermo::formMenu)->caricato());
        installaCanale();
        Modulo1::SuonoAttivo = caso != "suoni spenti";
        int richieste = 0;
        for (const Partita::VoceGioco& g : Partita::Giochi()) {
            canale->richieste.clear();
            Partita::ApriDalMenu(g);
            AlProssimoTurno(g.id);
            QTRY_VERIFY_WITH_TIMEOUT(!DomandaInAttesa(g.id), 5000);
            // The chains' question is also their button's word on the menu.
            const QString domanda = Domanda(g.id);
            const bool nome = Modulo1::SuonoAttivo && domanda == Voce(QString::fromUtf8(g.nome));
            QVERIFY2(canale->richieste.count(domanda) == (nome ? 1 : 0),
                     qPrintable(QString(g.nome) + ":\n" + canale->richieste.join('\n')));
            richieste += int(canale->richieste.size());
            Partita::TornaAlMenu(a, g.id);
        }
        QCOMPARE(richieste > 0, caso != "suoni spenti");
    }

    // Two classes: each reads its questions as its own setting says.
    void dueClassi_ciascunaComeImpostata_data()
    {
        QTest::addColumn<int>("classe");
        QTest::addColumn<bool>("detta");
        QTest::newRow("accesa") << 0 << true;
        QTest::newRow("spenta") << 1 << false;
    }
    void dueClassi_ciascunaComeImpostata()
    {
        QFETCH(int, classe);
        QFETCH(bool, detta);
        ClasseProva::Cartella dati;
        const QString percorso = dati.filePath("registro.sqlite");
        const QList<Registro::Classe> classi = ClasseProva::CreaClassi(percorso, {"1A", "1B"}, 2);
        {
            Registro::Archivio archivio;
            QCOMPARE(archivio.apri(percorso), Registro::Accesso::Ok);
            ImpostaDalDialogo(archivio, classi.at(1), false);
            QCOMPARE(archivio.classi().at(0).leggiDomande, true);
            QCOMPARE(archivio.classi().at(1).leggiDomande, false);
        }
        Ambiente a(9);
        Avvia(percorso, classe);
        installaCanale();
        Partita::ApriDalMenu(GiocoDi(IdSchermo::FormTrova));
        QCOMPARE(canale->richieste.contains(Domanda(IdSchermo::FormTrova)), detta);
    }
};

TESSELO_TEST_MAIN(ProvaDomandeLette)
#include "tst_domande_lette.moc"
