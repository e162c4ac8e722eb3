#pragma once
// ConditionStateFile: the hand-over of a condition page's conditions from one
// opening of the workbench to the next. The name is "<dir>TS<key>-<number>"
// with the page's extension ("gfc" fixed, "zfc" combined), dir the host's
// directory 6 as returned, key in upper-case hexadecimal and number in
// decimal. The content belongs to the filter component (its slots 31 and 32).
//
// A missing state is simply no state. A state that cannot be read is set
// aside as "<name>.damaged", never deleted, since it holds the user's
// conditions. Writing goes through the safe writer and is renamed in only
// when the component reports the whole state written, so a failed write
// never leaves half a state to restore.

#include "host/filter_interfaces.h"

#include <string>

namespace vesk {

class ConditionStateFile {
public:
    // extension: "gfc" or "zfc".
    explicit ConditionStateFile(std::string extension);

    // The key and number that name the file; read once when the page is made.
    void SetIdentity(SlotInt key, SlotInt number);
    // The file's name in directory (which ends with its separator).
    std::string PathIn(const std::string& directory) const;

    // Reads the state into filter if the file exists and deletes the file;
    // a file that cannot be read is renamed with ".damaged". Returns the
    // message for the user, empty when there is nothing to say.
    std::string Restore(IEnvironmentService& environment, IRyxFilter& filter) const;
    // keep: the keep-conditions setting is on and the page has conditions.
    // Then the directory is made (one level) and the state written;
    // otherwise the file is deleted. Returns the failure for the user, or
    // empty when the state was written (or dropped).
    std::string KeepOrDrop(IEnvironmentService& environment, IRyxFilter& filter, bool keep) const;

    // The keep-conditions setting: option 130 answers 1.
    static bool KeepConditions(IEnvironmentService& environment);

private:
    std::string Directory(IEnvironmentService& environment) const;

    std::string m_extension;
    SlotInt m_key = 0;
    SlotInt m_number = 0;
};

} // namespace vesk
