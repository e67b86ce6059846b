#include "insegnanti/VistaPercorsi.h"

#include "insegnanti/DialogoPercorso.h"
#include "insegnanti/FinestraRegistro.h"
#include "insegnanti/Ordinamento.h"
#include "insegnanti/Pulsante.h"
#include "insegnanti/Richieste.h"
#include "insegnanti/Scala.h"
#include "insegnanti/Testo.h"
#include "insegnanti/VistaClasse.h"
#include "media/Testi.h"
#include "registro/DisegnoSimbolo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

namespace Insegnanti {

namespace {

constexpr int LatoIcona = 28;
constexpr int LarghezzaNome = 220;

QTableWidget* Tabella(const QString& nome)
{
    auto* t = new QTableWidget;
    t->setObjectName(nome);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setIconSize(QSize(LatoIcona, LatoIcona));
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(LatoIcona + 8);
    return t;
}

// The progress table sorts by its columns; the assignments keep their
// order (the class, its groups, its children), the order in which a
// child's path is decided.
QTableWidget* TabellaOrdinabile(const QString& nome)
{
    QTableWidget* t = Tabella(nome);
    Ordinabile(t);
    return t;
}

// A cell, sorting by chiave (see Ordinabile).
QTableWidgetItem* Voce(const QString& testo, const Registro::Simbolo* simbolo = nullptr, const QVariant& chiave = {})
{
    QTableWidgetItem* voce = Ordinata(testo, chiave);
    voce->setFlags(Qt::ItemIsEnabled);
    voce->setToolTip(testo);
    if (simbolo)
        voce->setIcon(Registro::IconaSimbolo(*simbolo, LatoIcona, qGuiApp->devicePixelRatio()));
    return voce;
}

QString NomeDi(const QList<Registro::PercorsoSalvato>& percorsi, qint64 id)
{
    for (const Registro::PercorsoSalvato& p : percorsi)
        if (p.id == id)
            return p.percorso.nome;
    return {};
}

// A step's column header: its number, then its game.
QString IntestazionePasso(qsizetype indice, const Passo& passo)
{
    const Percorsi::Gioco* gioco = Percorsi::GiocoDi(passo.gioco);
    return Testo::tr("Passo %1").arg(indice + 1) + QLatin1Char('\n')
        + (gioco ? Testi::NomeGioco(gioco->didascalia) : passo.gioco);
}

// A child's count on a step: "3 / 10", a done step ticked and on the
// colour of all right, the next step to play in bold.
QTableWidgetItem* VocePasso(const QString& bambino, const Avanzamento& avanzamento, qsizetype passo)
{
    const int esatte = avanzamento.esatte(passo);
    const int obiettivo = avanzamento.percorso().passi[passo].esatte;
    const bool fatto = avanzamento.fatto(passo);
    // A done step sorts above any count short of its goal.
    auto* voce = Voce(QStringLiteral("%1 / %2").arg(esatte).arg(obiettivo) + (fatto ? QStringLiteral(" ✓") : QString()),
                      nullptr, fatto ? std::numeric_limits<int>::max() : std::min(esatte, obiettivo));
    voce->setTextAlignment(Qt::AlignCenter);
    const Percorsi::Gioco* gioco = Percorsi::GiocoDi(avanzamento.percorso().passi[passo].gioco);
    QString stato = Testo::conta("%n esatte su %1", "", esatte).arg(obiettivo);
    if (fatto) {
        voce->setBackground(ColoreQuota(1));
        voce->setForeground(Qt::black);
        stato = Testo::tr("%1, fatto").arg(stato);
    } else if (avanzamento.prossimo() == passo) {
        QFont grassetto = voce->font();
        grassetto.setBold(true);
        voce->setFont(grassetto);
        stato = Testo::tr("%1, il prossimo").arg(stato);
    }
    voce->setToolTip(Testo::tr("%1, passo %2 («%3»): %4")
                         .arg(bambino)
                         .arg(passo + 1)
                         .arg(gioco ? Testi::NomeGioco(gioco->didascalia) : avanzamento.percorso().passi[passo].gioco,
                              stato));
    return voce;
}

} // namespace

VistaPercorsi::VistaPercorsi(Registro::Deposito& a, QWidget* padre, const QString& esempi)
    : QWidget(padre), archivio(a), cartellaEsempi(esempi), lista(new QListWidget), descrizione(new QLabel),
      tabellaAssegnazioni(Tabella(QStringLiteral("assegnazioni"))), titoloAvanzamento(new QLabel),
      tabellaAvanzamento(TabellaOrdinabile(QStringLiteral("avanzamento")))
{
    lista->setObjectName(QStringLiteral("percorsi"));
    descrizione->setObjectName(QStringLiteral("descrizione"));
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    titoloAvanzamento->setWordWrap(true);
    tabellaAssegnazioni->setColumnCount(3);
    tabellaAssegnazioni->setHorizontalHeaderLabels(
        {Testo::tr("Chi"), Testo::tr("Percorso assegnato"), Testo::tr("Percorso che gioca")});
    // The paths assigned and played share what the names leave.
    tabellaAssegnazioni->horizontalHeader()->setSectionResizeMode(ColonnaAssegnato, QHeaderView::Stretch);
    tabellaAssegnazioni->horizontalHeader()->setSectionResizeMode(ColonnaGiocato, QHeaderView::Stretch);
    tabellaAssegnazioni->setColumnWidth(ColonnaChi, LarghezzaNome * 4 / 5);
    tabellaAssegnazioni->setMinimumWidth(480);

    auto* nuovoP = Pulsante(Testo::tr("Nuo&vo percorso..."), QStringLiteral("nuovo"));
    auto* modificaP = Pulsante(Testo::tr("&Modifica..."), QStringLiteral("modifica"));
    auto* duplicaP = Pulsante(Testo::tr("D&uplica"), QStringLiteral("duplica"));
    auto* eliminaP = Pulsante(Testo::tr("Elimi&na..."), QStringLiteral("elimina"));
    auto* importaP = Pulsante(Testo::tr("&Importa da un file..."), QStringLiteral("importa"));
    auto* esportaP = Pulsante(Testo::tr("Esporta in un &file..."), QStringLiteral("esporta"));
    auto* esempiP = Pulsante(Testo::tr("Importa &gli esempi"), QStringLiteral("esempi"));
    esempiP->setToolTip(Testo::tr("I percorsi di esempio che il programma porta con sé, per bambini dai tre ai sette anni"));
    suScelto = {modificaP, duplicaP, eliminaP, esportaP};
    connect(nuovoP, &QPushButton::clicked, this, &VistaPercorsi::nuovo);
    connect(modificaP, &QPushButton::clicked, this, &VistaPercorsi::modifica);
    connect(duplicaP, &QPushButton::clicked, this, &VistaPercorsi::duplica);
    connect(eliminaP, &QPushButton::clicked, this, &VistaPercorsi::elimina);
    connect(importaP, &QPushButton::clicked, this, &VistaPercorsi::importa);
    connect(esportaP, &QPushButton::clicked, this, &VistaPercorsi::esporta);
    connect(esempiP, &QPushButton::clicked, this, &VistaPercorsi::importaEsempi);
    connect(lista, &QListWidget::currentRowChanged, this, [this] {
        aggiornaPulsanti();
        mostraAvanzamento();
    });
    connect(lista, &QListWidget::itemActivated, this, &VistaPercorsi::modifica);

    auto* pulsanti = new QVBoxLayout;
    for (QPushButton* p : {nuovoP, modificaP, duplicaP, eliminaP})
        pulsanti->addWidget(p);
    pulsanti->addSpacing(12);
    for (QPushButton* p : {importaP, esportaP, esempiP})
        pulsanti->addWidget(p);
    pulsanti->addStretch();
    auto* titoloElenco = new QLabel(Testo::tr("I percorsi dell&a classe:"));
    titoloElenco->setBuddy(lista);
    auto* titoloAssegnazioni = new QLabel(Testo::tr("Chi gioca &quale percorso:"));
    titoloAssegnazioni->setBuddy(tabellaAssegnazioni);
    auto* griglia = new QGridLayout(this);
    griglia->addWidget(titoloElenco, 0, 0);
    griglia->addWidget(titoloAssegnazioni, 0, 2);
    griglia->addWidget(lista, 1, 0);
    griglia->addLayout(pulsanti, 1, 1, 2, 1);
    griglia->addWidget(tabellaAssegnazioni, 1, 2, 2, 1);
    griglia->addWidget(descrizione, 2, 0);
    griglia->addWidget(titoloAvanzamento, 3, 0, 1, 3);
    griglia->addWidget(tabellaAvanzamento, 4, 0, 1, 3);
    griglia->setColumnStretch(0, 1);
    griglia->setColumnStretch(2, 2);
    griglia->setRowStretch(1, 3);
    griglia->setRowStretch(4, 2);
    mostra();
}

void VistaPercorsi::mostra()
{
    const qint64 prima = scelto();
    percorsi = archivio.percorsi();
    avanzamenti = archivio.avanzamenti();
    {
        const QSignalBlocker zitta(lista);
        lista->clear();
        for (const Registro::PercorsoSalvato& p : percorsi) {
            auto* voce = new QListWidgetItem(p.percorso.nome, lista);
            voce->setData(Qt::UserRole, p.id);
            voce->setToolTip(p.percorso.obiettivo.isEmpty() ? p.percorso.nome : p.percorso.obiettivo);
        }
        lista->setCurrentRow(0);
        scegli(prima);
    }
    mostraAssegnazioni();
    mostraAvanzamento();
    aggiornaPulsanti();
}

qint64 VistaPercorsi::scelto() const
{
    const QListWidgetItem* voce = lista->currentItem();
    return voce ? voce->data(Qt::UserRole).toLongLong() : 0;
}

void VistaPercorsi::scegli(qint64 percorso)
{
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->data(Qt::UserRole).toLongLong() == percorso)
            lista->setCurrentRow(i);
}

std::optional<Registro::PercorsoSalvato> VistaPercorsi::sceltoSalvato() const
{
    for (const Registro::PercorsoSalvato& p : percorsi)
        if (p.id == scelto())
            return p;
    return std::nullopt;
}

void VistaPercorsi::aggiornaPulsanti()
{
    for (QPushButton* p : suScelto)
        p->setEnabled(scelto());
    const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato();
    if (!p) {
        descrizione->setText(percorsi.isEmpty() ? Testo::tr("La classe non ha ancora percorsi: se ne crea uno nuovo, "
                                                            "o si importano gli esempi.")
                                                : QString());
        return;
    }
    QString testo = Testo::conta("%n passi", "", int(p->percorso.passi.size()));
    if (p->percorso.soloPercorso)
        testo = Testo::tr("%1, solo il percorso").arg(testo);
    descrizione->setText(p->percorso.obiettivo.isEmpty() ? testo : p->percorso.obiettivo + QLatin1Char('\n') + testo);
}

void VistaPercorsi::mostraAssegnazioni()
{
    struct Riga {
        Registro::Destinatario a;
        qint64 chi;
        QString nome;
        const Registro::Simbolo* simbolo;
        qint64 gruppo;
    };
    QList<Riga> righe{{Registro::Destinatario::Classe, 0, Testo::tr("Tutta la classe"), nullptr, 0}};
    for (const Registro::Gruppo& g : archivio.gruppi())
        righe.append({Registro::Destinatario::Gruppo, g.id, Testo::tr("Gruppo «%1»").arg(g.nome), nullptr, 0});
    for (const Registro::Bambino& b : archivio.bambini())
        righe.append({Registro::Destinatario::Bambino, b.id, b.nomeCompleto(), Registro::TrovaSimbolo(b.simbolo), b.gruppo});
    const Registro::PercorsiAssegnati assegnati = archivio.percorsiAssegnati();

    tabellaAssegnazioni->clearContents();
    tabellaAssegnazioni->setRowCount(int(righe.size()));
    for (int r = 0; r < righe.size(); ++r) {
        const Riga& riga = righe[r];
        tabellaAssegnazioni->setItem(r, ColonnaChi, Voce(riga.nome, riga.simbolo));
        const qint64 assegnato = riga.a == Registro::Destinatario::Classe ? assegnati.classe
            : riga.a == Registro::Destinatario::Gruppo                     ? assegnati.gruppi.value(riga.chi)
                                                                           : assegnati.bambini.value(riga.chi);
        auto* scelta = new QComboBox;
        scelta->setAccessibleName(Testo::tr("Percorso assegnato a %1").arg(riga.nome));
        scelta->addItem(Testo::tr("nessuno"), 0);
        for (const Registro::PercorsoSalvato& p : percorsi)
            scelta->addItem(p.percorso.nome, p.id);
        scelta->setCurrentIndex(std::max(0, scelta->findData(assegnato)));
        connect(scelta, &QComboBox::currentIndexChanged, this, [this, scelta, a = riga.a, chi = riga.chi] {
            assegna(a, chi, scelta->currentData().toLongLong());
        });
        tabellaAssegnazioni->setCellWidget(r, ColonnaAssegnato, scelta);
        if (riga.a != Registro::Destinatario::Bambino)
            continue;
        const qint64 giocato = Registro::PercorsoDi(riga.chi, riga.gruppo, assegnati);
        QString testo = NomeDi(percorsi, giocato);
        if (testo.isEmpty())
            testo = Testo::tr("nessuno");
        else if (giocato != assegnati.bambini.value(riga.chi))
            testo = (riga.gruppo && giocato == assegnati.gruppi.value(riga.gruppo) ? Testo::tr("%1 (del gruppo)")
                                                                                   : Testo::tr("%1 (della classe)"))
                        .arg(testo);
        tabellaAssegnazioni->setItem(r, ColonnaGiocato, Voce(testo));
    }
}

void VistaPercorsi::mostraAvanzamento()
{
    const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato();
    const Riempimento riempimento(tabellaAvanzamento);
    tabellaAvanzamento->clear();
    tabellaAvanzamento->setRowCount(0);
    QStringList intestazioni{Testo::tr("Bambino")};
    if (p)
        for (qsizetype i = 0; i < p->percorso.passi.size(); ++i)
            intestazioni.append(IntestazionePasso(i, p->percorso.passi[i]));
    tabellaAvanzamento->setColumnCount(int(intestazioni.size()));
    tabellaAvanzamento->setHorizontalHeaderLabels(intestazioni);
    tabellaAvanzamento->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabellaAvanzamento->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    tabellaAvanzamento->setColumnWidth(0, LarghezzaNome);
    if (!p) {
        titoloAvanzamento->setText(Testo::tr("L'avanzamento dei bambini in un percorso: scegliere il percorso."));
        return;
    }
    QHash<qint64, Registro::Bambino> bambini;
    for (const Registro::Bambino& b : archivio.bambini())
        bambini.insert(b.id, b);
    for (const Registro::AvanzamentoBambino& a : avanzamenti) {
        if (a.percorso.id != p->id || !bambini.contains(a.bambino))
            continue;
        const Registro::Bambino& b = bambini[a.bambino];
        const int r = tabellaAvanzamento->rowCount();
        tabellaAvanzamento->insertRow(r);
        tabellaAvanzamento->setItem(r, 0, Voce(b.nomeCompleto(), Registro::TrovaSimbolo(b.simbolo), ChiaveNome(b)));
        const Avanzamento avanzamento = a.avanzamento();
        for (qsizetype i = 0; i < avanzamento.passi(); ++i)
            tabellaAvanzamento->setItem(r, int(i) + 1, VocePasso(b.nomeCompleto(), avanzamento, i));
    }
    titoloAvanzamento->setText(
        tabellaAvanzamento->rowCount()
            ? Testo::tr("L'avanzamento in «%1»: in ogni passo le risposte esatte su quelle che lo completano; ✓ un passo "
                        "fatto, in grassetto il prossimo.")
                  .arg(p->percorso.nome)
            : Testo::tr("Nessun bambino gioca «%1»: lo si assegna alla classe, a un gruppo o a un bambino.")
                  .arg(p->percorso.nome));
}

void VistaPercorsi::assegna(Registro::Destinatario a, qint64 chi, qint64 percorso)
{
    if (!archivio.assegnaPercorso(a, chi, percorso))
        richieste().informa(this, Testo::tr("Il percorso non è stato assegnato: %1").arg(archivio.ultimoErrore()), true);
    dopoIlCambio(scelto());
}

void VistaPercorsi::dopoIlCambio(qint64 scegliere)
{
    mostra();
    scegli(scegliere);
    emit cambiata();
}

QStringList VistaPercorsi::nomiTranne(qint64 percorso) const
{
    QStringList nomi;
    for (const Registro::PercorsoSalvato& p : percorsi)
        if (p.id != percorso)
            nomi.append(p.percorso.nome);
    return nomi;
}

bool VistaPercorsi::chiediESalva(Registro::PercorsoSalvato iniziale)
{
    const bool nuovo = iniziale.id == 0;
    while (const std::optional<Percorso> dato = richieste().percorso(this, iniziale.percorso, nuovo, nomiTranne(iniziale.id))) {
        iniziale.percorso = *dato;
        if (const std::optional<Registro::PercorsoSalvato> salvato = archivio.salvaPercorso(iniziale)) {
            dopoIlCambio(salvato->id);
            return true;
        }
        // What the teacher wrote is offered again, with the reason.
        richieste().informa(this,
                            Testo::tr("Il percorso «%1» non è stato salvato: %2").arg(dato->nome, archivio.ultimoErrore()),
                            true);
    }
    return false;
}

void VistaPercorsi::nuovo()
{
    Registro::PercorsoSalvato nuovo;
    nuovo.percorso.passi.append(DialogoPercorso::PassoNuovo());
    chiediESalva(nuovo);
}

void VistaPercorsi::modifica()
{
    if (const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato())
        chiediESalva(*p);
}

void VistaPercorsi::duplica()
{
    const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato();
    if (!p)
        return;
    const EsitoPercorso esito = DuplicaPercorso(archivio, p->percorso);
    if (!esito.riuscito)
        richieste().informa(this, esito.messaggio, true);
    dopoIlCambio(esito.percorso ? esito.percorso->id : p->id);
}

void VistaPercorsi::elimina()
{
    const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato();
    if (!p)
        return;
    const int giocano = int(std::count_if(avanzamenti.begin(), avanzamenti.end(),
                                          [&](const Registro::AvanzamentoBambino& a) { return a.percorso.id == p->id; }));
    QString testo = Testo::tr("Eliminare il percorso «%1»?\n\n").arg(p->percorso.nome);
    if (giocano)
        testo += Testo::conta("Lo giocano %n bambini: non lo giocheranno più.", "", giocano) + QLatin1Char(' ');
    testo += Testo::tr("Le risposte date nel percorso restano nel registro.");
    if (!richieste().conferma(this, testo, Testo::tr("Elimina")))
        return;
    if (!archivio.rimuoviPercorso(p->id))
        richieste().informa(this,
                            Testo::tr("Il percorso «%1» non è stato eliminato: %2").arg(p->percorso.nome, archivio.ultimoErrore()),
                            true);
    dopoIlCambio(0);
}

void VistaPercorsi::importa()
{
    const QString file = richieste().fileDaAprire(this, Testo::tr("Importa un percorso"),
                                                  Testo::tr("Percorsi di Tesselo (*.json);;Tutti i file (*)"));
    if (file.isEmpty())
        return;
    const EsitoPercorso esito = ImportaPercorso(archivio, file);
    dopoIlCambio(esito.percorso ? esito.percorso->id : scelto());
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

void VistaPercorsi::esporta()
{
    const std::optional<Registro::PercorsoSalvato> p = sceltoSalvato();
    if (!p)
        return;
    const QString file = richieste().fileDaSalvare(this, Testo::tr("Esporta il percorso"),
                                                   NomeFile(Testo::tr("percorso"), p->percorso.nome, QStringLiteral("json")),
                                                   Testo::tr("Percorsi di Tesselo (*.json)"));
    if (file.isEmpty())
        return;
    const EsitoOperazione esito = EsportaPercorso(p->percorso, file);
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

void VistaPercorsi::importaEsempi()
{
    const EsitoOperazione esito = ImportaEsempi(archivio, cartellaEsempi);
    dopoIlCambio(scelto());
    richieste().informa(this, esito.messaggio, !esito.riuscito);
}

} // namespace Insegnanti
