#pragma once
// The entry form of the main window (Frame3): the twelve controls the
// operator walks through with Enter, each checking its text, the mode of the
// entry and the buttons that go with it.
#include <QGroupBox>
#include <QHash>
#include <array>
#include <optional>
#include <string>

#include "core/entry/EntryControls.h"
#include "core/log/LogLine.h"
#include "ui/kit/AppContext.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class ClockPanel;

// What the form needs of the program around it.
class EntrySurroundings {
 public:
  virtual std::string stationCall() const = 0;
  virtual bool automaticDate() const = 0;

 protected:
  ~EntrySurroundings() = default;
};

// "Saisie QSO", "Insertion QSO", "Modification QSO".
enum class EntryMode { Entry, Insertion, Modification };

class EntryForm final : public QGroupBox {
  Q_OBJECT
 public:
  EntryForm(AppContext& context, const EntrySurroundings& around, const ClockPanel& clock, QWidget* parent);

  // A fresh entry (ResetEntry): empty fields, remembered band and mode,
  // the call sign ready, no mode.
  void reset();
  // After a save, answered yes or no: as a reset, but a manual date stays,
  // the QSL box closes and the delete button keeps its state.
  void prepareNextQso();

  // A row of the list shown in the controls, not open for typing.
  void showQso(const kmb::QsoRecord& fields);
  // A row opened for modification: every control open, the call sign first.
  void openQso(const kmb::QsoRecord& fields);
  // A double click with no row chosen: the list stays locked until a reset.
  void lockRow() { rowLocked_ = true; }
  // "Inserer un QSO": the next QSO goes in date order.
  void startInsertion();

  EntryMode mode() const { return mode_; }
  bool rowLocked() const { return rowLocked_; }
  void enableDelete(bool enabled);
  void selectStoredBandAndMode();
  void openCallSign();
  // False while the form shows a row of the list, not open for typing.
  bool callSignOpen() const;
  void clearDate();
  // Why the entry is not free for `action` ("prendre un spot"): a QSO being
  // modified, inserted or typed; nothing when it holds none.
  std::optional<QString> busyFor(const QString& action) const;
  // A spot taken for a new QSO (EntrySpot.cpp): the band, the call sign and
  // the reference go through the Enter walk as if typed, and the spot's mode
  // is the QSO's unless a radio gives one; the reason when the entry holds
  // another QSO or has no such band, and then nothing changes.
  std::optional<QString> takeSpot(const QString& band, const QString& call, const QString& reference,
                                  const QString& mode);

  // The fields as they will be written; false (and said why) when one does
  // not fit its column, since fields edited without Enter were never checked.
  bool readyToSave();
  kmb::QsoRecord record() const;

  // The radio's band (empty: outside the entry's bands) and mode (empty: one
  // the entry leaves as it is). A new QSO being typed takes the band until
  // its reference is accepted and the mode until it is closed with Enter;
  // the last ones given are taken again by each fresh entry.
  void followRadio(const QString& bandLabel, const QString& entryMode);
  void forgetRadio();

  // The buttons that open windows of other areas, wired by those areas.
  QPushButton& searchButton() const { return *search_; }
  QPushButton& activeListButton() const { return *activeList_; }

 signals:
  void validateAsked();  // "Valider le QSO"
  void deleteAsked();    // "Supprimer un QSO"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Control = kmb::EntryControl;

  void build();
  QWidget* control(Control c) const;
  QWidget* nextControl(Control c) const;
  void setMode(EntryMode mode, const QString& caption);
  void restoreDefaultTexts();

  // The Enter walk; true when the key was dealt with.
  bool keyPress(Control c, QKeyEvent& key);
  // False when the control's check refused its text (and said why).
  bool enter(Control c);
  bool refuse(const kmb::Refusal& refusal);
  void closeField(QWidget* field);
  void openField(QWidget* field);
  void rememberBandAndMode(Control c);
  void fillKnownStation();  // FindFirstName
  void acceptReference();   // the Ref_A steps
  QString stationSection() const;
  void takeRadioBandAndMode();

  AppContext& ctx_;
  const EntrySurroundings& around_;
  const ClockPanel& clock_;
  EntryMode mode_ = EntryMode::Entry;
  bool rowLocked_ = false;         // the form belongs to a double-clicked row
  bool firstInstallSaid_ = false;  // where to choose the first station, said once
  QString radioBand_;              // the last band and mode the radio gave
  QString radioMode_;
  bool bandFollowsRadio_ = true;  // until the new QSO's reference is accepted
  bool modeFollowsRadio_ = true;  // until the new QSO's mode is closed with Enter

  QComboBox* band_ = nullptr;                                    // Bande_A
  QLineEdit* call_ = nullptr;                                    // Ind_A
  QLineEdit* firstName_ = nullptr;                               // Prenom_A
  QLineEdit* department_ = nullptr;                              // Dpt_A
  QLineEdit* reference_ = nullptr;                               // Ref_A
  QLineEdit* date_ = nullptr;                                    // Date_A
  QLineEdit* time_ = nullptr;                                    // Heure_A
  QComboBox* qsoMode_ = nullptr;                                 // Mode_A
  QLineEdit* reportReceived_ = nullptr;                          // RST_A
  QLineEdit* reportSent_ = nullptr;                              // RSTE_A
  QLineEdit* lavoirName_ = nullptr;                              // Rem_A
  QCheckBox* qslReceived_ = nullptr;                             // QSL_A
  QLabel* modeCaption_ = nullptr;                                // Mode_Aff
  QPushButton* validate_ = nullptr;                              // Valide_A
  QPushButton* clear_ = nullptr;                                 // Efface_A
  QPushButton* delete_ = nullptr;                                // Annule_Saisie
  QPushButton* insert_ = nullptr;                                // Ajout_QSO
  QPushButton* search_ = nullptr;                                // Rechercher
  QPushButton* activeList_ = nullptr;                            // Liste_KMB_Active
  std::array<QWidget*, kmb::kEntryControls.size()> controls_{};  // in the table's order
  QHash<QObject*, Control> controlOf_;
};
