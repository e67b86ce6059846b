// Preloaded (LD_PRELOAD) into the game or the teachers' program, to time
// what a large register could slow down without a line of either changed.
// BENCH_SONDA says what:
//   chi-gioca  the game: at the start screen's first paint it clicks the
//              title, as a child does, and reports the milliseconds from that
//              click to the first paint of "Chi gioca?" (the window with the
//              first child's symbol), or -1 when another screen came first
//              (the class was not read in time);
//   finestra   any program: the milliseconds from process start to the first
//              paint of its first window, whatever its size;
//   blocco     the teachers' program: from the first paint of its window
//              until its class at a glance has its rows and half a second
//              more has passed, the longest the interface thread kept a
//              5 ms timer waiting (how long the window did not answer
//              while it was filled).
// Each then ends the program; the report is Riporta's line.
#include "bench/Misura.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTableWidget>

#include <memory>

namespace {

class SondaRegistro final : public QObject {
protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() != QEvent::Paint || fatto || !oggetto->isWidgetType())
            return QObject::eventFilter(oggetto, evento);
        QWidget* finestra = static_cast<QWidget*>(oggetto)->window();
        if (blocco) {
            fatto = true;
            Sorveglia(finestra);
        } else if (!chiGioca) {
            Concludi(MillisecondiDallAvvio());
        } else if (!clic.isValid()) {
            if (QWidget* titolo = finestra->findChild<QWidget*>(QStringLiteral("Label1"))) {
                avvio = finestra;
                QTimer::singleShot(0, titolo, [this, titolo] { Clicca(titolo); });
            }
        } else if (finestra != avvio) {
            Concludi(finestra->findChild<QWidget*>(QStringLiteral("Simbolo(0)")) ? clic.nsecsElapsed() / 1e6 : -1);
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    // Ticks every 5 ms from now on, keeping the longest gap, until the
    // class table of the window has rows and half a second has passed.
    void Sorveglia(QWidget* finestra)
    {
        auto* ticchettio = new QTimer(this);
        ticchettio->setInterval(5);
        auto orologio = std::make_shared<QElapsedTimer>();
        orologio->start();
        auto stato = std::make_shared<std::pair<double, double>>(0.0, -1.0);  // longest gap, rows seen at
        QObject::connect(ticchettio, &QTimer::timeout, this, [this, finestra, orologio, stato] {
            const double ora = orologio->nsecsElapsed() / 1e6;
            stato->first = std::max(stato->first, ora - ultimo);
            ultimo = ora;
            const auto* tabella = finestra->findChild<QTableWidget*>(QStringLiteral("classe"));
            if (stato->second < 0 && tabella && tabella->rowCount() > 0)
                stato->second = ora;
            if (stato->second >= 0 && ora - stato->second > 500) {
                Riporta(stato->first);
                QCoreApplication::exit(0);
            }
        });
        ultimo = 0;
        ticchettio->start();
    }

    void Clicca(QWidget* titolo)
    {
        if (clic.isValid())
            return;
        clic.start();
        const QPointF centro = QRectF(titolo->rect()).center();
        for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(tipo, centro, titolo->mapToGlobal(centro), Qt::LeftButton,
                          tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(titolo, &e);
        }
    }

    void Concludi(double millisecondi)
    {
        fatto = true;
        // Reported once this paint pass is over.
        QTimer::singleShot(0, [millisecondi] {
            Riporta(millisecondi);
            QCoreApplication::exit(0);
        });
    }

    const bool chiGioca = qEnvironmentVariable("BENCH_SONDA") == QLatin1String("chi-gioca");
    const bool blocco = qEnvironmentVariable("BENCH_SONDA") == QLatin1String("blocco");
    double ultimo = 0;  // the last tick, in ms
    QElapsedTimer clic;
    const QWidget* avvio = nullptr;  // the start screen's window
    bool fatto = false;
};

void Installa()
{
    static SondaRegistro filtro;
    QCoreApplication::instance()->installEventFilter(&filtro);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Installa)
