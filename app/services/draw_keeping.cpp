#include "app/services/draw_keeping.h"

#include <algorithm>
#include <functional>

namespace vesk::app {
namespace {

// Import files may be long spreadsheets exported with many columns.
constexpr std::size_t kMaxImportBytes = 64u << 20;

bool AllDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

DrawChange Change(const std::string& historyPath, int length, const std::function<void(DrawMerge&)>& fill)
{
    DrawChange change;
    HistoryForChange current = ReadHistoryForChange(historyPath, length);
    if (!current.error.empty()) {
        change.error = std::move(current.error);
        change.history = std::move(current.history);
        return change;
    }
    DrawMerge merge(current.history);
    if (const auto clash = merge.ClashInHistory()) {
        change.error = "开奖号码文件中第 " + std::to_string(*clash) + " 期出现两次且号码不同，请先在 " + historyPath
            + " 中改正";
        change.history = std::move(current.history);
        return change;
    }
    fill(merge);
    change.report = merge.Report();
    if (!change.report.Changed()) {
        change.history = std::move(current.history);
        return change;
    }
    change.history = merge.Result();
    const FileResult saved = SaveDrawHistory(historyPath, change.history);
    if (!saved.ok) {
        change.error = "未能保存开奖号码：" + saved.message;
        change.history = std::move(current.history);
        return change;
    }
    change.written = true;
    return change;
}

} // namespace

DrawChange ImportDrawFiles(const std::string& historyPath, const std::vector<std::string>& files, int length)
{
    return Change(historyPath, length, [&files](DrawMerge& merge) {
        for (const std::string& file : files) {
            if (const std::optional<Bytes> bytes = ReadSmallFile(file, kMaxImportBytes))
                merge.AddText(file, *bytes);
            else
                merge.RefuseSource(file, "无法读取文件（不存在、不是普通文件或大于 64 MB）");
        }
    });
}

DrawChange ImportDrawText(const std::string& historyPath, const std::string& source,
                          std::span<const std::uint8_t> text, int length)
{
    return Change(historyPath, length, [&](DrawMerge& merge) { merge.AddText(source, text); });
}

DrawChange EnterDraw(const std::string& historyPath, const std::string& period, const std::string& number,
                     int length)
{
    return Change(historyPath, length, [&](DrawMerge& merge) {
        if (!AllDigits(period) || period.size() > kMaxPeriodDigits)
            return merge.RefuseSource(kEnteredDrawSource, "期号只能是不超过 18 位的数字");
        if (!AllDigits(number) || number.size() != static_cast<std::size_t>(length))
            return merge.RefuseSource(kEnteredDrawSource, DescribeDrawLineFault(DrawLineFault::NoNumber, length));
        merge.AddLine(kEnteredDrawSource, period.empty() ? number : period + " " + number);
    });
}

} // namespace vesk::app
