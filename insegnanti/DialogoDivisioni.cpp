#include "insegnanti/DialogoDivisioni.h"

#include "insegnanti/Testo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

QLabel* Etichetta(const QString& testo, const QString& nome = {})
{
    auto* etichetta = new QLabel(testo);
    etichetta->setObjectName(nome);
    etichetta->setTextFormat(Qt::PlainText);
    return etichetta;
}

QLabel* Intestazione(const QString& testo)
{
    QLabel* etichetta = Etichetta(testo);
    QFont grassetto = etichetta->font();
    grassetto.setBold(true);
    etichetta->setFont(grassetto);
    return etichetta;
}

} // namespace

DialogoDivisioni::DialogoDivisioni(const QList<Registro::Alunno>& i, QWidget* padre) : QDialog(padre), incerti(i)
{
    setWindowTitle(Testo::tr("Nomi e cognomi da controllare"));
    auto* spiegazione = new QLabel(Testo::tr(
        "Nel file, questi bambini hanno cognome e nome in una sola colonna, e si possono dividere in più modi. "
        "Scegli il cognome di ciascuno; il resto è il nome."));
    spiegazione->setWordWrap(true);
    auto* righe = new QWidget;
    auto* griglia = new QGridLayout(righe);
    griglia->addWidget(Intestazione(Testo::tr("Nel file")), 0, 0);
    griglia->addWidget(Intestazione(Testo::tr("Cognome")), 0, 1);
    griglia->addWidget(Intestazione(Testo::tr("Nome")), 0, 2);
    for (int r = 0; r < incerti.size(); ++r) {
        const Registro::Alunno& a = incerti[r];
        auto* cognome = new QComboBox;
        cognome->setObjectName(QStringLiteral("cognome_%1").arg(r));
        for (const Registro::Divisione& d : a.modi)
            cognome->addItem(d.cognome.isEmpty() ? Testo::tr("(nessun cognome)") : d.cognome);
        cognome->setAccessibleName(Testo::tr("Cognome di «%1»").arg(a.cella));
        QLabel* nome = Etichetta(a.modi.value(0).nome, QStringLiteral("nome_%1").arg(r));
        connect(cognome, &QComboBox::currentIndexChanged, nome,
                [nome, modi = a.modi](int scelto) { nome->setText(modi.value(scelto).nome); });
        griglia->addWidget(Etichetta(a.cella, QStringLiteral("cella_%1").arg(r)), r + 1, 0);
        griglia->addWidget(cognome, r + 1, 1);
        griglia->addWidget(nome, r + 1, 2);
        cognomi << cognome;
    }
    griglia->setColumnStretch(2, 1);
    griglia->setRowStretch(int(incerti.size()) + 1, 1);
    auto* scorre = new QScrollArea;
    scorre->setWidget(righe);
    scorre->setWidgetResizable(true);
    auto* pulsanti = new QDialogButtonBox;
    pulsanti->addButton(Testo::tr("&Importa"), QDialogButtonBox::AcceptRole)->setDefault(true);
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(spiegazione);
    colonna->addWidget(scorre, 1);
    colonna->addWidget(pulsanti);
    resize(sizeHint().expandedTo(QSize(640, 360)));
}

QList<Registro::Alunno> DialogoDivisioni::alunni() const
{
    QList<Registro::Alunno> scelti = incerti;
    for (qsizetype r = 0; r < scelti.size(); ++r) {
        const Registro::Divisione d = scelti[r].modi.value(cognomi[r]->currentIndex());
        scelti[r].cognome = d.cognome;
        scelti[r].nome = d.nome;
    }
    return scelti;
}

} // namespace Insegnanti
