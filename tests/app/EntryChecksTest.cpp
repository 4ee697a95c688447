#include <gtest/gtest.h>

#include "core/entry/EntryChecks.h"

using namespace kmb;

// Which dates and times are real is the date reader's test (LogRewriteTest); here each message.
TEST(EntryChecks, EachFieldWithItsMessage) {
  using Check = decltype(&CheckDate);
  const std::string date = "Le format de la date doit etre JJ/MM/AA", r = "R (de RST)doit etre compris entre 0 et 5",
                    mode3 = "3 caracteres maxi pour le Mode";
  const std::vector<std::tuple<Check, std::string, std::string>> cases = {
      {CheckDate, "01/02/08", ""},
      {CheckDate, "31/02/26", date},
      {CheckDate, "29/02/25", date},
      {CheckDate, "1/02/08", "8 caracteres pour la date ex: 01/02/08"},
      {CheckDate, "", "Entrez une date"},
      {CheckHeure, "23:59", ""},
      {CheckHeure, "24:00", "Le format de l'heure doit etre HH:MM"},
      {CheckHeure, "8:45", "5 caracteres pour l'heure ex: 08:45"},
      {CheckHeure, "", "Entrez une Heure"},
      {CheckReport, "599", ""},
      {CheckReport, "0", ""},
      {CheckReport, "69", r},
      {CheckReport, "S9", r},
      {CheckReport, "5999", "3 caracteres maxi pour le Report"},
      {CheckReport, "", "Entrez un Report"},
      // Lengths at their limits.
      {CheckIndicatif, "F4ABC/P12345", ""},
      {CheckIndicatif, "F4ABC/P123456", "12 caracteres maxi pour l'indicatif"},
      {CheckIndicatif, "", "Entrez un indicatif"},
      {CheckPrenom, "", ""},
      {CheckPrenom, std::string(16, 'A'), "15 caracteres maxi pour le Prenom"},
      {CheckDpt, "", ""},
      {CheckDpt, "2ab", "2 caracteres maxi pour le Departement"},
      {CheckRef, "890011", "5 caracteres pour la reference ex: 89001"},
      {CheckNomLavoir, std::string(30, 'X'), ""},
      {CheckNomLavoir, std::string(31, 'X'), "30 caracteres maxi pour le nom du Lavoir"},
      {CheckBande, "", "Entrez une QRG"},
      {CheckBande, "1296 Mhz", "7 caracteres maxi pour la QRG"},
      // Modes longer than the column are refused.
      {CheckMode, "SSB", ""},
      {CheckMode, "", "Entrez un Mode"},
      {CheckMode, "RTTY", mode3},
      {CheckMode, "OLIVIA", mode3},
      {CheckMode, "OLIVIA8", "6 caracteres maxi pour le Mode"},
  };
  for (const auto& [check, text, message] : cases) {
    if (message.empty())
      EXPECT_FALSE(check(text)) << '"' << text << '"';
    else
      EXPECT_EQ(check(text), message) << '"' << text << '"';
  }
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
