#include "app/services/sample_draws.h"

#include "app/services/draw_history_file.h"
#include "storage/safe_file.h"
#include "numbers/draw_import.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk::app {
namespace {

constexpr std::size_t kMaxSampleBytes = 16u << 20;

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

} // namespace

SampleDrawsInstall InstallSampleDraws(const std::string& dataFolder, const std::string& sampleSource)
{
    SampleDrawsInstall result;
    const std::string target = dataFolder + kDrawHistoryFileName;
    if (sampleSource.empty() || Exists(target))
        return result;
    const std::optional<Bytes> bytes = ReadSmallFile(sampleSource, kMaxSampleBytes);
    if (!bytes) {
        result.error = "无法读取开奖号码样本 " + sampleSource;
        return result;
    }
    // Whole beside the target first, then linked in: link() never replaces a
    // file the user put there in the meantime, and no half-copied history shows.
    const std::string staged = target + ".sample";
    if (const FileResult written = WriteFileSafely(staged, *bytes); !written.ok) {
        result.error = written.message;
        return result;
    }
    const bool linked = ::link(staged.c_str(), target.c_str()) == 0;
    const int linkError = errno;
    ::unlink(staged.c_str());
    if (!linked) {
        if (linkError != EEXIST)
            result.error = "无法装入开奖号码样本：" + std::string(std::strerror(linkError));
        return result;
    }
    result.installed = true;
    result.latestPeriod = LatestPeriod(DrawHistory::Parse(*bytes));
    return result;
}

std::string SampleDrawsMessage(const SampleDrawsInstall& install)
{
    if (!install.installed)
        return {};
    const std::string upTo = install.latestPeriod ? "，截至第 " + std::to_string(*install.latestPeriod) + " 期" : "";
    return "已装入开奖号码样本" + upTo + "；更新的开奖号码请用“设置 → 导入开奖号码...”或“录入开奖号码...”补上";
}

} // namespace vesk::app
