// What the program's windows share around their controls: the standard font, the hidden "Exit"
// button that Esc clicks, and centring on the screen.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace Window_Chrome {

// The font of the windows with many small controls: Arial, 8 points.
QFont Standard_Font();

// The window's "Exit" button at its place in twips, below the client area: never seen, never
// focused. Esc clicks it (Esc_Clicks); the window connects it to what Exit means there.
QPushButton* Exit_Button(QWidget& window, const QRect& twips);

// For a window's key handler: Esc without modifiers clicks `exit`; true when it did.
bool Esc_Clicks(const QKeyEvent& event, QPushButton& exit);

// Moves the window so that its outer size `outer` is centred on the primary screen's work area.
void Centre_On_Screen(QWidget& window, QSize outer);

}  // namespace Window_Chrome
