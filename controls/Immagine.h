#pragma once
#include <QAbstractButton>
#include <QImage>

#include "app/Immagini.h"

#include <optional>

// A picture control: shows its picture stretched to its box, can be clicked
// (mouse, Space or Enter) and is named for screen readers after what it shows.
class Immagine : public QAbstractButton {
    Q_OBJECT
public:
    explicit Immagine(QWidget* genitore = nullptr);

    // Reads the picture afresh from its file (see CaricaFigura), on another
    // thread: it is in place when the window is next painted, when any of the
    // calls below look at it, or when CompletaTutte is called.
    void carica(const QString& percorso);
    void svuota();
    void copiaDa(const Immagine& altra);
    bool vuota() const { completa(); return figura.isNull(); }
    const QImage& immagine() const { completa(); return figura; }

    // Puts every picture still being read in place.
    static void CompletaTutte();

    void setBordo(bool bordo);

    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void impostaFigura(const QImage& immagine, const QString& nome);
    // The largest box, in device pixels, this control is about to show a
    // picture in.
    QSize latoMassimo() const;

    // Waits for the picture being read, if any, and puts it in place.
    void completa() const;
    // The same without repainting; false when nothing was being read.
    bool ricevi();

    std::optional<LetturaFigura> lettura;
    QImage figura;
    QImage scalata;  // the picture at the box's size, made when the size changes
    bool bordo = false;
};
