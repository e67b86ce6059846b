#include "insegnanti/VistaScuola.h"

#include "insegnanti/DialoghiClasse.h"
#include "insegnanti/Pulsante.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/SceltaClasse.h"
#include "insegnanti/Testo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {

// What a row holds: a class's id, and on a user's row the user's name.
constexpr int RuoloClasse = Qt::UserRole;
constexpr int RuoloUtente = Qt::UserRole + 1;

} // namespace

VistaScuola::VistaScuola(Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), classi(new QTreeWidget), riassunto(new QLabel),
      pulsanteAssegna(Pulsante(Testo::tr("Assegna a..."), QStringLiteral("assegna"))),
      pulsanteTogli(Pulsante(Testo::tr("Togli"), QStringLiteral("togli")))
{
    classi->setObjectName(QStringLiteral("scuola"));
    classi->setHeaderLabels({Testo::tr("Classe e utenti a cui è assegnata")});
    classi->header()->setStretchLastSection(true);
    riassunto->setWordWrap(true);
    auto* creaP = Pulsante(Testo::tr("Crea classe..."), QStringLiteral("crea"));
    connect(creaP, &QPushButton::clicked, this, &VistaScuola::crea);
    connect(pulsanteAssegna, &QPushButton::clicked, this, &VistaScuola::assegna);
    connect(pulsanteTogli, &QPushButton::clicked, this, &VistaScuola::togli);
    connect(classi, &QTreeWidget::currentItemChanged, this, &VistaScuola::aggiornaPulsanti);
    auto* pulsanti = new QVBoxLayout;
    for (QPushButton* p : {creaP, pulsanteAssegna, pulsanteTogli})
        pulsanti->addWidget(p);
    pulsanti->addStretch();
    auto* riga = new QHBoxLayout;
    riga->addWidget(classi, 1);
    riga->addLayout(pulsanti);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(riassunto);
    colonna->addLayout(riga, 1);
    aggiornaPulsanti();
}

void VistaScuola::mostra()
{
    const qint64 prima = classeScelta();
    const QString utentePrima = classi->currentItem() ? classi->currentItem()->data(0, RuoloUtente).toString() : QString();
    classi->clear();
    const QList<Registro::Classe> elenco = archivio.classi();
    const std::optional<QList<Registro::Assegnazione>> assegnazioni = archivio.assegnazioni();
    for (const Registro::Classe& c : elenco) {
        auto* voce = new QTreeWidgetItem(classi, {Registro::NomeConAnno(c)});
        voce->setData(0, RuoloClasse, c.id);
        for (const Registro::Assegnazione& a : assegnazioni.value_or(QList<Registro::Assegnazione>{}))
            if (a.classe == c.id) {
                auto* utente = new QTreeWidgetItem(voce, {a.utente});
                utente->setData(0, RuoloClasse, c.id);
                utente->setData(0, RuoloUtente, a.utente);
                if (c.id == prima && a.utente == utentePrima)
                    classi->setCurrentItem(utente);
            }
        if (c.id == prima && !classi->currentItem())
            classi->setCurrentItem(voce);
    }
    classi->expandAll();
    riassunto->setText(!assegnazioni ? Testo::tr("Non si riesce a leggere a chi sono assegnate le classi: %1")
                                           .arg(archivio.ultimoErrore())
                                     : Testo::tr("Ogni classe con gli utenti del server che la vedono: le insegnanti "
                                                 "e i computer delle aule e del laboratorio."));
    aggiornaPulsanti();
}

qint64 VistaScuola::classeScelta() const
{
    const QTreeWidgetItem* voce = classi->currentItem();
    return voce ? voce->data(0, RuoloClasse).toLongLong() : 0;
}

void VistaScuola::aggiornaPulsanti()
{
    pulsanteAssegna->setEnabled(classeScelta());
    const QTreeWidgetItem* voce = classi->currentItem();
    pulsanteTogli->setEnabled(voce && !voce->data(0, RuoloUtente).toString().isEmpty());
}

void VistaScuola::crea()
{
    if (CreaClasse(archivio, this)) {
        mostra();
        emit cambiata();
    }
}

void VistaScuola::assegna()
{
    const qint64 classe = classeScelta();
    if (!classe)
        return;
    const QString nome = classi->currentItem()->parent() ? classi->currentItem()->parent()->text(0)
                                                          : classi->currentItem()->text(0);
    const QString utente = richieste().riga(
        this, Testo::tr("A quale utente del server assegnare la classe %1? Il nome con cui l'insegnante o il "
                        "computer accede al server:")
                  .arg(nome));
    if (utente.isEmpty())
        return;
    if (!archivio.assegnaClasse(classe, utente))
        richieste().informa(this,
                            Testo::tr("La classe %1 non è stata assegnata a «%2»: %3")
                                .arg(nome, utente, archivio.ultimoErrore()),
                            true);
    mostra();
}

void VistaScuola::togli()
{
    const QTreeWidgetItem* voce = classi->currentItem();
    if (!voce || voce->data(0, RuoloUtente).toString().isEmpty())
        return;
    const qint64 classe = classeScelta();
    const QString utente = voce->data(0, RuoloUtente).toString();
    const QString nome = voce->parent()->text(0);
    if (!archivio.togliClasse(classe, utente))
        richieste().informa(this,
                            Testo::tr("La classe %1 non è stata tolta a «%2»: %3")
                                .arg(nome, utente, archivio.ultimoErrore()),
                            true);
    mostra();
}

} // namespace Insegnanti
