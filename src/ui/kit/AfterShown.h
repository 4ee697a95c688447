#pragma once
// Work a window does once it is on screen, so that a message it gives (a log
// that cannot be read) stands in front of the window it is about.
#include <functional>

class QWidget;

void AfterFirstShown(QWidget& window, std::function<void()> work);
