#pragma once
// The barrier between the program's own failures and the user's work: an
// exception that reaches the edge of an event or message handler is caught
// there, written to the error log with what failed, and reported in one
// message box ("程序内部错误：…"); the program keeps running.

#include <string>

namespace vesk {

// Where the details go; the host points it into its data folder. Empty: no log.
void SetInternalErrorLog(std::string path);
const std::string& InternalErrorLog();

// Reports the exception being handled; call it only inside a catch block.
// where names what was being done ("消息 0x0111" etc.). Never throws.
void ReportCurrentException(const std::string& where) noexcept;

// Runs work; an exception it throws is reported and fallback returned.
template <class Result, class Work>
Result GuardInternalErrors(const char* where, Result fallback, Work&& work) noexcept
{
    try {
        return work();
    } catch (...) {
        ReportCurrentException(where);
        return fallback;
    }
}

} // namespace vesk
