#include "screens/FormQualeClasse.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Seduta.h"
#include "controls/Etichetta.h"
#include "screens/GrigliaCarte.h"
#include "screens/Schermi.h"

#include <QPainter>

namespace {

constexpr Posto Progetto[] = {
    {"Titolo", -1, 120, 60, 9120, 840},
    {"Griglia", -1, 120, 960, 9120, 5280},
};

// A card is this many times as tall as it is wide: a line or two of a name.
constexpr double Proporzione = 0.55;

// A class's name in large type on a white card; beneath it, smaller, its
// school year when another class of the register has the same name.
class NomeClasse final : public Carta {
public:
    NomeClasse(const QString& nome, const QString& anno, QWidget* genitore) : Carta(nome, genitore), anno(anno)
    {
        if (!anno.isEmpty())
            setAccessibleDescription(anno);
    }

protected:
    void disegna(QPainter& p, const QRectF& carta, double bordo) override
    {
        const QRectF dentro = carta.adjusted(bordo * 2, bordo, -bordo * 2, -bordo);
        const double perAnno = anno.isEmpty() ? 0 : dentro.height() * 0.25;
        const QRectF riga(dentro.left(), dentro.top(), dentro.width(), dentro.height() - perAnno);
        // A long name is written smaller, down to a third, before it is cut short.
        QFont carattere = CarattereSans(10, true);
        const int altezza = std::max(14, qRound(riga.height() * 0.5));
        carattere.setPixelSize(AltezzaCheSta(carattere, text(), riga.width(), altezza, std::max(12, altezza / 3)));
        p.setFont(carattere);
        p.setPen(Qt::black);
        p.drawText(riga, Qt::AlignCenter,
                   QFontMetrics(carattere).elidedText(text(), Qt::ElideRight, qRound(riga.width())));
        if (anno.isEmpty())
            return;
        QFont piccolo = CarattereSans(10, false);
        piccolo.setPixelSize(std::max(10, qRound(perAnno * 0.7)));
        p.setFont(piccolo);
        p.drawText(QRectF(dentro.left(), riga.bottom(), dentro.width(), perAnno), Qt::AlignHCenter | Qt::AlignTop, anno);
    }

private:
    const QString anno;
};

} // namespace

void FormQualeClasse::CreaControlli(FinestraSchermo& f)
{
    c.Titolo = f.aggiungi(new Etichetta(nullptr, Tesselo::tr("Quale classe?")), Cerca(Progetto, "Titolo"));
    c.Titolo->setFont(CarattereSans(28, true));
    c.Titolo->setAlignment(Qt::AlignCenter);
    auto* griglia = f.aggiungi(new GrigliaCarte(Proporzione), Cerca(Progetto, "Griglia"));
    c.Griglia = griglia;
    const QList<Registro::Classe> classi = Seduta::Classi();
    for (const Registro::Classe& classe : classi) {
        // The year tells apart two classes of the same name, and only then.
        const bool omonima = std::count_if(classi.begin(), classi.end(), [&](const Registro::Classe& altra) {
                                 return altra.nome == classe.nome;
                             }) > 1;
        auto* carta = new NomeClasse(classe.nome, omonima ? classe.annoScolastico : QString(), griglia);
        carta->setObjectName(NomeControllo("Classe", int(c.classi.size())));
        QObject::connect(carta, &QAbstractButton::clicked,
                         [this, id = classe.id, nome = classe.nome] { Scegli(id, nome); });
        griglia->aggiungi(carta);
        c.classi.append(carta);
    }
}

void FormQualeClasse::Form_Load()
{
    PreparaRidimensionatore();
    // A fixed colour, drawn from no generator: the random draws of a sitting
    // stay those of the design, whether or not this screen was shown.
    finestra()->impostaSfondo(ColoreDa(Colori::VerdeChiaro));
}

void FormQualeClasse::Form_Activate()
{
    Schermo::Form_Activate();
    if (!c.classi.isEmpty())
        c.classi.first()->setFocus(Qt::OtherFocusReason);
}

void FormQualeClasse::Scegli(qint64 classe, const QString& nome)
{
    Seduta::ScegliClasse(classe);
    Seduta::DiciNome(nome);
    Schermi::Vai(*this, IdSchermo::FormChiGioca);
}
