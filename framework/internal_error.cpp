#include "framework/internal_error.h"

#include "framework/interaction.h"
#include "framework/styles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <new>

namespace vesk {

namespace {

std::string& LogPath()
{
    static std::string path;
    return path;
}

// One box at a time: a handler that fails on every paint must not bury the
// user in boxes; later failures go to the log only until the box is closed.
bool& BoxPending()
{
    static bool pending = false;
    return pending;
}

std::string Describe(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const std::bad_alloc&) {
        return "内存不足";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "未知的异常";
    }
}

void AppendToLog(const std::string& where, const std::string& what)
{
    if (LogPath().empty())
        return;
    if (std::FILE* log = std::fopen(LogPath().c_str(), "ab")) {
        const QByteArray stamp = QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8();
        std::fprintf(log, "%s\t%s\t%s\n", stamp.constData(), where.c_str(), what.c_str());
        std::fclose(log);
    }
}

void ShowLater(std::string text)
{
    if (BoxPending() || !QCoreApplication::instance())
        return;
    BoxPending() = true;
    // Not inside the failed handler: it may be a paint or a mouse grab.
    QTimer::singleShot(0, QCoreApplication::instance(), [text = std::move(text)] {
        try {
            AfxMessageBox(text, MB_ICONERROR);
        } catch (...) {
            std::fprintf(stderr, "%s\n", text.c_str());
        }
        BoxPending() = false;
    });
}

} // namespace

void SetInternalErrorLog(std::string path) { LogPath() = std::move(path); }

const std::string& InternalErrorLog() { return LogPath(); }

void ReportCurrentException(const std::string& where) noexcept
{
    try {
        const std::string what = Describe(std::current_exception());
        AppendToLog(where, what);
        std::fprintf(stderr, "vesk: internal error in %s: %s\n", where.c_str(), what.c_str());
        std::string text = "程序内部错误：" + what;
        if (!LogPath().empty())
            text += "\n详细信息已写入 " + LogPath();
        ShowLater(std::move(text));
    } catch (...) {
        // Out of memory even for the report: the log line above is all there is.
    }
}

} // namespace vesk
