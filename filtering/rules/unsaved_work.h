#pragma once
// Whether the workbench's work changed since it last matched a file: the
// result list, the recycle list and the staging text, each compared with
// its content at the last save, open or restore (or at the start), so that
// undoing back to that content counts as unchanged. The quit question is
// asked from it.

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

class NumberList;

namespace workbench {

struct UnsavedParts {
    bool result = false;  // the result list holds numbers that no file holds
    bool recycle = false;
    bool staging = false;
    bool Any() const { return result || recycle || staging; }
};

// The digits of a list's numbers in its order; what is compared.
std::string ListContent(const NumberList& list);

class SavedWork {
public:
    // The parts now match a file (or the start).
    void ListsSaved(const NumberList& result, const NumberList& recycle);
    void StagingSaved(std::string_view text) { m_staging = text; }

    // An empty part has nothing to lose and is never unsaved.
    UnsavedParts Compare(const NumberList& result, const NumberList& recycle, std::string_view staging) const;

private:
    std::string m_result;
    std::string m_recycle;
    std::string m_staging;
};

// "缩水器中有 N 注未保存，退出前保存吗？", or, when only the recycle list or
// the staging text changed, the question that names them.
std::string QuitQuestion(const UnsavedParts& parts, std::uint32_t resultCount);

} // namespace workbench
} // namespace vesk
