#pragma once
#include <QAbstractButton>
#include <QLabel>

// Sets the colour a control paints behind its content (labels, buttons, the
// check box, windows), and a text colour that shows on it whatever the
// desktop's palette: black on all but a button, and on everything standing
// on it without a background of its own.
void ImpostaSfondo(QWidget* controllo, const QColor& colore);
QColor SfondoDi(const QWidget* controllo);
// The system's colours for window contents (white with black text on a
// default desktop), followed live so that a desktop theme applies.
void UsaColoriContenuto(QWidget* controllo);

// A label: word-wrapped caption, optional background; it swallows clicks so
// that a click on it never reaches the window behind. A label that leads
// somewhere (setCliccabile) can also be reached with Tab and pressed with
// Space or Enter.
class Etichetta : public QLabel {
    Q_OBJECT
public:
    explicit Etichetta(QWidget* genitore = nullptr, const QString& testo = {});

    void setCliccabile(bool cliccabile);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    bool cliccabile = false;
};

// A frame without caption that holds other controls and can itself be
// clicked; disabling it disables everything inside it.
class Cornice : public QAbstractButton {
    Q_OBJECT
public:
    explicit Cornice(QWidget* genitore = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
};
