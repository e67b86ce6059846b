#pragma once
#include <QColor>
#include <QLineF>
#include <QWidget>

// A line control: two end points in its container's coordinates, a width and
// a colour. It only draws; clicks pass through it.
class Linea : public QWidget {
    Q_OBJECT
public:
    Linea(QWidget* genitore, QLineF estremi, int spessore, QColor colore = Qt::black);

    double X1() const { return estremi.x1(); }
    double Y1() const { return estremi.y1(); }
    double X2() const { return estremi.x2(); }
    double Y2() const { return estremi.y2(); }
    void setX1(double v);
    void setY1(double v);
    void setX2(double v);
    void setY2(double v);
    // Both end points at once.
    void setEstremi(QLineF nuovi);
    QLineF linea() const { return estremi; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLineF estremi;
    int spessore;
    QColor colore;
};

// A rectangle outline (a frame drawn around something); clicks pass through it.
class Rettangolo : public QWidget {
    Q_OBJECT
public:
    Rettangolo(QWidget* genitore, QColor colore, int spessore);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colore;
    int spessore;
};
