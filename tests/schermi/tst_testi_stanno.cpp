// Every text the screens show fits its control in every language, at the
// screen size the suite is run with (TESSELO_SCHERMO, "1920x1080"; 1024 x
// 768 without it): the start screen, the menu and every game, with every
// caption a control can take (each condition, each description, the counts),
// measured with the control's own font against the room its contents have.
// In the chain games no two answers share a letter or a key.
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "comune/Stile.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "games/FormDomino/SchermoDomino.h"
#include "media/Lingua.h"
#include "media/Testi.h"
#include "registro/Blocco.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/ClasseProva.h"
#include "tests/support/Partita.h"
#include "tests/support/TestoSta.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QSet>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// Every attribute value in capitals, and its negation.
QStringList Condizioni(bool negate)
{
    QStringList testi;
    for (const QStringList* gruppo : {&Parole::Forme, &Parole::Colori, &Parole::Dimensioni, &Parole::Spessori})
        for (const QString& parola : *gruppo) {
            testi << Testi::Condizione(parola, false);
            if (negate)
                testi << Testi::Condizione(parola, true);
        }
    return testi;
}

// The captions a control may take besides the one it shows now.
QStringList Alternative(IdSchermo id, const QString& nome)
{
    if (nome == u"etEsatti" || nome == u"etErrati") {
        const QString parola = nome == u"etEsatti" ? QStringLiteral("esatti") : QStringLiteral("errati");
        const QString maiuscola = parola.at(0).toUpper() + parola.mid(1);
        return {SchermoGioco::Didascalia(Tesselo::tr(parola.toUtf8()), 999),
                SchermoGioco::Didascalia(Tesselo::tr(maiuscola.toUtf8()), 999), Tesselo::tr(maiuscola.toUtf8()) + " 0"};
    }
    switch (id) {
    case IdSchermo::form1:
        if (nome == u"Label1")
            return {Testi::Maiuscola("forma"), Testi::Maiuscola("colore"), Testi::Maiuscola("dimensione"),
                    Testi::Maiuscola("spessore")};
        if (nome == u"DIVERSI")
            return {Tesselo::tr("DIVERSA"), Tesselo::tr("DIVERSO")};
        break;
    case IdSchermo::FORM2:
    case IdSchermo::zirp3:
        if (nome == u"Label1")
            return Condizioni(false);
        break;
    case IdSchermo::FormTrova:
        if (nome == u"EtFrase2") {
            QStringList descrizioni;
            for (const Blocco& b : Blocco::tutti())
                descrizioni << Testi::Descrizione(b.forma, b.colore, b.dimensione, b.spessore);
            return descrizioni;
        }
        break;
    case IdSchermo::zirp7:
    case IdSchermo::zirp8:
    case IdSchermo::zirp9:
        if (nome.startsWith(u"Label1("))
            return Condizioni(true);
        break;
    case IdSchermo::FormDomino:
    case IdSchermo::FormDomino2:
        if (nome.startsWith(u"Label1(")) {
            QStringList lettere;
            for (int i = 0; i < int(RegoleDomino::Risposte.size()); ++i)
                lettere << RegoleDomino::Lettera(i);
            return lettere;
        }
        break;
    default:
        break;
    }
    return {};
}

// Every control of the screen on show with a text, with each of its
// captions; misurati counts the texts measured.
QStringList ControllaSchermo(IdSchermo id, int& misurati)
{
    QStringList difetti;
    const QWidget* finestra = Schermi::Trova(id)->finestra();
    for (const QWidget* w : finestra->findChildren<QWidget*>()) {
        const QString testo = w->property("text").toString();
        const bool mostraTesto = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w);
        if (!mostraTesto || w->objectName().isEmpty()
            || (testo.isEmpty() && Alternative(id, w->objectName()).isEmpty()))
            continue;
        QStringList testi = Alternative(id, w->objectName());
        if (!testo.isEmpty())
            testi.prepend(testo);
        for (const QString& t : std::as_const(testi))
            if (const QString perche = NonSta(w, t); !perche.isEmpty())
                difetti << perche;
        misurati += int(testi.size());
    }
    return difetti;
}

// The screen the start screen leads to, on a register that crea makes, in a
// language: every text of it fits.
void ControllaAllAvvio(const QString& lingua, IdSchermo schermo, const std::function<void(const QString&)>& crea)
{
    QTemporaryDir d;
    qputenv("XDG_CACHE_HOME", d.filePath("cache").toUtf8());
    const QString registro = d.filePath("registro.sqlite");
    crea(registro);
    Ambiente a;
    QVERIFY(ImpostaLinguaDelGioco(lingua));
    Seduta::Avvia(registro);
    QVERIFY(Seduta::AttendiPronta(std::chrono::seconds(30)));
    Modulo1::Main();
    SvuotaEventi();
    ClasseProva::ClicAvvio();
    QVERIFY(Schermi::Trova(schermo)->caricato());
    int misurati = 0;
    const QStringList difetti = ControllaSchermo(schermo, misurati);
    QVERIFY(Seduta::Termina(std::chrono::seconds(10)));
    ImpostaLinguaDelGioco(QStringLiteral("it"));
    QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
    QVERIFY(misurati >= 1);
}

} // namespace

class ProvaTestiStanno : public QObject {
    Q_OBJECT
private slots:
    void schermi_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::addColumn<int>("gioco");
        for (const QString& lingua : Lingua::Disponibili()) {
            QTest::addRow("%s, start and menu", qPrintable(lingua)) << lingua << -1;
            for (int i = 0; i < Partita::Giochi().size(); ++i)
                QTest::addRow("%s, %s", qPrintable(lingua), Partita::Giochi()[i].nome) << lingua << i;
        }
    }
    void schermi()
    {
        QFETCH(QString, lingua);
        QFETCH(int, gioco);
        Ambiente a;
        QVERIFY(ImpostaLinguaDelGioco(lingua));
        Modulo1::Main();
        SvuotaEventi();
        QStringList difetti;
        int misurati = 0;
        if (gioco < 0)
            difetti << ControllaSchermo(IdSchermo::FormAvvio, misurati);
        Partita::AvviaFinoAlMenu();
        if (gioco < 0) {
            difetti << ControllaSchermo(IdSchermo::formMenu, misurati);
        } else {
            Partita::ApriDalMenu(Partita::Giochi()[gioco]);
            difetti << ControllaSchermo(Partita::Giochi()[gioco].id, misurati);
        }
        ImpostaLinguaDelGioco(QStringLiteral("it"));
        QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
        // Every screen has its captions: the start screen its title and date,
        // the menu its ten buttons and check box, a game its counts and more.
        QVERIFY2(misurati >= (gioco < 0 ? 13 : 4), qPrintable(QString::number(misurati)));
    }

    // "Chi gioca?" with a class of 24: its title and the guest's name.
    void chiGioca_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili())
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    void chiGioca()
    {
        QFETCH(QString, lingua);
        ControllaAllAvvio(lingua, IdSchermo::FormChiGioca, [](const QString& registro) { ClasseProva::Crea(registro, 24); });
    }

    // "Quale classe?" on a register of twelve classes: its title.
    void qualeClasse_data() { chiGioca_data(); }
    void qualeClasse()
    {
        QFETCH(QString, lingua);
        ControllaAllAvvio(lingua, IdSchermo::FormQualeClasse, [](const QString& registro) {
            QStringList classi;
            for (int i = 1; i <= 12; ++i)
                classi << QString("%1%2").arg((i + 1) / 2).arg(i % 2 ? "A" : "B");
            ClasseProva::CreaClassi(registro, classi, 0);
        });
    }

    // Each answer of the chain games has a letter and a key of its own.
    void lettereDistinte_data()
    {
        QTest::addColumn<QString>("lingua");
        for (const QString& lingua : Lingua::Disponibili())
            QTest::newRow(qPrintable(lingua)) << lingua;
    }
    void lettereDistinte()
    {
        QFETCH(QString, lingua);
        QVERIFY(ImpostaLinguaDelGioco(lingua));
        QSet<QString> lettere, tasti, parole;
        for (int i = 0; i < int(RegoleDomino::Risposte.size()); ++i) {
            lettere.insert(RegoleDomino::Lettera(i).toUpper());
            tasti.insert(SchermoDomino::Tasto(i).toString());
            parole.insert(Testi::Parola(QString::fromLatin1(RegoleDomino::Risposte[i].parola)));
            QVERIFY(!SchermoDomino::Tasto(i).isEmpty());
        }
        ImpostaLinguaDelGioco(QStringLiteral("it"));
        QCOMPARE(lettere.size(), 5);
        QCOMPARE(tasti.size(), 5);
        QCOMPARE(parole.size(), 5);
    }
};

// The suite's screen: TESSELO_SCHERMO's size, 96 dots per inch.
int main(int argc, char* argv[])
{
    const QByteArray dimensione = qEnvironmentVariable("TESSELO_SCHERMO", "1024x768").toLatin1();
    const QList<QByteArray> lati = dimensione.split('x');
    QTemporaryDir cartella;
    QFile configurazione(cartella.filePath("schermo.json"));
    if (lati.size() != 2 || !configurazione.open(QIODevice::WriteOnly))
        qFatal("TESSELO_SCHERMO: %s", dimensione.constData());
    configurazione.write("{ \"synchronousWindowSystemEvents\": true, \"windowFrameMargins\": false, \"screens\": "
                         "[ { \"name\": \"prova\", \"x\": 0, \"y\": 0, \"width\": " + lati[0] + ", \"height\": "
                         + lati[1] + ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }");
    configurazione.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + cartella.filePath("schermo.json").toUtf8());
    qputenv("XDG_RUNTIME_DIR", cartella.path().toUtf8());
    QApplication app(argc, argv);
    servizi().cartellaTraduzioni = QStringLiteral(TESSELO_APP_DIR "/traduzioni");
    QApplication::setStyle(CreaStile());
    QApplication::setQuitOnLastWindowClosed(false);
    ProvaTestiStanno prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_testi_stanno.moc"
