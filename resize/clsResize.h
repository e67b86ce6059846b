#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

// What the resizer needs of a window: its inner (client) size, in the same
// pixels as its controls' places, and the list of its controls in the
// window's own order (menu items included).
class FinestraRidimensionabile : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual int larghezzaInterna() const = 0;
    virtual int altezzaInterna() const = 0;
    virtual QList<QObject*> controlli() const = 0;
};

// One control's recorded place: Left, Top, Width, Height, or X1, Y1, X2, Y2
// for a line. A control without a place (a menu item) keeps zeros.
struct ControlPosition {
    QPointer<QObject> control;
    std::array<int, 4> valori{};
};

// Keeps every control of one window in proportion to the window's size. It
// records the layout once and from then on always scales from the recorded
// values, so repeated resizing never accumulates rounding.
class clsResize {
public:
    clsResize() = default;
    ~clsResize();

    FinestraRidimensionabile* SourceForm() const { return sourceForm; }
    void setSourceForm(FinestraRidimensionabile* New_SourceForm) { sourceForm = New_SourceForm; }

    void ReInitialise();
    void SizeFormToScreen(quint8 Percent);
    void ResizeControls();

    int RecordedWidth = 0;
    int RecordedHeight = 0;
    std::vector<ControlPosition> ControlPositions;
    bool NeedsRecording = true;

private:
    void RecordControlPositions();

    QPointer<FinestraRidimensionabile> sourceForm;
};
