#include "ui/kit/Messenger.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
const QString kTitle = QStringLiteral("ORX_KMB");
}

void BoxMessenger::inform(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);  // a call sign or a file name is shown as typed, never rendered
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool BoxMessenger::ask(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.exec();
  return box.clickedButton() == yes;
}

bool BoxMessenger::informWithAction(QWidget* parent, const QString& text, const QString& actionCaption) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  QPushButton* action = box.addButton(actionCaption, QMessageBox::ActionRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return box.clickedButton() == action;
}
