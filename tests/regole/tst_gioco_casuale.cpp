// A child banging on every button: plays the whole program from the start
// screen with random clicks, keys, menu choices, message-box answers,
// resizes and minimisations, checking after every event the invariants that
// must always hold. Reproducible from its seed:
//   TESSELO_SEME=<seed> TESSELO_EVENTI=<events> tst_gioco_casuale
#include "app/Modulo1.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "screens/SchermoGioco.h"
#include "tests/support/Ambiente.h"
#include "tests/support/MainProva.h"
#include "tests/support/Tradotto.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QScreen>
#include <random>

namespace {

const IdSchermo TuttiGliSchermi[] = {
    IdSchermo::FormAvvio, IdSchermo::formMenu, IdSchermo::form1, IdSchermo::FORM2, IdSchermo::zirp3,
    IdSchermo::FormTrova, IdSchermo::zirp7, IdSchermo::zirp8, IdSchermo::zirp9, IdSchermo::FormDomino,
    IdSchermo::FormDomino2};

QStringList Avvisi;

void RaccogliAvvisi(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    // What the offscreen platform says about window-manager requests it
    // cannot honour is not a fault of the program.
    static const char* ammessi[] = {"This plugin does not support", "QStandardPaths:"};
    if (tipo == QtDebugMsg || tipo == QtInfoMsg)
        return;
    for (const char* a : ammessi)
        if (testo.startsWith(QLatin1String(a)))
            return;
    Avvisi.append(testo);
}

struct Istantanea {
    Schermo* schermo = nullptr;
    qint16 esatti = 0, errati = 0;
    QString etEsatti, etErrati;
};

class Giocatore {
public:
    Giocatore(Ambiente& ambiente, quint64 seme) : a(ambiente), caso(seme)
    {
        servizi().messaggio = [this](const QString& testo, int stile, const QString&) {
            ++messaggi;
            if (stile != StileDomanda)
                return int(RispostaOk);
            // The program is never ended here; leaving a game often is.
            if (testo == Tr("Vuoi uscire dal programma?"))
                return int(RispostaNo);
            return caso() % 3 == 0 ? int(RispostaSi) : int(RispostaNo);
        };
    }

    // Plays n events; an empty string when every invariant held throughout.
    QString Gioca(int n)
    {
        Modulo1::Main();
        SvuotaEventi();
        for (evento = 0; evento < n; ++evento) {
            const Istantanea prima = Fotografa();
            const QString azione = Agisci();
            SvuotaEventi();
            const QString errore = Verifica(prima, azione);
            if (!errore.isEmpty())
                return QStringLiteral("event %1 (%2): %3").arg(evento).arg(azione, errore);
            if (!Avvisi.isEmpty())
                return QStringLiteral("event %1 (%2): Qt warning: %3").arg(evento).arg(azione, Avvisi.join(" | "));
        }
        return {};
    }

    int messaggi = 0;
    std::array<int, 11> visite{};

private:
    Schermo* Mostrato(QString* errore = nullptr) const
    {
        Schermo* mostrato = nullptr;
        int quanti = 0;
        for (IdSchermo id : TuttiGliSchermi)
            if (Schermo* s = Schermi::Trova(id); s && s->caricato() && s->finestra()->isVisible()) {
                mostrato = s;
                ++quanti;
            }
        if (quanti != 1 && errore)
            *errore = QStringLiteral("%1 screens shown").arg(quanti);
        return quanti == 1 ? mostrato : nullptr;
    }

    Istantanea Fotografa() const
    {
        Istantanea i;
        i.schermo = Mostrato();
        i.esatti = Modulo1::ContatoreEsatti;
        i.errati = Modulo1::ContatoreErrati;
        if (auto* g = dynamic_cast<SchermoGioco*>(i.schermo)) {
            i.etEsatti = g->cornice().etEsatti->text();
            i.etErrati = g->cornice().etErrati->text();
        }
        return i;
    }

    // Everything a child could press now: visible, enabled controls and menu
    // entries of the screen on show.
    QList<QObject*> Bersagli(Schermo* s) const
    {
        QList<QObject*> bersagli;
        for (QObject* o : s->finestra()->controlli()) {
            if (auto* azione = qobject_cast<QAction*>(o)) {
                if (azione->isEnabled() && azione->isVisible() && !azione->menu())
                    bersagli.append(azione);
            } else if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible() && w->isEnabled()) {
                if (qobject_cast<QAbstractButton*>(w))
                    bersagli.append(w);
                else if (auto* e = qobject_cast<Etichetta*>(w); e && e->focusPolicy() != Qt::NoFocus)
                    bersagli.append(w);
            }
        }
        return bersagli;
    }

    QString Agisci()
    {
        Schermo* s = Mostrato();
        if (!s)
            return QStringLiteral("nothing");
        ++visite[int(s->id())];
        FinestraSchermo* f = s->finestra();
        const int scelta = int(caso() % 100);
        if (scelta < 2) {
            f->showMinimized();
            f->showNormal();
            return QStringLiteral("minimise and restore");
        }
        if (scelta < 4) {
            const QSize schermo = f->screen()->geometry().size();
            f->resize(200 + int(caso() % schermo.width()), 150 + int(caso() % schermo.height()));
            f->riempiSchermo();
            return QStringLiteral("resize and restore");
        }
        const QList<QObject*> bersagli = Bersagli(s);
        if (bersagli.isEmpty())
            return QStringLiteral("nothing to press");
        QObject* b = bersagli[int(caso() % bersagli.size())];
        const QString nome = b->objectName();
        if (auto* azione = qobject_cast<QAction*>(b)) {
            azione->trigger();
            return "menu " + nome;
        }
        auto* w = static_cast<QWidget*>(b);
        if (scelta < 14) {
            w->setFocus();
            QTest::keyClick(w, caso() % 2 ? Qt::Key_Space : Qt::Key_Return);
            return "key on " + nome;
        }
        const QPoint punto = qobject_cast<QCheckBox*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
        QTest::mouseClick(w, Qt::LeftButton, {}, punto);
        return "click on " + nome;
    }

    QString Verifica(const Istantanea& prima, const QString& azione) const
    {
        QString errore;
        Schermo* s = Mostrato(&errore);
        if (!s)
            return errore;
        FinestraSchermo* f = s->finestra();
        if (!f->isMinimized() && f->geometry() != f->screen()->geometry())
            return QStringLiteral("the window does not fill the screen");
        auto* g = dynamic_cast<SchermoGioco*>(s);
        if (!g)
            return {};
        const auto& c = g->cornice();
        if (c.ComandoIconaSi->isVisible() && c.ComandoIconaNo->isVisible())
            return QStringLiteral("both feedback faces visible");
        const qint16 e = Modulo1::ContatoreEsatti, r = Modulo1::ContatoreErrati;
        if (s != prima.schermo) {
            if (e != 0 || r != 0 || c.etEsatti->text() != Tr("esatti") || c.etErrati->text() != Tr("errati"))
                return QStringLiteral("a game opened without fresh counts");
            return g->Incoerenza();
        }
        const bool azzera = azione == QLatin1String("menu mnu1") || azione == QLatin1String("menu MenuAzzera");
        if (azzera) {
            if (e != 0 || r != 0 || c.etEsatti->text() != Tr("Esatti") + " 0" || c.etErrati->text() != Tr("Errati") + " 0")
                return QStringLiteral("reset left counts or captions");
            return g->Incoerenza();
        }
        const bool maiuscole = s->id() == IdSchermo::FormTrova;
        if (QString err = ControllaConteggio(prima.esatti, e, prima.etEsatti, c.etEsatti->text(),
                                             Tr(maiuscole ? "Esatti" : "esatti"), s->id() == IdSchermo::zirp8);
            !err.isEmpty())
            return "right answers: " + err;
        if (QString err = ControllaConteggio(prima.errati, r, prima.etErrati, c.etErrati->text(),
                                             Tr(maiuscole ? "Errati" : "errati"), false);
            !err.isEmpty())
            return "wrong answers: " + err;
        return g->Incoerenza();
    }

    // A count moves by one judged answer or not at all (or, where help costs,
    // down by one with its label left as it was); its label shows it as last
    // written.
    static QString ControllaConteggio(qint16 prima, qint16 dopo, const QString& etichettaPrima,
                                      const QString& etichetta, const QString& parola, bool aiutoCosta)
    {
        if (dopo == prima)
            return etichetta == etichettaPrima ? QString() : QStringLiteral("label changed alone");
        if (dopo == prima + 1 || (prima == 32767 && dopo == prima))
            return etichetta == SchermoGioco::Didascalia(parola, dopo)
                ? QString()
                : QStringLiteral("label \"%1\" for count %2").arg(etichetta).arg(dopo);
        if (aiutoCosta && dopo == prima - 1)
            return etichetta == etichettaPrima ? QString() : QStringLiteral("label rewritten by help");
        return QStringLiteral("count went from %1 to %2").arg(prima).arg(dopo);
    }

    Ambiente& a;
    std::mt19937_64 caso;
    int evento = 0;
};

quint64 Ambientale(const char* nome, quint64 predefinito)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(nome).toULongLong(&ok);
    return ok ? v : predefinito;
}

} // namespace

class ProvaGiocoCasuale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qInstallMessageHandler(RaccogliAvvisi); }

    void partiteCasuali_data()
    {
        QTest::addColumn<quint64>("seme");
        const quint64 scelto = Ambientale("TESSELO_SEME", 0);
        if (scelto) {
            QTest::newRow(qPrintable(QString::number(scelto))) << scelto;
            return;
        }
        for (quint64 seme : {1ULL, 2ULL, 3ULL, 4ULL})
            QTest::newRow(qPrintable(QString::number(seme))) << seme;
    }

    // Every event keeps: one screen shown, filling the screen unless
    // minimised; at most one feedback face; counts moved by exactly what the
    // event judged, labels as last written; each game's state as its window shows it.
    void partiteCasuali()
    {
        QFETCH(quint64, seme);
        const int eventi = int(Ambientale("TESSELO_EVENTI", 3000));
        Avvisi.clear();
        Ambiente a(seme);
        Giocatore giocatore(a, seme);
        const QString errore = giocatore.Gioca(eventi);
        QVERIFY2(errore.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, replay with TESSELO_SEME=%1: %2").arg(seme).arg(errore)));
        QCOMPARE(a.terminazioni, 0);
    }

    // "FINE" answered Yes ends the program cleanly from wherever play stands.
    void fineConSi_terminaPulito()
    {
        Ambiente a(9);
        Giocatore giocatore(a, 9);
        QVERIFY(giocatore.Gioca(300).isEmpty());
        Schermi::Vai(*Schermi::Trova(IdSchermo::FormAvvio), IdSchermo::formMenu);
        for (IdSchermo id : TuttiGliSchermi)
            if (id != IdSchermo::formMenu && Schermi::Trova(id))
                Schermi::Trova(id)->Scarica();
        SvuotaEventi();
        servizi().messaggio = [](const QString&, int, const QString&) { return int(RispostaSi); };
        QTest::mouseClick(Ctl(IdSchermo::formMenu, "Command5"), Qt::LeftButton);
        SvuotaEventi();
        QCOMPARE(a.terminazioni, 1);
        for (IdSchermo id : TuttiGliSchermi)
            QVERIFY(!Schermi::Trova(id) || !Schermi::Trova(id)->caricato());
    }
};

TESSELO_TEST_MAIN(ProvaGiocoCasuale)
#include "tst_gioco_casuale.moc"
