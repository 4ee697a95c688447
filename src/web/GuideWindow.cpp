#include "web/GuideWindow.h"

#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/WidgetHelpers.h"
#include "app/WindowPlacement.h"

GuideWindow::GuideWindow() {
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
  CentreOnScreen(*this);
}

void GuideWindow::keyPressEvent(QKeyEvent* key) {
  // The browser leaves Escape to its window.
  if (key->key() == Qt::Key_Escape)
    close();
  else
    QWidget::keyPressEvent(key);
}
