#include "filtering/rules/unsaved_work.h"

#include "numbers/number_list.h"

namespace vesk::workbench {

std::string ListContent(const NumberList& list)
{
    const int length = list.Length();
    std::string content;
    content.reserve(std::size_t(list.Count()) * std::size_t(length > 0 ? length : 0) + 1);
    // The length leads, so that "12" + "3" and "1" + "23" differ.
    content.push_back(static_cast<char>(length));
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        if (const std::uint8_t* digits = list.GetAt(i))
            content.append(reinterpret_cast<const char*>(digits), std::size_t(length));
    return content;
}

void SavedWork::ListsSaved(const NumberList& result, const NumberList& recycle)
{
    m_result = ListContent(result);
    m_recycle = ListContent(recycle);
}

UnsavedParts SavedWork::Compare(const NumberList& result, const NumberList& recycle, std::string_view staging) const
{
    UnsavedParts parts;
    parts.result = result.Count() != 0 && ListContent(result) != m_result;
    parts.recycle = recycle.Count() != 0 && ListContent(recycle) != m_recycle;
    parts.staging = !staging.empty() && staging != m_staging;
    return parts;
}

std::string QuitQuestion(const UnsavedParts& parts, std::uint32_t resultCount)
{
    if (parts.result)
        return "缩水器中有 " + std::to_string(resultCount) + " 注未保存，退出前保存吗？";
    std::string named;
    if (parts.recycle)
        named = "回收区的号码";
    if (parts.staging)
        named += (named.empty() ? "" : "和") + std::string("暂存区的文本");
    return named + "未保存，退出前保存吗？";
}

} // namespace vesk::workbench
