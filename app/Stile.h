#pragma once
class QStyle;

// The look of the program: Qt's Fusion style, where a control's background
// colour shows, with the menu bar reachable from the keyboard by pressing Alt.
// Also turns Qt's shared pixmap cache off (see Stile.cpp).
QStyle* CreaStile();
