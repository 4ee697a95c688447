#pragma once
// The window tests of the web pages, run from one main that prepares the web
// engine before the application exists.
#include <QString>
#include <QWebEngineProfile>
#include <QWebEngineView>

int RunClusterWindowTests(int argc, char** argv);
int RunAwardPageWindowTests(int argc, char** argv);
int RunWebCommandsTests(int argc, char** argv);

// Waits for the view's current load to end; true when it ended well.
bool WaitForLoad(QWebEngineView& view);
// The text of the page shown, once the engine has given it; a note when it never came.
QString PlainTextOf(QWebEngineView& view);
