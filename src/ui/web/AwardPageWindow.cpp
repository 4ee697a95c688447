#include "ui/web/AwardPageWindow.h"

#include <QVBoxLayout>
#include <QWebEngineView>

#include "core/web/SiteAddress.h"
#include "ui/kit/WindowPlacement.h"
#include "ui/web/SitePage.h"

namespace {

struct PageWindowLook {
  const char* objectName;
  QString title;
  std::string_view path;
};

PageWindowLook LookOf(AwardPage page) {
  if (page == AwardPage::Rules) return {"Reglement", QStringLiteral("Reglement du Diplome Kembaro"), kmb::kRulesPath};
  return {"KMB_Active", QStringLiteral("Liste des KMB activés"), kmb::kActiveListPath};
}

}  // namespace

AwardPageWindow::AwardPageWindow(AppContext& context, AwardPage page) {
  const PageWindowLook look = LookOf(page);
  setObjectName(QString::fromLatin1(look.objectName));
  setWindowTitle(look.title);
  browser_ = NewWebBrowser(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(1000, 720);
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, context.settings);
  ShowSitePage(*browser_, context.settings, settings_keys::kSiteKmb, look.path);
}
