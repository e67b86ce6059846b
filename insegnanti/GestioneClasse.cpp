#include "insegnanti/GestioneClasse.h"

#include "insegnanti/DialogoBambino.h"
#include "insegnanti/GestioneGruppi.h"
#include "insegnanti/Operazioni.h"
#include "insegnanti/Pulsante.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "registro/DisegnoSimbolo.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace Insegnanti {

namespace {
constexpr int LatoIcona = 40;
// What a child's row holds besides the name: the id, the group's name.
constexpr int RuoloId = Qt::UserRole;
constexpr int RuoloGruppo = Qt::UserRole + 1;

// The children's list with each child's group in a column of its own, at
// the row's right end; the name, elided before it, stays the row's text.
class ColonnaGruppo : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pittore, const QStyleOptionViewItem& opzioni, const QModelIndex& indice) const override
    {
        const QString gruppo = indice.data(RuoloGruppo).toString();
        if (gruppo.isEmpty()) {
            QStyledItemDelegate::paint(pittore, opzioni, indice);
            return;
        }
        // The whole row's ground first, so that a chosen row is chosen to its end.
        QStyleOptionViewItem riga = opzioni;
        initStyleOption(&riga, indice);
        riga.text.clear();
        riga.icon = QIcon();
        const QWidget* vista = opzioni.widget;
        QStyle* stile = vista ? vista->style() : QApplication::style();
        stile->drawControl(QStyle::CE_ItemViewItem, &riga, pittore, vista);
        const int larghezza = Larghezza(opzioni.rect);
        QStyleOptionViewItem nome = opzioni;
        nome.rect.setRight(opzioni.rect.right() - larghezza);
        QStyledItemDelegate::paint(pittore, nome, indice);
        const QRect colonna(nome.rect.right() + 1, opzioni.rect.top(), larghezza - 4, opzioni.rect.height());
        const bool scelta = opzioni.state & QStyle::State_Selected;
        pittore->save();
        pittore->setPen(opzioni.palette.color(scelta ? QPalette::HighlightedText : QPalette::Text));
        pittore->drawText(colonna, Qt::AlignVCenter | Qt::AlignLeft,
                          opzioni.fontMetrics.elidedText(gruppo, Qt::ElideRight, colonna.width()));
        pittore->restore();
    }

private:
    static int Larghezza(const QRect& riga) { return std::min(220, riga.width() / 3); }
};

} // namespace

GestioneClasse::GestioneClasse(Registro::Deposito& a, QWidget* padre)
    : QWidget(padre), archivio(a), elenco(new QListWidget),
      pulsanteModifica(Pulsante(Testo::tr("&Modifica..."), QStringLiteral("modifica"))),
      pulsanteRimuovi(Pulsante(Testo::tr("Rimuo&vi..."), QStringLiteral("rimuovi"))),
      pulsanteSposta(Pulsante(Testo::tr("Sposta i&n un'altra classe..."), QStringLiteral("sposta"))),
      gestioneGruppi(new GestioneGruppi(a))
{
    elenco->setObjectName(QStringLiteral("bambini"));
    elenco->setIconSize(QSize(LatoIcona, LatoIcona));
    elenco->setTextElideMode(Qt::ElideRight);
    elenco->setUniformItemSizes(true);
    elenco->setItemDelegate(new ColonnaGruppo(elenco));
    auto* aggiungiP = Pulsante(Testo::tr("&Aggiungi un bambino..."), QStringLiteral("aggiungi"));
    auto* importaP = Pulsante(Testo::tr("&Importa una classe da un file CSV..."), QStringLiteral("importa"));
    connect(aggiungiP, &QPushButton::clicked, this, &GestioneClasse::aggiungi);
    connect(pulsanteModifica, &QPushButton::clicked, this, &GestioneClasse::modifica);
    connect(pulsanteRimuovi, &QPushButton::clicked, this, &GestioneClasse::rimuovi);
    connect(pulsanteSposta, &QPushButton::clicked, this, &GestioneClasse::sposta);
    connect(importaP, &QPushButton::clicked, this, &GestioneClasse::importa);
    connect(elenco, &QListWidget::currentRowChanged, this, &GestioneClasse::aggiornaPulsanti);
    connect(elenco, &QListWidget::itemActivated, this, &GestioneClasse::modifica);
    connect(gestioneGruppi, &GestioneGruppi::cambiati, this, [this] {
        aggiorna();
        emit cambiata();
    });

    auto* pulsanti = new QVBoxLayout;
    for (QPushButton* p : {aggiungiP, pulsanteModifica, pulsanteSposta, pulsanteRimuovi, importaP})
        pulsanti->addWidget(p);
    auto* riquadroGruppi = new QGroupBox(Testo::tr("Gruppi della classe"));
    auto* colonnaGruppi = new QVBoxLayout(riquadroGruppi);
    colonnaGruppi->addWidget(gestioneGruppi);
    pulsanti->addSpacing(12);
    pulsanti->addWidget(riquadroGruppi, 1);
    auto* riga = new QHBoxLayout(this);
    riga->addWidget(elenco, 1);
    riga->addLayout(pulsanti);
    aggiorna();
}

qint64 GestioneClasse::scelto() const
{
    const QListWidgetItem* voce = elenco->currentItem();
    return voce ? voce->data(RuoloId).toLongLong() : 0;
}

void GestioneClasse::scegli(qint64 bambino)
{
    for (int i = 0; i < elenco->count(); ++i)
        if (elenco->item(i)->data(RuoloId).toLongLong() == bambino)
            elenco->setCurrentRow(i);
}

void GestioneClasse::aggiorna()
{
    const qint64 prima = scelto();
    elenco->clear();
    QHash<qint64, QString> nomiGruppi;
    for (const Registro::Gruppo& g : archivio.gruppi())
        nomiGruppi.insert(g.id, g.nome);
    const QList<Registro::Bambino> bambini = archivio.bambini();
    for (const Registro::Bambino& b : bambini) {
        const Registro::Simbolo* s = Registro::TrovaSimbolo(b.simbolo);
        auto* voce = new QListWidgetItem(b.nomeCompleto(), elenco);
        if (s)
            voce->setIcon(Registro::IconaSimbolo(*s, LatoIcona, elenco->devicePixelRatioF()));
        QString suggerimento = s ? QStringLiteral("%1 (%2)").arg(b.nomeCompleto(), Registro::NomeSimbolo(*s))
                                 : b.nomeCompleto();
        if (const QString gruppo = nomiGruppi.value(b.gruppo); !gruppo.isEmpty()) {
            const QString nelGruppo = Testo::tr("nel gruppo «%1»").arg(gruppo);
            suggerimento += QLatin1Char('\n') + nelGruppo;
            voce->setData(RuoloGruppo, gruppo);
            voce->setData(Qt::AccessibleDescriptionRole, nelGruppo);
        }
        voce->setToolTip(suggerimento);
        voce->setData(RuoloId, b.id);
    }
    gestioneGruppi->mostra(bambini);
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
    if (const std::optional<Registro::Bambino> b = chiedi(nuovo, liberi))
        salva(*b);
}

void GestioneClasse::modifica()
{
    const std::optional<Registro::Bambino> bambino = archivio.bambino(scelto());
    if (!bambino)
        return;
    const QStringList liberi = SimboliLiberi(archivio.bambini(), bambino->id);
    if (const std::optional<Registro::Bambino> b = chiedi(*bambino, liberi))
        salva(*b);
}

std::optional<Registro::Bambino> GestioneClasse::chiedi(const Registro::Bambino& iniziale, const QStringList& liberi)
{
    const QList<Registro::Gruppo> gruppi = archivio.gruppi();
    return gruppi.isEmpty() ? richieste().bambino(this, iniziale, liberi)
                            : richieste().bambinoNeiGruppi(this, iniziale, liberi, gruppi);
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
