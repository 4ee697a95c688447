#pragma once
// Colours of the award windows, from their &H00BBGGRR values.
#include <QColor>

inline QColor FromBgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

inline const QColor kFigureBackground = FromBgr(0x00C0FFFF);  // light yellow
inline const QColor kVerdictRed = FromBgr(0x000000FF);
inline const QColor kVerdictGreen = FromBgr(0x00008000);

// Department boxes of the map and the legend that echoes them.
inline const QColor kBoxNotContacted = FromBgr(0x0080FFFF);
inline const QColor kBoxNotConfirmed = FromBgr(0x00C0C0FF);
inline const QColor kBoxConfirmed = FromBgr(0x0080FF80);
inline const QColor kOnAirMark = FromBgr(0x000000C0);  // a lavoir of the department on the air now
inline const QColor kLegendConfirmed = FromBgr(0x00C0FFC0);
inline const QColor kLegendNotConfirmed = FromBgr(0x00C0C0FF);
inline const QColor kLegendNotContacted = FromBgr(0x00C0FFFF);
