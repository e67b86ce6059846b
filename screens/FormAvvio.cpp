#include "screens/FormAvvio.h"
#include "media/Lingua.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Etichetta.h"
#include "controls/Immagine.h"
#include "screens/Schermi.h"

#include <QDate>
#include <QLocale>
#include <QMouseEvent>
#include <functional>

namespace {

constexpr Posto Progetto[] = {
    {"Label1", -1, 2400, 120, 5775, 4200},
    {"Label2", 2, 240, 4680, 2295, 495},
    {"Image1", -1, 360, 960, 1815, 1695},
    {"Image2", -1, 3120, 4200, 1935, 1695},
    {"Image3", -1, 7080, 3120, 1695, 1815},
};

// Turns a click on the window's background into a call.
class ClicSfondo final : public QObject {
public:
    ClicSfondo(QWidget* sfondo, std::function<void()> azione) : QObject(sfondo), azione(std::move(azione))
    {
        sfondo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        // Only the left button clicks; any other is left alone.
        if (evento->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
            azione();
            return true;
        }
        return false;
    }

private:
    std::function<void()> azione;
};

// The release date, written as the language shown writes a date.
QString DataMostrata()
{
    if (Lingua::Attuale() == Lingua::Disponibili().first())
        return QString::fromUtf8(Modulo1::DataRilascio);
    const QDate data = QDate::fromString(QString::fromLatin1(Modulo1::DataRilascioIso), Qt::ISODate);
    //: How the start screen writes its date, in QDate's format: "8 dicembre 2026".
    return QLocale(Lingua::Attuale()).toString(data, Tesselo::tr("d MMMM yyyy"));
}

} // namespace

void FormAvvio::CreaControlli(FinestraSchermo& f)
{
    f.setCursor(Qt::PointingHandCursor);
    c.Label1 = f.aggiungi(new Etichetta(nullptr, QStringLiteral("Tesselo")), Cerca(Progetto, "Label1"));
    c.Label1->setFont(CarattereSerif(90));
    c.Label1->setAlignment(Qt::AlignCenter);
    c.Label1->setCliccabile(true);
    c.Label2 = f.aggiungi(new Etichetta(nullptr, DataMostrata()), Cerca(Progetto, "Label2", 2));
    c.Label2->setFont(CarattereSans(13.5));
    const char* nomi[] = {"Image1", "Image2", "Image3"};
    for (int i = 0; i < 3; ++i) {
        c.Image[i] = f.aggiungi(new Immagine, Cerca(Progetto, nomi[i]));
        QObject::connect(c.Image[i], &Immagine::clicked, [this] { ApriMenu(); });
    }
    QObject::connect(c.Label1, &Etichetta::clicked, [this] { ApriMenu(); });
    new ClicSfondo(f.superficie(), [this] { ApriMenu(); });
}

void FormAvvio::Form_Load()
{
    PreparaRidimensionatore();
    finestra()->impostaSfondo(ColoreDa(quint32(Modulo1::ColoreCasuale())));
    PreparaAvvio();
}

void FormAvvio::PreparaAvvio()
{
    QList<std::pair<Immagine*, QString>> figure;
    for (Immagine* immagine : c.Image) {
        Modulo1::BloccoCasuale();
        figure.append({immagine, Modulo1::PercorsoBlocco});
    }
    Immagine::caricaInsieme(figure);
}

void FormAvvio::ApriMenu()
{
    // With a class, the child first says who plays (with several, after the
    // class is chosen). Further clicks while the
    // class is still being read change nothing.
    if (attendeClasse)
        return;
    attendeClasse = true;
    Seduta::QuandoPronta([this](bool chiGioca) {
        attendeClasse = false;
        if (caricato())
            Schermi::Vai(*this, !chiGioca                     ? IdSchermo::formMenu
                                : Seduta::Classi().isEmpty() ? IdSchermo::FormChiGioca
                                                             : IdSchermo::FormQualeClasse);
    });
}
