#include "insegnanti/DialoghiClasse.h"

#include "insegnanti/Testo.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

QDialogButtonBox* Pulsanti(QDialog* dialogo, const QString& azione, QPushButton*& conferma)
{
    auto* pulsanti = new QDialogButtonBox;
    conferma = pulsanti->addButton(azione, QDialogButtonBox::AcceptRole);
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    return pulsanti;
}

} // namespace

QString NomeSeguente(const QString& nome)
{
    static const QRegularExpression numero(QStringLiteral("^([0-9]{1,9})(?![0-9])"));
    const QRegularExpressionMatch m = numero.match(nome);
    if (!m.hasMatch())
        return nome;
    return QString::number(m.captured(1).toLongLong() + 1) + nome.mid(m.capturedLength(1));
}

DialogoClasse::DialogoClasse(const Registro::Classe& classe, QWidget* padre)
    : QDialog(padre), iniziale(classe), nome(new QLineEdit(classe.nome)), anno(new QLineEdit(classe.annoScolastico)),
      leggiDomande(new QCheckBox(Testo::tr("Leggi le domande")))
{
    setWindowTitle(classe.id ? Testo::tr("Rinomina la classe") : Testo::tr("Nuova classe"));
    nome->setObjectName(QStringLiteral("nome"));
    anno->setObjectName(QStringLiteral("anno"));
    nome->setMaxLength(Registro::LunghezzaNomeClasse);
    anno->setMaxLength(7);
    anno->setPlaceholderText(Registro::AnnoScolasticoDi(QDate::currentDate()));
    auto* campi = new QFormLayout;
    campi->addRow(Testo::tr("&Nome della classe:"), nome);
    campi->addRow(Testo::tr("&Anno scolastico:"), anno);
    leggiDomande->setObjectName(QStringLiteral("leggiDomande"));
    leggiDomande->setChecked(classe.leggiDomande);
    leggiDomande->setToolTip(
        Testo::tr("Ogni gioco dice la sua domanda a voce quando comincia un turno, per chi non sa ancora leggere."));
    campi->addRow(leggiDomande);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(campi);
    colonna->addWidget(Pulsanti(this, classe.id ? Testo::tr("Salva") : Testo::tr("Aggiungi"), conferma));
    connect(nome, &QLineEdit::textChanged, this, &DialogoClasse::aggiornaConferma);
    connect(anno, &QLineEdit::textChanged, this, &DialogoClasse::aggiornaConferma);
    aggiornaConferma();
}

Registro::Classe DialogoClasse::classe() const
{
    Registro::Classe c = iniziale;
    c.nome = nome->text();
    c.annoScolastico = anno->text().trimmed();
    c.leggiDomande = leggiDomande->isChecked();
    return c;
}

void DialogoClasse::aggiornaConferma()
{
    conferma->setEnabled(!nome->text().trimmed().isEmpty() && Registro::AnnoValido(anno->text().trimmed()));
}

DialogoNuovoAnno::DialogoNuovoAnno(const QList<Registro::Classe>& classi, QWidget* padre) : QDialog(padre)
{
    setWindowTitle(Testo::tr("Nuovo anno scolastico"));
    auto* spiegazione = new QLabel(Testo::tr(
        "Ogni classe spuntata passa all'anno scolastico seguente con il nome scritto accanto, e tiene i suoi "
        "bambini e le loro risposte. Una classe non spuntata resta com'è."));
    spiegazione->setWordWrap(true);
    auto* tabella = new QWidget;
    auto* griglia = new QGridLayout(tabella);
    griglia->addWidget(new QLabel(Testo::tr("Classe")), 0, 0);
    griglia->addWidget(new QLabel(Testo::tr("Nuovo nome")), 0, 1);
    griglia->addWidget(new QLabel(Testo::tr("Anno scolastico")), 0, 2);
    // The classes of the latest year move up; one of an earlier year (a class
    // kept as it was last September) is offered, unticked.
    QString ultimo;
    for (const Registro::Classe& classe : classi)
        ultimo = std::max(ultimo, classe.annoScolastico);
    for (const Registro::Classe& classe : classi) {
        const int r = int(righe.size()) + 1;
        Registro::Classe seguente = classe;
        seguente.annoScolastico = Registro::AnnoSeguente(classe.annoScolastico).value_or(classe.annoScolastico);
        auto* sale = new QCheckBox(Registro::NomeConAnno(classe));
        sale->setChecked(classe.annoScolastico == ultimo);
        sale->setObjectName(QStringLiteral("sale%1").arg(r - 1));
        auto* nome = new QLineEdit(NomeSeguente(classe.nome));
        nome->setObjectName(QStringLiteral("nome%1").arg(r - 1));
        nome->setMaxLength(Registro::LunghezzaNomeClasse);
        nome->setAccessibleName(Testo::tr("Nuovo nome di %1").arg(Registro::NomeConAnno(classe)));
        nome->setEnabled(sale->isChecked());
        connect(sale, &QCheckBox::toggled, nome, &QLineEdit::setEnabled);
        griglia->addWidget(sale, r, 0);
        griglia->addWidget(nome, r, 1);
        griglia->addWidget(new QLabel(seguente.annoScolastico), r, 2);
        righe.append({seguente, sale, nome});
    }
    griglia->setRowStretch(int(righe.size()) + 1, 1);
    auto* scorri = new QScrollArea;
    scorri->setWidget(tabella);
    scorri->setWidgetResizable(true);
    QPushButton* conferma = nullptr;
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(spiegazione);
    colonna->addWidget(scorri, 1);
    colonna->addWidget(Pulsanti(this, Testo::tr("Passa al nuovo anno"), conferma));
    conferma->setObjectName(QStringLiteral("conferma"));
    resize(sizeHint().expandedTo(QSize(560, 420)));
}

QList<Registro::Classe> DialogoNuovoAnno::classi() const
{
    QList<Registro::Classe> scelte;
    for (const Riga& riga : righe)
        if (riga.sale->isChecked()) {
            Registro::Classe c = riga.classe;
            c.nome = riga.nome->text();
            scelte.append(c);
        }
    return scelte;
}

} // namespace Insegnanti
