#pragma once
#include <QKeyEvent>
#include <QPushButton>

// A command button that Enter presses as well as Space, wherever it stands.
class Bottone : public QPushButton {
    Q_OBJECT
public:
    explicit Bottone(const QString& testo = {}, QWidget* genitore = nullptr) : QPushButton(testo, genitore)
    {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void keyPressEvent(QKeyEvent* evento) override
    {
        if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(evento);
    }
};
