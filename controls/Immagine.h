#pragma once
#include "app/Immagini.h"

#include <QAbstractButton>
#include <QImage>
#include <QList>
#include <utility>

// A picture control: shows its picture as large as fits its box, keeping its
// proportions, centred (the box's background around it), can be clicked
// (mouse, Space or Enter) and is named for screen readers after what it shows.
class Immagine : public QAbstractButton {
    Q_OBJECT
public:
    explicit Immagine(QWidget* genitore = nullptr);

    // Reads the picture afresh from its file (see CaricaFigura).
    void carica(const QString& percorso);
    // Loads several controls' pictures as carica() loads each, the files read
    // and decoded in parallel where there are cores to spare.
    static void caricaInsieme(const QList<std::pair<Immagine*, QString>>& richieste);
    void svuota();
    void copiaDa(const Immagine& altra);
    bool vuota() const { return dimensione.isEmpty(); }
    // The picture as CaricaFigura gives it. A picture the cache had ready at
    // the size shown is read and decoded only when asked for here.
    const QImage& immagine() const;
    // The media file the picture shown was loaded from.
    const QString& file() const { return percorso; }

    void setBordo(bool bordo);

    QSize sizeHint() const override { return {64, 64}; }

    // The largest box, in device pixels, this control is about to show a
    // picture in.
    QSize latoMassimo() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void impostaFigura(const FiguraNelRiquadro& figura, const QString& percorso, QSize lato);

    // The picture loaded: as CaricaFigura gives it (null until asked for,
    // when it came ready from the cache), its size, its key in the cache,
    // and where it was loaded from for which box.
    mutable QImage figura;
    QSize dimensione;
    QByteArray chiave;
    QString percorso;
    QSize latoCaricato;
    QImage scalata;  // the picture at the size it is shown at, made when that changes
    bool bordo = false;
};
