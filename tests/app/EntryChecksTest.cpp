#include <gtest/gtest.h>

#include "app/Clock.h"
#include "app/EntryChecks.h"

using namespace kmb;

TEST(EntryChecks, Dates) {
  EXPECT_FALSE(CheckDate("01/02/08"));
  EXPECT_FALSE(CheckDate("00/00/00"));
  EXPECT_FALSE(CheckDate("31/02/14"));
  for (const char* bad : {"32/01/14", "01/13/14", "01-02-08", "ab/cd/ef"})
    EXPECT_EQ(CheckDate(bad), "Le format de la date doit etre JJ/MM/AA") << bad;
  EXPECT_EQ(CheckDate("1/02/08"), "8 caracteres pour la date ex: 01/02/08");
  EXPECT_EQ(CheckDate(""), "Entrez une date");
}

TEST(EntryChecks, Times) {
  EXPECT_FALSE(CheckHeure("23:59"));
  EXPECT_FALSE(CheckHeure("00:00"));
  for (const char* bad : {"24:00", "12:60", "08h45"}) EXPECT_EQ(CheckHeure(bad), "Le format de l'heure doit etre HH:MM");
  EXPECT_EQ(CheckHeure("8:45"), "5 caracteres pour l'heure ex: 08:45");
  EXPECT_EQ(CheckHeure(""), "Entrez une Heure");
}

TEST(EntryChecks, Reports) {
  EXPECT_FALSE(CheckReport("599"));
  EXPECT_FALSE(CheckReport("59"));
  EXPECT_FALSE(CheckReport("0"));
  EXPECT_EQ(CheckReport("69"), "R (de RST)doit etre compris entre 0 et 5");
  EXPECT_EQ(CheckReport("S9"), "R (de RST)doit etre compris entre 0 et 5");
  EXPECT_EQ(CheckReport("5999"), "3 caracteres maxi pour le Report");
  EXPECT_EQ(CheckReport(""), "Entrez un Report");
}

TEST(EntryChecks, LengthsAtTheirLimits) {
  EXPECT_FALSE(CheckIndicatif("F4ABC/P12345"));
  EXPECT_EQ(CheckIndicatif("F4ABC/P123456"), "12 caracteres maxi pour l'indicatif");
  EXPECT_EQ(CheckIndicatif(""), "Entrez un indicatif");
  EXPECT_FALSE(CheckPrenom(""));
  EXPECT_EQ(CheckPrenom(std::string(16, 'A')), "15 caracteres maxi pour le Prenom");
  EXPECT_FALSE(CheckDpt(""));
  EXPECT_EQ(CheckDpt("2ab"), "2 caracteres maxi pour le Departement");
  EXPECT_EQ(CheckRef("890011"), "5 caracteres pour la reference ex: 89001");
  EXPECT_FALSE(CheckNomLavoir(std::string(30, 'X')));
  EXPECT_EQ(CheckNomLavoir(std::string(31, 'X')), "30 caracteres maxi pour le nom du Lavoir");
  EXPECT_EQ(CheckBande(""), "Entrez une QRG");
  EXPECT_EQ(CheckBande("1296 Mhz"), "7 caracteres maxi pour la QRG");
}

TEST(EntryChecks, ModesLongerThanTheColumnAreRefused) {
  EXPECT_FALSE(CheckMode("SSB"));
  EXPECT_EQ(CheckMode(""), "Entrez un Mode");
  EXPECT_EQ(CheckMode("RTTY"), "3 caracteres maxi pour le Mode");
  EXPECT_EQ(CheckMode("OLIVIA"), "3 caracteres maxi pour le Mode");
  EXPECT_EQ(CheckMode("OLIVIA8"), "6 caracteres maxi pour le Mode");
}

TEST(EntryChecks, RecordEditedWithoutEnterMustFitTheLog) {
  const QsoRecord good{"F4ABC", "89", "PAUL", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "57", "", false};
  EXPECT_FALSE(CheckRecordFitsLog(good));
  QsoRecord r = good;
  r.date = "5/12/26";
  EXPECT_EQ(CheckRecordFitsLog(r), "8 caracteres pour la date ex: 01/02/08");
  r = good;
  r.heure = "9:07";
  EXPECT_EQ(CheckRecordFitsLog(r), "5 caracteres pour l'heure ex: 08:45");
  r = good;
  r.mode = "RTTY";
  EXPECT_EQ(CheckRecordFitsLog(r), "3 caracteres maxi pour le Mode");
  r = good;
  r.rstE = "5999";
  EXPECT_EQ(CheckRecordFitsLog(r), "3 caracteres maxi pour le Report");
  r = good;
  r.nomLavoir = std::string(40, 'X');  // the save cuts the name where the operator sees it
  EXPECT_FALSE(CheckRecordFitsLog(r));
}

TEST(Clock, TextsKeepLeadingZeros) {
  const ClockReading r{2026, 3, 5, 9, 5, 3};
  EXPECT_EQ(TimeText(r), "09:05:03");
  EXPECT_EQ(DateText(r), "05/03/26");
}
