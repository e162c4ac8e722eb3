#pragma once
// Paints a print job on a printer (a real one or a PDF file): on every page a
// header with the title, the count and the date, the items in columns as
// print_layout.h places them, and "第 p 页 / 共 n 页" at the foot.

#include <QString>

#include <string>
#include <vector>

class QPrinter;

namespace vesk::other {

struct PrintHeading {
    QString title;
    QString countLine;
    QString dateLine;
};

// How many pages the items take on printer as it is set up now.
int CountPages(QPrinter& printer, const std::vector<std::string>& items);

// Prints pages fromPage..toPage (1-based; 0 and 0 for all). False, with
// error set, when the printer cannot be opened or the range holds no page.
bool PaintPages(QPrinter& printer, const std::vector<std::string>& items, const PrintHeading& heading,
                int fromPage, int toPage, QString* error);

} // namespace vesk::other
