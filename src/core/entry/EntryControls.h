#pragma once
// The entry controls of the main window, one row each: its name, its width,
// what Enter refuses in it with the operator's message (UTF-8), and, by its
// place in the table, the control Enter and the tab key go to next. The
// search window checks its boxes by the same rows. Texts are Windows-1252
// bytes, one byte per character.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/log/LogLine.h"

namespace kmb {

// Empty: accepted; otherwise what to tell the operator (UTF-8).
using Refusal = std::optional<std::string>;

// In the order of the Enter walk; after the last comes "Valider le QSO".
enum class EntryControl { Bande, Ind, Prenom, Dpt, Ref, Date, Heure, Mode, Rst, Rste, Rem, Qsl };

// What a rule refuses: an empty text, a text longer than (or not exactly)
// its length, a date or a time of day that is not real, a report whose
// first character is no readability figure 0 to 5.
enum class Fault { Empty, LongerThan, NotLength, NotDate, NotTime, NoReadability };

struct EntryRule {
  Fault fault;
  const char* message = nullptr;  // none: no rule
  std::size_t length = 0;         // 0: the control's width
};

// What a save checks of a field edited without Enter.
enum class SaveCheck { None, Width, Whole };

struct EntryControlRow {
  EntryControl control;
  const char* objectName;
  std::size_t width;  // characters the log keeps; 0 for the QSL box
  bool digits;        // holds digits and separators rather than letters
  SaveCheck atSave;
  std::array<EntryRule, 3> rules;        // in the order Enter checks them
  std::array<EntryRule, 2> searchRules;  // the search box's own, when it has some
};

// Both reports, received and sent, are checked alike.
inline constexpr std::array<EntryRule, 3> kReportRules{
    {{Fault::Empty, "Entrez un Report"},
     {Fault::LongerThan, "3 caracteres maxi pour le Report"},
     {Fault::NoReadability, "R (de RST)doit etre compris entre 0 et 5"}}};

inline constexpr std::array<EntryControlRow, 12> kEntryControls{{
    {EntryControl::Bande,
     "Bande_A",
     kBandeWidth,
     true,
     SaveCheck::Width,
     {{{Fault::Empty, "Entrez une QRG"}, {Fault::LongerThan, "7 caracteres maxi pour la QRG"}}},
     {}},
    {EntryControl::Ind,
     "Ind_A",
     kIndicatifWidth,
     false,
     SaveCheck::Width,
     {{{Fault::Empty, "Entrez un indicatif"}, {Fault::LongerThan, "12 caracteres maxi pour l'indicatif"}}},
     {}},
    {EntryControl::Prenom,
     "Prenom_A",
     kPrenomWidth,
     false,
     SaveCheck::Width,
     {{{Fault::LongerThan, "15 caracteres maxi pour le Prenom"}}},
     {}},
    {EntryControl::Dpt,
     "Dpt_A",
     kDptWidth,
     false,
     SaveCheck::Width,
     {{{Fault::LongerThan, "2 caracteres maxi pour le Departement"}}},
     {{{Fault::LongerThan, "2 caracteres maxi pour le département"}, {Fault::Empty, "Entrez un Canton"}}}},
    {EntryControl::Ref,
     "Ref_A",
     kRefWidth,
     false,
     SaveCheck::Width,
     {{{Fault::LongerThan, "5 caracteres pour la reference ex: 89001"}}},
     {{{Fault::NotLength, "5 caracteres maxi pour la référence ex: 77001"}}}},
    {EntryControl::Date,
     "Date_A",
     kDateWidth,
     true,
     SaveCheck::Whole,
     {{{Fault::Empty, "Entrez une date"},
       {Fault::NotLength, "8 caracteres pour la date ex: 01/02/08"},
       {Fault::NotDate, "Le format de la date doit etre JJ/MM/AA"}}},
     {}},
    {EntryControl::Heure,
     "Heure_A",
     kHeureWidth,
     true,
     SaveCheck::Whole,
     {{{Fault::Empty, "Entrez une Heure"},
       {Fault::NotLength, "5 caracteres pour l'heure ex: 08:45"},
       {Fault::NotTime, "Le format de l'heure doit etre HH:MM"}}},
     {}},
    // The mode column holds 3 characters: a longer mode is refused rather
    // than cut behind the operator's back.
    {EntryControl::Mode,
     "Mode_A",
     kModeWidth,
     false,
     SaveCheck::Width,
     {{{Fault::Empty, "Entrez un Mode"},
       {Fault::LongerThan, "6 caracteres maxi pour le Mode", 6},
       {Fault::LongerThan, "3 caracteres maxi pour le Mode"}}},
     {}},
    {EntryControl::Rst, "RST_A", kRstWidth, true, SaveCheck::Width, kReportRules, {}},
    {EntryControl::Rste, "RSTE_A", kRstWidth, true, SaveCheck::Width, kReportRules, {}},
    // The save cuts the name where the operator sees it.
    {EntryControl::Rem,
     "Rem_A",
     kNomLavoirWidth,
     false,
     SaveCheck::None,
     {{{Fault::LongerThan, "30 caracteres maxi pour le nom du Lavoir"}}},
     {}},
    {EntryControl::Qsl, "QSL_A", 0, false, SaveCheck::None, {}, {}},
}};

const EntryControlRow& RowOf(EntryControl control);

// The control after this one; none after the last.
std::optional<EntryControl> NextEntryControl(EntryControl control);

// What Enter refuses in the control's field.
Refusal CheckEntry(EntryControl control, std::string_view text);

// What Enter refuses in the search box of the control: its own rules, or
// else those of the entry field.
Refusal CheckSearch(EntryControl control, std::string_view text);

// Before a save: every field must fit its column, since fields edited
// without Enter were never checked.
Refusal CheckRecordFitsLog(const QsoRecord& record);

}  // namespace kmb
