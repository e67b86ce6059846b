#include "insegnanti/GraficoPadronanza.h"

#include "insegnanti/GrigliaPadronanza.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/Testo.h"
#include "media/Testi.h"
#include "registro/Giochi.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace Insegnanti {

using namespace Registro::Padronanza;

namespace {

QTableWidget* Tabella(const QString& nome, const QStringList& colonne)
{
    auto* t = new QTableWidget(0, int(colonne.size()));
    t->setObjectName(nome);
    t->setHorizontalHeaderLabels(colonne);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* Cella(const QString& testo)
{
    auto* voce = new QTableWidgetItem(testo);
    voce->setFlags(Qt::ItemIsEnabled);
    voce->setToolTip(testo);
    return voce;
}

bool NelPeriodo(const QDate& giorno, const Registro::Periodo& periodo)
{
    return (!periodo.dal || giorno >= *periodo.dal) && (!periodo.al || giorno <= *periodo.al);
}

qreal Momento(const QDate& giorno)
{
    return qreal(QDateTime(giorno, QTime(0, 0)).toMSecsSinceEpoch());
}

} // namespace

GraficoPadronanza::GraficoPadronanza(const StimeClasse& s, QWidget* padre) : QChartView(padre), stime(s)
{
    setObjectName(QStringLiteral("graficoPadronanza"));
    setRenderHint(QPainter::Antialiasing);
    // Narrower than the weekly chart beside it, so that the page still fits
    // a small screen in every language.
    setMinimumSize(220, 240);
    connect(&stime, &StimeClasse::pronte, this, &GraficoPadronanza::ridisegna);
    connect(&stime, &StimeClasse::iniziate, this, &GraficoPadronanza::ridisegna);
    ridisegna();
}

void GraficoPadronanza::mostra(qint64 b, const Registro::Periodo& p)
{
    bambino = b;
    periodo = p;
    ridisegna();
}

void GraficoPadronanza::ridisegna()
{
    const std::optional<Padronanze>& p = stime.ultime();
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(LocaleMostrata());
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* asseX = new QDateTimeAxis;
    asseX->setFormat(QStringLiteral("d/M"));
    asseX->setTitleText(Testo::tr("giorno"));
    auto* asseY = new QValueAxis;
    asseY->setRange(0, 1);
    asseY->setLabelFormat(QStringLiteral("%.1f"));
    asseY->setTickCount(6);
    chart->addAxis(asseX, Qt::AlignBottom);
    chart->addAxis(asseY, Qt::AlignLeft);
    std::optional<QDate> primo, ultimo;
    for (Abilita a : TutteLeAbilita) {
        const Registro::GruppoScheda& g = GruppoDi(a);
        auto* serie = new QLineSeries;
        serie->setName(NomeAbilita(a, true));
        serie->setPen(QPen(QColor::fromRgb(g.colore), 2.5, g.tratteggiata ? Qt::DashDotLine : Qt::SolidLine));
        if (p)
            for (const Padronanze::Giorno& giorno : p->storia(bambino, a).giorni)
                if (NelPeriodo(giorno.giorno, periodo)) {
                    serie->append(Momento(giorno.giorno), giorno.stima);
                    primo = std::min(primo.value_or(giorno.giorno), giorno.giorno);
                    ultimo = std::max(ultimo.value_or(giorno.giorno), giorno.giorno);
                }
        chart->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    // A single day still gets an axis a few days wide around it; the
    // criterion spans the whole axis.
    const QDate da = primo.value_or(QDate::currentDate()).addDays(-3), a = ultimo.value_or(QDate::currentDate()).addDays(3);
    asseX->setRange(QDateTime(da, QTime(0, 0)), QDateTime(a, QTime(0, 0)));
    asseX->setTickCount(int(std::clamp<qint64>(da.daysTo(a) + 1, 2, 8)));
    auto* soglia = new QLineSeries;
    soglia->setName(Testo::tr("%1 (%2)").arg(ParolaLivello(Livello::Acquisito), LocaleMostrata().toString(SogliaAcquisito, 'f', 2)));
    soglia->setPen(QPen(Qt::darkGray, 1.5, Qt::DashLine));
    soglia->append(Momento(da), SogliaAcquisito);
    soglia->append(Momento(a), SogliaAcquisito);
    chart->addSeries(soglia);
    soglia->attachAxis(asseX);
    soglia->attachAxis(asseY);
    chart->setTitle(stime.inCorso() && !p ? Testo::tr("Calcolo delle stime in corso…")
                    : primo                ? Testo::tr("Stima di ciò che ha imparato, giorno per giorno")
                                           : Testo::tr("Nessuna stima nel periodo"));
    QChart* vecchio = this->chart();
    setChart(chart);
    delete vecchio;
}

ProvePadronanza::ProvePadronanza(const StimeClasse& s, QWidget* padre)
    : QWidget(padre), stime(s),
      tabellaLivelli(Tabella(QStringLiteral("livelli"), {Testo::tr("livello"), Testo::tr("risposte")})),
      titoloUltime(new QLabel),
      tabellaUltime(Tabella(QStringLiteral("ultime"), {Testo::tr("giorno"), Testo::tr("gioco"), Testo::tr("risposta")}))
{
    tabellaLivelli->setRowCount(NumeroAbilita);
    // The skills by their legend's names, which leave the room to the levels.
    for (Abilita a : TutteLeAbilita) {
        auto* nome = new QTableWidgetItem(NomeAbilita(a, true));
        nome->setToolTip(NomeAbilita(a));
        tabellaLivelli->setVerticalHeaderItem(int(a), nome);
    }
    tabellaLivelli->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabellaLivelli->setSelectionMode(QAbstractItemView::SingleSelection);
    tabellaLivelli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabellaLivelli->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabellaUltime->verticalHeader()->hide();
    tabellaUltime->setSelectionMode(QAbstractItemView::NoSelection);
    titoloUltime->setWordWrap(true);

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(tabellaLivelli);
    colonna->addWidget(titoloUltime);
    colonna->addWidget(tabellaUltime, 1);

    connect(tabellaLivelli, &QTableWidget::currentCellChanged, this, &ProvePadronanza::mostraUltime);
    connect(&stime, &StimeClasse::pronte, this, [this] { mostra(bambino); });
    tabellaLivelli->setCurrentCell(0, 1);
    mostra(0);
}

void ProvePadronanza::mostra(qint64 b)
{
    bambino = b;
    mostraLivelli();
    mostraUltime();
}

void ProvePadronanza::mostraLivelli()
{
    const std::optional<Padronanze>& p = stime.ultime();
    for (Abilita a : TutteLeAbilita) {
        const int r = int(a);
        if (!p) {
            for (int c = 0; c < tabellaLivelli->columnCount(); ++c)
                tabellaLivelli->setItem(r, c, Cella({}));
            continue;
        }
        const Stima s = p->stime.di(bambino, a);
        // The level keeps its colour in the chosen row too.
        QTableWidgetItem* livello = VoceLivello(s, NomeAbilita(a));
        livello->setFlags(Qt::ItemIsEnabled);
        tabellaLivelli->setItem(r, 0, livello);
        tabellaLivelli->setItem(r, 1, Cella(QString::number(s.risposte)));
        tabellaLivelli->item(r, 1)->setTextAlignment(Qt::AlignCenter);
    }
}

Abilita ProvePadronanza::abilitaScelta() const
{
    return TutteLeAbilita[size_t(std::clamp(tabellaLivelli->currentRow(), 0, NumeroAbilita - 1))];
}

void ProvePadronanza::mostraUltime()
{
    const Abilita a = abilitaScelta();
    titoloUltime->setText(Testo::tr("Le ultime dieci prime risposte: %1").arg(NomeAbilita(a)));
    const std::optional<Padronanze>& p = stime.ultime();
    const QList<Prova> ultime = p ? p->storia(bambino, a).ultime : QList<Prova>();
    tabellaUltime->setRowCount(int(ultime.size()));
    for (int r = 0; r < ultime.size(); ++r) {
        const Prova& prova = ultime[r];
        tabellaUltime->setItem(r, 0, Cella(LocaleMostrata().toString(QDateTime::fromMSecsSinceEpoch(prova.quando).date(), QLocale::ShortFormat)));
        tabellaUltime->setItem(
            r, 1, Cella(Testi::NomeGioco(Registro::DidascaliaGioco(prova.schermo).toUtf8().constData())));
        tabellaUltime->setItem(r, 2, Cella(prova.esatta ? Testo::tr("esatta") : Testo::tr("errata")));
    }
}

} // namespace Insegnanti
