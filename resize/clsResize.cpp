#include "resize/clsResize.h"

#include "controls/Linea.h"

#include <QScreen>
#include <cmath>

namespace {

// Which of the four values a control's Tag asks to scale: "@" followed by any
// of L, T, W, H (either case); anything else scales all four.
std::array<bool, 4> ValoriDaScalare(const QObject* controllo)
{
    // Most controls have no Tag at all: that is known without looking the
    // name up among every property of the control's class.
    if (!controllo->dynamicPropertyNames().contains(QByteArrayLiteral("Tag")))
        return {true, true, true, true};
    const QString tag = controllo->property("Tag").toString().toUpper();
    if (!tag.startsWith('@'))
        return {true, true, true, true};
    const QString lettere = tag.mid(1);
    return {lettere.contains('L'), lettere.contains('T'), lettere.contains('W'), lettere.contains('H')};
}

int Arrotonda(double v)
{
    return static_cast<int>(std::nearbyint(v)); // halves to the even neighbour
}

} // namespace

clsResize::~clsResize()
{
    ControlPositions.clear();
}

void clsResize::ReInitialise()
{
    RecordControlPositions();
}

void clsResize::RecordControlPositions()
{
    if (!sourceForm)
        return;
    RecordedWidth = sourceForm->larghezzaInterna();
    RecordedHeight = sourceForm->altezzaInterna();
    ControlPositions.clear();
    for (QObject* controllo : sourceForm->controlli()) {
        ControlPosition record{controllo, {}};
        if (const auto* linea = qobject_cast<const Linea*>(controllo))
            record.valori = {Arrotonda(linea->X1()), Arrotonda(linea->Y1()), Arrotonda(linea->X2()),
                             Arrotonda(linea->Y2())};
        else if (const auto* widget = qobject_cast<const QWidget*>(controllo))
            record.valori = {widget->x(), widget->y(), widget->width(), widget->height()};
        ControlPositions.push_back(record);
    }
    NeedsRecording = false;
}

void clsResize::SizeFormToScreen(quint8 Percent)
{
    if (!sourceForm)
        return;
    if (NeedsRecording)
        RecordControlPositions();
    const QRect area = sourceForm->screen()->geometry();
    const QSize schermo = area.size();
    const int H = static_cast<int>(Percent / 100.0 * schermo.height());
    const int W = static_cast<int>(Percent / 100.0 * schermo.width());
    // The window's outer size includes its frame, where the window system gives one.
    const QSize cornice = sourceForm->frameGeometry().size() - sourceForm->size();
    sourceForm->move(area.left() + qRound((schermo.width() - W) / 2.0),
                     area.top() + qRound((schermo.height() - H) / 2.0));
    sourceForm->resize(W - cornice.width(), H - cornice.height());
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!sourceForm || sourceForm->controlli().isEmpty() || sourceForm->isMinimized())
        return;
    if (NeedsRecording) {
        RecordControlPositions();
        return;
    }
    if (RecordedWidth <= 0 || RecordedHeight <= 0)
        return; // nothing sensible to scale from
    // Redraw waits until every control is in place (unless the window is
    // already waiting for something else).
    const bool ridisegnava = sourceForm->updatesEnabled();
    sourceForm->setUpdatesEnabled(false);
    const double RY = double(sourceForm->altezzaInterna()) / RecordedHeight;
    const double RX = double(sourceForm->larghezzaInterna()) / RecordedWidth;
    for (const ControlPosition& record : ControlPositions) {
        QObject* controllo = record.control;
        if (!controllo)
            continue;
        const auto scala = ValoriDaScalare(controllo);
        const auto& v = record.valori;
        if (auto* linea = qobject_cast<Linea*>(controllo)) {
            // Both ends at once: the line's box is placed once, not four times.
            QLineF l = linea->linea();
            l.setLine(scala[0] ? v[0] * RX : l.x1(), scala[1] ? v[1] * RY : l.y1(),
                      scala[2] ? v[2] * RX : l.x2(), scala[3] ? v[3] * RY : l.y2());
            linea->setEstremi(l);
        } else if (auto* widget = qobject_cast<QWidget*>(controllo)) {
            QRect r = widget->geometry();
            if (scala[0]) r.moveLeft(qRound(v[0] * RX));
            if (scala[1]) r.moveTop(qRound(v[1] * RY));
            if (scala[2]) r.setWidth(qRound(v[2] * RX));
            if (scala[3]) r.setHeight(qRound(v[3] * RY));
            widget->setGeometry(r);
        }
        // Menu items have no place: their records hold zeros and stay untouched.
    }
    sourceForm->setUpdatesEnabled(ridisegnava);
}
