#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "ui/web/WebLanguage.h"
#include "web/WebTests.h"

namespace {
// A first load starts the engine's processes, which takes a while on a busy machine.
constexpr int kLoadTimeoutMs = 30000;
}  // namespace

bool WaitForLoad(QWebEngineView& view) {
  QSignalSpy finished(&view, &QWebEngineView::loadFinished);
  if (!finished.wait(kLoadTimeoutMs)) return false;
  return finished.last().at(0).toBool();
}

QString PlainTextOf(QWebEngineView& view) {
  auto text = std::make_shared<QString>();
  auto arrived = std::make_shared<bool>(false);
  view.page()->toPlainText([text, arrived](const QString& plain) {
    *text = plain;
    *arrived = true;
  });
  if (!QTest::qWaitFor([&] { return *arrived; }, kLoadTimeoutMs)) return QStringLiteral("(no text came)");
  return *text;
}

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  SpeakFrenchOnTheWeb();
  QApplication app(argc, argv);
  int failures = 0;
  failures += RunClusterWindowTests(argc, argv);
  failures += RunAwardPageWindowTests(argc, argv);
  failures += RunWebCommandsTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
