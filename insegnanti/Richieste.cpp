#include "insegnanti/Richieste.h"

#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/DialogoBambino.h"
#include "insegnanti/DialogoPercorso.h"
#include "insegnanti/Testo.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

QString Titolo()
{
    return Testo::tr("Registro di Tesselo");
}

// Cancelling is the default: Enter pressed by habit deletes nothing.
bool Conferma(QWidget* padre, const QString& testo, const QString& azione)
{
    QMessageBox box(QMessageBox::Warning, Titolo(), testo, QMessageBox::NoButton, padre);
    QPushButton* si = box.addButton(azione, QMessageBox::DestructiveRole);
    QPushButton* no = box.addButton(Testo::tr("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == si;
}

void Informa(QWidget* padre, const QString& testo, bool errore)
{
    QMessageBox box(errore ? QMessageBox::Critical : QMessageBox::Information, Titolo(), testo, QMessageBox::NoButton,
                    padre);
    box.addButton(Testo::tr("OK"), QMessageBox::AcceptRole);
    box.exec();
}

QString FileDaAprire(QWidget* padre, const QString& titolo, const QString& filtro)
{
    return QFileDialog::getOpenFileName(padre, titolo, QDir::homePath(), filtro);
}

QString FileDaSalvare(QWidget* padre, const QString& titolo, const QString& proposto, const QString& filtro)
{
    return QFileDialog::getSaveFileName(padre, titolo, QDir::home().filePath(proposto), filtro);
}

bool Stampante(QWidget* padre, QPrinter& stampante)
{
    QPrintDialog dialogo(&stampante, padre);
    dialogo.setWindowTitle(Testo::tr("Stampa"));
    return dialogo.exec() == QDialog::Accepted;
}

std::optional<QDate> Giorno(QWidget* padre, const QString& testo)
{
    QDialog dialogo(padre);
    dialogo.setWindowTitle(Titolo());
    auto* colonna = new QVBoxLayout(&dialogo);
    auto* spiegazione = new QLabel(testo);
    spiegazione->setWordWrap(true);
    colonna->addWidget(spiegazione);
    auto* data = new QDateEdit(QDate::currentDate());
    data->setCalendarPopup(true);
    data->setLocale(LocaleMostrata());
    data->setDisplayFormat(Testo::tr("d MMMM yyyy"));
    colonna->addWidget(data);
    auto* pulsanti = new QDialogButtonBox;
    pulsanti->addButton(Testo::tr("Avanti"), QDialogButtonBox::AcceptRole);
    pulsanti->addButton(Testo::tr("Annulla"), QDialogButtonBox::RejectRole);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    colonna->addWidget(pulsanti);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return data->date();
}

std::optional<Registro::Bambino> BambinoNeiGruppi(QWidget* padre, const Registro::Bambino& iniziale,
                                                  const QStringList& liberi, const QList<Registro::Gruppo>& gruppi)
{
    DialogoBambino dialogo(iniziale, liberi, gruppi, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogo.bambino();
}

std::optional<Registro::Bambino> Bambino(QWidget* padre, const Registro::Bambino& iniziale, const QStringList& liberi)
{
    return BambinoNeiGruppi(padre, iniziale, liberi, {});
}

// Giving up is the default: nothing is merged by a habitual Enter.
Registro::Identita StessoCodice(QWidget* padre, const QString& registro, const Registro::Bambino& nostro,
                                const Registro::Bambino& altro)
{
    QMessageBox box(QMessageBox::Question, Titolo(),
                    Testo::tr("Nel registro «%1», «%2» ha lo stesso codice di «%3» di questa classe, ma un altro nome. "
                              "È lo stesso bambino?")
                        .arg(registro, altro.nomeCompleto(), nostro.nomeCompleto()),
                    QMessageBox::NoButton, padre);
    QPushButton* unisci = box.addButton(Testo::tr("Stesso bambino: unisci"), QMessageBox::AcceptRole);
    QPushButton* separa = box.addButton(Testo::tr("Due bambini: tieni separati"), QMessageBox::AcceptRole);
    QPushButton* annulla = box.addButton(Testo::tr("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(annulla);
    box.setEscapeButton(annulla);
    box.exec();
    return box.clickedButton() == unisci ? Registro::Identita::Unisci
        : box.clickedButton() == separa  ? Registro::Identita::Separa
                                         : Registro::Identita::Annulla;
}

std::optional<Registro::Classe> DatiClasse(QWidget* padre, const Registro::Classe& iniziale)
{
    DialogoClasse dialogo(iniziale, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogo.classe();
}

std::optional<QList<Registro::Classe>> NuovoAnno(QWidget* padre, const QList<Registro::Classe>& classi)
{
    DialogoNuovoAnno dialogo(classi, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogo.classi();
}

std::optional<qint64> ChiediClasse(QWidget* padre, const QString& testo, const QList<Registro::Classe>& classi)
{
    QStringList nomi;
    for (const Registro::Classe& c : classi)
        nomi.append(Registro::NomeConAnno(c));
    bool ok = false;
    const QString scelta = QInputDialog::getItem(padre, Titolo(), testo, nomi, 0, false, &ok);
    const qsizetype i = nomi.indexOf(scelta);
    if (!ok || i < 0)
        return std::nullopt;
    return classi.at(i).id;
}

QString Riga(QWidget* padre, const QString& testo)
{
    return QInputDialog::getText(padre, Titolo(), testo).trimmed();
}

QString Nome(QWidget* padre, const QString& testo, const QString& iniziale)
{
    return QInputDialog::getText(padre, Titolo(), testo, QLineEdit::Normal, iniziale).trimmed();
}

std::optional<Percorso> DatiPercorso(QWidget* padre, const Percorso& iniziale, bool nuovo, const QStringList& altriNomi)
{
    DialogoPercorso dialogo(iniziale, nuovo, altriNomi, padre);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogo.percorso();
}

} // namespace

Richieste& richieste()
{
    static Richieste r{Conferma, Informa, FileDaAprire, FileDaSalvare, Stampante, Giorno, Bambino, StessoCodice,
                       DatiClasse, NuovoAnno, ChiediClasse, Riga, Nome, BambinoNeiGruppi, DatiPercorso};
    return r;
}

} // namespace Insegnanti
