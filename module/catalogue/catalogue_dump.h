#pragma once
// Writes a loaded catalogue as an indented tree in the text form that
// ParseSource reads (keys, flags, game flags and texts in UTF-8), so a dump
// can be edited and built again.

#include "module/catalogue/catalogue.h"

#include <iosfwd>

namespace vesk::catalogue {

void DumpCatalogue(const Catalogue& catalogue, std::ostream& out);

} // namespace vesk::catalogue
