#include "insegnanti/VistaBambino.h"

#include "insegnanti/GraficoPadronanza.h"
#include "insegnanti/Ordinamento.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaClasse.h"
#include "media/Testi.h"
#include "insegnanti/Lettura.h"
#include "registro/DisegnoSimbolo.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

namespace Insegnanti {

namespace {
constexpr int LatoIcona = 28;

QTableWidget* Tabella(const QString& nome, const QStringList& colonne)
{
    auto* t = new QTableWidget(0, int(colonne.size()));
    t->setObjectName(nome);
    t->setHorizontalHeaderLabels(colonne);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    Ordinabile(t);
    return t;
}

// A cell of text, sorting by it; an empty one last.
QTableWidgetItem* Cella(const QString& testo)
{
    QTableWidgetItem* voce = Ordinata(testo, testo.isEmpty() ? QVariant() : QVariant(testo));
    voce->setToolTip(testo);
    return voce;
}

// A count, sorting as a number.
QTableWidgetItem* Numero(int n, const QString& suggerimento)
{
    QTableWidgetItem* voce = Ordinata(QString::number(n), n);
    voce->setTextAlignment(Qt::AlignCenter);
    voce->setToolTip(suggerimento);
    return voce;
}

// A group's line as a short stroke of its colour and dash, for its check box.
QIcon Tratto(const Registro::GruppoScheda& g)
{
    QPixmap figura(28, 12);
    figura.fill(Qt::transparent);
    QPainter pittore(&figura);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(QColor::fromRgb(g.colore), 2.5, g.tratteggiata ? Qt::DashLine : Qt::SolidLine));
    pittore.drawLine(1, 6, 27, 6);
    return QIcon(figura);
}

constexpr int AltezzaNota = 90;
} // namespace

QString TestoTempo(const Registro::SchedaBambino& scheda)
{
    if (scheda.ultimaVolta.isValid())
        return Testo::tr("Ha giocato l'ultima volta %1; tempo di gioco nel periodo: %2.")
            .arg(TestoGiorno(scheda.ultimaVolta.toLocalTime().date()), TestoDurata(scheda.millisecondiDiGioco));
    // A register that does not tell when the child played says nothing
    // rather than that the child did not.
    return scheda.settimane.isEmpty() ? Testo::tr("Non ha giocato nel periodo.") : QString();
}

QString TestoDurata(qint64 millisecondi)
{
    if (millisecondi <= 0)
        return QStringLiteral("–");
    const qint64 minuti = (millisecondi + 30'000) / 60'000;
    if (minuti == 0)
        return Testo::tr("meno di 1 min");
    if (minuti < 60)
        return Testo::tr("%1 min").arg(minuti);
    if (minuti % 60 == 0)
        return Testo::tr("%1 h").arg(minuti / 60);
    return Testo::tr("%1 h %2 min").arg(minuti / 60).arg(minuti % 60);
}

QString NomeGruppo(const Registro::GruppoScheda& gruppo, bool breve)
{
    if (gruppo.attributo)
        return Testi::Parola(QString::fromLatin1(gruppo.attributo));
    return QCoreApplication::translate("Insegnanti", breve ? gruppo.nomeBreve : gruppo.nome);
}

QStringList VociScheda()
{
    QStringList voci;
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda())
        voci << NomeGruppo(g);
    return voci;
}

VistaBambino::VistaBambino(Registro::Deposito& a, QWidget* padre, StimeClasse* stime)
    : QWidget(padre), archivio(a), bambini(new QComboBox),
      tabellaQuote(Tabella(QStringLiteral("quote"), {Testo::tr("esatte"), Testo::tr("errate"),
                                                      Testo::tr("quota esatte")})),
      vistaGrafico(new QChartView),
      tabellaErrori(Tabella(QStringLiteral("errori"), {Testo::tr("gioco"), Testo::tr("domanda"),
                                                        Testo::tr("blocchi"), Testo::tr("volte"),
                                                        Testo::tr("l'ultima risposta")})),
      etichettaTempo(new QLabel), campoNota(new QPlainTextEdit), etichettaNota(new QLabel)
{
    bambini->setObjectName(QStringLiteral("bambino"));
    bambini->setIconSize(QSize(LatoIcona, LatoIcona));
    bambini->setMinimumContentsLength(24);
    bambini->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    tabellaQuote->setRowCount(int(VociScheda().size()));
    tabellaQuote->setVerticalHeaderLabels(VociScheda());
    tabellaQuote->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabellaQuote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabellaQuote->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabellaQuote->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabellaQuote->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    tabellaErrori->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    tabellaErrori->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
    tabellaErrori->verticalHeader()->hide();
    vistaGrafico->setObjectName(QStringLiteral("grafico"));
    vistaGrafico->setRenderHint(QPainter::Antialiasing);
    vistaGrafico->setMinimumSize(360, 240);

    auto* etichetta = new QLabel(Testo::tr("B&ambino:"));
    etichetta->setBuddy(bambini);
    auto* titoloErrori = new QLabel(Testo::tr("Le domande sbagliate più spesso"));
    etichettaTempo->setObjectName(QStringLiteral("tempo"));
    auto* griglia = new QGridLayout(this);
    auto* scelta = new QHBoxLayout;
    scelta->addWidget(etichetta);
    scelta->addWidget(bambini);
    scelta->addSpacing(24);
    scelta->addWidget(etichettaTempo);
    scelta->addStretch();
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(tabellaQuote);
    sinistra->addWidget(creaNota());
    sinistra->addStretch();
    auto* centro = new QVBoxLayout;
    centro->addWidget(vistaGrafico, 1);
    centro->addWidget(creaLinee());
    griglia->addLayout(scelta, 0, 0, 1, 3);
    griglia->addLayout(sinistra, 1, 0);
    griglia->addLayout(centro, 1, 1);
    griglia->addWidget(titoloErrori, 2, 0, 1, 2);
    griglia->addWidget(tabellaErrori, 3, 0, 1, 2);
    griglia->setColumnStretch(1, 1);
    griglia->setRowStretch(1, 3);
    griglia->setRowStretch(3, 2);
    if (stime) {
        // The estimates' chart beside the shares', the evidence beside the
        // mistakes.
        stimeBambino = new GraficoPadronanza(*stime);
        proveBambino = new ProvePadronanza(*stime);
        griglia->addWidget(stimeBambino, 1, 2);
        griglia->addWidget(proveBambino, 2, 2, 2, 1);
        griglia->setColumnStretch(2, 1);
    }

    connect(bambini, &QComboBox::currentIndexChanged, this, [this] {
        salvaNota();
        mostra(ultimo);
        emit sceltoCambiato();
    });
    aggiornaClasse();
}

QWidget* VistaBambino::creaNota()
{
    auto* riquadro = new QWidget;
    campoNota->setObjectName(QStringLiteral("nota"));
    campoNota->setTabChangesFocus(true);
    campoNota->setFixedHeight(AltezzaNota);
    campoNota->setPlaceholderText(Testo::tr("Una nota sul bambino, per l'insegnante soltanto."));
    campoNota->installEventFilter(this);
    etichettaNota->setObjectName(QStringLiteral("esitoNota"));
    etichettaNota->setWordWrap(true);
    auto* titolo = new QLabel(Testo::tr("&Nota dell'insegnante:"));
    titolo->setBuddy(campoNota);
    auto* salva = new QPushButton(Testo::tr("Sal&va la nota"));
    salva->setObjectName(QStringLiteral("salvaNota"));
    connect(salva, &QPushButton::clicked, this, &VistaBambino::salvaNota);
    connect(campoNota, &QPlainTextEdit::modificationChanged, this, [this](bool cambiata) {
        if (cambiata)
            etichettaNota->clear();
    });
    auto* colonna = new QVBoxLayout(riquadro);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(titolo);
    colonna->addWidget(campoNota);
    auto* riga = new QHBoxLayout;
    riga->addWidget(salva);
    riga->addWidget(etichettaNota, 1);
    colonna->addLayout(riga);
    return riquadro;
}

QWidget* VistaBambino::creaLinee()
{
    // Two columns of check boxes under the chart, so that the page keeps
    // its room beside it for the estimates.
    auto* riquadro = new QWidget;
    auto* griglia = new QGridLayout(riquadro);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->addWidget(new QLabel(Testo::tr("Linee del grafico:")), 0, 0, 1, 2);
    int i = 0;
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda()) {
        auto* casella = new QCheckBox(NomeGruppo(g));
        casella->setObjectName(QStringLiteral("linea_%1").arg(i));
        casella->setIcon(Tratto(g));
        casella->setIconSize(QSize(28, 12));
        casella->setChecked(true);
        connect(casella, &QCheckBox::toggled, this, &VistaBambino::mostraLinee);
        griglia->addWidget(casella, 1 + i / 2, i % 2);
        sceltaLinee.append(casella);
        ++i;
    }
    return riquadro;
}

bool VistaBambino::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == campoNota && evento->type() == QEvent::FocusOut)
        salvaNota();
    return QWidget::eventFilter(oggetto, evento);
}

bool VistaBambino::salvaNota()
{
    if (!bambinoDellaNota || !campoNota->document()->isModified())
        return true;
    const QString testo = campoNota->toPlainText();
    if (testo.size() > Registro::LunghezzaNota) {
        etichettaNota->setText(Testo::tr("La nota non è salvata: è lunga %1 caratteri, se ne tengono al massimo %2.")
                                   .arg(testo.size())
                                   .arg(Registro::LunghezzaNota));
        return false;
    }
    if (!archivio.salvaNota(bambinoDellaNota, testo)) {
        const QString chi = archivio.bambino(bambinoDellaNota).value_or(Registro::Bambino{}).nomeCompleto();
        etichettaNota->setText(Testo::tr("La nota su %1 non è salvata: %2.").arg(chi, archivio.ultimoErrore()));
        return false;
    }
    campoNota->document()->setModified(false);
    etichettaNota->setText(Testo::tr("Nota salvata."));
    return true;
}

void VistaBambino::mostraNota()
{
    // A note not yet saved stays on show while its child does; when another
    // child is shown, what kept it from being saved stays said.
    const bool nonSalvata = campoNota->document()->isModified();
    if (bambinoDellaNota == scelto() && nonSalvata)
        return;
    bambinoDellaNota = scelto();
    campoNota->setEnabled(bambinoDellaNota != 0);
    const QString detto = nonSalvata ? etichettaNota->text() : QString();
    campoNota->setPlainText(bambinoDellaNota ? archivio.nota(bambinoDellaNota) : QString());
    campoNota->document()->setModified(false);
    etichettaNota->setText(detto);
}

void VistaBambino::mostraLinee()
{
    const QList<QAbstractSeries*> serie = grafico()->series();
    for (qsizetype i = 0; i < serie.size() && i < sceltaLinee.size(); ++i)
        serie[i]->setVisible(sceltaLinee[i]->isChecked());
}

QChart* VistaBambino::grafico() const
{
    return vistaGrafico->chart();
}

void VistaBambino::aggiornaClasse()
{
    const qint64 prima = scelto();
    const QSignalBlocker fermo(bambini);
    bambini->clear();
    for (const Registro::Bambino& b : archivio.bambini()) {
        const Registro::Simbolo* s = Registro::TrovaSimbolo(b.simbolo);
        bambini->addItem(s ? QIcon(Registro::IconaSimbolo(*s, LatoIcona, bambini->devicePixelRatioF())) : QIcon(),
                         b.nomeCompleto(), b.id);
        bambini->setItemData(bambini->count() - 1, b.nomeCompleto(), Qt::ToolTipRole);
    }
    const int i = bambini->findData(prima);
    bambini->setCurrentIndex(i >= 0 ? i : 0);
}

void VistaBambino::scegli(qint64 bambino)
{
    const int i = bambini->findData(bambino);
    if (i >= 0)
        bambini->setCurrentIndex(i);
}

qint64 VistaBambino::scelto() const
{
    return bambini->currentData().toLongLong();
}

void VistaBambino::mostra(const Registro::Periodo& periodo)
{
    ultimo = periodo;
    bambini->setToolTip(bambini->currentText());
    if (stimeBambino) {
        stimeBambino->mostra(scelto(), periodo);
        proveBambino->mostra(scelto());
    }
    mostraNota();
    const quint64 questa = ++chiesta;
    const auto arrivata = [this, questa](const Registro::SchedaBambino& scheda, const QString& errore) {
        // A reading that a later one (another child, another period) has
        // overtaken shows nothing.
        if (questa != chiesta)
            return;
        mostrata = questa;
        mostraQuote(scheda);
        mostraGrafico(scheda);
        mostraErrori(scheda);
        mostraTempo(scheda);
        emit letta(errore);
    };
    const auto leggi = [bambino = scelto(), periodo](const Registro::Deposito& a) {
        return bambino ? a.scheda(bambino, periodo) : Registro::SchedaBambino{};
    };
    if (sulFilo) {
        LeggiSulFilo(this, archivio, leggi, arrivata);
    } else {
        const Registro::SchedaBambino scheda = leggi(archivio);
        arrivata(scheda, archivio.erroreLettura());
    }
}

void VistaBambino::mostraTempo(const Registro::SchedaBambino& scheda)
{
    etichettaTempo->setText(TestoTempo(scheda));
}

void VistaBambino::mostraQuote(const Registro::SchedaBambino& scheda)
{
    const Riempimento riempimento(tabellaQuote);
    int r = 0;
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda()) {
        const Registro::Conto& c = scheda.*g.conto;
        tabellaQuote->setItem(r, 0, Numero(c.esatte, DettaglioConto(c)));
        tabellaQuote->item(r, 0)->setData(RuoloTitoloRiga, NomeGruppo(g));
        tabellaQuote->setVerticalHeaderItem(r, new QTableWidgetItem(NomeGruppo(g)));
        tabellaQuote->setItem(r, 1, Numero(c.errate, DettaglioConto(c)));
        tabellaQuote->setItem(r, 2, VoceConto(c, TestoQuota(c)));
        ++r;
    }
}

void VistaBambino::mostraGrafico(const Registro::SchedaBambino& scheda)
{
    auto* chart = new QChart;
    chart->setTitle(scheda.settimane.isEmpty() ? Testo::tr("Nessuna risposta nel periodo")
                                               : Testo::tr("Quota di risposte esatte, settimana per settimana"));
    // The check boxes beside the chart are its legend.
    chart->legend()->hide();
    auto* asseX = new QDateTimeAxis;
    asseX->setFormat(QStringLiteral("d/M"));
    asseX->setTitleText(Testo::tr("settimana dal lunedì"));
    auto* asseY = new QValueAxis;
    asseY->setRange(0, 100);
    asseY->setLabelFormat(QStringLiteral("%d%%"));
    asseY->setTickCount(6);
    chart->addAxis(asseX, Qt::AlignBottom);
    chart->addAxis(asseY, Qt::AlignLeft);
    // The legend is narrower than the table: the conditions by their "NON" alone.
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda()) {
        auto* serie = new QLineSeries;
        serie->setName(NomeGruppo(g, true));
        QPen penna(QColor::fromRgb(g.colore), 2.5, g.tratteggiata ? Qt::DashLine : Qt::SolidLine);
        serie->setPen(penna);
        serie->setPointsVisible(true);
        for (const Registro::SchedaBambino::Settimana& s : scheda.settimane)
            if (const std::optional<double> q = (s.*g.conto).quota())
                serie->append(double(QDateTime(s.lunedi, QTime(0, 0)).toMSecsSinceEpoch()), *q * 100);
        chart->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    if (!scheda.settimane.isEmpty()) {
        const QDate primo = scheda.settimane.first().lunedi, ultimoLunedi = scheda.settimane.last().lunedi;
        // A single week still gets an axis a few days wide around it.
        asseX->setRange(QDateTime(primo.addDays(-3), QTime(0, 0)), QDateTime(ultimoLunedi.addDays(3), QTime(0, 0)));
        asseX->setTickCount(int(std::clamp<qsizetype>(scheda.settimane.size(), 2, 8)));
    }
    QChart* vecchio = vistaGrafico->chart();
    vistaGrafico->setChart(chart);
    delete vecchio;
    mostraLinee();
}

void VistaBambino::mostraErrori(const Registro::SchedaBambino& scheda)
{
    const Riempimento riempimento(tabellaErrori);
    tabellaErrori->setRowCount(int(scheda.piuSbagliati.size()));
    for (int r = 0; r < scheda.piuSbagliati.size(); ++r) {
        const Registro::SchedaBambino::Errore& e = scheda.piuSbagliati[r];
        tabellaErrori->setItem(r, 0, Cella(Testi::NomeGioco(e.gioco.toUtf8().constData())));
        tabellaErrori->setItem(r, 1, Cella(ParoleMostrate(e.domanda)));
        tabellaErrori->setItem(r, 2, Cella(ParoleMostrate(e.blocchi)));
        tabellaErrori->setItem(r, 3, Numero(e.volte, {}));
        tabellaErrori->setItem(r, 4, Cella(ParoleMostrate(e.risposta)));
    }
    tabellaErrori->resizeColumnToContents(0);
    tabellaErrori->resizeColumnToContents(1);
}

} // namespace Insegnanti
