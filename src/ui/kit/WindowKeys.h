#pragma once
// The operator types while listening to the radio: every window works from
// the keyboard alone.
#include <functional>

class QLineEdit;
class QWidget;

// Enter presses the button that has the focus, in every button of the window.
void PressButtonsOnEnter(QWidget& window);

// Escape closes a secondary window.
void CloseOnEscape(QWidget& window);

// Enter on `widget` (a status line the Tab key reaches) runs `act`.
void ActOnEnter(QWidget& widget, std::function<void()> act);

// Enter in `box` runs `act`; small letters are typed as capitals, as the log
// writes call signs.
void ActOnEnterTypingCapitals(QLineEdit& box, std::function<void()> act);
