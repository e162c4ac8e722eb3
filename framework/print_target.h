#pragma once
// Points a printer where the print dialog's answer (Interaction().PrintDialog)
// says: a PDF file, the named printer or the default one.

#include "framework/interaction.h"

class QPrinter;

namespace vesk {

// False when that printer (or, for no name, any default printer) does not
// exist; Qt would quietly fall back to another one, and the user asked for this one.
bool DirectPrinter(QPrinter& printer, const PrintDialogResult& answer);

} // namespace vesk
