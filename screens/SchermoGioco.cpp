#include "screens/SchermoGioco.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "app/Servizi.h"
#include "controls/Bottone.h"
#include "controls/Cursori.h"
#include "controls/Etichetta.h"
#include "controls/Faccia.h"
#include "controls/Immagine.h"
#include "screens/Schermi.h"
#include "screens/SegniPercorso.h"
#include "BlockArt.h"

#include <QAction>
#include <QShortcut>
#include <QPainter>
#include <QTimer>

namespace {

// Drawn once for the whole run, as the pointers are.
QIcon IconaFreccia()
{
    static const QIcon* icona = [] {
        QPixmap pixmap(48, 48);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        Media::disegnaFreccia(p, QRectF(2, 8, 44, 32));
        return new QIcon(pixmap);
    }();
    return *icona;
}

// The menu captions every game's table gives, with its own blanks after them.
[[maybe_unused]] constexpr const char* MenuComuni[] = {QT_TRANSLATE_NOOP("Tesselo", "Azzera conteggio"),
                                                       QT_TRANSLATE_NOOP("Tesselo", "Informazioni")};

Etichetta* CreaPunteggio(FinestraSchermo& f, const Posto& posto, const char* testo)
{
    auto* e = f.aggiungi(new Etichetta(nullptr, Tesselo::tr(testo)), posto);
    e->setFont(CarattereSans(20.25, true));
    e->setWordWrap(false);
    ImpostaSfondo(e, Qt::white);
    return e;
}

} // namespace

const QKeySequence SchermoGioco::TastoDomanda{Qt::Key_F1};

void SchermoGioco::DiciDomanda()
{
    if (!finestra())
        return;
    cc.domandaInAttesa->stop();
    Modulo1::Pronuncia(EtichettaDomanda()->text());
}

void SchermoGioco::TurnoIniziato(Inizio inizio)
{
    if (!finestra() || !Seduta::LeggiDomande())
        return;
    if (inizio == Inizio::Subito) {
        DiciDomanda();
        return;
    }
    const bool festa = cc.festa && !cc.festa->isHidden();
    cc.domandaInAttesa->start(festa ? SegniPercorso::DurataFesta : SegniPercorso::RitardoVoce);
}

QString SchermoGioco::Didascalia(const QString& parola, qint16 conteggio)
{
    // A number is written with a leading blank where its sign would stand.
    const QString numero = conteggio < 0 ? QString::number(conteggio) : ' ' + QString::number(conteggio);
    return parola + "  " + numero;
}

std::optional<Blocco> SchermoGioco::BloccoDi(const Immagine* immagine)
{
    return BloccoDaNome(immagine->accessibleName());
}

const Posto& SchermoGioco::posto(std::string_view nome, int indice) const
{
    return Cerca(v.progetto, nome, indice);
}

void SchermoGioco::CreaControlli(FinestraSchermo& f)
{
    f.setFont(CarattereSans(8.25));
    f.impostaSfondo(ColoreDa(v.coloreProgetto));
    QObject::connect(f.aggiungiMenu(v.menuAzzera, Testi::ConSpazi(v.testoAzzera)), &QAction::triggered,
                     [this] { mnuAzzera(); });
    CreaMenuProprio(f);
    QObject::connect(f.aggiungiMenu(v.menuInformazioni, Testi::ConSpazi(v.testoInformazioni)),
                     &QAction::triggered, [this] { mnuInformazioni(); });
    QObject::connect(f.aggiungiMenu(v.menuEsci, Tesselo::tr("Esci")), &QAction::triggered,
                     [this] { mnuEsci(); });

    CreaControlliGioco(f);
    // The key that speaks the question; it takes no place in the Tab order.
    QObject::connect(new QShortcut(TastoDomanda, &f), &QShortcut::activated, [this] { DiciDomanda(); });
    // Gone with the window: a screen left never speaks.
    cc.domandaInAttesa = new QTimer(&f);
    cc.domandaInAttesa->setObjectName(QStringLiteral("domandaInAttesa"));
    cc.domandaInAttesa->setSingleShot(true);
    QObject::connect(cc.domandaInAttesa, &QTimer::timeout, [this] { DiciDomanda(); });

    cc.etEsatti = CreaPunteggio(f, posto("etEsatti"), QT_TRANSLATE_NOOP("Tesselo", "esatti"));
    cc.etErrati = CreaPunteggio(f, posto("etErrati"), QT_TRANSLATE_NOOP("Tesselo", "errati"));
    const Posto& icone = posto("ComandoIconaSi");
    cc.ComandoIconaSi = f.aggiungi(new Faccia(nullptr, true), icone);
    cc.ComandoIconaNo = f.aggiungi(new Faccia(nullptr, false), {"ComandoIconaNo", -1, icone.a, icone.b, icone.c, icone.d});
    cc.ComandoIconaSi->hide();
    cc.ComandoIconaNo->hide();
}

void SchermoGioco::DimenticaControlli()
{
    cc = {};
    DimenticaControlliGioco();
}

void SchermoGioco::Form_Load()
{
    PreparaRidimensionatore();
    ApplicaPercorso();
    if (v.coloreCasualeAllaCarica)
        ImpostaSfondoCasuale();
    if (v.avvio == Avvio::Caricamento)
        AzzeraEInizia();
}

void SchermoGioco::Form_Activate()
{
    finestra()->riempiSchermo();
    if (v.avvio == Avvio::Attivazione)
        AzzeraEInizia();
}

void SchermoGioco::AzzeraEInizia()
{
    Modulo1::ContatoreEsatti = 0;
    Modulo1::ContatoreErrati = 0;
    PrimoTurno();
    TurnoIniziato();
}

void SchermoGioco::RispostaEsatta()
{
    Modulo1::Incrementa(Modulo1::ContatoreEsatti);
    cc.ComandoIconaNo->hide();
    cc.ComandoIconaSi->show();
    cc.etEsatti->setText(Didascalia(v.maiuscole ? Tesselo::tr("Esatti") : Tesselo::tr("esatti"), Modulo1::ContatoreEsatti));
    Modulo1::SuonoEsatto();
}

void SchermoGioco::RispostaErrata()
{
    Modulo1::Incrementa(Modulo1::ContatoreErrati);
    cc.ComandoIconaNo->show();
    cc.ComandoIconaSi->hide();
    cc.etErrati->setText(Didascalia(v.maiuscole ? Tesselo::tr("Errati") : Tesselo::tr("errati"), Modulo1::ContatoreErrati));
    Modulo1::SuonoErrato();
}

void SchermoGioco::RispostaGiudicata(const Registro::Risposta& risposta)
{
    // The answer's own sound is heard, not the question it answers.
    if (cc.domandaInAttesa)
        cc.domandaInAttesa->stop();
    if (risposta.esatta)
        RispostaEsatta();
    else
        RispostaErrata();
    Registro::Risposta registrata = SottoIlPasso(risposta);
    if (auto* regole = dynamic_cast<RegoleGioco*>(this))
        registrata.tentativo = regole->ProssimoTentativo();
    if (const auto& registra = servizi().registra)
        registra(registrata);
    ContaPerIlPercorso(risposta.esatta);
}

Registro::Risposta SchermoGioco::SottoIlPasso(Registro::Risposta risposta) const
{
    const QUuid percorso = Seduta::PercorsoDelBambino();
    if (passo && !percorso.isNull()) {
        risposta.percorso = percorso;
        risposta.passo = int(*passo) + 1;
    }
    return risposta;
}

void SchermoGioco::ApplicaPercorso()
{
    auto* regole = dynamic_cast<RegoleGioco*>(this);
    const Avanzamento* avanzamento = Seduta::AvanzamentoDelBambino();
    passo = avanzamento && regole ? avanzamento->passoDi(regole->schermo()) : std::nullopt;
    if (regole) {
        regole->ImpostaAttributiInGioco(passo ? avanzamento->percorso().passi[*passo].attributi : AttributiInGioco{});
        const bool suMisura = passo && avanzamento->percorso().passi[*passo].suMisura;
        regole->ImpostaSuMisura(suMisura ? RegoleGioco::FontePesi(Seduta::PesiSuMisura) : RegoleGioco::FontePesi());
    }
    if (!passo)
        return;
    auto* stelle = new SegniPercorso::Stelle(avanzamento->percorso().passi[*passo].esatte);
    stelle->setFont(CarattereSans(12, true));
    stelle->mostra(avanzamento->esatte(*passo));
    finestra()->aggiungiAngolo(stelle);
    cc.stelle = stelle;
    cc.festa = new SegniPercorso::Festa(finestra()->superficie());
    cc.festa->setObjectName(QStringLiteral("FestaPercorso"));
    cc.festa->hide();
}

void SchermoGioco::ContaPerIlPercorso(bool esatta)
{
    Avanzamento* avanzamento = Seduta::AvanzamentoDelBambino();
    if (!avanzamento || !passo || !cc.stelle)
        return;
    const bool completato = avanzamento->aggiungi(*passo, esatta);
    static_cast<SegniPercorso::Stelle*>(cc.stelle)->mostra(avanzamento->esatte(*passo));
    if (!completato)
        return;
    // In the middle of the surface, over the game for a moment: the mouse
    // goes through it, and nothing of the game moves.
    const QRect area = finestra()->superficie()->rect();
    cc.festa->setGeometry(area.adjusted(area.width() / 4, area.height() / 3, -area.width() / 4, -area.height() / 3));
    SegniPercorso::Festeggia(finestra(), cc.festa);
}

void SchermoGioco::mnuAzzera()
{
    Modulo1::ContatoreEsatti = 0;
    Modulo1::ContatoreErrati = 0;
    cc.etEsatti->setText(Tesselo::tr("Esatti") + QStringLiteral(" 0"));
    cc.etErrati->setText(Tesselo::tr("Errati") + QStringLiteral(" 0"));
}

void SchermoGioco::mnuInformazioni()
{
    Modulo1::MostraInformazioni();
}

void SchermoGioco::mnuEsci()
{
    if (servizi().messaggio(Tesselo::tr("Vuoi tornare al menù?"), StileDomanda, Modulo1::NomeProgramma)
        == RispostaSi)
        Schermi::Vai(*this, IdSchermo::formMenu);
}

void SchermoGioco::ImpostaSfondoCasuale()
{
    finestra()->impostaSfondo(ColoreDa(quint32(Modulo1::ColoreCasuale())));
}

Bottone* SchermoGioco::CreaBottoneAvanti(FinestraSchermo& f)
{
    auto* avanti = f.aggiungi(new Bottone(Tesselo::tr("avanti")), posto("bottoneavanti"));
    avanti->setFont(CarattereSans(14.25, true));
    avanti->setIcon(IconaFreccia());
    avanti->setIconSize(QSize(32, 24));
    avanti->setCursor(CursoreFreccia());
    avanti->setEnabled(false);
    cc.bottoneavanti = avanti;
    return avanti;
}

void SchermoGioco::CaricaBlocchi(std::span<Immagine* const> immagini, const QStringList& percorsi)
{
    QList<std::pair<Immagine*, QString>> figure;
    for (qsizetype k = 0; k < percorsi.size(); ++k)
        figure.append({immagini[k], percorsi[k]});
    Immagine::caricaInsieme(figure);
}

void SchermoGioco::CaricaBlocchi(std::span<Immagine* const> immagini, std::span<const Blocco> blocchi)
{
    QStringList percorsi;
    for (const Blocco& blocco : blocchi)
        percorsi.append(Modulo1::PercorsoDi(blocco));
    CaricaBlocchi(immagini, percorsi);
}

void SchermoGioco::ChiudiTurno()
{
    cc.bottoneavanti->setEnabled(true);
    // Focus moves on before the answers lock, so that the window does not
    // hand it to a control of its own choosing: a child using the keyboard
    // is one key away from the next turn.
    cc.bottoneavanti->setFocus();
    for (QWidget* risposta : ControlliRisposta())
        risposta->setEnabled(false);
}

void SchermoGioco::RiapriTurno()
{
    for (QWidget* risposta : ControlliRisposta())
        risposta->setEnabled(true);
    cc.bottoneavanti->setEnabled(false);
    TurnoIniziato();
}

QString SchermoGioco::IncoerenzaRisposte() const
{
    const bool chiuso = cc.bottoneavanti->isEnabled();
    for (const QWidget* risposta : ControlliRisposta())
        if (risposta->isEnabled() == chiuso)
            return QStringLiteral("answers and \"avanti\" both open or both locked");
    return {};
}

RegoleGioco::Orologio SchermoGioco::OrologioDelGioco()
{
    return [] {
        const auto& orologio = servizi().orologio;
        return orologio ? orologio() : RegoleGioco::OrologioDiSistema();
    };
}
