// The entry following the radio: a new QSO takes the band and the mode the
// radio is on, so that neither is copied by hand.
#include <QComboBox>
#include <QLineEdit>

#include "app/EntryForm.h"

void EntryForm::followRadio(const QString& bandLabel, const QString& entryMode) {
  radioBand_ = bandLabel;
  radioMode_ = entryMode;
  takeRadioBandAndMode();
}

// A radio lost or stopped no longer sets the entry: an untouched new QSO
// takes the operator's remembered band and mode again, and so does each
// fresh entry until a connected radio answers.
void EntryForm::forgetRadio() {
  radioBand_.clear();
  radioMode_.clear();
  if (mode_ == EntryMode::Entry && !rowLocked_ && callSignOpen() && call_->text().isEmpty()) selectStoredBandAndMode();
}

// Only a new QSO being typed: a QSO already made, or a row of the list
// shown, keeps the band and mode it was made on.
void EntryForm::takeRadioBandAndMode() {
  if (mode_ != EntryMode::Entry || rowLocked_ || !callSignOpen()) return;
  if (const int band = band_->findText(radioBand_); bandFollowsRadio_ && band >= 0) band_->setCurrentIndex(band);
  if (modeFollowsRadio_ && !radioMode_.isEmpty()) qsoMode_->setEditText(radioMode_);
}
