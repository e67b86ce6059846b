#pragma once
#include <QColor>
#include <QPushButton>

// A command button that Enter presses as well as Space, wherever it stands.
// Given a colour, it paints its face in exactly that colour (the style would
// paint it lighter and paler, turning red into pink), with its caption in
// black or white, whichever stands out on that colour, whatever the desktop's
// palette, and still readable when it is disabled. Without a colour it wears
// the desktop's button colours.
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
