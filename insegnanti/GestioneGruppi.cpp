#include "insegnanti/GestioneGruppi.h"

#include "insegnanti/Pulsante.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Testo.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace Insegnanti {

GestioneGruppi::GestioneGruppi(Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), lista(new QListWidget),
      pulsanteRinomina(Pulsante(Testo::tr("Rinomina..."), QStringLiteral("rinominaGruppo"))),
      pulsanteRimuovi(Pulsante(Testo::tr("Rimuovi..."), QStringLiteral("rimuoviGruppo")))
{
    lista->setObjectName(QStringLiteral("gruppi"));
    lista->setAccessibleName(Testo::tr("Gruppi"));
    auto* nuovoP = Pulsante(Testo::tr("N&uovo gruppo..."), QStringLiteral("nuovoGruppo"));
    connect(nuovoP, &QPushButton::clicked, this, &GestioneGruppi::nuovo);
    connect(pulsanteRinomina, &QPushButton::clicked, this, &GestioneGruppi::rinomina);
    connect(pulsanteRimuovi, &QPushButton::clicked, this, &GestioneGruppi::rimuovi);
    connect(lista, &QListWidget::currentRowChanged, this, &GestioneGruppi::aggiornaPulsanti);
    connect(lista, &QListWidget::itemActivated, this, &GestioneGruppi::rinomina);
    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->addWidget(lista, 0, 0, 1, 3);
    griglia->addWidget(nuovoP, 1, 0);
    griglia->addWidget(pulsanteRinomina, 1, 1);
    griglia->addWidget(pulsanteRimuovi, 1, 2);
    aggiornaPulsanti();
}

void GestioneGruppi::mostra(const QList<Registro::Bambino>& bambini)
{
    const qint64 prima = scelto();
    quanti.clear();
    for (const Registro::Bambino& b : bambini)
        if (b.gruppo)
            ++quanti[b.gruppo];
    lista->clear();
    for (const Registro::Gruppo& g : archivio.gruppi()) {
        auto* voce = new QListWidgetItem(Testo::conta("%1 (%n bambini)", "", quanti.value(g.id)).arg(g.nome), lista);
        voce->setData(Qt::UserRole, g.id);
        voce->setData(Qt::UserRole + 1, g.nome);
        voce->setToolTip(g.nome);
    }
    scegli(prima);
    aggiornaPulsanti();
}

qint64 GestioneGruppi::scelto() const
{
    const QListWidgetItem* voce = lista->currentItem();
    return voce ? voce->data(Qt::UserRole).toLongLong() : 0;
}

void GestioneGruppi::scegli(qint64 gruppo)
{
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->data(Qt::UserRole).toLongLong() == gruppo)
            lista->setCurrentRow(i);
}

void GestioneGruppi::aggiornaPulsanti()
{
    pulsanteRinomina->setEnabled(scelto());
    pulsanteRimuovi->setEnabled(scelto());
}

bool GestioneGruppi::salva(const Registro::Gruppo& gruppo)
{
    const std::optional<Registro::Gruppo> salvato = archivio.salvaGruppo(gruppo);
    if (!salvato) {
        richieste().informa(this, Testo::tr("Il gruppo «%1» non è stato salvato: %2").arg(gruppo.nome, archivio.ultimoErrore()),
                            true);
        return false;
    }
    emit cambiati();
    scegli(salvato->id);
    return true;
}

void GestioneGruppi::nuovo()
{
    Registro::Gruppo gruppo;
    gruppo.uuid = QUuid::createUuid();
    gruppo.nome = richieste().nome(this, Testo::tr("Il nome del nuovo gruppo (per esempio «piccoli», «mezzani», «grandi»):"), {});
    if (!gruppo.nome.isEmpty())
        salva(gruppo);
}

void GestioneGruppi::rinomina()
{
    const QListWidgetItem* voce = lista->currentItem();
    if (!voce)
        return;
    const QString prima = voce->data(Qt::UserRole + 1).toString();
    const QString nome = richieste().nome(this, Testo::tr("Il nuovo nome del gruppo «%1»:").arg(prima), prima);
    if (nome.isEmpty() || nome == prima)
        return;
    for (Registro::Gruppo g : archivio.gruppi())
        if (g.id == scelto()) {
            g.nome = nome;
            salva(g);
            return;
        }
}

void GestioneGruppi::rimuovi()
{
    const QListWidgetItem* voce = lista->currentItem();
    if (!voce)
        return;
    const qint64 id = scelto();
    const QString nome = voce->data(Qt::UserRole + 1).toString();
    const int n = quanti.value(id);
    const QString testo = Testo::tr("Rimuovere il gruppo «%1»?\n\n").arg(nome)
        + (n ? Testo::conta("%n bambini del gruppo restano nella classe, senza gruppo.", "", n)
             : Testo::tr("Non ha nessun bambino."));
    if (!richieste().conferma(this, testo, Testo::tr("Rimuovi")))
        return;
    if (!archivio.rimuoviGruppo(id))
        richieste().informa(this, Testo::tr("Il gruppo «%1» non è stato rimosso: %2").arg(nome, archivio.ultimoErrore()),
                            true);
    emit cambiati();
}

} // namespace Insegnanti
