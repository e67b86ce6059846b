#include "games/FormDomino/SchermoDomino.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Modulo1.h"
#include "controls/Bottone.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "controls/Linea.h"


namespace {

// The chain area, the same on both screens: the blocks along the spiral, the
// letter squares between neighbours and the walls between the runs.
constexpr Posto ProgettoCatena[] = {
    {"Image1", 0, 120, 120, 1455, 1455},
    {"Image1", 1, 120, 2160, 1455, 1455},
    {"Image1", 2, 120, 4200, 1455, 1455},
    {"Image1", 3, 2160, 4200, 1455, 1455},
    {"Image1", 4, 4200, 4200, 1455, 1455},
    {"Image1", 5, 6240, 4200, 1455, 1455},
    {"Image1", 6, 6480, 2160, 1455, 1455},
    {"Image1", 7, 6480, 120, 1455, 1455},
    {"Image1", 8, 4440, 120, 1455, 1455},
    {"Image1", 9, 2400, 120, 1455, 1455},
    {"Image1", 10, 2160, 2160, 1455, 1455},
    {"Image1", 11, 4200, 2160, 1455, 1455},
    {"Label1", 0, 480, 1560, 615, 615},
    {"Label1", 1, 480, 3600, 615, 615},
    {"Label1", 2, 1560, 4680, 615, 615},
    {"Label1", 3, 3600, 4560, 615, 615},
    {"Label1", 4, 5640, 4680, 615, 615},
    {"Label1", 5, 6720, 3600, 615, 615},
    {"Label1", 6, 6840, 1560, 615, 615},
    {"Label1", 7, 5880, 480, 615, 615},
    {"Label1", 8, 3840, 600, 615, 615},
    {"Label1", 9, 2640, 1560, 615, 615},
    {"Label1", 10, 3600, 2640, 615, 615},
    {"Line1", 0, 1920, 120, 1920, 3960},
    {"Line1", 1, 6120, 3960, 2040, 3960},
    {"Line1", 2, 6120, 1920, 6120, 3840},
    {"Line1", 3, 6120, 1920, 3960, 1920},
};

// The labels beside the five answer buttons, which show the answers' words.
constexpr const char* EtichetteRisposte[] = {"Label3", "Label4", "Label5", "Label6", "Label7"};

// The walls of the track are 15 pixels wide.
constexpr int SpessoreMuro = 15;

} // namespace

QKeySequence SchermoDomino::Tasto(int i)
{
    return QKeySequence(Lettera(i).right(1).toUpper());
}

SchermoDomino::SchermoDomino(IdSchermo id, const char* nome, Regola regola, const Variante& variante,
                             const char* testoDomanda)
    : SchermoGioco(id, variante), RegoleDomino(nome, regola, Modulo1::EstrazioniGioco, OrologioDelGioco()), domanda(testoDomanda)
{
}

void SchermoDomino::CreaControlliGioco(FinestraSchermo& f)
{
    for (int i = 0; i < Blocchi; ++i) {
        c.Image1[i] = f.aggiungi(new Immagine, Cerca(ProgettoCatena, "Image1", i));
        // The chain is only looked at: no stop for the keyboard, no hand.
        c.Image1[i]->setBordo(true);
        c.Image1[i]->setFocusPolicy(Qt::NoFocus);
        c.Image1[i]->setCursor({});
    }
    for (int i = 0; i < Passi; ++i) {
        auto* quadrato = f.aggiungi(new Etichetta, Cerca(ProgettoCatena, "Label1", i));
        quadrato->setWordWrap(false);
        quadrato->setAlignment(Qt::AlignCenter);
        quadrato->setFrameStyle(QFrame::Box | QFrame::Plain);
        quadrato->setLineWidth(1);
        quadrato->setFont(CarattereSans(24, true));
        ImpostaSfondo(quadrato, Qt::white);
        quadrato->hide();
        c.Label1[i] = quadrato;
    }
    for (int i = 0; i < 4; ++i)
        c.Line1[i] = f.aggiungiLinea(Cerca(ProgettoCatena, "Line1", i), SpessoreMuro);

    for (int i = 0; i < 5; ++i) {
        const VoceRisposta& r = Risposte[i];
        auto* bottone = f.aggiungi(new Bottone(Lettera(i)), posto("Command1", i));
        bottone->setFont(CarattereSans(27.75, true));
        bottone->setCursor(Qt::ArrowCursor);
        bottone->setAccessibleName(QStringLiteral("%1, %2").arg(Lettera(i), Testi::Parola(QString::fromLatin1(r.parola))));
        // The letter on the keyboard answers too.
        bottone->setShortcut(Tasto(i));
        QObject::connect(bottone, &Bottone::clicked, [this, i] { Command1_Click(i); });
        c.Command1[i] = bottone;

        auto* nome = f.aggiungi(new Etichetta(nullptr, Testi::Parola(QString::fromLatin1(r.parola))), posto(EtichetteRisposte[i]));
        nome->setFont(CarattereSans(8.25, true));
        nome->setWordWrap(false);
        nome->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        c.nomi[i] = nome;
    }

    c.Label2 = f.aggiungi(new Etichetta(nullptr, Testi::NomeGioco(domanda)), posto("Label2"));
    c.Label2->setFont(CarattereSans(14.25, true));
    c.Label2->setWordWrap(false);
}

void SchermoDomino::NuovaCatena()
{
    RegoleDomino::NuovaCatena();
    for (Immagine* blocco : c.Image1)
        blocco->svuota();
    for (Etichetta* quadrato : c.Label1) {
        quadrato->clear();
        quadrato->setAccessibleName({});
        quadrato->hide();
    }
    CaricaBlocchi(c.Image1, std::span(Catena).first(2));
    c.Label1[0]->show();
}

void SchermoDomino::Command1_Click(int Index)
{
    const Registro::Risposta risposta = GiudicaRisposta(Index);
    if (!risposta.esatta) {
        // The same pair stays asked: the child may answer again.
        RispostaGiudicata(risposta);
        return;
    }
    Etichetta* quadrato = c.Label1[PassoCatena];
    quadrato->setText(c.Command1[Index]->text());
    quadrato->setAccessibleName(Testi::Parola(QString::fromLatin1(Risposte[Index].parola)));
    RispostaGiudicata(risposta);
    if (!Avanza()) {
        // The chain is complete: a new one replaces it at once.
        NuovaCatena();
        TurnoIniziato(Inizio::DopoRisposta);
        return;
    }
    c.Label1[PassoCatena]->show();
    c.Image1[PassoCatena + 1]->carica(Modulo1::PercorsoDi(Catena[PassoCatena + 1]));
}

QString SchermoDomino::Incoerenza() const
{
    if (PassoCatena < 0 || PassoCatena >= Passi)
        return QStringLiteral("the chain's step is out of range");
    for (int i = 0; i < Blocchi; ++i)
        if (c.Image1[i]->vuota() != (i > PassoCatena + 1))
            return QStringLiteral("the chain's pictures do not match its step");
    for (int i = 0; i < Passi; ++i) {
        const bool mostrato = i <= PassoCatena;
        if (c.Label1[i]->isVisible() != mostrato || c.Label1[i]->text().isEmpty() != (i >= PassoCatena))
            return QStringLiteral("the letters do not match the chain's step");
    }
    // Exactly one answer is right for every pair, and the letters written
    // are those answers.
    for (int i = 0; i <= PassoCatena; ++i) {
        const auto a = BloccoDi(c.Image1[i]), b = BloccoDi(c.Image1[i + 1]);
        if (!a || !b)
            return QStringLiteral("a chain block cannot be read");
        const int giusta = RispostaPer(*a, *b);
        if (giusta < 0)
            return QStringLiteral("two neighbours allow no single right answer");
        if (i < PassoCatena ? c.Label1[i]->text() != c.Command1[giusta]->text() : giusta != RispostaGiusta)
            return QStringLiteral("a letter or the expected answer is not the right one");
    }
    return {};
}
