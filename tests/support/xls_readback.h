#pragma once
// Reads our .xls files back with programs that do not share our code:
// python3-xlrd (Debian's python3; see read_xls.py for the text it prints)
// and LibreOffice converting each sheet to CSV. scripts/setup.sh installs
// both.

#include <map>
#include <string>

namespace vesk::test {

struct Readback {
    bool ok = false;
    std::string text; // the reader's output, or what went wrong
};

// read_xls.py's listing of the workbook; withFormats adds the number
// formats of row 1.
Readback ReadXlsWithXlrd(const std::string& path, bool withFormats = false);

// Sheet name -> the sheet as CSV, cells as LibreOffice shows them. Uses
// scratch (a folder of the caller's) for the profile and the output.
std::map<std::string, std::string> ConvertXlsWithLibreOffice(const std::string& path, const std::string& scratch,
                                                             std::string& error);

} // namespace vesk::test
