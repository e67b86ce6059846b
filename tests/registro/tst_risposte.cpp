// Every game played through its window, as a child plays it: each judged
// answer reaches the class register once, with the facts the screen showed.
#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "games/FormDomino/SchermoDomino.h"
#include "registro/Giochi.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Partita.h"

#include <QAbstractButton>
#include <QSet>

using Registro::Domanda;
using Registro::Risposta;

namespace {

qint64 adesso = 0;

// The blocks shown by pictures of a loaded screen, in the order named.
QList<Blocco> Figure(IdSchermo id, const QStringList& nomi)
{
    QList<Blocco> blocchi;
    for (const QString& nome : nomi) {
        const auto blocco = SchermoGioco::BloccoDi(Ctl<Immagine>(id, nome));
        if (!blocco)
            qFatal("%s shows no block", qPrintable(nome));
        blocchi.append(*blocco);
    }
    return blocchi;
}

QStringList Serie(const QString& nome, int quanti, int da = 0)
{
    QStringList nomi;
    for (int i = da; i < da + quanti; ++i)
        nomi << QStringLiteral("%1(%2)").arg(nome).arg(i);
    return nomi;
}

QString Testo(IdSchermo id, const QString& nome)
{
    return Ctl<QWidget>(id, nome)->property("text").toString();
}

// The kind a word belongs to: "rosso" is a colour.
int CriterioDi(const QString& parola)
{
    for (int criterio = CriterioForma; criterio <= CriterioSpessore; ++criterio)
        for (const Blocco& b : Blocco::tutti())
            if (b.parola(criterio) == parola)
                return criterio;
    return 0;
}

const QStringList NomiAttributi{"forma", "colore", "dimensione", "spessore"};

// A condition as a sign shows it: "ROSSO", "NON ROSSO".
QString Cartello(const Domanda& d)
{
    return (d.negata ? QStringLiteral("NON ") : QString()) + d.valore.toUpper();
}

// What the screen showed before the answer, read from its controls.
struct Mostrato {
    QString domanda;         // the question's label
    QList<Blocco> blocchi;   // the pictures the answer is about
    QStringList risposte;    // the words of the controls that take answers
    QStringList condizioni;  // the condition labels of the games of places
    bool cambia = true;      // chain games: the question asks what changes
};

Mostrato Leggi(IdSchermo id)
{
    Mostrato m;
    m.domanda = static_cast<SchermoGioco*>(Schermi::Trova(id))->EtichettaDomanda()->text();
    switch (id) {
    case IdSchermo::form1:
        m.blocchi = Figure(id, {"Image1", "Image2"});
        m.risposte = QStringList{Testo(id, "UGUALI"), Testo(id, "DIVERSI")};
        break;
    case IdSchermo::FORM2:
        m.blocchi = Figure(id, Serie("Image1", 4));
        m.risposte = QStringList{Testo(id, "Command1")};
        break;
    case IdSchermo::zirp3:
        m.blocchi = Figure(id, Serie("Image1", 9));
        for (const QString& n : Serie("NUMERI", 10))
            m.risposte << Testo(id, n);
        break;
    case IdSchermo::FormTrova:
        m.blocchi = Figure(id, Serie("Image1", 12));
        for (const Blocco& b : m.blocchi)
            m.risposte << b.nome();
        break;
    case IdSchermo::zirp7:
    case IdSchermo::zirp8:
    case IdSchermo::zirp9: {
        m.blocchi = Figure(id, {"Image1"});
        const int posti = id == IdSchermo::zirp7 ? 2 : 4;
        for (const QString& n : Serie("Frame1", posti))
            m.risposte << Ctl<QWidget>(id, n)->accessibleName();
        for (const QString& n : Serie("Label1", posti))
            m.condizioni << Testo(id, n);
        break;
    }
    case IdSchermo::FormDomino:
    case IdSchermo::FormDomino2: {
        const int passo = static_cast<SchermoDomino*>(Schermi::Trova(id))->PassoCatena;
        m.blocchi = Figure(id, Serie("Image1", 2, passo));
        m.risposte = QStringList{Testo(id, "Label3"), Testo(id, "Label4"), Testo(id, "Label5"),
                                 Testo(id, "Label6"), Testo(id, "Label7")};
        m.cambia = id == IdSchermo::FormDomino;
        break;
    }
    default:
        qFatal("not a game");
    }
    return m;
}

// What was asked, as the screen showed it, and whether the answer was right
// by the pictures shown, judged here from the words alone.
void ControllaDomande(IdSchermo id, const Mostrato& m, const Risposta& r)
{
    // Every value is a word of the attribute it is recorded with.
    for (const Domanda& d : r.domande) {
        QVERIFY2(NomiAttributi.contains(d.attributo), qPrintable(d.attributo));
        if (!d.valore.isEmpty())
            QCOMPARE(NomiAttributi[CriterioDi(d.valore) - 1], d.attributo);
    }
    switch (id) {
    case IdSchermo::form1: {
        QCOMPARE(r.domande.size(), 1);
        QCOMPARE(r.domande[0].attributo.toUpper(), m.domanda);
        const int criterio = NomiAttributi.indexOf(r.domande[0].attributo) + 1;
        const bool uguali = m.blocchi[0].parola(criterio) == m.blocchi[1].parola(criterio);
        QCOMPARE(r.esatta, uguali == (r.risposta == "UGUALE"));
        break;
    }
    case IdSchermo::FORM2:
    case IdSchermo::zirp3: {
        QCOMPARE(r.domande.size(), 1);
        QCOMPARE(Cartello(r.domande[0]), m.domanda);
        const int criterio = CriterioDi(r.domande[0].valore);
        const auto giusti = std::count_if(m.blocchi.begin(), m.blocchi.end(), [&](const Blocco& b) {
            return b.parola(criterio) == r.domande[0].valore;
        });
        if (id == IdSchermo::zirp3)
            QCOMPARE(r.esatta, r.risposta.toInt() == giusti);
        else
            QVERIFY(giusti > 0);
        break;
    }
    case IdSchermo::FormTrova: {
        QStringList parole;
        for (const Domanda& d : r.domande)
            parole << d.valore.toUpper();
        QCOMPARE(parole.join("\r\n"), m.domanda);
        QCOMPARE(r.blocchi.size(), 1);
        QVERIFY(m.blocchi.contains(r.blocchi[0]));
        QCOMPARE(r.esatta, r.blocchi[0].nome().toUpper() == parole.join(' '));
        QCOMPARE(r.risposta, r.blocchi[0].nome());
        break;
    }
    case IdSchermo::zirp7:
    case IdSchermo::zirp8:
    case IdSchermo::zirp9: {
        QCOMPARE(r.domande.size(), id == IdSchermo::zirp7 ? 1 : 2);
        QStringList posto;
        for (int i = 0; i < r.domande.size(); ++i) {
            const Domanda& d = r.domande[i];
            QCOMPARE(d.valore.toUpper(), m.condizioni[2 * i]);
            QCOMPARE(Cartello(d), m.condizioni[2 * i + d.negata]);
            QCOMPARE(d.negata, m.blocchi[0].parola(CriterioDi(d.valore)) != d.valore);
            posto << Cartello(d);
        }
        QCOMPARE(m.domanda, m.condizioni[0]);
        QCOMPARE(r.esatta, r.risposta == posto.join(", "));
        break;
    }
    default: {
        // The attributes in which the pair differs, or agrees.
        QStringList attesi;
        for (int criterio = CriterioForma; criterio <= CriterioSpessore; ++criterio)
            if ((m.blocchi[0].parola(criterio) != m.blocchi[1].parola(criterio)) == m.cambia)
                attesi << NomiAttributi[criterio - 1];
        QStringList chiesti;
        for (const Domanda& d : r.domande) {
            QVERIFY(d.valore.isEmpty());
            chiesti << d.attributo;
        }
        QCOMPARE(chiesti, attesi);
        QCOMPARE(r.esatta, r.risposta == (chiesti.isEmpty() ? QString("niente") : chiesti[0]));
        break;
    }
    }
}

} // namespace

class ProvaRisposte : public QObject {
    Q_OBJECT
private slots:
    void init() { servizi().orologio = [] { return adesso; }; }
    void cleanup()
    {
        servizi().registra = nullptr;
        servizi().orologio = nullptr;
    }

    // One answer, right or wrong, of each game opened from the menu and
    // played by clicks: the register receives exactly one value, as the
    // count rises by one, naming the game as the menu does, with what the
    // screen asked and showed, the face shown and the time since the turn
    // was shown.
    void unaRispostaPerGioco_data()
    {
        QTest::addColumn<int>("gioco");
        QTest::addColumn<bool>("giusta");
        for (int i = 0; i < Partita::Giochi().size(); ++i) {
            QTest::addRow("%s, giusta", Partita::Giochi()[i].nome) << i << true;
            QTest::addRow("%s, sbagliata", Partita::Giochi()[i].nome) << i << false;
        }
    }
    void unaRispostaPerGioco()
    {
        QFETCH(int, gioco);
        QFETCH(bool, giusta);
        const Partita::VoceGioco& voce = Partita::Giochi()[gioco];
        const IdSchermo id = voce.id;
        Ambiente a(quint64(gioco + 1));
        QList<Risposta> registrate;
        servizi().registra = [&](const Risposta& r) { registrate.append(r); };

        Partita::AvviaFinoAlMenu();
        const QString didascalia = Testo(IdSchermo::formMenu, voce.bottoneMenu);
        adesso = 10000;
        Partita::ApriDalMenu(voce);
        QVERIFY(registrate.isEmpty());
        const Mostrato m = Leggi(id);
        const int contati = Modulo1::ContatoreEsatti + Modulo1::ContatoreErrati;
        adesso = 10300;
        QVERIFY(giusta ? Partita::Giusta(id) : Partita::Sbagliata(id));

        QCOMPARE(Modulo1::ContatoreEsatti + Modulo1::ContatoreErrati, contati + 1);
        QCOMPARE(registrate.size(), 1);
        const Risposta& r = registrate[0];
        QCOMPARE(r.schermo, QString(Registro::Giochi()[gioco].schermo));
        QCOMPARE(r.gioco, didascalia);
        QCOMPARE(r.gioco, QString::fromUtf8(voce.nome));
        QCOMPARE(r.esatta, giusta);
        QCOMPARE(Ctl<Faccia>(id, "ComandoIconaSi")->isVisible(), r.esatta);
        QCOMPARE(Ctl<Faccia>(id, "ComandoIconaNo")->isVisible(), !r.esatta);
        QCOMPARE(r.millisecondi, qint64(300));
        QVERIFY(!r.id.isNull());
        QVERIFY(m.risposte.contains(r.risposta));
        if (id != IdSchermo::FormTrova)
            QCOMPARE(r.blocchi, m.blocchi);
        ControllaDomande(id, m, r);
    }

    // A turn answered wrong, wrong again, then right, in each game: the
    // register receives its attempts 1, 2 and 3, each retry with the
    // question and blocks of the first; the next turn's answer is its
    // first again.
    void tentativiDiUnTurno_data()
    {
        QTest::addColumn<int>("gioco");
        for (int i = 0; i < Partita::Giochi().size(); ++i)
            QTest::addRow("%s", Partita::Giochi()[i].nome) << i;
    }
    void tentativiDiUnTurno()
    {
        QFETCH(int, gioco);
        const Partita::VoceGioco& voce = Partita::Giochi()[gioco];
        Ambiente a(quint64(gioco + 7));
        QList<Risposta> registrate;
        servizi().registra = [&](const Risposta& r) { registrate.append(r); };
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(voce);
        QVERIFY(Partita::Sbagliata(voce.id));
        QVERIFY(Partita::Sbagliata(voce.id));
        QVERIFY(Partita::Giusta(voce.id));
        QVERIFY(Partita::Giusta(voce.id));
        QCOMPARE(registrate.size(), 4);
        QList<int> tentativi;
        for (const Risposta& r : registrate)
            tentativi << r.tentativo;
        QCOMPARE(tentativi, (QList<int>{1, 2, 3, 1}));
        for (int i = 1; i < 3; ++i) {
            QCOMPARE(registrate[i].domande, registrate[0].domande);
            if (voce.id != IdSchermo::FormTrova && voce.id != IdSchermo::FORM2)
                QCOMPARE(registrate[i].blocchi, registrate[0].blocchi);
        }
    }

    // «uguale - diverso» numbers its attributes in an order of its own; the
    // register receives each as the register numbers it, whichever of the
    // four a turn asks.
    void ugualeDiverso_ogniAttributoComeLoChiedeLoSchermo()
    {
        Ambiente a;
        QList<Risposta> registrate;
        servizi().registra = [&](const Risposta& r) { registrate.append(r); };
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi()[0]);
        QSet<QString> chiesti;
        for (int turno = 0; turno < 100 && chiesti.size() < 4; ++turno) {
            QVERIFY(Partita::Giusta(IdSchermo::form1));
            // A right answer leaves the turn on show until "avanti".
            ControllaDomande(IdSchermo::form1, Leggi(IdSchermo::form1), registrate.last());
            if (QTest::currentTestFailed())
                return;
            chiesti.insert(registrate.last().domande[0].attributo);
        }
        QCOMPARE(chiesti.size(), 4);
    }

    // Without a register, answers are judged as ever and nothing else
    // happens.
    void senzaRegistro_siGiocaComeSempre()
    {
        Ambiente a;
        Partita::AvviaFinoAlMenu();
        Partita::ApriDalMenu(Partita::Giochi()[0]);
        QVERIFY(Partita::Giusta(IdSchermo::form1));
        QVERIFY(Partita::Sbagliata(IdSchermo::form1));
        QCOMPARE(Modulo1::ContatoreEsatti, qint16(1));
        QCOMPARE(Modulo1::ContatoreErrati, qint16(1));
    }
};

TESSELO_TEST_MAIN(ProvaRisposte)
#include "tst_risposte.moc"
