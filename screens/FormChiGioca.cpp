#include "screens/FormChiGioca.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "comune/Stile.h"
#include "controls/Etichetta.h"
#include "screens/GrigliaCarte.h"
#include "screens/Schermi.h"
#include "screens/SimboloBambino.h"

namespace {

constexpr Posto Progetto[] = {
    {"Titolo", -1, 120, 60, 9120, 840},
    {"Griglia", -1, 120, 960, 9120, 5280},
};

// A card is this many times as tall as it is wide: the symbol, then its name.
constexpr double Proporzione = 1.3;

} // namespace

void FormChiGioca::CreaControlli(FinestraSchermo& f)
{
    c.Titolo = f.aggiungi(new Etichetta(nullptr, Tesselo::tr("Chi gioca?")), Cerca(Progetto, "Titolo"));
    c.Titolo->setFont(CarattereSans(28, true));
    c.Titolo->setAlignment(Qt::AlignCenter);
    auto* griglia = f.aggiungi(new GrigliaCarte(Proporzione), Cerca(Progetto, "Griglia"));
    c.Griglia = griglia;
    const auto aggiungi = [&](const Giocatore& giocatore, qint64 id, int indice) {
        const QString nome = giocatore.nome;
        auto* s = new SimboloBambino(*giocatore.simbolo, nome, griglia);
        s->setObjectName(NomeControllo("Simbolo", indice));
        QObject::connect(s, &QAbstractButton::clicked, [this, id, nome] { Scegli(id, nome); });
        griglia->aggiungi(s);
        c.simboli.append(s);
    };
    int indice = 0;
    for (const Registro::Bambino& bambino : Seduta::Bambini())
        aggiungi(GiocatoreDi(bambino), bambino.id, indice++);
    aggiungi(Ospite(), 0, indice);
}

void FormChiGioca::Form_Load()
{
    PreparaRidimensionatore();
    const QColor sfondo = ColoreDa(quint32(Modulo1::ColoreCasuale()));
    finestra()->impostaSfondo(sfondo);
    // The title is written in whichever of black and white reads on the
    // colour drawn: black on the darker ones (pure blue, red, green) would
    // be hard to make out.
    QPalette tavolozza = c.Titolo->palette();
    tavolozza.setColor(QPalette::WindowText, InchiostroSu(sfondo));
    c.Titolo->setPalette(tavolozza);
}

void FormChiGioca::Form_Activate()
{
    Schermo::Form_Activate();
    if (!c.simboli.isEmpty())
        c.simboli.first()->setFocus(Qt::OtherFocusReason);
}

void FormChiGioca::Scegli(qint64 bambino, const QString& nome)
{
    Seduta::Scegli(bambino);
    Seduta::DiciNome(nome);
    Schermi::Vai(*this, IdSchermo::formMenu);
}
