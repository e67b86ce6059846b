#include "screens/FormChiGioca.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Etichetta.h"
#include "registro/DisegnoSimbolo.h"
#include "screens/GrigliaCarte.h"
#include "screens/Schermi.h"

#include <QPainter>

// One child's symbol with the name beneath it, on a white card.
class SimboloBambino final : public Carta {
public:
    SimboloBambino(const Registro::Simbolo& simbolo, const QString& nome, QWidget* genitore)
        : Carta(nome, genitore), simbolo(simbolo) {}

protected:
    void resizeEvent(QResizeEvent*) override { figura = {}; }

    void disegna(QPainter& p, const QRectF& carta, double bordo) override
    {
        const double lato = std::min(carta.width(), carta.height() * 0.75) - 2 * bordo;
        const QRectF quadro(carta.center().x() - lato / 2, carta.top() + bordo, lato, lato);
        if (figura.width() != qRound(lato))
            figura = Registro::ImmagineSimbolo(simbolo, qRound(lato));
        p.drawImage(quadro.topLeft(), figura);
        const QRectF riga(carta.left() + bordo, quadro.bottom(), carta.width() - 2 * bordo, carta.bottom() - quadro.bottom());
        // A long name is written smaller, down to two thirds, before it is cut short.
        QFont carattere = CarattereSans(10, true);
        const int altezza = std::max(12, qRound(carta.height() * 0.12));
        carattere.setPixelSize(AltezzaCheSta(carattere, text(), riga.width(), altezza, altezza * 2 / 3));
        p.setFont(carattere);
        p.setPen(Qt::black);
        p.drawText(riga, Qt::AlignCenter, QFontMetrics(carattere).elidedText(text(), Qt::ElideRight, qRound(riga.width())));
    }

private:
    const Registro::Simbolo& simbolo;
    QImage figura;
};

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
    const auto aggiungi = [&](const Registro::Simbolo& simbolo, const QString& nome, qint64 id, int indice) {
        auto* s = new SimboloBambino(simbolo, nome, griglia);
        s->setObjectName(NomeControllo("Simbolo", indice));
        QObject::connect(s, &QAbstractButton::clicked, [this, id, nome] { Scegli(id, nome); });
        griglia->aggiungi(s);
        c.simboli.append(s);
    };
    int indice = 0;
    for (const Registro::Bambino& bambino : Seduta::Bambini()) {
        // A symbol the program no longer knows is shown as the guest's.
        const Registro::Simbolo* simbolo = Registro::TrovaSimbolo(bambino.simbolo);
        aggiungi(simbolo ? *simbolo : Registro::SimboloOspite(), Seduta::NomeMostrato(bambino), bambino.id, indice++);
    }
    const Registro::Simbolo& ospite = Registro::SimboloOspite();
    aggiungi(ospite, Tesselo::tr("ospite"), 0, indice);
}

void FormChiGioca::Form_Load()
{
    PreparaRidimensionatore();
    finestra()->impostaSfondo(ColoreDa(quint32(Modulo1::ColoreCasuale())));
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
