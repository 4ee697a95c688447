#include "ui/kit/SettingsStore.h"

#include "core/settings/StoredIndex.h"

namespace {
QString KeyPath(const QString& section, const QString& key) { return section + u'/' + key; }
}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KMB"),
                                            QStringLiteral("KMB"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString SettingsStore::read(const QString& section, const QString& key, const QString& fallback) const {
  return settings_->value(KeyPath(section, key), fallback).toString();
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
  settings_->setValue(KeyPath(section, key), value);
  settings_->sync();
  if (settings_->status() == QSettings::NoError || failureReported_ || !reportFailure_) return;
  failureReported_ = true;
  reportFailure_(settings_->fileName());
}

bool SettingsStore::readTick(const QString& section, const QString& key, bool absent) const {
  const QString stored = read(section, key);
  if (stored == QStringLiteral("Oui")) return true;
  return stored == QStringLiteral("Non") ? false : absent;
}

void SettingsStore::writeTick(const QString& section, const QString& key, bool ticked) {
  write(section, key, ticked ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

int SettingsStore::readIndex(const QString& section, const QString& key, int count, int fallback) const {
  const QString text = read(section, key, QString::number(fallback));
  return kmb::ParseStoredIndex(text.toStdString(), count, fallback);
}

QString SettingsStore::stationSection(const QString& storedCall) { return settings_keys::kSetup + storedCall; }
