#pragma once
// Every message box goes through here, so tests can read what was said and
// answer the questions.
#include <QString>

class QWidget;

class Messenger {
 public:
  virtual ~Messenger() = default;
  // A message with an OK button, titled "ORX_KMB".
  virtual void inform(QWidget* parent, const QString& text) = 0;
  // A question with "Oui" and "Non"; true for "Oui".
  virtual bool ask(QWidget* parent, const QString& text) = 0;
  // A message with OK and one more button, `actionCaption`; true when that one was chosen.
  virtual bool informWithAction(QWidget* parent, const QString& text, const QString& actionCaption) = 0;
};

class BoxMessenger final : public Messenger {
 public:
  void inform(QWidget* parent, const QString& text) override;
  bool ask(QWidget* parent, const QString& text) override;
  bool informWithAction(QWidget* parent, const QString& text, const QString& actionCaption) override;
};
