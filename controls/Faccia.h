#pragma once
#include <QPixmap>
#include <QWidget>

// A feedback picture: a yellow smiling face for a right answer, a red
// frowning one for a wrong answer, drawn at whatever size the box has.
class Faccia : public QWidget {
    Q_OBJECT
public:
    Faccia(QWidget* genitore, bool sorridente);
    bool sorridente() const { return felice; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool felice;
    QPixmap disegno;  // the face at the box's size, drawn when the size changes
};
