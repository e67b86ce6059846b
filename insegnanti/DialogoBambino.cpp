#include "insegnanti/DialogoBambino.h"

#include "insegnanti/Testo.h"
#include "registro/DisegnoSimbolo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {
constexpr int LatoIcona = 56;
}

DialogoBambino::DialogoBambino(const Registro::Bambino& bambino, const QStringList& liberi, QWidget* padre)
    : DialogoBambino(bambino, liberi, {}, padre)
{
}

DialogoBambino::DialogoBambino(const Registro::Bambino& bambino, const QStringList& liberi,
                               const QList<Registro::Gruppo>& gruppi, QWidget* padre)
    : QDialog(padre), iniziale(bambino), nome(new QLineEdit(bambino.nome)), cognome(new QLineEdit(bambino.cognome)),
      simboli(new QListWidget)
{
    setWindowTitle(bambino.id ? Testo::tr("Modifica bambino") : Testo::tr("Nuovo bambino"));
    nome->setObjectName(QStringLiteral("nome"));
    cognome->setObjectName(QStringLiteral("cognome"));
    nome->setMaxLength(Registro::LunghezzaNome);
    cognome->setMaxLength(Registro::LunghezzaNome);
    simboli->setObjectName(QStringLiteral("simboli"));

    auto* campi = new QFormLayout;
    campi->addRow(Testo::tr("&Nome:"), nome);
    campi->addRow(Testo::tr("&Cognome (facoltativo):"), cognome);
    if (!gruppi.isEmpty()) {
        gruppo = new QComboBox;
        gruppo->setObjectName(QStringLiteral("gruppo"));
        gruppo->addItem(Testo::tr("nessun gruppo"), 0);
        for (const Registro::Gruppo& g : gruppi)
            gruppo->addItem(g.nome, g.id);
        gruppo->setCurrentIndex(std::max(0, gruppo->findData(bambino.gruppo)));
        campi->addRow(Testo::tr("&Gruppo:"), gruppo);
    }

    simboli->setViewMode(QListView::IconMode);
    simboli->setIconSize(QSize(LatoIcona, LatoIcona));
    simboli->setGridSize(QSize(LatoIcona + 40, LatoIcona + 30));
    simboli->setResizeMode(QListView::Adjust);
    simboli->setMovement(QListView::Static);
    simboli->setWordWrap(true);
    simboli->setMinimumSize(6 * (LatoIcona + 40) + 30, 3 * (LatoIcona + 30) + 10);
    for (const Registro::Simbolo& s : Registro::Simboli()) {
        const QString chiave = QString::fromLatin1(s.chiave);
        if (!liberi.contains(chiave) && chiave != bambino.simbolo)
            continue;
        auto* voce = new QListWidgetItem(Registro::IconaSimbolo(s, LatoIcona, simboli->devicePixelRatioF()),
                                         Registro::NomeSimbolo(s), simboli);
        voce->setData(Qt::UserRole, chiave);
        if (chiave == bambino.simbolo)
            simboli->setCurrentItem(voce);
    }

    auto* pulsanti = new QDialogButtonBox;
    conferma = pulsanti->addButton(bambino.id ? Testo::tr("Salva") : Testo::tr("Aggiungi"),
                                   QDialogButtonBox::AcceptRole);
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(nome, &QLineEdit::textChanged, this, &DialogoBambino::aggiornaConferma);
    connect(simboli, &QListWidget::currentItemChanged, this, &DialogoBambino::aggiornaConferma);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(campi);
    auto* etichetta = new QLabel(Testo::tr("&Il contrassegno (quelli già dati ad altri bambini non ci sono):"));
    etichetta->setBuddy(simboli);
    colonna->addWidget(etichetta);
    colonna->addWidget(simboli, 1);
    colonna->addWidget(pulsanti);
    aggiornaConferma();
}

Registro::Bambino DialogoBambino::bambino() const
{
    Registro::Bambino b = iniziale;
    b.nome = nome->text();
    b.cognome = cognome->text();
    if (const QListWidgetItem* voce = simboli->currentItem())
        b.simbolo = voce->data(Qt::UserRole).toString();
    if (gruppo)
        b.gruppo = gruppo->currentData().toLongLong();
    return b;
}

void DialogoBambino::aggiornaConferma()
{
    conferma->setEnabled(!nome->text().trimmed().isEmpty() && simboli->currentItem());
}

QStringList SimboliLiberi(const QList<Registro::Bambino>& classe, qint64 escluso)
{
    QStringList liberi;
    for (const Registro::Simbolo& s : Registro::Simboli()) {
        const QString chiave = QString::fromLatin1(s.chiave);
        const bool preso = std::any_of(classe.begin(), classe.end(), [&](const Registro::Bambino& b) {
            return b.id != escluso && b.simbolo == chiave;
        });
        if (!preso)
            liberi.append(chiave);
    }
    return liberi;
}

} // namespace Insegnanti
