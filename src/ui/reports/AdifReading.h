#pragma once
// An ADIF file chosen by the operator and read on a worker thread, the
// window never waiting: a window counts the records read and can cancel.
#include <QString>
#include <functional>

#include "core/reports/AdifReader.h"
#include "ui/kit/AppContext.h"

class QWidget;

// Qt's chooser in the program folder; empty when the operator gives up.
QString ChooseAdifFile(AppContext& context, QWidget* parent, const QString& caption);

// What the worker made of the file, shown on the window's thread.
using AdifDelivery = std::function<void()>;

// Reads `file` under a window captioned `caption`; `plan` then works on the
// records on the worker and gives what to show. A file that cannot be read,
// is not ADIF or holds no record is said, ending with `nothingDone` ("rien
// n'a été importé"). `finished` runs last, on the window's thread, cancelled
// or not.
void ReadAdifInBackground(AppContext& context, QWidget* parent, const QString& file, const QString& caption,
                          const QString& nothingDone, std::function<AdifDelivery(const kmb::AdifFile&)> plan,
                          std::function<void()> finished);
