#include "insegnanti/FinestraRegistro.h"

#include "insegnanti/Controllo.h"
#include "insegnanti/GestioneClasse.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Rapporti.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaClasse.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"
#include "insegnanti/VistaComputer.h"
#include "insegnanti/VistaPercorsi.h"
#include "insegnanti/VistaScuola.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace Insegnanti {

FinestraRegistro::FinestraRegistro(Registro::Deposito& a, QWidget* padre, Riempi quando)
    : QMainWindow(padre), archivio(a), padronanze(new StimeClasse(a, &Registro::Padronanza::Adatta, this)),
      sceltaClasse(new SceltaClasse(a)), scelta(new SceltaPeriodo), schede(new QTabWidget), gestione(new GestioneClasse(a)),
      vistaClasse(new VistaClasse(a, nullptr, padronanze)), vistaBambino(new VistaBambino(a, nullptr, padronanze)),
      vistaPercorsi(new VistaPercorsi(a))
{
    setWindowTitle(Testo::tr("Registro di Tesselo"));
    schede->addTab(gestione, Testo::tr("&La classe"));
    schede->addTab(vistaClasse, Testo::tr("I risul&tati della classe"));
    // The child's page holds two charts and two tables side by side: on a
    // small screen it scrolls rather than widen the window past the screen.
    paginaBambino = new QScrollArea;
    paginaBambino->setWidget(vistaBambino);
    paginaBambino->setWidgetResizable(true);
    paginaBambino->setFrameShape(QFrame::NoFrame);
    schede->addTab(paginaBambino, Testo::tr("Un &bambino"));
    schede->addTab(vistaPercorsi, Testo::tr("&Percorsi"));
    if (a.computer()) {
        vistaComputer = new VistaComputer(a);
        schede->addTab(vistaComputer, Testo::tr("C&omputer"));
    }
    if (a.dirigenza()) {
        vistaScuola = new VistaScuola(a);
        schede->addTab(vistaScuola, Testo::tr("Scuola"));
        connect(vistaScuola, &VistaScuola::cambiata, this, &FinestraRegistro::aggiorna);
    }
    auto* centro = new QWidget;
    auto* colonna = new QVBoxLayout(centro);
    colonna->addWidget(sceltaClasse);
    colonna->addWidget(scelta);
    colonna->addWidget(schede, 1);
    setCentralWidget(centro);
    // A permanent label: a menu's hints in the status bar do not wipe it out.
    quale = new QLabel(a.descrizione());
    quale->setObjectName(QStringLiteral("registro"));
    statusBar()->addPermanentWidget(quale, 1);
    if (dynamic_cast<Registro::Archivio*>(&a)) {
        verifica = new ControlloCompleto(this);
        connect(verifica, &ControlloCompleto::finito, this, &FinestraRegistro::controllato);
    }
    creaMenu();

    connect(scelta, &SceltaPeriodo::cambiato, this, &FinestraRegistro::aggiorna);
    connect(sceltaClasse, &SceltaClasse::cambiata, this, &FinestraRegistro::aggiorna);
    connect(gestione, &GestioneClasse::cambiata, this, &FinestraRegistro::aggiorna);
    connect(vistaPercorsi, &VistaPercorsi::cambiata, this, &FinestraRegistro::aggiorna);
    connect(vistaClasse, &VistaClasse::bambinoScelto, this, &FinestraRegistro::mostraBambino);
    connect(schede, &QTabWidget::currentChanged, this, [this](int pagina) {
        // The child chosen in the class list is the one the child's page shows.
        if (schede->widget(pagina) == paginaBambino && gestione->scelto())
            vistaBambino->scegli(gestione->scelto());
    });

    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QSize spazio = schermo->availableSize();
        resize(std::min(spazio.width(), std::max(1000, spazio.width() * 3 / 4)),
               std::min(spazio.height(), std::max(700, spazio.height() * 3 / 4)));
    }
    daRiempire = quando == Riempi::DopoLaPrimaPittura;
    // Then the figures that read many answers come on threads of their own,
    // each view filled as its own arrive.
    vistaClasse->leggiSulFilo(daRiempire);
    vistaBambino->leggiSulFilo(daRiempire);
    padronanze->leggiSulFilo(daRiempire);
    connect(vistaClasse, &VistaClasse::lette, this, &FinestraRegistro::letturaFallita);
    connect(vistaBambino, &VistaBambino::letta, this, &FinestraRegistro::letturaFallita);
    if (!daRiempire)
        aggiorna();
}

bool FinestraRegistro::event(QEvent* evento)
{
    const bool fatto = QMainWindow::event(evento);
    if (daRiempire && evento->type() == QEvent::Paint) {
        daRiempire = false;
        // Queued: the painted window reaches the screen first.
        QMetaObject::invokeMethod(
            this,
            [this] {
                aggiorna();
                // The week's check once the class at a glance is in, so that
                // its reading never delays the figures.
                if (std::exchange(controlloDopo, false)) {
                    if (vistaClasse->inLettura())
                        connect(vistaClasse, &VistaClasse::lette, this, &FinestraRegistro::controllaSeScaduto,
                                Qt::SingleShotConnection);
                    else
                        controllaSeScaduto();
                }
            },
            Qt::QueuedConnection);
    }
    return fatto;
}

void FinestraRegistro::controllaSeScaduto()
{
    if (daRiempire) {
        controlloDopo = true;
        return;
    }
    const auto* locale = dynamic_cast<const Registro::Archivio*>(&archivio);
    if (verifica && ControlloCompleto::Scaduto(locale->file()))
        verifica->avvia(locale->file());
}

void FinestraRegistro::controlla()
{
    if (!verifica)
        return;
    richiesto = true;
    if (!verifica->inCorso())
        verifica->avvia(dynamic_cast<const Registro::Archivio&>(archivio).file());
}

void FinestraRegistro::controllato(Registro::Accesso esito, const QString& motivo)
{
    const bool chiesto = std::exchange(richiesto, false);
    if (esito == Registro::Accesso::Ok) {
        if (chiesto)
            richieste().informa(this, Testo::tr("Il registro è integro."), false);
    } else if (esito == Registro::Accesso::Danneggiato) {
        richieste().informa(this,
                            Testo::tr("Il registro è danneggiato (%1). Chiudere il gioco e riaprire il Registro di "
                                      "Tesselo: il file sarà messo da parte e ne sarà cominciato uno nuovo.")
                                .arg(motivo),
                            true);
    } else if (chiesto) {
        richieste().informa(this, Testo::tr("Il registro non si può controllare: %1.").arg(motivo), true);
    }
}

void FinestraRegistro::creaMenu()
{
    QMenu* registro = menuBar()->addMenu(Testo::tr("&Registro"));
    registro->addAction(Testo::tr("&Importa una classe da un file CSV..."), gestione, &GestioneClasse::importa);
    registro->addAction(Testo::tr("&Esporta le risposte del periodo in CSV..."), this, &FinestraRegistro::esporta);
    registro->addAction(Testo::tr("&Unisci il registro di un altro computer..."), this, &FinestraRegistro::unisci);
    registro->addSeparator();
    registro->addAction(Testo::tr("&Nuova classe..."), sceltaClasse, &SceltaClasse::nuova);
    registro->addAction(Testo::tr("Rino&mina la classe..."), sceltaClasse, &SceltaClasse::rinomina);
    registro->addAction(Testo::tr("Nuovo anno scolas&tico..."), sceltaClasse, &SceltaClasse::nuovoAnno)
        ->setObjectName(QStringLiteral("nuovoAnnoScolastico"));
    registro->addSeparator();
    registro->addAction(Testo::tr("&Aggiorna"), QKeySequence::Refresh, this, &FinestraRegistro::aggiorna);
    registro->addAction(Testo::tr("A&ggiorna le stime"), padronanze, &StimeClasse::riadatta)
        ->setObjectName(QStringLiteral("menuAggiornaStime"));
    if (verifica)
        registro->addAction(Testo::tr("&Controlla il registro"), this, &FinestraRegistro::controlla)
            ->setObjectName(QStringLiteral("controlla"));
    registro->addSeparator();
    registro->addAction(Testo::tr("E&sci"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* resoconti = menuBar()->addMenu(Testo::tr("Re&soconti"));
    resoconti->addAction(Testo::tr("Resoconto della &classe in PDF..."), this, &FinestraRegistro::pdfClasse);
    resoconti->addAction(Testo::tr("S&tampa il resoconto della classe..."), this, &FinestraRegistro::stampaClasse);
    resoconti->addSeparator();
    resoconti->addAction(Testo::tr("Resoconto del &bambino in PDF..."), this, &FinestraRegistro::pdfBambino);
    resoconti->addAction(Testo::tr("Stampa il resoconto del ba&mbino..."), this, &FinestraRegistro::stampaBambino);

    QMenu* cancella = menuBar()->addMenu(Testo::tr("&Cancella"));
    cancella->addAction(Testo::tr("Cancella le risposte di un &bambino..."), this,
                        &FinestraRegistro::cancellaRisposteBambino);
    cancella->addAction(Testo::tr("Cancella le risposte &prima di una data..."), this,
                        &FinestraRegistro::cancellaPrimaDi);
}

void FinestraRegistro::aggiorna()
{
    const Registro::Periodo p = scelta->periodo();
    archivio.nuovaLettura();
    sceltaClasse->aggiorna();
    const std::optional<Registro::Classe> classe = archivio.classeScelta();
    setWindowTitle(classe ? Testo::tr("%1 — Registro di Tesselo").arg(Registro::NomeConAnno(*classe))
                          : Testo::tr("Registro di Tesselo"));
    gestione->aggiorna();
    vistaBambino->aggiornaClasse();
    vistaClasse->mostra(p);
    vistaBambino->mostra(p);
    padronanze->aggiorna();
    vistaPercorsi->mostra();
    if (vistaComputer)
        vistaComputer->mostra();
    if (vistaScuola)
        vistaScuola->mostra();
    quale->setText(archivio.descrizione());
    letturaFallita(archivio.erroreLettura());
}

void FinestraRegistro::letturaFallita(const QString& errore)
{
    if (!errore.isEmpty())
        quale->setText(Testo::tr("%1 — non si riesce a leggerlo, ciò che si vede può essere incompleto (%2). "
                                 "Riprovare con «Aggiorna».")
                           .arg(archivio.descrizione(), errore));
}

void FinestraRegistro::mostraBambino(qint64 id)
{
    if (!id)
        return;
    vistaBambino->scegli(id);
    schede->setCurrentWidget(paginaBambino);
}

qint64 FinestraRegistro::bambinoScelto()
{
    if (!vistaBambino->scelto())
        richieste().informa(this, Testo::tr("La classe non ha ancora nessun bambino."), true);
    return vistaBambino->scelto();
}

void FinestraRegistro::esporta()
{
    const QString file = richieste().fileDaSalvare(
        this, Testo::tr("Esporta le risposte"),
        NomeFile(Testo::tr("registro"), QDate::currentDate().toString(Qt::ISODate), QStringLiteral("csv")),
        Testo::tr("File CSV (*.csv)"));
    if (file.isEmpty())
        return;
    const EsitoOperazione esito = Esporta(archivio, file, scelta->periodo(), LinguaCsv::Mostrata);
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

void FinestraRegistro::unisci()
{
    const QString file = richieste().fileDaAprire(this, Testo::tr("Unisci il registro di un altro computer"),
                                                  Testo::tr("Registro di Tesselo (*.sqlite);;Tutti i file (*)"));
    if (file.isEmpty())
        return;
    const EsitoOperazione esito = Unisci(archivio, file, [&](const Registro::Bambino& nostro, const Registro::Bambino& altro) {
        return richieste().stessoCodice(this, QFileInfo(file).fileName(), nostro, altro);
    });
    aggiorna();
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

void FinestraRegistro::salvaPdf(const Resoconto& resoconto, const QString& proposto)
{
    const QString file = richieste().fileDaSalvare(this, Testo::tr("Salva il resoconto in PDF"), proposto,
                                                   Testo::tr("Documenti PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    QString errore;
    if (ScriviPdf(resoconto, file, errore))
        richieste().informa(this, Testo::tr("Resoconto salvato nel file %1.").arg(file), false);
    else
        richieste().informa(this, errore, true);
}

void FinestraRegistro::stampa(const Resoconto& resoconto)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(resoconto.titolo);
    if (richieste().stampante(this, stampante))
        Stampa(resoconto, stampante);
}

const Padronanze* FinestraRegistro::stimePronte() const
{
    return padronanze->ultime() ? &*padronanze->ultime() : nullptr;
}

void FinestraRegistro::pdfClasse()
{
    salvaPdf(ResocontoClasse(archivio, scelta->periodo(), scelta->descrizione(), stimePronte()),
             NomeFile(Testo::tr("resoconto"), Testo::tr("classe"), QStringLiteral("pdf")));
}

void FinestraRegistro::stampaClasse()
{
    stampa(ResocontoClasse(archivio, scelta->periodo(), scelta->descrizione(), stimePronte()));
}

void FinestraRegistro::pdfBambino()
{
    if (const qint64 id = bambinoScelto())
        salvaPdf(ResocontoBambino(archivio, id, scelta->periodo(), scelta->descrizione(), stimePronte()),
                 NomeFile(Testo::tr("resoconto"), archivio.bambino(id).value_or(Registro::Bambino{}).nomeCompleto(),
                          QStringLiteral("pdf")));
}

void FinestraRegistro::stampaBambino()
{
    if (const qint64 id = bambinoScelto())
        stampa(ResocontoBambino(archivio, id, scelta->periodo(), scelta->descrizione(), stimePronte()));
}

void FinestraRegistro::cancellaRisposteBambino()
{
    const qint64 id = bambinoScelto();
    const std::optional<Registro::Bambino> b = archivio.bambino(id);
    if (!b)
        return;
    const int n = archivio.risposteDi(id);
    if (!n) {
        richieste().informa(this, Testo::tr("«%1» non ha nessuna risposta nel registro.").arg(b->nomeCompleto()),
                            false);
        return;
    }
    if (!richieste().conferma(this,
                              Testo::tr("Cancellare tutte le risposte di «%1»?\n\n%2. "
                                             "Il bambino resta nella classe.")
                                  .arg(b->nomeCompleto(), RisposteCancellate(n)),
                              Testo::tr("Cancella")))
        return;
    archivio.cancellaRisposteDi(id);
    aggiorna();
}

void FinestraRegistro::cancellaPrimaDi()
{
    const std::optional<QDate> giorno =
        richieste().giorno(this, Testo::tr("Cancellare le risposte date prima di quale giorno?"));
    if (!giorno)
        return;
    const int n = RisposteNelPeriodo(archivio, {std::nullopt, giorno->addDays(-1)});
    if (!n) {
        richieste().informa(this, Testo::tr("Non ci sono risposte date prima del %1.").arg(TestoGiorno(*giorno)),
                            false);
        return;
    }
    if (!richieste().conferma(this,
                              Testo::tr("Cancellare le risposte date prima del %1?\n\n%2, "
                                             "di tutti i bambini e degli ospiti.")
                                  .arg(TestoGiorno(*giorno), RisposteCancellate(n)),
                              Testo::tr("Cancella")))
        return;
    archivio.cancellaPrimaDi(*giorno);
    aggiorna();
}

QString NomeFile(const QString& radice, const QString& nome, const QString& estensione)
{
    static const QRegularExpression altro(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QString parte = nome.toLower().replace(altro, QStringLiteral("-"));
    while (parte.startsWith(QLatin1Char('-')))
        parte.remove(0, 1);
    while (parte.endsWith(QLatin1Char('-')))
        parte.chop(1);
    parte = parte.left(60);
    return (parte.isEmpty() ? radice : radice + QLatin1Char('-') + parte) + QLatin1Char('.') + estensione;
}

} // namespace Insegnanti
