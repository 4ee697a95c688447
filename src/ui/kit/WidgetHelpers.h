#pragma once
// Small helpers every window uses to build its controls and read its keys.
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

// Gives a control the name tests and the code know it by.
template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// Both Enter keys, the main one and the keypad's.
inline bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// Small letters are typed as capitals, accented ones too ("é" as "É"), as
// the log writes them; one without a capital of its own ("ß") stays. A
// letter held with Ctrl or Alt is a command (Ctrl+Z), never typed. True when
// the key was taken.
inline bool TypeSmallLetterAsCapital(QLineEdit& box, const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const QString text = key.text();
  if (text.size() != 1 || !text.at(0).isLower()) return false;
  const QString capital = text.toUpper();
  if (capital.size() != 1 || capital == text) return false;
  box.insert(capital);
  return true;
}
