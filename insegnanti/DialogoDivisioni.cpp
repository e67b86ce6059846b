#include "insegnanti/DialogoDivisioni.h"

#include "insegnanti/Testo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {
enum ColonnaDivisioni { NelFile, Cognome, Nome };
} // namespace

DialogoDivisioni::DialogoDivisioni(const QList<Registro::Alunno>& i, QWidget* padre)
    : QDialog(padre), incerti(i), righe(new QTableWidget(int(i.size()), 3))
{
    setWindowTitle(Testo::tr("Nomi e cognomi da controllare"));
    auto* spiegazione = new QLabel(Testo::tr(
        "Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. "
        "Scegli il cognome di ciascuno; il resto è il nome."));
    spiegazione->setWordWrap(true);
    righe->setObjectName(QStringLiteral("divisioni"));
    righe->setHorizontalHeaderLabels({Testo::tr("Nel file"), Testo::tr("Cognome"), Testo::tr("Nome")});
    righe->verticalHeader()->hide();
    righe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    righe->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    righe->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < righe->rowCount(); ++r) {
        const Registro::Alunno& a = incerti[r];
        righe->setItem(r, NelFile, new QTableWidgetItem(a.cella));
        righe->setItem(r, Nome, new QTableWidgetItem);
        auto* cognomi = new QComboBox;
        for (const Registro::Divisione& d : a.modi)
            cognomi->addItem(d.cognome.isEmpty() ? Testo::tr("(nessun cognome)") : d.cognome);
        cognomi->setAccessibleName(Testo::tr("Cognome di «%1»").arg(a.cella));
        righe->setCellWidget(r, Cognome, cognomi);
        connect(cognomi, &QComboBox::currentIndexChanged, this, [this, r] { mostraNome(r); });
        mostraNome(r);
    }
    auto* pulsanti = new QDialogButtonBox;
    pulsanti->addButton(Testo::tr("&Importa"), QDialogButtonBox::AcceptRole)->setDefault(true);
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(spiegazione);
    colonna->addWidget(righe, 1);
    colonna->addWidget(pulsanti);
    resize(sizeHint().expandedTo(QSize(640, 360)));
}

void DialogoDivisioni::mostraNome(int riga)
{
    const auto* cognomi = qobject_cast<const QComboBox*>(righe->cellWidget(riga, Cognome));
    righe->item(riga, Nome)->setText(incerti[riga].modi.value(cognomi->currentIndex()).nome);
}

QList<Registro::Alunno> DialogoDivisioni::alunni() const
{
    QList<Registro::Alunno> scelti = incerti;
    for (int r = 0; r < righe->rowCount(); ++r) {
        const auto* cognomi = qobject_cast<const QComboBox*>(righe->cellWidget(r, Cognome));
        const Registro::Divisione d = scelti[r].modi.value(cognomi->currentIndex());
        scelti[r].cognome = d.cognome;
        scelti[r].nome = d.nome;
    }
    return scelti;
}

} // namespace Insegnanti
