#pragma once
// "Lavoirs contactés et confirmés": the wash-houses contacted on a band
// group, in reference order, with their counts; saved as a text file in the
// program's folder or printed.
#include <QWidget>

#include "core/log/FixedColumns.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class ColumnTitles;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class LogListModel;

class ContactedListWindow final : public QWidget {
  Q_OBJECT
 public:
  ContactedListWindow(AppContext& context, const LogbookView& logbook);

  // Reads the log again for the group on screen, if one is.
  void showLog();

 private:
  QWidget* buildCommands();
  QWidget* buildCounts();

  void display();
  void listGroup(kmb::Bytes group);
  void save();
  void print();

  AppContext& context_;
  const LogbookView& logbook_;
  QComboBox* group_ = nullptr;
  QPushButton* displayButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* quitButton_ = nullptr;
  ColumnTitles* header_ = nullptr;
  QListView* list_ = nullptr;
  LogListModel* lines_ = nullptr;
  // The group of the list on screen, which saving and printing name: the
  // group box may have been changed since without "Afficher".
  kmb::Bytes shownGroup_;
  QLabel* listedCount_ = nullptr;
  QLabel* confirmedCount_ = nullptr;
};
