#include "insegnanti/VistaBambino.h"

#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaClasse.h"
#include "media/Testi.h"
#include "registro/DisegnoSimbolo.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
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
    return t;
}

QTableWidgetItem* Cella(const QString& testo)
{
    auto* voce = new QTableWidgetItem(testo);
    voce->setToolTip(testo);
    return voce;
}
} // namespace

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

VistaBambino::VistaBambino(const Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), bambini(new QComboBox),
      tabellaQuote(Tabella(QStringLiteral("quote"), {Testo::tr("esatte"), Testo::tr("errate"),
                                                      Testo::tr("quota esatte")})),
      vistaGrafico(new QChartView),
      tabellaErrori(Tabella(QStringLiteral("errori"), {Testo::tr("gioco"), Testo::tr("domanda"),
                                                        Testo::tr("blocchi"), Testo::tr("volte")}))
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
    tabellaErrori->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    tabellaErrori->verticalHeader()->hide();
    vistaGrafico->setObjectName(QStringLiteral("grafico"));
    vistaGrafico->setRenderHint(QPainter::Antialiasing);
    vistaGrafico->setMinimumSize(360, 240);

    auto* etichetta = new QLabel(Testo::tr("B&ambino:"));
    etichetta->setBuddy(bambini);
    auto* titoloErrori = new QLabel(Testo::tr("Le domande sbagliate più spesso"));
    auto* griglia = new QGridLayout(this);
    auto* scelta = new QHBoxLayout;
    scelta->addWidget(etichetta);
    scelta->addWidget(bambini);
    scelta->addStretch();
    griglia->addLayout(scelta, 0, 0, 1, 2);
    griglia->addWidget(tabellaQuote, 1, 0, Qt::AlignTop);
    griglia->addWidget(vistaGrafico, 1, 1);
    griglia->addWidget(titoloErrori, 2, 0, 1, 2);
    griglia->addWidget(tabellaErrori, 3, 0, 1, 2);
    griglia->setColumnStretch(1, 1);
    griglia->setRowStretch(1, 3);
    griglia->setRowStretch(3, 2);

    connect(bambini, &QComboBox::currentIndexChanged, this, [this] {
        mostra(ultimo);
        emit sceltoCambiato();
    });
    aggiornaClasse();
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
        bambini->addItem(s ? QIcon(QPixmap::fromImage(Registro::ImmagineSimbolo(*s, LatoIcona))) : QIcon(),
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
    const Registro::SchedaBambino scheda = scelto() ? archivio.scheda(scelto(), periodo) : Registro::SchedaBambino{};
    bambini->setToolTip(bambini->currentText());
    mostraQuote(scheda);
    mostraGrafico(scheda);
    mostraErrori(scheda);
}

void VistaBambino::mostraQuote(const Registro::SchedaBambino& scheda)
{
    int r = 0;
    for (const Registro::GruppoScheda& g : Registro::GruppiScheda()) {
        const Registro::Conto& c = scheda.*g.conto;
        tabellaQuote->setItem(r, 0, VoceConto({}, QString::number(c.esatte)));
        tabellaQuote->setItem(r, 1, VoceConto({}, QString::number(c.errate)));
        tabellaQuote->setItem(r, 2, VoceConto(c, TestoQuota(c)));
        for (int col = 0; col < 2; ++col)
            tabellaQuote->item(r, col)->setToolTip(DescrizioneConto(c));
        ++r;
    }
}

void VistaBambino::mostraGrafico(const Registro::SchedaBambino& scheda)
{
    auto* chart = new QChart;
    chart->setTitle(scheda.settimane.isEmpty() ? Testo::tr("Nessuna risposta nel periodo")
                                               : Testo::tr("Quota di risposte esatte, settimana per settimana"));
    chart->legend()->setAlignment(Qt::AlignBottom);
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
}

void VistaBambino::mostraErrori(const Registro::SchedaBambino& scheda)
{
    tabellaErrori->setRowCount(int(scheda.piuSbagliati.size()));
    for (int r = 0; r < scheda.piuSbagliati.size(); ++r) {
        const Registro::SchedaBambino::Errore& e = scheda.piuSbagliati[r];
        tabellaErrori->setItem(r, 0, Cella(Testi::NomeGioco(e.gioco.toUtf8().constData())));
        tabellaErrori->setItem(r, 1, Cella(ParoleMostrate(e.domanda)));
        tabellaErrori->setItem(r, 2, Cella(ParoleMostrate(e.blocchi)));
        auto* volte = new QTableWidgetItem(QString::number(e.volte));
        volte->setTextAlignment(Qt::AlignCenter);
        tabellaErrori->setItem(r, 3, volte);
    }
    tabellaErrori->resizeColumnToContents(0);
    tabellaErrori->resizeColumnToContents(1);
}

} // namespace Insegnanti
