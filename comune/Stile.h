#pragma once
class QStyle;

// The look of the program: Qt's Fusion style, where a control's background
// colour shows, with the menu bar reachable from the keyboard by pressing Alt
// and its chosen entry shown in the highlight colour, whether its list is
// open or not. Also turns Qt's shared pixmap cache off (see Stile.cpp).
QStyle* CreaStile();

class QColor;
class QPainter;
class QRect;

// The keyboard focus of a button, picture, framed area or check box: a frame
// 4 pixels wide round box, black outside and white inside where the window is
// light, the other way round where it is dark, so that it shows on every
// background colour and on every control's face.
void DisegnaFuoco(QPainter& p, const QRect& box, const QColor& sfondoFinestra);

// Black or white, whichever stands out more against sfondo (by the contrast
// of their relative luminances): the caption of a control painted in a
// colour of the program's own, whatever the desktop's palette.
QColor InchiostroSu(const QColor& sfondo);
