#include "screens/FormChiGioca.h"
#include "media/Testi.h"

#include "app/Caratteri.h"
#include "app/Colori.h"
#include "app/Modulo1.h"
#include "app/Seduta.h"
#include "controls/Etichetta.h"
#include "registro/DisegnoSimbolo.h"
#include "screens/Schermi.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

// One child's symbol with the name beneath it, on a white card: a button
// that the mouse, a finger, Space or Return press, and the arrows leave.
class SimboloBambino final : public QAbstractButton {
public:
    SimboloBambino(const Registro::Simbolo& simbolo, const QString& nome, QWidget* genitore)
        : QAbstractButton(genitore), simbolo(simbolo)
    {
        setText(nome);
        setAccessibleName(nome);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

    // Moves the focus dx columns and dy rows away.
    std::function<void(SimboloBambino*, int dx, int dy)> sposta;

protected:
    void resizeEvent(QResizeEvent*) override { figura = {}; }

    void keyPressEvent(QKeyEvent* evento) override
    {
        switch (evento->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            animateClick();
            return;
        case Qt::Key_Left: return Sposta(-1, 0);
        case Qt::Key_Right: return Sposta(1, 0);
        case Qt::Key_Up: return Sposta(0, -1);
        case Qt::Key_Down: return Sposta(0, 1);
        default:
            QAbstractButton::keyPressEvent(evento);
        }
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double bordo = std::max(3.0, width() / 30.0);
        const QRectF carta = QRectF(rect()).adjusted(bordo, bordo, -bordo, -bordo);
        QPainterPath forma;
        forma.addRoundedRect(carta, bordo * 3, bordo * 3);
        p.fillPath(forma, isDown() ? QColor(225, 225, 225) : QColor(Qt::white));
        // The focus shows as a thick dark ring, whatever the desktop's style.
        if (hasFocus())
            p.strokePath(forma, QPen(QColor(20, 40, 140), bordo * 1.6));
        const double lato = std::min(carta.width(), carta.height() * 0.75) - 2 * bordo;
        const QRectF quadro(carta.center().x() - lato / 2, carta.top() + bordo, lato, lato);
        if (figura.width() != qRound(lato))
            figura = Registro::ImmagineSimbolo(simbolo, qRound(lato));
        p.drawImage(quadro.topLeft(), figura);
        const QRectF riga(carta.left() + bordo, quadro.bottom(), carta.width() - 2 * bordo, carta.bottom() - quadro.bottom());
        // A long name is written smaller, down to two thirds, before it is cut short.
        QFont carattere = CarattereSans(10, true);
        const int altezza = std::max(12, qRound(carta.height() * 0.12));
        carattere.setPixelSize(altezza);
        const double larghezza = QFontMetricsF(carattere).horizontalAdvance(text());
        if (larghezza > riga.width())
            carattere.setPixelSize(std::max(altezza * 2 / 3, int(altezza * riga.width() / larghezza)));
        p.setFont(carattere);
        p.setPen(Qt::black);
        p.drawText(riga, Qt::AlignCenter, QFontMetrics(carattere).elidedText(text(), Qt::ElideRight, qRound(riga.width())));
    }

private:
    void Sposta(int dx, int dy)
    {
        if (sposta)
            sposta(this, dx, dy);
    }

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

// The symbols in rows, as many columns as make the cards largest, the whole
// centred in its box.
class GrigliaSimboli final : public QWidget {
public:
    using QWidget::QWidget;

    void aggiungi(SimboloBambino* simbolo)
    {
        simbolo->sposta = [this](SimboloBambino* da, int dx, int dy) { sposta(da, dx, dy); };
        simboli.append(simbolo);
    }

protected:
    void resizeEvent(QResizeEvent*) override { disponi(); }

private:
    void disponi()
    {
        const int n = int(simboli.size());
        double migliore = 0;
        for (int colonne = 1; colonne <= n; ++colonne) {
            const int righe = (n + colonne - 1) / colonne;
            const double lato = std::min(double(width()) / colonne, height() / (righe * Proporzione));
            if (lato > migliore) {
                migliore = lato;
                this->colonne = colonne;
            }
        }
        const int righe = (n + colonne - 1) / colonne;
        const double x0 = (width() - colonne * migliore) / 2;
        const double y0 = (height() - righe * migliore * Proporzione) / 2;
        // Each edge rounded once, so that neighbours share it and never overlap.
        const auto x = [&](int colonna) { return qRound(x0 + colonna * migliore); };
        const auto y = [&](int riga) { return qRound(y0 + riga * migliore * Proporzione); };
        for (int i = 0; i < n; ++i) {
            const int colonna = i % colonne, riga = i / colonne;
            simboli[i]->setGeometry(QRect(QPoint(x(colonna), y(riga)), QPoint(x(colonna + 1) - 1, y(riga + 1) - 1)));
        }
    }

    void sposta(SimboloBambino* da, int dx, int dy)
    {
        const int i = int(simboli.indexOf(da)) + dx + dy * colonne;
        if (i >= 0 && i < simboli.size())
            simboli[i]->setFocus(Qt::OtherFocusReason);
    }

    QList<SimboloBambino*> simboli;
    int colonne = 1;
};

} // namespace

void FormChiGioca::CreaControlli(FinestraSchermo& f)
{
    c.Titolo = f.aggiungi(new Etichetta(nullptr, Tesselo::tr("Chi gioca?")), Cerca(Progetto, "Titolo"));
    c.Titolo->setFont(CarattereSans(28, true));
    c.Titolo->setAlignment(Qt::AlignCenter);
    auto* griglia = f.aggiungi(new GrigliaSimboli, Cerca(Progetto, "Griglia"));
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
