#include "ui/cluster/AnnounceWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cluster/ClusterSetup.h"
#include "core/cluster/KmbReference.h"
#include "core/cluster/SpotAnnounce.h"
#include "core/log/FixedColumns.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

namespace {

const QString kNotConnected = QStringLiteral(
    "Le cluster n'est pas connecté : le spot ne peut pas être envoyé. Vérifiez le nœud dans Fichier, Préférences…, "
    "section « Cluster », ou attendez que la connexion revienne (voir la ligne du haut de « Spots KMB »).");

// What the entry's lavoir name holds before the operator types one.
constexpr std::string_view kUntypedName = "C.";

QString CommentOf(const kmb::QsoRecord& entry) {
  const kmb::Bytes name = kmb::Trim(entry.nomLavoir);
  return FromCp1252(kmb::AnnounceComment(kmb::Trim(entry.ref), name == kUntypedName ? "" : name));
}

}  // namespace

AnnounceWindow::AnnounceWindow(AppContext& context, const kmb::QsoRecord& entry, std::optional<double> radioHz,
                               std::function<bool()> connected, std::function<bool(const std::string&)> send)
    : ctx_(context), connected_(std::move(connected)), send_(std::move(send)) {
  setObjectName(QStringLiteral("Annonce"));
  setWindowTitle(QStringLiteral("Annoncer un lavoir"));
  auto* layout = new QVBoxLayout(this);
  form_ = new QFormLayout;
  layout->addLayout(form_);
  call_ = addField("Annonce_Indicatif", QStringLiteral("&Indicatif"), FromCp1252(kmb::Trim(entry.indicatif)));
  frequency_ = addField("Annonce_Frequence", QStringLiteral("Fréquence (&kHz)"),
                        radioHz ? QString::number(*radioHz / 1000, 'f', 1) : QString());
  comment_ = addField("Annonce_Commentaire", QStringLiteral("&Commentaire"), CommentOf(entry));
  comment_->setMinimumWidth(comment_->fontMetrics().averageCharWidth() * 40);
  auto* sendButton = Named(new QPushButton(QStringLiteral("&Envoyer"), this), "Envoyer");
  auto* close = Named(new QPushButton(QStringLiteral("&Fermer"), this), "Fermer");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(sendButton);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(sendButton, &QPushButton::clicked, this, &AnnounceWindow::confirm);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  // Enter goes on to the next field, after the last to "Envoyer".
  for (QLineEdit* field : {call_, frequency_, comment_})
    connect(field, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
  QLineEdit* empty = call_->text().isEmpty() ? call_ : frequency_->text().isEmpty() ? frequency_ : nullptr;
  if (empty)
    empty->setFocus();
  else
    sendButton->setFocus();
  PressButtonsOnEnter(*this);
  adjustSize();
  PlaceWindow(*this, ctx_.settings);
}

QLineEdit* AnnounceWindow::addField(const char* name, const QString& caption, const QString& text) {
  auto* field = Named(new QLineEdit(text, this), name);
  auto* label = new QLabel(caption, this);
  label->setBuddy(field);
  NameAfterCaption(*field, caption);
  form_->addRow(label, field);
  return field;
}

std::optional<std::pair<QLineEdit*, QString>> AnnounceWindow::refusal() const {
  if (!kmb::IsClusterCall(ToCp1252(call_->text().trimmed())))
    return std::pair(call_, QStringLiteral("L'indicatif à annoncer doit compter de 1 à 20 lettres, chiffres, « / » ou "
                                           "« - »."));
  if (!kmb::AnnounceKilohertz(ToCp1252(frequency_->text())))
    return std::pair(frequency_, QStringLiteral("La fréquence se donne en kHz et doit tomber dans une des bandes de "
                                                "la saisie, de 1,8 à 144 MHz (par exemple 14025.0)."));
  if (kmb::KmbReference(ToCp1252(comment_->text())).empty())
    return std::pair(comment_, QStringLiteral("Le commentaire doit nommer la référence du lavoir (par exemple "
                                              "« KMB 89001 »)."));
  return std::nullopt;
}

void AnnounceWindow::confirm() {
  if (const auto refused = refusal()) {
    ctx_.messages.inform(this, refused->second);
    refused->first->setFocus();
    return;
  }
  if (!connected_()) {
    ctx_.messages.inform(this, kNotConnected);
    return;
  }
  const std::string line = kmb::AnnounceLine(*kmb::AnnounceKilohertz(ToCp1252(frequency_->text())),
                                             ToCp1252(call_->text().trimmed().toUpper()), ToCp1252(comment_->text()));
  if (!ctx_.messages.ask(
          this, QStringLiteral("Envoyer ce spot au cluster ?\r\n\r\n") + FromCp1252(line.substr(0, line.size() - 2))))
    return;
  if (!send_(line)) {
    ctx_.messages.inform(this, kNotConnected);
    return;
  }
  close();
}
