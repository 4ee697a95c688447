#pragma once
// What the two QSL windows share: a title over the sentence "<words> [call
// sign] Cliquez [ICI] pour les afficher", and the list of that station's
// QSOs, each ticked with the space bar.
#include <QString>
#include <functional>
#include <vector>

#include "core/log/LogFile.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

struct QslCallFrame {
  QGroupBox* frame = nullptr;   // Frame1
  QLabel* title = nullptr;      // Titre_QSL: names the station once listed
  QLineEdit* call = nullptr;    // Indicatif
  QPushButton* list = nullptr;  // Recherche, "ICI"
};

// Enter in the call sign runs `onEnter`; small letters are typed as capitals.
QslCallFrame BuildQslCallFrame(const QString& title, const QString& wordsBefore, std::function<void()> onEnter);

// Frame2, holding `list` (Liste_QSO) in the list font.
QGroupBox* BuildQslListFrame(QListWidget*& list, const QString& accessibleName);

void AddTickableRow(QListWidget& list, const kmb::Bytes& row, bool ticked);
// The ticked rows, top to bottom.
std::vector<int> TickedRows(const QListWidget& list);
