#pragma once
#include <QFont>

// Fixed pitch, so the columns of the list rows line up.
QFont ListFont();
// The font of every printed page: "Courier New" bold 9.
QFont PrintFont();
