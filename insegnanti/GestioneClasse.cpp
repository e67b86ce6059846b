#include "insegnanti/GestioneClasse.h"

#include "insegnanti/DialogoBambino.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "registro/DisegnoSimbolo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {
constexpr int LatoIcona = 40;

QPushButton* Pulsante(const QString& testo, const QString& nome)
{
    auto* p = new QPushButton(testo);
    p->setObjectName(nome);
    return p;
}
} // namespace

GestioneClasse::GestioneClasse(Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), elenco(new QListWidget),
      pulsanteModifica(Pulsante(Testo::tr("&Modifica..."), QStringLiteral("modifica"))),
      pulsanteRimuovi(Pulsante(Testo::tr("Rimuo&vi..."), QStringLiteral("rimuovi"))),
      pulsanteSposta(Pulsante(Testo::tr("Sposta i&n un'altra classe..."), QStringLiteral("sposta")))
{
    elenco->setObjectName(QStringLiteral("bambini"));
    elenco->setIconSize(QSize(LatoIcona, LatoIcona));
    elenco->setTextElideMode(Qt::ElideRight);
    elenco->setUniformItemSizes(true);
    auto* aggiungiP = Pulsante(Testo::tr("&Aggiungi un bambino..."), QStringLiteral("aggiungi"));
    auto* importaP = Pulsante(Testo::tr("&Importa una classe da un file CSV..."), QStringLiteral("importa"));
    connect(aggiungiP, &QPushButton::clicked, this, &GestioneClasse::aggiungi);
    connect(pulsanteModifica, &QPushButton::clicked, this, &GestioneClasse::modifica);
    connect(pulsanteRimuovi, &QPushButton::clicked, this, &GestioneClasse::rimuovi);
    connect(pulsanteSposta, &QPushButton::clicked, this, &GestioneClasse::sposta);
    connect(importaP, &QPushButton::clicked, this, &GestioneClasse::importa);
    connect(elenco, &QListWidget::currentRowChanged, this, &GestioneClasse::aggiornaPulsanti);
    connect(elenco, &QListWidget::itemActivated, this, &GestioneClasse::modifica);

    auto* pulsanti = new QVBoxLayout;
    for (QPushButton* p : {aggiungiP, pulsanteModifica, pulsanteSposta, pulsanteRimuovi, importaP})
        pulsanti->addWidget(p);
    pulsanti->addStretch();
    auto* riga = new QHBoxLayout(this);
    riga->addWidget(elenco, 1);
    riga->addLayout(pulsanti);
    aggiorna();
}

qint64 GestioneClasse::scelto() const
{
    const QListWidgetItem* voce = elenco->currentItem();
    return voce ? voce->data(Qt::UserRole).toLongLong() : 0;
}

void GestioneClasse::scegli(qint64 bambino)
{
    for (int i = 0; i < elenco->count(); ++i)
        if (elenco->item(i)->data(Qt::UserRole).toLongLong() == bambino)
            elenco->setCurrentRow(i);
}

void GestioneClasse::aggiorna()
{
    const qint64 prima = scelto();
    elenco->clear();
    for (const Registro::Bambino& b : archivio.bambini()) {
        const Registro::Simbolo* s = Registro::TrovaSimbolo(b.simbolo);
        auto* voce = new QListWidgetItem(b.nomeCompleto(), elenco);
        if (s)
            voce->setIcon(QPixmap::fromImage(Registro::ImmagineSimbolo(*s, LatoIcona)));
        voce->setToolTip(s ? QStringLiteral("%1 (%2)").arg(b.nomeCompleto(), QString::fromUtf8(s->nome))
                           : b.nomeCompleto());
        voce->setData(Qt::UserRole, b.id);
    }
    altreClassi = archivio.classi().size() > 1;
    scegli(prima);
    aggiornaPulsanti();
}

void GestioneClasse::aggiornaPulsanti()
{
    pulsanteModifica->setEnabled(scelto());
    pulsanteRimuovi->setEnabled(scelto());
    pulsanteSposta->setEnabled(scelto() && altreClassi);
}

bool GestioneClasse::salva(const Registro::Bambino& bambino)
{
    const std::optional<Registro::Bambino> salvato = archivio.salva(bambino);
    if (!salvato) {
        richieste().informa(this, Testo::tr("«%1» non è stato salvato: %2")
                                      .arg(bambino.nomeCompleto(), archivio.ultimoErrore()),
                            true);
        return false;
    }
    aggiorna();
    scegli(salvato->id);
    emit cambiata();
    return true;
}

void GestioneClasse::aggiungi()
{
    const QList<Registro::Bambino> classe = archivio.bambini();
    const QStringList liberi = SimboliLiberi(classe);
    if (liberi.isEmpty()) {
        richieste().informa(this, Testo::tr("Ogni contrassegno è già di un bambino della classe."), true);
        return;
    }
    Registro::Bambino nuovo;
    nuovo.uuid = QUuid::createUuid();
    if (const std::optional<Registro::Bambino> b = richieste().bambino(this, nuovo, liberi))
        salva(*b);
}

void GestioneClasse::modifica()
{
    const std::optional<Registro::Bambino> bambino = archivio.bambino(scelto());
    if (!bambino)
        return;
    const QStringList liberi = SimboliLiberi(archivio.bambini(), bambino->id);
    if (const std::optional<Registro::Bambino> b = richieste().bambino(this, *bambino, liberi))
        salva(*b);
}

void GestioneClasse::rimuovi()
{
    const std::optional<Registro::Bambino> bambino = archivio.bambino(scelto());
    if (!bambino)
        return;
    const int risposte = archivio.risposteDi(bambino->id);
    const QString testo =
        Testo::tr("Rimuovere «%1» dalla classe?\n\n").arg(bambino->nomeCompleto())
        + (risposte ? Testo::conta("Verranno cancellate anche tutte le sue risposte: %n risposte.", "", risposte)
                    : Testo::tr("Non ha ancora nessuna risposta nel registro."));
    if (!richieste().conferma(this, testo, Testo::tr("Rimuovi")))
        return;
    if (!archivio.rimuovi(bambino->id))
        richieste().informa(this, Testo::tr("«%1» non è stato rimosso: %2")
                                      .arg(bambino->nomeCompleto(), archivio.ultimoErrore()),
                            true);
    aggiorna();
    emit cambiata();
}

void GestioneClasse::sposta()
{
    const std::optional<Registro::Bambino> bambino = archivio.bambino(scelto());
    const std::optional<Registro::Classe> questa = archivio.classeScelta();
    if (!bambino || !questa)
        return;
    QList<Registro::Classe> altre = archivio.classi();
    altre.removeIf([&](const Registro::Classe& c) { return c.id == questa->id; });
    const std::optional<qint64> verso = richieste().sceltaClasse(
        this, Testo::tr("In quale classe spostare «%1»? Le sue risposte vanno con lui.").arg(bambino->nomeCompleto()),
        altre);
    if (!verso)
        return;
    if (!archivio.spostaBambino(bambino->id, *verso))
        richieste().informa(this, Testo::tr("«%1» non è stato spostato: %2")
                                      .arg(bambino->nomeCompleto(), archivio.ultimoErrore()),
                            true);
    aggiorna();
    emit cambiata();
}

void GestioneClasse::importa()
{
    const QString file = richieste().fileDaAprire(this, Testo::tr("Importa una classe"),
                                                  Testo::tr("File CSV (*.csv *.CSV *.txt);;Tutti i file (*)"));
    if (file.isEmpty())
        return;
    const EsitoOperazione esito = Importa(archivio, file, [this](const QList<Registro::Alunno>& incerti) {
        return richieste().divisioni(this, incerti);
    });
    if (esito.messaggio.isEmpty())
        return;
    aggiorna();
    emit cambiata();
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

} // namespace Insegnanti
