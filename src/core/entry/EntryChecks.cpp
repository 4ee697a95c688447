#include "core/entry/EntryChecks.h"

#include "core/log/QsoTime.h"

namespace kmb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Refusal Refuse(const char* message) { return std::string(message); }

}  // namespace

int CheckDateFormat(std::string_view d) { return ReadQsoDate(d) ? 0 : 1; }

int CheckTimeFormat(std::string_view t) { return ReadQsoTime(t) ? 0 : 1; }

Refusal CheckBande(std::string_view t) {
  if (t.empty()) return Refuse("Entrez une QRG");
  if (t.size() > kBandeWidth) return Refuse("7 caracteres maxi pour la QRG");
  return std::nullopt;
}

Refusal CheckIndicatif(std::string_view t) {
  if (t.empty()) return Refuse("Entrez un indicatif");
  if (t.size() > kIndicatifWidth) return Refuse("12 caracteres maxi pour l'indicatif");
  return std::nullopt;
}

Refusal CheckPrenom(std::string_view t) {
  if (t.size() > kPrenomWidth) return Refuse("15 caracteres maxi pour le Prenom");
  return std::nullopt;
}

Refusal CheckDpt(std::string_view t) {
  if (t.size() > kDptWidth) return Refuse("2 caracteres maxi pour le Departement");
  return std::nullopt;
}

Refusal CheckRef(std::string_view t) {
  if (t.size() > kRefWidth) return Refuse("5 caracteres pour la reference ex: 89001");
  return std::nullopt;
}

Refusal CheckDate(std::string_view t) {
  if (t.empty()) return Refuse("Entrez une date");
  if (t.size() != kDateWidth) return Refuse("8 caracteres pour la date ex: 01/02/08");
  if (CheckDateFormat(t) == 1) return Refuse("Le format de la date doit etre JJ/MM/AA");
  return std::nullopt;
}

Refusal CheckHeure(std::string_view t) {
  if (t.empty()) return Refuse("Entrez une Heure");
  if (t.size() != kHeureWidth) return Refuse("5 caracteres pour l'heure ex: 08:45");
  if (CheckTimeFormat(t) == 1) return Refuse("Le format de l'heure doit etre HH:MM");
  return std::nullopt;
}

// The mode column holds 3 characters: a longer mode is refused rather than
// cut behind the operator's back.
Refusal CheckMode(std::string_view t) {
  if (t.empty()) return Refuse("Entrez un Mode");
  if (t.size() > 6) return Refuse("6 caracteres maxi pour le Mode");
  if (t.size() > kModeWidth) return Refuse("3 caracteres maxi pour le Mode");
  return std::nullopt;
}

// A first character that is not a digit cannot be a readability figure.
Refusal CheckReport(std::string_view t) {
  if (t.empty()) return Refuse("Entrez un Report");
  if (t.size() > kRstWidth) return Refuse("3 caracteres maxi pour le Report");
  if (!IsDigit(t[0]) || t[0] > '5') return Refuse("R (de RST)doit etre compris entre 0 et 5");
  return std::nullopt;
}

Refusal CheckNomLavoir(std::string_view t) {
  if (t.size() > kNomLavoirWidth) return Refuse("30 caracteres maxi pour le nom du Lavoir");
  return std::nullopt;
}

Refusal CheckRecordFitsLog(const QsoRecord& r) {
  const auto tooLong = [](const Bytes& text, std::size_t width) { return text.size() > width; };
  if (tooLong(r.indicatif, kIndicatifWidth)) return CheckIndicatif(r.indicatif);
  if (tooLong(r.dpt, kDptWidth)) return CheckDpt(r.dpt);
  if (tooLong(r.prenom, kPrenomWidth)) return CheckPrenom(r.prenom);
  if (tooLong(r.ref, kRefWidth)) return CheckRef(r.ref);
  if (Refusal date = CheckDate(r.date)) return date;
  if (Refusal time = CheckHeure(r.heure)) return time;
  if (tooLong(r.mode, kModeWidth)) return CheckMode(r.mode);
  if (tooLong(r.bande, kBandeWidth)) return CheckBande(r.bande);
  if (tooLong(r.rstR, kRstWidth) || tooLong(r.rstE, kRstWidth)) return Refuse("3 caracteres maxi pour le Report");
  return std::nullopt;
}

}  // namespace kmb
