#include <gtest/gtest.h>

#include "core/entry/EntryControls.h"

using namespace kmb;

namespace {

// Each text's answer, "ok" when accepted, each followed by "|".
std::string Answers(EntryControl control, std::initializer_list<std::string> texts,
                    decltype(&CheckEntry) check = CheckEntry) {
  std::string out;
  for (const std::string& text : texts) out += check(control, text).value_or("ok") + "|";
  return out;
}

}  // namespace

// Which dates and times are real is the date reader's test (LogLineTest QsoDateAndTime); here each message.
TEST(EntryChecks, EachFieldWithItsMessage) {
  const std::string date = "Le format de la date doit etre JJ/MM/AA|", r = "R (de RST)doit etre compris entre 0 et 5|",
                    mode3 = "3 caracteres maxi pour le Mode|";
  EXPECT_EQ(Answers(EntryControl::Date, {"01/02/08", "31/02/26", "29/02/25", "1/02/08", ""}),
            "ok|" + date + date + "8 caracteres pour la date ex: 01/02/08|Entrez une date|");
  EXPECT_EQ(Answers(EntryControl::Heure, {"23:59", "24:00", "8:45", ""}),
            "ok|Le format de l'heure doit etre HH:MM|5 caracteres pour l'heure ex: 08:45|Entrez une Heure|");
  EXPECT_EQ(Answers(EntryControl::Rst, {"599", "0", "69", "S9", "5999", ""}),
            "ok|ok|" + r + r + "3 caracteres maxi pour le Report|Entrez un Report|");
  // Lengths at their limits.
  EXPECT_EQ(Answers(EntryControl::Ind, {"F4ABC/P12345", "F4ABC/P123456", ""}),
            "ok|12 caracteres maxi pour l'indicatif|Entrez un indicatif|");
  EXPECT_EQ(Answers(EntryControl::Prenom, {"", std::string(16, 'A')}), "ok|15 caracteres maxi pour le Prenom|");
  EXPECT_EQ(Answers(EntryControl::Dpt, {"", "2ab"}), "ok|2 caracteres maxi pour le Departement|");
  EXPECT_EQ(Answers(EntryControl::Ref, {"890011"}), "5 caracteres pour la reference ex: 89001|");
  EXPECT_EQ(Answers(EntryControl::Rem, {std::string(30, 'X'), std::string(31, 'X')}),
            "ok|30 caracteres maxi pour le nom du Lavoir|");
  EXPECT_EQ(Answers(EntryControl::Bande, {"", "1296 Mhz"}), "Entrez une QRG|7 caracteres maxi pour la QRG|");
  // Modes longer than the column are refused.
  EXPECT_EQ(Answers(EntryControl::Mode, {"SSB", "", "RTTY", "OLIVIA", "OLIVIA8"}),
            "ok|Entrez un Mode|" + mode3 + mode3 + "6 caracteres maxi pour le Mode|");
  // The search window's boxes: the call sign as in the entry, the reference and the department with their own texts.
  EXPECT_EQ(Answers(EntryControl::Ind, {"F4ABC/P123456", ""}, CheckSearch),
            "12 caracteres maxi pour l'indicatif|Entrez un indicatif|");
  EXPECT_EQ(Answers(EntryControl::Ref, {"89001", "8900", "890011"}, CheckSearch),
            "ok|5 caracteres maxi pour la référence ex: 77001|5 caracteres maxi pour la référence ex: 77001|");
  EXPECT_EQ(Answers(EntryControl::Dpt, {"2a", "2ab", ""}, CheckSearch),
            "ok|2 caracteres maxi pour le département|Entrez un Canton|");
}

TEST(EntryChecks, RecordEditedWithoutEnterMustFitTheLog) {
  const QsoRecord good{"F4ABC", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", false};
  EXPECT_FALSE(CheckRecordFitsLog(good));
  const std::vector<std::pair<std::string QsoRecord::*, std::pair<std::string, const char*>>> cases = {
      {&QsoRecord::date, {"5/12/26", "8 caracteres pour la date ex: 01/02/08"}},
      {&QsoRecord::heure, {"9:07", "5 caracteres pour l'heure ex: 08:45"}},
      {&QsoRecord::mode, {"RTTY", "3 caracteres maxi pour le Mode"}},
      {&QsoRecord::rstE, {"5999", "3 caracteres maxi pour le Report"}},
  };
  for (const auto& [field, change] : cases) {
    QsoRecord r = good;
    r.*field = change.first;
    EXPECT_EQ(CheckRecordFitsLog(r), change.second) << change.first;
  }
  QsoRecord r = good;
  r.nomLavoir = std::string(40, 'X');  // the save cuts the name where the operator sees it
  EXPECT_FALSE(CheckRecordFitsLog(r));
}
