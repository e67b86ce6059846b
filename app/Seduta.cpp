#include "app/Seduta.h"

#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "app/StimeBambino.h"
#include "app/VociNomi.h"
#include "registro/Avviso.h"
#include "registro/Impostazioni.h"
#include "registro/Invio.h"
#include "registro/Scrittore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <algorithm>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace Seduta {

namespace {

using Registro::AvanzamentoBambino;
using Registro::Avvisa;
using Registro::Bambino;
using Registro::Classe;
using Registro::Scrittore;

enum class Fase { Ferma, InLettura, Letta };

// The progress of each child of a class who has a learning path, by child.
using Avanzamenti = QHash<qint64, AvanzamentoBambino>;

// One class of the register as the sitting shows it: its children, the
// name each is shown and called by (NomeMostrato, in the same order), and
// the progress of those with a path.
struct ClasseLetta {
    Classe classe;
    QList<Bambino> bambini;
    QStringList nomi;
    Avanzamenti avanzamenti;
};

// A child's progress as this run has counted it, on the path of that uuid.
struct Giocato {
    QUuid percorso;
    Avanzamento avanzamento;
};

// What the reading thread hands to the interface thread. Every field but
// the reader and those marked the interface thread's alone is read and
// written under the mutex: the class and its writer may still arrive from
// the school's server after the phase is Letta (ClasseCopiata, on the
// sender's thread), while the interface reads them.
struct Stato {
    std::mutex mutex;
    std::condition_variable cambiato;
    Fase fase = Fase::Ferma;
    int generazione = 0;       // one more at every start and end: a reader left
                               // from an earlier sitting publishes nothing
    bool rinuncia = false;     // the start screen went on without the class
    bool vociPronte = false;
    QString percorso;
    QList<Bambino> bambini;    // the class that "Chi gioca?" shows
    QStringList nomi;          // NomeMostrato of each child, in the same order
    Avanzamenti avanzamenti;   // of the class that "Chi gioca?" shows, as last read
    QList<ClasseLetta> classi; // a register of several classes: each of them
    std::optional<qint64> classeScelta;
    bool leggiDomande = false; // the only class's setting
    std::shared_ptr<Scrittore> scrittore;
    // The sender to the school's server, when one is set up.
    std::shared_ptr<Registro::Invio> invio;
    std::function<void(const QUuid&)> scritta;  // QuandoScritta's
    std::optional<qint64> scelto;
    std::jthread lettore;
    // The spoken names of a class that came from the server after the start.
    std::jthread voci;
    // The interface thread's alone: what the start screen's click waits for.
    std::function<void(bool)> inAttesa;
    int attese = 0;
    // The interface thread's alone: the progress of every child chosen in
    // this run, as they left it, and the path of the child playing now.
    QHash<qint64, Giocato> giocati;
    std::optional<Avanzamento> avanzamento;
    QUuid percorsoInCorso;
    // The interface thread's alone: the estimates of the child playing a
    // path with a "su misura" step, and those of children before, kept
    // until their reading thread has ended.
    std::optional<StimeBambino> stime;
    std::vector<StimeBambino> stimeLasciate;
};

Stato& S()
{
    static Stato stato;
    return stato;
}

// The first name, or name and surname where another child has the same first name.
QStringList NomiMostrati(const QList<Bambino>& classe)
{
    QStringList nomi;
    for (const Bambino& b : classe) {
        const auto omonimi = std::count_if(classe.begin(), classe.end(), [&](const Bambino& altro) {
            return altro.nome.compare(b.nome, Qt::CaseInsensitive) == 0;
        });
        nomi.append(omonimi > 1 ? b.nomeCompleto() : b.nome);
    }
    return nomi;
}

struct Lettura {
    QList<Bambino> classe;       // the only class's children
    Avanzamenti avanzamenti;     // and the progress of those with a path
    QList<ClasseLetta> classi;   // with several classes, each with its children
    QString errore;  // the warning line, when the register could not be read
    bool leggiDomande = false;   // the only class's "Leggi le domande"

    // Whether the sitting has a register to write: one with children, or
    // one of several classes (a guest's answers go to the class chosen).
    bool daScrivere() const { return !classe.isEmpty() || !classi.isEmpty(); }
    // Every name the sitting may speak: the children's, the classes', the guest's.
    QStringList nomiDaDire() const
    {
        QStringList nomi = NomiMostrati(classe);
        for (const ClasseLetta& c : classi)
            nomi << c.classe.nome << c.nomi;
        nomi.append(QString::fromUtf8(Registro::SimboloOspite().nome));
        return nomi;
    }
};

Avanzamenti AvanzamentiDi(const Registro::Archivio& archivio)
{
    Avanzamenti avanzamenti;
    for (const AvanzamentoBambino& a : archivio.avanzamenti())
        avanzamenti.insert(a.bambino, a);
    return avanzamenti;
}

Lettura LeggiClasse(const QString& percorso)
{
    Registro::Archivio archivio;
    // The header and schema only: the start never waits for a large file.
    Registro::Accesso esito = archivio.apri(percorso, false, Registro::Controllo::Rapido);
    // A register of an earlier version cannot be read as it is: the first
    // start after the program was updated brings it up to date (a large one
    // takes seconds, once), as the writer would.
    if (esito == Registro::Accesso::Mancante && QFileInfo(percorso).size() > 0)
        esito = archivio.apri(percorso, true, Registro::Controllo::Rapido);
    if (esito == Registro::Accesso::Mancante)
        return {};
    if (esito != Registro::Accesso::Ok)
        // The register's reason names its file.
        return {{}, {}, {}, archivio.ultimoErrore() + QStringLiteral("; si gioca senza registrare")};
    const QList<Classe> classi = archivio.classi();
    if (classi.size() <= 1)
        return {archivio.bambini(), AvanzamentiDi(archivio), {}, {}, !classi.isEmpty() && classi.first().leggiDomande};
    Lettura letta;
    for (const Classe& classe : classi)
        if (archivio.scegliClasse(classe.id)) {
            const QList<Bambino> bambini = archivio.bambini();
            letta.classi.append({classe, bambini, NomiMostrati(bambini), AvanzamentiDi(archivio)});
        }
    return letta;
}

// Hands what was read to the interface thread, with its writer. Under the mutex.
void Pubblica(Stato& s, const Lettura& letta, std::shared_ptr<Scrittore> scrittore)
{
    s.bambini = letta.classe;
    s.nomi = NomiMostrati(letta.classe);
    s.avanzamenti = letta.avanzamenti;
    s.classi = letta.classi;
    s.leggiDomande = letta.leggiDomande;
    s.scrittore = std::move(scrittore);
}

// The progress read again (after the sender copied the server's class):
// each class's, the chosen one's for "Chi gioca?", with each class's
// setting for reading the questions. The children stay as read at the
// start. Under the mutex.
void AggiornaAvanzamenti(Stato& s, const Lettura& letta)
{
    if (s.classi.isEmpty()) {
        s.avanzamenti = letta.avanzamenti;
        s.leggiDomande = letta.leggiDomande;
        return;
    }
    for (ClasseLetta& c : s.classi)
        for (const ClasseLetta& nuova : letta.classi)
            if (nuova.classe.id == c.classe.id) {
                c.avanzamenti = nuova.avanzamenti;
                c.classe.leggiDomande = nuova.classe.leggiDomande;
                if (s.classeScelta == c.classe.id)
                    s.avanzamenti = c.avanzamenti;
            }
}

// The sender of the school's server's settings; none without them, or with
// settings that cannot be used (one warning line).
std::shared_ptr<Registro::Invio> AvviaInvio(const QString& percorso)
{
    QString errore;
    const std::optional<Registro::Impostazioni> imp = Registro::Impostazioni::Leggi(errore);
    if (!errore.isEmpty())
        Avvisa(errore + QStringLiteral("; il registro resta su questo computer"));
    if (imp && !imp->avvisoSsl().isEmpty())
        Avvisa(imp->avvisoSsl());
    return imp ? std::make_shared<Registro::Invio>(*imp, percorso) : nullptr;
}

// Each answer committed by the writer: the sender sends it now.
void Scritta(const QUuid& id)
{
    std::shared_ptr<Registro::Invio> invio;
    std::function<void(const QUuid&)> scritta;
    {
        const std::lock_guard blocco(S().mutex);
        invio = S().invio;
        scritta = S().scritta;
    }
    if (invio)
        invio->sveglia();
    if (scritta)
        scritta(id);
}

void ClasseCopiata(int generazione);

// The sender of the school's server's settings, for the register at
// percorso; each copy of the server's class is read: the whole class when
// none was read, else the children's progress.
std::shared_ptr<Registro::Invio> AvviaInvio(const QString& percorso, int generazione)
{
    auto invio = AvviaInvio(percorso);
    if (invio)
        invio->quandoClasseCopiata([generazione] { ClasseCopiata(generazione); });
    return invio;
}

// Answers the start screen's click, if it waits: once the class is read, or
// when its time is up.
void Risolvi(bool scaduto)
{
    Stato& s = S();
    if (!s.inAttesa)
        return;
    bool chiGioca = false;
    {
        const std::lock_guard blocco(s.mutex);
        if (s.fase == Fase::InLettura) {
            if (!scaduto)
                return;
            s.rinuncia = true;
            Avvisa(QStringLiteral("registro non ancora letto (%1); si gioca senza registrare").arg(s.percorso));
        }
        chiGioca = s.fase == Fase::Letta && (!s.bambini.isEmpty() || !s.classi.isEmpty());
    }
    std::exchange(s.inAttesa, {})(chiGioca);
}

// The reading thread: the class, its writer, then the spoken names.
void Leggi(std::stop_token fermo, QString percorso, int generazione)
{
    const Lettura letta = LeggiClasse(percorso);
    // The writer opens the register on its own thread; made only for a class,
    // so that a register without children is never written.
    auto scrittore = letta.daScrivere() ? std::make_shared<Scrittore>(percorso) : nullptr;
    if (scrittore)
        scrittore->quandoScritta(Scritta);
    // Started once the class is read: it may create the register, to copy
    // the server's class into it for the next start.
    auto invio = AvviaInvio(percorso, generazione);
    bool pubblicata = false;
    {
        const std::lock_guard blocco(S().mutex);
        if (S().generazione != generazione)
            return;
        // Once the start screen has gone on without the class, its warning
        // was the one line of this run.
        if (!S().rinuncia && !letta.errore.isEmpty())
            Avvisa(letta.errore);
        S().invio = std::move(invio);
        if (!S().rinuncia && scrittore) {
            Pubblica(S(), letta, scrittore);
            pubblicata = true;
        }
        S().fase = Fase::Letta;
    }
    S().cambiato.notify_all();
    QMetaObject::invokeMethod(qApp, [] { Risolvi(false); }, Qt::QueuedConnection);
    scrittore.reset();
    if (pubblicata)
        VociNomi::Prepara(letta.nomiDaDire(), fermo);
    {
        // A class taken from the server meanwhile has its own voices to wait for.
        const std::lock_guard blocco(S().mutex);
        if (S().generazione == generazione && !S().voci.joinable())
            S().vociPronte = true;
    }
    S().cambiato.notify_all();
}

// The class can still be taken: the start read none, the start screen did
// not go on without it, and nobody was chosen. Under the mutex.
bool SenzaClasse(int generazione)
{
    const Stato& s = S();
    return s.generazione == generazione && s.fase == Fase::Letta && !s.rinuncia && !s.scrittore && !s.scelto;
}

// The class was read and published, and the sitting goes on. Under the mutex.
bool ConClasse(int generazione)
{
    const Stato& s = S();
    return s.generazione == generazione && s.fase == Fase::Letta && s.scrittore;
}

// On the sender's thread, each time it has copied the server's class: on a
// computer whose register held no class at the start, the class is read
// again and published, so that the next click of the start screen opens
// "Chi gioca?" in this run. Nobody waits for it: a click before it goes to
// the menu as without a class. With a class, the children's progress is
// read again, with what they did on other computers, for the next child
// chosen.
void ClasseCopiata(int generazione)
{
    Stato& s = S();
    QString percorso;
    bool senzaClasse = false;
    {
        // The start's reader publishes just after starting the sender.
        std::unique_lock blocco(s.mutex);
        s.cambiato.wait_for(blocco, std::chrono::seconds(2), [&] {
            return s.fase != Fase::InLettura || s.generazione != generazione;
        });
        senzaClasse = SenzaClasse(generazione);
        if (!senzaClasse && !ConClasse(generazione))
            return;
        percorso = s.percorso;
    }
    const Lettura letta = LeggiClasse(percorso);
    if (!senzaClasse) {
        const std::lock_guard blocco(s.mutex);
        if (ConClasse(generazione))
            AggiornaAvanzamenti(s, letta);
        return;
    }
    if (!letta.daScrivere())
        return;
    auto scrittore = std::make_shared<Scrittore>(percorso);
    scrittore->quandoScritta(Scritta);
    {
        const std::lock_guard blocco(s.mutex);
        if (!SenzaClasse(generazione))
            return;
        Pubblica(s, letta, std::move(scrittore));
        s.vociPronte = false;
        s.voci = std::jthread([nomi = letta.nomiDaDire(), generazione](std::stop_token fermo) {
            VociNomi::Prepara(nomi, fermo);
            {
                const std::lock_guard blocco(S().mutex);
                if (S().generazione == generazione)
                    S().vociPronte = true;
            }
            S().cambiato.notify_all();
        });
    }
    s.cambiato.notify_all();
}

} // namespace

void Avvia(const QString& percorso)
{
    Stato& s = S();
    int generazione = 0;
    {
        const std::lock_guard blocco(s.mutex);
        s.fase = Fase::InLettura;
        s.percorso = percorso;
        generazione = ++s.generazione;
    }
    s.lettore = std::jthread(Leggi, percorso, generazione);
}

void QuandoPronta(std::function<void(bool)> poi, std::chrono::milliseconds attesa)
{
    Stato& s = S();
    s.inAttesa = std::move(poi);
    const int attesaId = ++s.attese;
    Risolvi(false);
    if (s.inAttesa)
        QTimer::singleShot(attesa, qApp, [attesaId] {
            if (S().attese == attesaId)
                Risolvi(true);
        });
}

QList<Bambino> Bambini()
{
    const std::lock_guard blocco(S().mutex);
    return S().bambini;
}

QString NomeMostrato(const Bambino& bambino)
{
    const std::lock_guard blocco(S().mutex);
    const qsizetype i = S().bambini.indexOf(bambino);
    return i < 0 ? bambino.nome : S().nomi.at(i);
}

QList<Classe> Classi()
{
    const std::lock_guard blocco(S().mutex);
    QList<Classe> classi;
    for (const ClasseLetta& c : S().classi)
        classi.append(c.classe);
    return classi;
}

void ScegliClasse(qint64 classe)
{
    std::shared_ptr<Scrittore> scrittore;
    {
        const std::lock_guard blocco(S().mutex);
        const auto it = std::find_if(S().classi.cbegin(), S().classi.cend(),
                                     [&](const ClasseLetta& c) { return c.classe.id == classe; });
        if (it == S().classi.cend())
            return;
        S().bambini = it->bambini;
        S().nomi = it->nomi;
        S().avanzamenti = it->avanzamenti;
        S().classeScelta = classe;
        scrittore = S().scrittore;
    }
    if (scrittore)
        scrittore->classeOspiti(classe);
}

std::optional<qint64> ClasseScelta()
{
    const std::lock_guard blocco(S().mutex);
    return S().classeScelta;
}

bool LeggiDomande()
{
    const std::lock_guard blocco(S().mutex);
    const Stato& s = S();
    if (!s.scelto)
        return false;
    if (s.classi.isEmpty())
        return s.leggiDomande;
    const auto it = std::find_if(s.classi.cbegin(), s.classi.cend(),
                                 [&](const ClasseLetta& c) { return c.classe.id == s.classeScelta; });
    return it != s.classi.cend() && it->classe.leggiDomande;
}

namespace {

// The child playing till now keeps their progress for when they are chosen
// again in this run.
void ConservaAvanzamento(Stato& s, std::optional<qint64> scelto)
{
    if (scelto && s.avanzamento && !s.percorsoInCorso.isNull())
        s.giocati.insert(*scelto, {s.percorsoInCorso, *s.avanzamento});
}

// A child's progress as they start playing: each step's count as the
// register last read it or as this run counted it, whichever is more (the
// read may be older than their answers of this run, or hold them already).
Avanzamento AvanzamentoIniziale(const AvanzamentoBambino& letto, const Giocato* giocato)
{
    QList<int> esatte = letto.esatte;
    // The same path, changed since (another step, another goal), starts
    // from the register's counts.
    if (giocato && giocato->percorso == letto.percorso.uuid
        && giocato->avanzamento.percorso() == letto.percorso.percorso) {
        esatte.resize(giocato->avanzamento.passi());
        for (qsizetype i = 0; i < esatte.size(); ++i)
            esatte[i] = std::max(esatte[i], giocato->avanzamento.esatte(i));
    }
    return Avanzamento(letto.percorso.percorso, esatte);
}

// The estimates of the child playing are set aside: their reading thread
// may still run, and is never waited for here.
void LasciaStime(Stato& s)
{
    std::erase_if(s.stimeLasciate, [](const StimeBambino& stime) { return stime.finito(); });
    if (s.stime)
        s.stimeLasciate.push_back(std::move(*s.stime));
    s.stime.reset();
}

bool SuMisura(const Percorso& percorso)
{
    return std::ranges::any_of(percorso.passi, &Passo::suMisura);
}

} // namespace

void Scegli(qint64 bambino)
{
    Stato& s = S();
    std::shared_ptr<Scrittore> scrittore;
    std::optional<AvanzamentoBambino> letto;
    QString registro;
    std::optional<qint64> classe;
    {
        const std::lock_guard blocco(s.mutex);
        ConservaAvanzamento(s, s.scelto);
        s.scelto = bambino;
        scrittore = s.scrittore;
        registro = s.percorso;
        classe = s.classeScelta;
        // A guest has no path.
        if (bambino != 0 && s.avanzamenti.contains(bambino))
            letto = s.avanzamenti.value(bambino);
    }
    if (letto) {
        const auto giocato = s.giocati.constFind(bambino);
        ImpostaAvanzamento(AvanzamentoIniziale(*letto, giocato == s.giocati.cend() ? nullptr : &*giocato),
                           letto->percorso.uuid);
    } else
        ImpostaAvanzamento(std::nullopt);
    LasciaStime(s);
    if (letto && SuMisura(letto->percorso.percorso))
        s.stime.emplace(bambino, scrittore ? registro : QString(), classe);
    if (!scrittore)
        return;
    servizi().registra = [scrittore = std::move(scrittore), bambino](const Registro::Risposta& risposta) {
        scrittore->registra(risposta, bambino);
        if (S().stime)
            S().stime->aggiungi(risposta);
    };
}

void Lascia()
{
    Stato& s = S();
    servizi().registra = {};
    ConservaAvanzamento(s, Scelto());
    ImpostaAvanzamento(std::nullopt);
    LasciaStime(s);
    const std::lock_guard blocco(s.mutex);
    s.scelto.reset();
}

std::optional<qint64> Scelto()
{
    const std::lock_guard blocco(S().mutex);
    return S().scelto;
}

void ImpostaAvanzamento(std::optional<Avanzamento> avanzamento, const QUuid& percorso)
{
    S().percorsoInCorso = avanzamento ? percorso : QUuid();
    S().avanzamento = std::move(avanzamento);
}

Avanzamento* AvanzamentoDelBambino()
{
    auto& avanzamento = S().avanzamento;
    return avanzamento ? &*avanzamento : nullptr;
}

QUuid PercorsoDelBambino()
{
    return S().avanzamento ? S().percorsoInCorso : QUuid();
}

std::array<double, 4> PesiSuMisura()
{
    auto& stime = S().stime;
    return stime ? stime->pesi() : StimeBambino(0, {}, std::nullopt).pesi();
}

bool StimeLette()
{
    return S().stime && S().stime->lette();
}

bool DiciNome(const QString& nome)
{
    const QString file = VociNomi::File(nome);
    if (!Modulo1::SuonoAttivo || !QFileInfo::exists(file))
        return false;
    servizi().suono->playVoice(file);
    return true;
}

void QuandoScritta(std::function<void(const QUuid&)> fatto)
{
    const std::lock_guard blocco(S().mutex);
    S().scritta = std::move(fatto);
}

bool AttendiPronta(std::chrono::milliseconds attesa, bool ancheVoci)
{
    Stato& s = S();
    std::unique_lock blocco(s.mutex);
    return s.cambiato.wait_for(blocco, attesa, [&] {
        return s.fase == Fase::Ferma || (s.fase == Fase::Letta && (!ancheVoci || s.vociPronte));
    });
}

bool Termina(std::chrono::milliseconds attesa)
{
    servizi().registra = {};
    Stato& s = S();
    std::jthread lettore = std::move(s.lettore);
    std::jthread voci;
    std::shared_ptr<Scrittore> scrittore;
    std::shared_ptr<Registro::Invio> invio;
    {
        const std::lock_guard blocco(s.mutex);
        voci = std::move(s.voci);
        scrittore = std::move(s.scrittore);
        invio = std::move(s.invio);
        s.scritta = {};
        ++s.generazione;
        s.fase = Fase::Ferma;
        s.rinuncia = s.vociPronte = false;
        s.bambini.clear();
        s.nomi.clear();
        s.avanzamenti.clear();
        s.classi.clear();
        s.classeScelta.reset();
        s.leggiDomande = false;
        s.scelto.reset();
    }
    s.inAttesa = {};
    ++s.attese;
    s.giocati.clear();
    ImpostaAvanzamento(std::nullopt);
    LasciaStime(s);
    std::vector<StimeBambino> stime = std::exchange(s.stimeLasciate, {});
    s.cambiato.notify_all();
    lettore.request_stop();
    voci.request_stop();
    // The reader is stopped and the queue written on a thread of their own,
    // so that a disk that never answers cannot keep the program from ending.
    auto fatto = std::make_shared<std::promise<void>>();
    std::future<void> finito = fatto->get_future();
    std::thread fine([lettore = std::move(lettore), voci = std::move(voci), scrittore = std::move(scrittore),
                      invio = std::move(invio), stime = std::move(stime), fatto]() mutable {
        // The sender stops alongside: what it has not sent stays queued in
        // the register for the next start.
        std::thread fermaInvio([&invio] { invio.reset(); });
        if (lettore.joinable())
            lettore.join();
        if (voci.joinable())
            voci.join();
        stime.clear();
        scrittore.reset();
        fermaInvio.join();
        fatto->set_value();
    });
    if (finito.wait_for(attesa) == std::future_status::ready) {
        fine.join();
        return true;
    }
    // Left running to the process's end, which does not wait for it.
    fine.detach();
    Avvisa(QStringLiteral("il registro non ha finito di scrivere in tempo; le ultime risposte possono mancare"));
    return false;
}

} // namespace Seduta
