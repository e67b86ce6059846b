#pragma once
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <vector>

class Linea;

// The surface of the roads drawn by a screen's edge lines: each road is a
// closed outline through end points of the edge lines, filled like asphalt,
// with a dashed white centre line, and parking areas in asphalt too. It reads the lines' end points whenever it
// paints, so it follows them as the resizer scales the window. It only draws;
// clicks pass through it, and it stands below every other control.
class Asfalto final : public QWidget {
    Q_OBJECT
public:
    // One end of an edge line: the first point (X1, Y1) or the second (X2, Y2).
    struct Estremo {
        QPointer<const Linea> linea;
        bool secondo = false;
    };

    // The colour of the road surface.
    static inline const QColor Colore{0x70, 0x70, 0x74};

    explicit Asfalto(QWidget* genitore = nullptr);

    // A road's outline, going round it through these line ends in order.
    void aggiungiStrada(std::vector<Estremo> contorno);
    // A centre line through the points halfway between two line ends each,
    // for example the middle of a road's mouth and the middle of its fork.
    void aggiungiMezzeria(std::vector<std::pair<Estremo, Estremo>> punti);

    // A parking area at the end of a road: the area's box in asphalt, with a
    // white stall line at each side of every slot inside it.
    void aggiungiParcheggio(QWidget* area);

    // Where a line end stands now, in this widget's coordinates.
    QPointF punto(const Estremo& e) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // A box of this widget's container in this widget's coordinates.
    QRectF qui(const QRect& nelContenitore) const;
    // Every place the drawing depends on, and the drawing itself.
    QList<qreal> chiave() const;
    void disegna(QPainter& p) const;

    std::vector<std::vector<Estremo>> strade;
    std::vector<std::vector<std::pair<Estremo, Estremo>>> mezzerie;
    std::vector<QPointer<QWidget>> parcheggi;
    // The surface as last drawn, and the places it was drawn for.
    QPixmap disegno;
    QList<qreal> chiaveDisegno;
};
