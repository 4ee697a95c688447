#pragma once
// Entry fields as wide as the longest text they hold, in the font they show it in.
#include <QChar>

class QWidget;

// At least wide enough for `characters` characters as wide as `widest`, with the frame and margins the style draws
// around the text; for a line edit or a combo box.
void FitCharacters(QWidget& field, int characters, QChar widest);
