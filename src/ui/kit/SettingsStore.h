#pragma once
// The per-user settings: application "KMB", sections "Setup " (the program's)
// and "Setup " + stored call sign (one per station). Nothing is cached: each
// reader asks at the moment it needs the value.
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

namespace settings_keys {
inline const QString kSetup = QStringLiteral("Setup ");
inline const QString kIndicatifStation = QStringLiteral("Indicatif Station");
inline const QString kCheminRepertoire = QStringLiteral("Chemin Repertoire");
inline const QString kBandeUtilisee = QStringLiteral("bande Utilisee");
inline const QString kModeUtilise = QStringLiteral("Mode Utilise");
inline const QString kDateAuto = QStringLiteral("Date Auto");
inline const QString kRevision = QStringLiteral("Revision");
inline const QString kBandeCluster = QStringLiteral("bande Cluster");
// Addresses of the web sites, under "Setup " (for example "https://site.fr").
inline const QString kSiteKmb = QStringLiteral("Site KMB");
inline const QString kSiteCluster = QStringLiteral("Site Cluster");
// The radio, under "Setup ": Hamlib's model number ("0" or absent: none), the
// port (device or "hôte:port") and the speed in bauds (absent: the model's);
// "Non" when the operator unticked it, its model kept for the next time.
inline const QString kRadioModele = QStringLiteral("Radio Modele");
inline const QString kRadioUtilisee = QStringLiteral("Radio Utilisee");
inline const QString kRadioPort = QStringLiteral("Radio Port");
inline const QString kRadioVitesse = QStringLiteral("Radio Vitesse");
// The DX-cluster node of "Spots KMB", under "Setup ": "hôte:port", the call
// sign to log in with (empty: the station's), whether the program listens
// from its start and announces with a sound; the window's choices.
inline const QString kClusterNoeud = QStringLiteral("Cluster Noeud");
inline const QString kClusterIndicatif = QStringLiteral("Cluster Indicatif");
inline const QString kTousLesSpots = QStringLiteral("Tous les spots");
inline const QString kClusterAuDemarrage = QStringLiteral("Cluster Au Demarrage");
inline const QString kClusterAnnonceSonore = QStringLiteral("Cluster Annonce Sonore");
inline const QString kSpotsNouveauxSeulement = QStringLiteral("Spots Nouveaux Seulement");
inline const QString kSpotsBandes = QStringLiteral("Spots Bandes");
}  // namespace settings_keys

class SettingsStore {
 public:
  // The platform's per-user store (on Linux under XDG_CONFIG_HOME).
  SettingsStore();
  // A store in one INI file, for tests and scripts.
  explicit SettingsStore(const QString& iniFile);

  QString read(const QString& section, const QString& key, const QString& fallback = {}) const;
  void write(const QString& section, const QString& key, const QString& value);

  // A tick stored "Oui" or "Non"; anything else gives `absent`.
  bool readTick(const QString& section, const QString& key, bool absent) const;
  void writeTick(const QString& section, const QString& key, bool ticked);

  // A list index; not a number, or outside 0 .. count-1, gives `fallback`.
  int readIndex(const QString& section, const QString& key, int count, int fallback = 0) const;

  static QString stationSection(const QString& storedCall);

  // Called once, at the first write that does not reach the store (a
  // read-only file, a folder in its place), with the store's file name.
  void onWriteFailure(std::function<void(const QString& file)> report) { reportFailure_ = std::move(report); }

 private:
  std::unique_ptr<QSettings> settings_;
  std::function<void(const QString&)> reportFailure_;
  bool failureReported_ = false;
};
