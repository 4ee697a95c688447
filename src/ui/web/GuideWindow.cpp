#include "ui/web/GuideWindow.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

namespace {

// The picture's own size, loaded from the program's resources.
QSize PictureSize(QTextBrowser& text, const QString& name) {
  const QVariant picture = text.loadResource(QTextDocument::ImageResource, QUrl(name));
  if (picture.canConvert<QImage>()) return picture.value<QImage>().size();
  return QImage::fromData(picture.toByteArray()).size();
}

}  // namespace

GuideWindow::GuideWindow(SettingsStore& settings) {
  setObjectName(QStringLiteral("Guide"));
  setWindowTitle(QStringLiteral("Guide d'utilisation d'ORX_KMB"));
  text_ = Named(new QTextBrowser(this), "Texte_Guide");
  text_->setOpenExternalLinks(true);
  // The pictures are named relative to the guide, under the same prefix. The
  // guide holds no HTML: "<indicatif>" in its text is words, not a tag that
  // would hide the rest of the guide.
  text_->setSearchPaths({QStringLiteral(":/guide")});
  QFile guide(QStringLiteral(":/guide/guide.md"));
  if (guide.open(QIODevice::ReadOnly))
    text_->document()->setMarkdown(
        QString::fromUtf8(guide.readAll()),
        QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub | QTextDocument::MarkdownNoHTML));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  // Arrows and page keys scroll the guide from the start; Tab walks its links.
  setFocusProxy(text_);
  text_->viewport()->installEventFilter(this);
  resize(1120, 760);  // wide enough for the main window's picture
  PlaceWindow(*this, settings);
}

bool GuideWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::Resize) fitPictures();
  return QWidget::eventFilter(watched, event);
}

// Each picture as wide as it is, or as the window when that is narrower,
// its height following, so no picture hides behind a sideways scroll bar.
void GuideWindow::fitPictures() {
  QTextDocument& document = *text_->document();
  const int room = text_->viewport()->width() - 2 * static_cast<int>(document.documentMargin()) - 2;
  if (room <= 0) return;
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat picture = fragment.charFormat().toImageFormat();
      if (!picture.isValid()) continue;
      const QSize natural = PictureSize(*text_, picture.name());
      if (natural.isEmpty()) continue;
      const int width = std::min(natural.width(), room);
      if (picture.width() == width) continue;  // laid out already: no second layout of the guide
      picture.setWidth(width);
      picture.setHeight(natural.height() * width / natural.width());
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(picture);
    }
  }
}
