#pragma once
// Controls built with the names tests and users know.
#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);
QFrame* NamedFrame(const char* name, QWidget* parent);
// A read-only text box with centred text on a coloured background.
QLineEdit* FigureBox(const char* name, const QColor& background, QWidget* parent);
// The large bold title line at the top of a window.
QFrame* TitleFrame(const QString& title, QWidget* parent);
void SetTextColour(QWidget& widget, const QColor& colour);
// Screen readers call a control by the caption beside it, without the & that marks its shortcut letter.
void NameAfterCaption(QWidget& control, const QString& caption);

// A status line: plain text (it shows what a node or a radio says), called
// `accessibleName` by screen readers, which also hear its words.
QLabel* StatusLine(const char* name, const QString& accessibleName, QWidget* parent);
void ShowStatus(QLabel& line, const QString& text);
