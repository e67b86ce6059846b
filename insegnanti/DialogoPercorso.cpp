#include "insegnanti/DialogoPercorso.h"

#include "insegnanti/Pulsante.h"
#include "insegnanti/Testo.h"
#include "media/Testi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

// The goal a new step starts with.
constexpr int EsatteNuovoPasso = 10;

QComboBox* SceltaGioco(const QString& schermo)
{
    auto* giochi = new QComboBox;
    for (const Percorsi::Gioco& g : Percorsi::Giochi())
        giochi->addItem(Testi::NomeGioco(g.didascalia), QString::fromLatin1(g.schermo));
    int i = giochi->findData(schermo);
    if (i < 0) {
        // A game this version does not know stays as it is, and is its problem.
        giochi->addItem(Percorsi::Citato(schermo), schermo);
        i = giochi->count() - 1;
    }
    giochi->setCurrentIndex(i);
    return giochi;
}

// A box to tick in a step's row, where its game draws attributes; a dash
// otherwise.
QTableWidgetItem* Casella(const Percorsi::Gioco* gioco, bool spuntata, const QString& descrizione)
{
    auto* voce = new QTableWidgetItem;
    voce->setTextAlignment(Qt::AlignCenter);
    if (gioco && gioco->sceglieAttributi()) {
        voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        voce->setCheckState(spuntata ? Qt::Checked : Qt::Unchecked);
        voce->setToolTip(descrizione);
    } else {
        voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        voce->setText(QStringLiteral("–"));
        if (gioco)
            voce->setToolTip(Testo::tr("Nel gioco «%1» non si scelgono attributi.").arg(Testi::NomeGioco(gioco->didascalia)));
    }
    return voce;
}

} // namespace

DialogoPercorso::DialogoPercorso(const Percorso& iniziale, bool nuovo, const QStringList& altri, QWidget* padre)
    : QDialog(padre), altriNomi(altri), nome(new QLineEdit(iniziale.nome)),
      obiettivo(new QPlainTextEdit(iniziale.obiettivo)),
      soloPercorso(new QCheckBox(Testo::tr("&Solo il percorso: gli altri giochi restano chiusi"))),
      tabella(new QTableWidget(0, Colonne)),
      pulsanteAggiungi(Pulsante(Testo::tr("&Aggiungi un passo"), QStringLiteral("aggiungiPasso"))),
      pulsanteTogli(Pulsante(Testo::tr("&Togli il passo"), QStringLiteral("togliPasso"))),
      pulsanteSu(Pulsante(Testo::tr("S&u"), QStringLiteral("su"))),
      pulsanteGiu(Pulsante(Testo::tr("&Giù"), QStringLiteral("giu"))), avviso(new QLabel)
{
    setWindowTitle(nuovo ? Testo::tr("Nuovo percorso") : Testo::tr("Modifica il percorso"));
    nome->setObjectName(QStringLiteral("nome"));
    nome->setMaxLength(Percorso::MassimoNome);
    obiettivo->setObjectName(QStringLiteral("obiettivo"));
    obiettivo->setTabChangesFocus(true);
    obiettivo->setFixedHeight(obiettivo->fontMetrics().lineSpacing() * 3 + 12);
    soloPercorso->setObjectName(QStringLiteral("soloPercorso"));
    soloPercorso->setChecked(iniziale.soloPercorso);
    avviso->setObjectName(QStringLiteral("problema"));
    avviso->setWordWrap(true);

    tabella->setObjectName(QStringLiteral("passi"));
    QStringList colonne{Testo::tr("Gioco")};
    for (const QString& attributo : AttributiInGioco::Nomi())
        colonne.append(Testi::Parola(attributo));
    colonne.append(Testo::tr("Su misura"));
    colonne.append(Testo::tr("Esatte"));
    tabella->setHorizontalHeaderLabels(colonne);
    tabella->horizontalHeaderItem(ColonnaSuMisura)
        ->setToolTip(Testo::tr("L'attributo di ogni turno esce più spesso se il bambino non l'ha ancora imparato"));
    tabella->horizontalHeaderItem(ColonnaEsatte)->setToolTip(Testo::tr("Le risposte esatte che completano il passo"));
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->horizontalHeader()->setSectionResizeMode(ColonnaGioco, QHeaderView::Stretch);
    tabella->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* campi = new QFormLayout;
    campi->addRow(Testo::tr("&Nome:"), nome);
    campi->addRow(Testo::tr("&Obiettivo (facoltativo):"), obiettivo);
    campi->addRow(soloPercorso);
    auto* pulsantiPassi = new QVBoxLayout;
    for (QPushButton* p : {pulsanteAggiungi, pulsanteTogli, pulsanteSu, pulsanteGiu})
        pulsantiPassi->addWidget(p);
    pulsantiPassi->addStretch();
    auto* righePassi = new QHBoxLayout;
    righePassi->addWidget(tabella, 1);
    righePassi->addLayout(pulsantiPassi);
    auto* titoloPassi = new QLabel(Testo::tr("I &passi, nell'ordine in cui il bambino li gioca:"));
    titoloPassi->setBuddy(tabella);

    auto* pulsanti = new QDialogButtonBox;
    conferma = pulsanti->addButton(nuovo ? Testo::tr("Aggiungi") : Testo::tr("Salva"), QDialogButtonBox::AcceptRole);
    conferma->setObjectName(QStringLiteral("conferma"));
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(campi);
    colonna->addWidget(titoloPassi);
    colonna->addLayout(righePassi, 1);
    colonna->addWidget(avviso);
    colonna->addWidget(pulsanti);

    connect(pulsanteAggiungi, &QPushButton::clicked, this, &DialogoPercorso::aggiungiPasso);
    connect(pulsanteTogli, &QPushButton::clicked, this, &DialogoPercorso::togliPasso);
    connect(pulsanteSu, &QPushButton::clicked, this, [this] { sposta(-1); });
    connect(pulsanteGiu, &QPushButton::clicked, this, [this] { sposta(+1); });
    connect(nome, &QLineEdit::textChanged, this, &DialogoPercorso::aggiorna);
    connect(obiettivo, &QPlainTextEdit::textChanged, this, &DialogoPercorso::aggiorna);
    connect(tabella, &QTableWidget::itemChanged, this, &DialogoPercorso::aggiorna);
    connect(tabella, &QTableWidget::currentCellChanged, this, &DialogoPercorso::aggiorna);
    mostraPassi(iniziale.passi, 0);
    resize(sizeHint().expandedTo(QSize(760, 520)));
}

Passo DialogoPercorso::PassoNuovo()
{
    Passo nuovo;
    nuovo.gioco = QString::fromLatin1(Percorsi::Giochi().front().schermo);
    nuovo.esatte = EsatteNuovoPasso;
    return nuovo;
}

bool DialogoPercorso::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A step's game or goal chosen makes its row the one the buttons move.
    if (evento->type() == QEvent::FocusIn && oggetto->property("riga").isValid())
        tabella->setCurrentCell(oggetto->property("riga").toInt(), ColonnaGioco);
    return QDialog::eventFilter(oggetto, evento);
}

void DialogoPercorso::mostraPassi(const QList<Passo>& passi, int scelta)
{
    {
        const QSignalBlocker zitta(tabella);
        tabella->setRowCount(0);
        tabella->setRowCount(int(passi.size()));
        for (int r = 0; r < passi.size(); ++r)
            mostraRiga(r, passi[r]);
    }
    if (!passi.isEmpty())
        tabella->setCurrentCell(std::clamp(scelta, 0, int(passi.size()) - 1), ColonnaGioco);
    aggiorna();
}

void DialogoPercorso::mostraRiga(int riga, const Passo& passo)
{
    QComboBox* gioco = SceltaGioco(passo.gioco);
    gioco->setAccessibleName(Testo::tr("Gioco del passo %1").arg(riga + 1));
    auto* esatte = new QSpinBox;
    esatte->setRange(Passo::MinimoEsatte, Passo::MassimoEsatte);
    esatte->setValue(std::clamp(passo.esatte, Passo::MinimoEsatte, Passo::MassimoEsatte));
    esatte->setAccessibleName(Testo::tr("Esatte del passo %1").arg(riga + 1));
    for (QWidget* w : {static_cast<QWidget*>(gioco), static_cast<QWidget*>(esatte)}) {
        w->setProperty("riga", riga);
        w->installEventFilter(this);
    }
    tabella->setCellWidget(riga, ColonnaGioco, gioco);
    tabella->setCellWidget(riga, ColonnaEsatte, esatte);
    // The cells under the widgets only make the row selectable.
    tabella->setItem(riga, ColonnaGioco, new QTableWidgetItem);
    tabella->setItem(riga, ColonnaEsatte, new QTableWidgetItem);
    mostraAttributi(riga, passo.attributi, passo.suMisura);
    connect(gioco, &QComboBox::currentIndexChanged, this, [this, riga] {
        // Another game starts with every attribute in play, or none to choose.
        const QSignalBlocker zitta(tabella);
        mostraAttributi(riga, AttributiInGioco(), false);
        aggiorna();
    });
    connect(esatte, &QSpinBox::valueChanged, this, &DialogoPercorso::aggiorna);
}

void DialogoPercorso::mostraAttributi(int riga, const AttributiInGioco& attributi, bool suMisura)
{
    const auto* gioco = Percorsi::GiocoDi(passo(riga).gioco);
    for (int a = 0; a < AttributiInGioco::Numero; ++a)
        tabella->setItem(riga, PrimoAttributo + a,
                         Casella(gioco, attributi.contiene(a + 1),
                                 Testo::tr("Passo %1: %2 in gioco").arg(riga + 1).arg(Testi::Parola(AttributiInGioco::Nomi()[a]))));
    tabella->setItem(riga, ColonnaSuMisura, Casella(gioco, suMisura, Testo::tr("Passo %1 su misura").arg(riga + 1)));
}

Passo DialogoPercorso::passo(int riga) const
{
    Passo p;
    if (const auto* gioco = qobject_cast<const QComboBox*>(tabella->cellWidget(riga, ColonnaGioco)))
        p.gioco = gioco->currentData().toString();
    if (const auto* esatte = qobject_cast<const QSpinBox*>(tabella->cellWidget(riga, ColonnaEsatte)))
        p.esatte = esatte->value();
    QList<int> scelti;
    for (int a = 0; a < AttributiInGioco::Numero; ++a)
        if (const QTableWidgetItem* voce = tabella->item(riga, PrimoAttributo + a);
            voce && (voce->flags() & Qt::ItemIsUserCheckable) && voce->checkState() == Qt::Checked)
            scelti.append(a + 1);
    p.attributi = AttributiInGioco::Di(scelti);
    const QTableWidgetItem* suMisura = tabella->item(riga, ColonnaSuMisura);
    p.suMisura = suMisura && (suMisura->flags() & Qt::ItemIsUserCheckable) && suMisura->checkState() == Qt::Checked;
    return p;
}

Percorso DialogoPercorso::percorso() const
{
    Percorso p;
    p.nome = nome->text().trimmed();
    p.obiettivo = obiettivo->toPlainText().trimmed();
    p.soloPercorso = soloPercorso->isChecked();
    for (int r = 0; r < tabella->rowCount(); ++r)
        p.passi.append(passo(r));
    return p;
}

QString DialogoPercorso::problema() const
{
    const Percorso p = percorso();
    if (QString e = Percorsi::ProblemaIntestazione(p); !e.isEmpty())
        return e;
    if (altriNomi.contains(p.nome))
        return Testo::tr("un altro percorso della classe si chiama già «%1»").arg(p.nome);
    if (QString e = Percorsi::ProblemaNumeroPassi(p.passi.size()); !e.isEmpty())
        return e;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        // No box ticked is no attribute in play, which the path would read as all four.
        const QTableWidgetItem* primo = tabella->item(r, PrimoAttributo);
        const bool sceglie = primo && (primo->flags() & Qt::ItemIsUserCheckable);
        bool scelto = false;
        for (int a = 0; sceglie && a < AttributiInGioco::Numero; ++a)
            scelto = scelto || tabella->item(r, PrimoAttributo + a)->checkState() == Qt::Checked;
        if (sceglie && !scelto)
            return Percorsi::NelPasso(r, Testo::tr("va scelto almeno un attributo"));
        if (QString e = Percorsi::ProblemaPasso(p.passi[r]); !e.isEmpty())
            return Percorsi::NelPasso(r, e);
    }
    return {};
}

void DialogoPercorso::aggiorna()
{
    const QString perche = problema();
    avviso->setText(perche.isEmpty() ? QString() : Testo::tr("Non si può ancora salvare: %1.").arg(perche));
    avviso->setVisible(!perche.isEmpty());
    conferma->setEnabled(perche.isEmpty());
    const int r = tabella->currentRow();
    const int n = tabella->rowCount();
    pulsanteAggiungi->setEnabled(n < Percorso::MassimoPassi);
    pulsanteTogli->setEnabled(r >= 0);
    pulsanteSu->setEnabled(r > 0);
    pulsanteGiu->setEnabled(r >= 0 && r + 1 < n);
}

void DialogoPercorso::aggiungiPasso()
{
    QList<Passo> passi = percorso().passi;
    const int dopo = tabella->currentRow() + 1;
    const int dove = dopo > 0 ? dopo : int(passi.size());
    passi.insert(dove, PassoNuovo());
    mostraPassi(passi, dove);
}

void DialogoPercorso::togliPasso()
{
    const int r = tabella->currentRow();
    if (r < 0)
        return;
    QList<Passo> passi = percorso().passi;
    passi.removeAt(r);
    mostraPassi(passi, r);
}

void DialogoPercorso::sposta(int verso)
{
    const int r = tabella->currentRow();
    QList<Passo> passi = percorso().passi;
    if (r < 0 || r + verso < 0 || r + verso >= passi.size())
        return;
    passi.swapItemsAt(r, r + verso);
    mostraPassi(passi, r + verso);
}

} // namespace Insegnanti
