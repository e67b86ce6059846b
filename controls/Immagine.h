#pragma once
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
    bool vuota() const { return figura.isNull(); }
    const QImage& immagine() const { return figura; }

    void setBordo(bool bordo);

    QSize sizeHint() const override { return {64, 64}; }

    // The largest box, in device pixels, this control is about to show a
    // picture in.
    QSize latoMassimo() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void impostaFigura(const QImage& immagine, const QString& nome);

    QImage figura;
    QImage scalata;  // the picture at the size it is shown at, made when that changes
    bool bordo = false;
};
