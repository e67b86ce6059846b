#include "insegnanti/GrigliaPadronanza.h"

#include "comune/Stile.h"
#include "insegnanti/Pulsante.h"
#include "insegnanti/Scala.h"
#include "insegnanti/SceltaPeriodo.h"
#include "insegnanti/StimeClasse.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaBambino.h"
#include "insegnanti/VistaClasse.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Insegnanti {

using namespace Registro::Padronanza;

namespace {
constexpr int LarghezzaNome = 220;
}

const Registro::GruppoScheda& GruppoDi(Abilita abilita)
{
    const auto gruppi = Registro::GruppiScheda();
    const auto g = std::find_if(gruppi.begin(), gruppi.end(), [&](const Registro::GruppoScheda& g) {
        return abilita == Abilita::ConNon ? !g.attributo && g.negata
                                          : g.attributo && QLatin1String(g.attributo) == QLatin1String(Chiave(abilita));
    });
    return *g;
}

QString NomeAbilita(Abilita abilita, bool breve)
{
    return NomeGruppo(GruppoDi(abilita), breve);
}

QString ParolaLivello(Livello livello)
{
    return QCoreApplication::translate("Insegnanti", TestoLivello(livello));
}

QColor ColoreLivello(Livello livello)
{
    switch (livello) {
    case Livello::Acquisito: return ColoreQuota(1);
    case Livello::InVia: return ColoreQuota(0.5);
    case Livello::NonAncora: return ColoreQuota(0.25);
    case Livello::PocheRisposte: break;
    }
    return QColor(0xdc, 0xdc, 0xdc);
}

QString DescrizioneStima(const Stima& stima)
{
    return Testo::tr("%1 (stima %2 su %3)")
        .arg(ParolaLivello(stima.livello()), LocaleMostrata().toString(stima.stima, 'f', 2),
             Testo::conta("%n risposte", "", stima.risposte));
}

QTableWidgetItem* VoceLivello(const Stima& stima, const QString& chi)
{
    auto* voce = new QTableWidgetItem(ParolaLivello(stima.livello()));
    voce->setTextAlignment(Qt::AlignCenter);
    voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const QString parole = QStringLiteral("%1: %2").arg(chi, DescrizioneStima(stima));
    voce->setToolTip(parole);
    voce->setData(Qt::AccessibleTextRole, parole);
    const QColor sfondo = ColoreLivello(stima.livello());
    voce->setBackground(sfondo);
    voce->setForeground(InchiostroSu(sfondo));
    return voce;
}

GrigliaPadronanza::GrigliaPadronanza(const Registro::Deposito& a, StimeClasse& s, QWidget* padre)
    : QWidget(padre), archivio(a), stime(s), griglia(new QTableWidget), stato(new QLabel),
      aggiornaStime(Pulsante(Testo::tr("A&ggiorna le stime"), QStringLiteral("aggiornaStime")))
{
    griglia->setObjectName(QStringLiteral("padronanza"));
    QStringList intestazioni{Testo::tr("Bambino")};
    for (Abilita abilita : TutteLeAbilita)
        intestazioni << IntestazioneGioco(NomeAbilita(abilita));
    griglia->setColumnCount(int(intestazioni.size()));
    griglia->setHorizontalHeaderLabels(intestazioni);
    griglia->verticalHeader()->hide();
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setTextElideMode(Qt::ElideRight);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    griglia->setColumnWidth(0, LarghezzaNome);
    connect(griglia, &QTableWidget::cellDoubleClicked, this, [this](int riga) {
        emit bambinoScelto(griglia->item(riga, 0)->data(Qt::UserRole).toLongLong());
    });

    auto* titolo = new QLabel(Testo::tr("Che cosa ha imparato ciascun bambino"));
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);
    stato->setObjectName(QStringLiteral("statoStime"));
    stato->setWordWrap(true);
    auto* legenda = new QLabel(Testo::tr(
        "Da tutte le prime risposte di ogni turno: «acquisito» quando la stima arriva a 0,95; «poche risposte» "
        "sotto le %1 risposte. Passare sopra una casella per la stima e il numero di risposte.")
                                   .arg(MinimoRisposte));
    legenda->setWordWrap(true);
    auto* riga = new QHBoxLayout;
    riga->addWidget(titolo);
    riga->addWidget(stato, 1);
    riga->addWidget(aggiornaStime);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addLayout(riga);
    colonna->addWidget(griglia, 1);
    colonna->addWidget(legenda);

    connect(aggiornaStime, &QPushButton::clicked, &stime, &StimeClasse::riadatta);
    connect(&stime, &StimeClasse::iniziate, this, &GrigliaPadronanza::mostraStato);
    connect(&stime, &StimeClasse::pronte, this, &GrigliaPadronanza::mostra);
    mostra();
}

void GrigliaPadronanza::mostra()
{
    const QList<Registro::Bambino> bambini = archivio.bambini();
    const std::optional<Padronanze>& p = stime.ultime();
    griglia->clearContents();
    griglia->setRowCount(int(bambini.size()));
    for (int r = 0; r < bambini.size(); ++r) {
        auto* nome = new QTableWidgetItem(NomeRiga(bambini[r]));
        nome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        nome->setToolTip(nome->text());
        nome->setData(Qt::UserRole, bambini[r].id);
        griglia->setItem(r, 0, nome);
        if (!p)
            continue;
        for (Abilita a : TutteLeAbilita)
            griglia->setItem(r, int(a) + 1,
                             VoceLivello(p->stime.di(bambini[r].id, a),
                                         QStringLiteral("%1, %2").arg(NomeRiga(bambini[r]), NomeAbilita(a))));
    }
    mostraStato();
}

void GrigliaPadronanza::mostraStato()
{
    const std::optional<Modello>& m = stime.modello();
    if (stime.inCorso())
        stato->setText(Testo::tr("Calcolo delle stime in corso…"));
    else if (m && m->adattato.isValid())
        stato->setText(Testo::tr("Probabilità del modello adattate il %1.").arg(TestoGiorno(m->adattato.toLocalTime().date())));
    else
        stato->setText(m ? Testo::tr("Probabilità del modello predefinite.") : QString());
    aggiornaStime->setEnabled(!stime.inCorso() && archivio.classeScelta().has_value());
}

} // namespace Insegnanti
