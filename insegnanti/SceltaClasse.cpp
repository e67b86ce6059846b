#include "insegnanti/SceltaClasse.h"

#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Testo.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace Insegnanti {

SceltaClasse::SceltaClasse(Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), scelta(new QComboBox),
      pulsanteRinomina(new QPushButton(Testo::tr("Rinomina classe...")))
{
    scelta->setObjectName(QStringLiteral("classe"));
    scelta->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pulsanteRinomina->setObjectName(QStringLiteral("rinominaClasse"));
    auto* nuovaP = new QPushButton(Testo::tr("Nuova classe..."));
    nuovaP->setObjectName(QStringLiteral("nuovaClasse"));
    auto* annoP = new QPushButton(Testo::tr("Nuovo anno scolastico..."));
    annoP->setObjectName(QStringLiteral("nuovoAnno"));
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(Testo::tr("Class&e:"));
    etichetta->setBuddy(scelta);
    riga->addWidget(etichetta);
    riga->addWidget(scelta);
    for (QPushButton* p : {nuovaP, pulsanteRinomina, annoP})
        riga->addWidget(p);
    riga->addStretch();
    connect(nuovaP, &QPushButton::clicked, this, &SceltaClasse::nuova);
    connect(pulsanteRinomina, &QPushButton::clicked, this, &SceltaClasse::rinomina);
    connect(annoP, &QPushButton::clicked, this, &SceltaClasse::nuovoAnno);
    connect(scelta, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && archivio.scegliClasse(scelta->itemData(i).toLongLong()))
            emit cambiata();
    });
}

void SceltaClasse::aggiorna()
{
    const QSignalBlocker zitto(scelta);
    const QList<Registro::Classe> classi = archivio.classi();
    if (!archivio.classeScelta() && !classi.isEmpty())
        archivio.scegliClasse(classi.first().id);
    const std::optional<Registro::Classe> scelto = archivio.classeScelta();
    scelta->clear();
    for (const Registro::Classe& c : classi) {
        scelta->addItem(Registro::NomeConAnno(c), c.id);
        if (scelto && c.id == scelto->id)
            scelta->setCurrentIndex(scelta->count() - 1);
    }
    pulsanteRinomina->setEnabled(scelto.has_value());
}

void SceltaClasse::nuova()
{
    if (const std::optional<Registro::Classe> nuova = CreaClasse(archivio, this)) {
        archivio.scegliClasse(nuova->id);
        aggiorna();
        emit cambiata();
    }
}

void SceltaClasse::rinomina()
{
    const std::optional<Registro::Classe> attuale = archivio.classeScelta();
    if (!attuale)
        return;
    const std::optional<Registro::Classe> data = richieste().classe(this, *attuale);
    if (data && SalvaClasse(archivio, this, *data)) {
        aggiorna();
        emit cambiata();
    }
}

void SceltaClasse::nuovoAnno()
{
    const QList<Registro::Classe> classi = archivio.classi();
    if (classi.isEmpty())
        return;
    const std::optional<QList<Registro::Classe>> nuove = richieste().nuovoAnno(this, classi);
    if (!nuove || nuove->isEmpty())
        return;
    for (const Registro::Classe& c : *nuove)
        if (const QString errore = Registro::ControllaClasse(c); !errore.isEmpty()) {
            richieste().informa(this, Testo::tr("«%1» non può passare al nuovo anno: %2").arg(c.nome, errore), true);
            return;
        }
    if (!archivio.nuovoAnno(*nuove)) {
        richieste().informa(this,
                            Testo::tr("Il nuovo anno scolastico non è stato applicato, nessuna classe è cambiata: %1")
                                .arg(archivio.ultimoErrore()),
                            true);
        return;
    }
    aggiorna();
    emit cambiata();
    richieste().informa(this,
                        Testo::conta("%n classi sono passate al nuovo anno scolastico, con i loro bambini e le loro "
                                     "risposte.",
                                     "", int(nuove->size())),
                        false);
}

std::optional<Registro::Classe> SalvaClasse(Registro::Deposito& archivio, QWidget* padre,
                                            const Registro::Classe& classe)
{
    QString errore = Registro::ControllaClasse(classe);
    std::optional<Registro::Classe> salvata;
    if (errore.isEmpty()) {
        salvata = archivio.salvaClasse(classe);
        if (!salvata)
            errore = archivio.ultimoErrore();
    }
    if (!salvata)
        richieste().informa(padre, Testo::tr("La classe «%1» non è stata salvata: %2").arg(classe.nome, errore), true);
    return salvata;
}

std::optional<Registro::Classe> CreaClasse(Registro::Deposito& archivio, QWidget* padre)
{
    Registro::Classe nuova;
    nuova.uuid = QUuid::createUuid();
    nuova.annoScolastico = Registro::AnnoScolasticoDi(QDate::currentDate());
    const std::optional<Registro::Classe> data = richieste().classe(padre, nuova);
    return data ? SalvaClasse(archivio, padre, *data) : std::nullopt;
}

} // namespace Insegnanti
