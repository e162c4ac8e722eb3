#include "filtering/workbench_recovery.h"

#include "storage/safe_file.h"

#include <QTimer>

#include <cstdio>

namespace vesk {
namespace {

constexpr qint64 kMinimumIntervalMs = 1000;

} // namespace

WorkbenchRecovery::WorkbenchRecovery(std::string path, Source source)
    : m_path(std::move(path)), m_source(std::move(source)), m_timer(std::make_unique<QTimer>())
{
    m_timer->setSingleShot(true);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { WriteNow(); });
}

WorkbenchRecovery::~WorkbenchRecovery() = default;

std::optional<history::RecoveredWork> WorkbenchRecovery::Leftover() const
{
    const FileBytes file = ReadFileBytes(m_path);
    if (!file.ok)
        return std::nullopt;
    auto work = history::ReadRecovery(
        {reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()});
    if (!work)
        std::rename(m_path.c_str(), (m_path + ".damaged").c_str());
    return work;
}

void WorkbenchRecovery::MarkChanged()
{
    if (m_discarded || m_timer->isActive())
        return;
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : kMinimumIntervalMs;
    m_timer->start(static_cast<int>(std::max<qint64>(0, kMinimumIntervalMs - since)));
}

bool WorkbenchRecovery::WriteNow()
{
    m_timer->stop();
    if (m_discarded)
        return false;
    m_sinceWrite.start();
    try {
        const std::optional<std::string> bytes = m_source();
        return bytes && WriteFileSafely(m_path, *bytes).ok;
    } catch (const std::bad_alloc&) {
        return false; // the old copy stays; the next change tries again
    }
}

void WorkbenchRecovery::WriteIfPending()
{
    if (m_timer->isActive())
        WriteNow();
}

void WorkbenchRecovery::Discard()
{
    m_discarded = true;
    m_timer->stop();
    std::remove(m_path.c_str());
}

} // namespace vesk
