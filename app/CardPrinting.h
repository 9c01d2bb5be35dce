// Printing a card through Qt Print Support: fitted to the printer's page, rendered afresh for it.
#pragma once

#include "core/Composition.h"

class QPrinter;
class QWidget;

namespace festoon {

// Prints the card on one page of the printer, as large as the page allows in the card's proportions and
// centred on it; the card is rendered at the page's resolution, at most 300 dots per inch. Throws
// PlatformError when the printer cannot be started.
void PrintCardOn(QPrinter& printer, const Composition& card);

// Asks for a printer and its settings with Qt's print dialog, the page turned to suit the card, and
// prints the card there; nothing happens when the dialog is cancelled.
void PrintCard(QWidget* parent, const Composition& card);

} // namespace festoon
