#pragma once
// "Préparer la demande" of a diploma window.
#include "core/award/Diploma.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QWidget;

// Writes the confirmed QSOs the diploma counts as a PDF page and an ADIF
// file in the program's folder, both or neither, then names them and their
// folder, offered to open; or says why nothing was written.
void PrepareDiplomaClaim(AppContext& context, const LogbookView& logbook, const kmb::DiplomaRule& rule,
                         QWidget* parent);
