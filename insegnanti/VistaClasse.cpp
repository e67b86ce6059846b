#include "insegnanti/VistaClasse.h"

#include "insegnanti/GrigliaPadronanza.h"
#include "insegnanti/Lettura.h"
#include "insegnanti/Ordinamento.h"
#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "media/Testi.h"
#include "registro/DisegnoSimbolo.h"
#include "registro/Giochi.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {
constexpr int LatoIcona = 28;
constexpr int LarghezzaNome = 220;

// A child's name, sorting by surname, then name; the guests' row last
// either way.
QTableWidgetItem* VoceBambino(const Registro::Bambino& bambino, qreal rapporto)
{
    const Registro::Simbolo* s =
        bambino.id ? Registro::TrovaSimbolo(bambino.simbolo) : &Registro::SimboloOspite();
    QTableWidgetItem* voce = Ordinata(NomeRiga(bambino), bambino.id ? QVariant(ChiaveNome(bambino)) : QVariant());
    voce->setToolTip(NomeRiga(bambino));
    voce->setData(Qt::UserRole, bambino.id);
    if (s)
        voce->setIcon(Registro::IconaSimbolo(*s, LatoIcona, rapporto));
    return voce;
}
} // namespace

VistaClasse::VistaClasse(const Registro::Deposito& a, QWidget* padre, StimeClasse* stime)
    : QWidget(padre), archivio(a), griglia(new QTableWidget)
{
    griglia->setObjectName(QStringLiteral("classe"));
    QStringList intestazioni{Testo::tr("Bambino")};
    for (const Registro::Gioco& g : Registro::Giochi())
        intestazioni.append(IntestazioneGioco(Testi::NomeGioco(g.didascalia)));
    griglia->setColumnCount(int(intestazioni.size()));
    griglia->setHorizontalHeaderLabels(intestazioni);
    for (int c = 1; c < griglia->columnCount(); ++c)
        griglia->horizontalHeaderItem(c)->setToolTip(Testi::NomeGioco(Registro::Giochi()[c - 1].didascalia));
    griglia->verticalHeader()->hide();
    griglia->setIconSize(QSize(LatoIcona, LatoIcona));
    griglia->setTextElideMode(Qt::ElideRight);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    griglia->setColumnWidth(0, LarghezzaNome);
    griglia->verticalHeader()->setDefaultSectionSize(LatoIcona + 8);
    Ordinabile(griglia);
    connect(griglia, &QTableWidget::cellDoubleClicked, this, [this](int riga) {
        emit bambinoScelto(griglia->item(riga, 0)->data(Qt::UserRole).toLongLong());
    });

    auto* legenda = new QLabel(Testo::conta(
        "In ogni casella: la quota di risposte esatte, poi quante esatte (✓) e quante errate (✗), contando la "
        "prima risposta di ogni turno. Il colore va dal rosso (poche esatte) al giallo (metà) al verde (quasi "
        "tutte esatte); in grigio corsivo, senza colore, una quota di meno di %n risposte, che dice ancora poco. "
        "Un clic sul titolo di una colonna ordina le righe; un doppio clic su un bambino apre la sua scheda.",
        "", Registro::Padronanza::MinimoRisposte));
    legenda->setWordWrap(true);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(griglia, 1);
    colonna->addWidget(legenda);
    if (stime) {
        livelli = new GrigliaPadronanza(archivio, *stime);
        connect(livelli, &GrigliaPadronanza::bambinoScelto, this, &VistaClasse::bambinoScelto);
        colonna->addWidget(livelli, 1);
    }
}

void VistaClasse::mostra(const Registro::Periodo& periodo)
{
    const quint64 questa = ++chiesta;
    const auto arrivate = [this, questa](const QList<Registro::RigaClasse>& righe, const QString& errore) {
        // A reading that a later one has overtaken shows nothing.
        if (questa != chiesta)
            return;
        mostrata = questa;
        mostraRighe(righe);
        emit lette(errore);
    };
    const auto leggi = [periodo](const Registro::Deposito& a) { return RigheClasse(a, periodo); };
    if (sulFilo) {
        LeggiSulFilo(this, archivio, leggi, arrivate);
    } else {
        const QList<Registro::RigaClasse> righe = leggi(archivio);
        arrivate(righe, archivio.erroreLettura());
    }
}

void VistaClasse::mostraRighe(const QList<Registro::RigaClasse>& righe)
{
    const Riempimento riempimento(griglia);
    griglia->clearContents();
    griglia->setRowCount(int(righe.size()));
    for (int r = 0; r < righe.size(); ++r) {
        griglia->setItem(r, 0, VoceBambino(righe[r].bambino, griglia->devicePixelRatioF()));
        for (int g = 0; g < righe[r].perGioco.size() && g + 1 < griglia->columnCount(); ++g) {
            const Registro::Conto& conto = righe[r].perGioco[g];
            QTableWidgetItem* voce = VoceConto(conto, TestoConto(conto));
            voce->setToolTip(QStringLiteral("%1, %2: %3")
                                 .arg(NomeRiga(righe[r].bambino), Testi::NomeGioco(Registro::Giochi()[g].didascalia),
                                      DettaglioConto(conto)));
            griglia->setItem(r, g + 1, voce);
        }
    }
    if (livelli)
        livelli->mostra();
}

QList<Registro::RigaClasse> RigheClasse(const Registro::Deposito& archivio, const Registro::Periodo& periodo)
{
    QList<Registro::RigaClasse> righe = archivio.classe(periodo);
    const auto ospiti = std::find_if(righe.begin(), righe.end(),
                                     [](const Registro::RigaClasse& r) { return r.bambino.id == 0; });
    Registro::RigaClasse riga;
    if (ospiti != righe.end()) {
        riga = *ospiti;
        righe.erase(ospiti);
    } else {
        riga.perGioco.resize(qsizetype(Registro::Giochi().size()));
    }
    riga.bambino.simbolo = QString::fromLatin1(Registro::SimboloOspite().chiave);
    righe.append(riga);
    return righe;
}

QStringList ChiaveNome(const Registro::Bambino& bambino)
{
    return {bambino.cognome, bambino.nome};
}

QString NomeRiga(const Registro::Bambino& bambino)
{
    return bambino.id ? bambino.nomeCompleto() : Testo::tr("ospite");
}

QString IntestazioneGioco(const QString& didascalia)
{
    const qsizetype meta = didascalia.size() / 2;
    qsizetype migliore = -1;
    for (qsizetype i = 0; i < didascalia.size(); ++i)
        if (didascalia[i] == QLatin1Char(' ') && (migliore < 0 || std::abs(i - meta) < std::abs(migliore - meta)))
            migliore = i;
    if (didascalia.size() <= 10 || migliore < 0)
        return didascalia;
    QString due = didascalia;
    due[migliore] = QLatin1Char('\n');
    return due;
}

} // namespace Insegnanti
