#include "ui/web/GuideWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

GuideWindow::GuideWindow(SettingsStore& settings) {
  setObjectName(QStringLiteral("Guide"));
  setWindowTitle(QStringLiteral("Guide d'utilisation d'ORX_KMB"));
  text_ = Named(new QTextBrowser(this), "Texte_Guide");
  text_->setOpenExternalLinks(true);
  // The pictures are named relative to the guide, under the same prefix.
  text_->setSource(QUrl(QStringLiteral("qrc:/guide/guide.md")), QTextDocument::MarkdownResource);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  // Arrows and page keys scroll the guide from the start; Tab walks its links.
  setFocusProxy(text_);
  resize(1120, 760);  // wide enough for the main window's picture
  PlaceWindow(*this, settings);
}
