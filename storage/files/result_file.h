#pragma once
// Opening and saving the result list as a file, the format chosen by the
// file name's extension. Pure logic: the result page adds the dialogs, the
// messages and the undo step.

#include "numbers/number_list.h"
#include "storage/files/result_file_format.h"
#include "storage/files/result_spreadsheet.h"

#include <cstdint>
#include <string>

namespace vesk::files {

enum class LoadStatus {
    Loaded,          // list replaced (for text: parsed, ascending, unique)
    Truncated,       // filter data shorter than announced: loaded, zeros fill
    EmptyText,       // an empty ".txt": nothing happens
    EmptyFilterFile, // an empty ".flt": the user sees kBadFilterFileMessage
    CannotRead,      // the file could not be opened or read
    Damaged,         // a ".flt" the reader refuses
    OutOfMemory,
};

struct LoadResult {
    LoadStatus status = LoadStatus::CannotRead;
    std::string error; // English, naming what is wrong; empty when loaded
    bool Loaded() const { return status == LoadStatus::Loaded || status == LoadStatus::Truncated; }
};

// ".txt" is parsed with the list's game length and dedupe on; every other
// extension is read as filter data (either version). Only a load that
// succeeds changes list; a text without numbers empties it, as parsing does.
LoadResult LoadResultFile(const std::string& path, NumberList& list);

struct SaveResult {
    bool ok = false;
    std::string error;
    int errorNumber = 0; // the errno behind error, 0 when there is none
};

// ".txt" as number text with perLine numbers per line, ".flt" as current
// filter data, ".xls" as a workbook with the given columns, each replacing
// an existing file only once fully written. Other extensions are not
// written (error set).
SaveResult SaveResultFile(const std::string& path, const NumberList& list, std::uint32_t perLine,
                          const SpreadsheetColumns& columns = {});

} // namespace vesk::files
