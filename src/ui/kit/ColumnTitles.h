#pragma once
// The titles of a fixed-pitch list, drawn as one more row of that list: the
// same font, the same margins, scrolled sideways with it, so that each title
// stands over its column whatever the width of the window.
#include <QListView>

class QStringListModel;

class ColumnTitles final : public QListView {
  Q_OBJECT
 public:
  ColumnTitles(QAbstractItemView& list, QWidget* parent);

  void setText(const QString& titles);
  QString text() const;

 private:
  QStringListModel* model_ = nullptr;
};
