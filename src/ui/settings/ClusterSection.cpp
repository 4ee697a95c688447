#include "ui/settings/ClusterSection.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/cluster/ClusterSetup.h"
#include "core/settings/StationCall.h"
#include "ui/kit/SettingsStore.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"

using namespace settings_keys;

namespace {

const QString kNodeForm = QStringLiteral("le nœud s'écrit hôte:port, par exemple dxcluster.exemple.fr:7300.");

bool IsNodeRefused(const QString& typed) {
  return !typed.trimmed().isEmpty() && !kmb::ParseNodeAddress(ToCp1252(typed.trimmed()));
}

QString StationDisplayCall(const SettingsStore& settings) {
  const std::string stored = ToCp1252(settings.read(kSetup, kIndicatifStation));
  return stored.empty() || stored == kmb::kNoStation ? QString() : FromCp1252(kmb::StationCallDisplay(stored));
}

QLineEdit* Field(const QString& key, const char* name, const QString& text, QFormLayout& form, QWidget* parent) {
  auto* field = Named(new QLineEdit(text, parent), name);
  field->setAccessibleName(key);
  field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 30);
  auto* caption = new QLabel(key, parent);
  caption->setBuddy(field);
  form.addRow(caption, field);
  return field;
}

}  // namespace

ClusterSection::ClusterSection(const SettingsStore& settings, QWidget* parent)
    : PreferencesSection(QStringLiteral("Cluster"), parent), stationCall_(StationDisplayCall(settings)) {
  setObjectName(QStringLiteral("Section_Cluster"));
  auto* form = new QFormLayout(this);
  node_ = Field(kClusterNoeud, "Cluster_Noeud", settings.read(kSetup, kClusterNoeud), *form, this);
  nodeStatus_ = Named(new QLabel(this), "Etat_Cluster_Noeud");
  nodeStatus_->setWordWrap(true);
  form->setWidget(form->rowCount(), QFormLayout::FieldRole, nodeStatus_);
  const QString call = settings.read(kSetup, kClusterIndicatif);
  call_ = Field(kClusterIndicatif, "Cluster_Indicatif", call.isEmpty() ? stationCall_ : call, *form, this);
  atStart_ = Named(new QCheckBox(QStringLiteral("Écouter le cluster dès le démarrage"), this), "Cluster_Au_Demarrage");
  atStart_->setChecked(settings.readTick(kSetup, kClusterAuDemarrage, false));
  form->addRow(atStart_);
  sound_ = Named(new QCheckBox(QStringLiteral("Annonce sonore d'un nouveau lavoir sur l'air"), this),
                 "Cluster_Annonce_Sonore");
  sound_->setChecked(settings.readTick(kSetup, kClusterAnnonceSonore, true));
  form->addRow(sound_);
  connect(node_, &QLineEdit::textChanged, this, &ClusterSection::showNodeStatus);
  showNodeStatus();
}

void ClusterSection::showNodeStatus() {
  const QString typed = node_->text();
  const bool refused = IsNodeRefused(typed);
  nodeStatus_->setText(typed.trimmed().isEmpty() ? QStringLiteral("Aucun nœud : « Spots KMB » ne se connecte pas.")
                       : refused                 ? QStringLiteral("Nœud refusé : ") + kNodeForm
                                                 : QStringLiteral("Nœud accepté."));
  nodeStatus_->setStyleSheet(refused ? QStringLiteral("color: #c00000;") : QString());
  node_->setAccessibleDescription(nodeStatus_->text());
}

std::optional<PreferencesSection::Refusal> ClusterSection::refusal() const {
  if (IsNodeRefused(node_->text()))
    return Refusal{
        node_,
        QStringLiteral("Le champ « %1 » est refusé : %2 Rien n'a été enregistré.").arg(kClusterNoeud, kNodeForm)};
  const QString call = call_->text().trimmed();
  if (!call.isEmpty() && !kmb::IsClusterCall(ToCp1252(call)))
    return Refusal{call_, QStringLiteral("Le champ « %1 » est refusé : un indicatif compte de 1 à 20 lettres, "
                                         "chiffres, « / » ou « - ». Rien n'a été enregistré.")
                              .arg(kClusterIndicatif)};
  return std::nullopt;
}

// The station's call is kept as no call at all, so that it follows a change of station.
void ClusterSection::save(SettingsStore& settings) const {
  settings.write(kSetup, kClusterNoeud, node_->text().trimmed());
  const QString call = call_->text().trimmed().toUpper();
  settings.write(kSetup, kClusterIndicatif, call == stationCall_ ? QString() : call);
  settings.writeTick(kSetup, kClusterAuDemarrage, atStart_->isChecked());
  settings.writeTick(kSetup, kClusterAnnonceSonore, sound_->isChecked());
}
