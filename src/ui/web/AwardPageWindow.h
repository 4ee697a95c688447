#pragma once
// A window showing one page of the award's web site: its rules or its list
// of active wash-houses.
#include <QWidget>

#include "ui/kit/AppContext.h"

class QWebEngineView;

enum class AwardPage { Rules, ActiveList };

class AwardPageWindow final : public QWidget {
  Q_OBJECT
 public:
  AwardPageWindow(AppContext& context, AwardPage page);

 private:
  QWebEngineView* browser_ = nullptr;
};
