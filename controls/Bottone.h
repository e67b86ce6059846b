#pragma once
#include <QColor>
#include <QPushButton>

// A command button that Enter presses as well as Space, wherever it stands.
// Given a colour, it paints its face in exactly that colour (the style would
// paint it lighter and paler, turning red into pink), keeping its caption
// readable when it is disabled.
class Bottone : public QPushButton {
    Q_OBJECT
public:
    explicit Bottone(const QString& testo = {}, QWidget* genitore = nullptr);

    void setColore(const QColor& colore);
    QColor colore() const { return tinta; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor tinta;  // invalid: the style's own face
};
