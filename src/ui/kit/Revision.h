#pragma once
#include <QString>

// " 1.0.1": the version of the build, with the blank the captions expect.
inline const QString kRevisionText = QStringLiteral(" " KMB_VERSION);
