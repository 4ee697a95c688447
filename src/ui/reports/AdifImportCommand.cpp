#include "ui/reports/AdifImportCommand.h"

#include <memory>

#include "core/log/FirstNameList.h"
#include "core/log/LogRewrite.h"
#include "ui/kit/CommandBoard.h"
#include "ui/reports/AdifReading.h"
#include "ui/reports/ImportSummaryDialog.h"

namespace {

// The list's lines of the imported call signs, with what the QSOs bring. No
// list yet knows nobody.
kmb::LinesResult FirstNamesToStore(AppContext& ctx, const kmb::Lines& oldestFirst) {
  const kmb::FirstNameListRead list = kmb::ReadFirstNameList(ctx.files, ctx.programFolder);
  if (list.error) return {{}, list.error};
  return {kmb::LatestFirstNames(list.text.lines, oldestFirst), std::nullopt};
}

// What the file would bring, and the QSOs added once the operator agrees.
void OfferImport(CommandBoard& board, const kmb::ImportPlan& plan) {
  AppContext& ctx = board.context();
  QWidget* parent = board.messageParent();
  ImportSummaryDialog summary(plan, ctx.settings, parent);
  if (summary.exec() != QDialog::Accepted) return;
  kmb::LinesResult firstNames = FirstNamesToStore(ctx, plan.firstNameLines);
  if (firstNames.error) {
    ctx.messages.inform(parent,
                        QStringLiteral("La liste des prénoms ne peut pas être lue : rien n'a été importé.\r\n") +
                            QString::fromStdString(kmb::IoErrorMessage(*firstNames.error)));
    return;
  }
  const kmb::Lines& added = plan.toAdd;
  if (board.changeLog([&added](kmb::Lines lines) { return kmb::InsertLinesByDate(lines, added); },
                      std::move(firstNames.lines), {kmb::ChangeKind::Imported, {}, added.size()}))
    ctx.messages.inform(
        parent,
        (added.size() > 1 ? QStringLiteral("%1 QSO importés") : QStringLiteral("%1 QSO importé")).arg(added.size()));
}

}  // namespace

void ImportAdifFile(CommandBoard& board) {
  AppContext& ctx = board.context();
  QWidget* parent = board.messageParent();
  const QString chosen = ChooseAdifFile(ctx, parent, QStringLiteral("Importer un fichier ADIF"));
  if (chosen.isEmpty()) {
    board.giveKeyboardBack();
    return;
  }
  // Planned on a copy of the list, which is what the import changes: the list is the window's.
  ReadAdifInBackground(
      ctx, parent, chosen, QStringLiteral("Importation ADIF"), QStringLiteral("rien n'a été importé"),
      [&board, listed = board.listedLog()](const kmb::AdifFile& adif) -> AdifDelivery {
        return [&board, plan = std::make_shared<kmb::ImportPlan>(kmb::PlanImport(adif, listed))] {
          OfferImport(board, *plan);
        };
      },
      [&board] { board.giveKeyboardBack(); });
}
