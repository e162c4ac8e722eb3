// The framework's multi-line edit against a plain QPlainTextEdit, in the same
// run, on a 4 MB text of ten numbers a line: keystrokes with the text limit
// set, setting and reading the whole text, appending a 4 MB block, and a
// paste past the limit (linear in the pasted size).
#include "framework/framework.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace vesk;

constexpr UINT kLimit = 16'777'215;
constexpr std::size_t kTextBytes = 4u << 20;

// Lines of ten 3-digit numbers, "\r\n" between lines, about bytes long;
// with cjk each line ends in a word of two CJK characters.
std::string NumberText(std::size_t bytes, bool cjk = false)
{
    std::string text;
    text.reserve(bytes + 64);
    unsigned n = 0;
    while (text.size() < bytes) {
        if (!text.empty())
            text += "\r\n";
        for (int i = 0; i < 10; ++i, n = (n + 7) % 1000) {
            char number[4] = {char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10), ' '};
            text.append(number, i < 9 ? 4 : 3);
        }
        if (cjk)
            text += " \xE5\x8F\xB7\xE7\xA0\x81";
    }
    return text;
}

const std::string& FourMegabytes(bool cjk = false)
{
    static const std::string numbers = NumberText(kTextBytes);
    static const std::string words = NumberText(kTextBytes, true);
    return cjk ? words : numbers;
}

const QString& FourMegabytesPlain(bool cjk = false)
{
    static const QString numbers = QString::fromStdString(FourMegabytes()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static const QString words = QString::fromStdString(FourMegabytes(true)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return cjk ? words : numbers;
}

// Both widgets shown at the same size, so both lay out what they show.
struct Widgets {
    CWnd host;
    CEdit edit;
    QWidget plainHost;
    QPlainTextEdit* plain = nullptr;

    Widgets()
    {
        host.Create(nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 320), nullptr, 0);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 400, 300),
                    &host, 10);
        plainHost.resize(420, 320);
        plain = new QPlainTextEdit(&plainHost);
        plain->setGeometry(0, 0, 400, 300);
        plainHost.show();
        QApplication::processEvents();
    }
};

Widgets& Shared()
{
    static Widgets widgets;
    return widgets;
}

void Type(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// A digit typed in the middle of the text and taken back: two keystrokes.
// Argument 1: a text with CJK words on every line.
void BM_Keystroke_Edit(benchmark::State& state)
{
    Widgets& w = Shared();
    const bool cjk = state.range(0) != 0;
    w.edit.SetWindowText(FourMegabytes(cjk));
    w.edit.SetLimitText(kLimit);
    const int middle = w.edit.LineIndex(w.edit.GetLineCount() / 2);
    w.edit.SetSel(middle, middle);
    for (auto _ : state) {
        Type(w.edit.m_hWnd, Qt::Key_5, QStringLiteral("5"));
        Type(w.edit.m_hWnd, Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Keystroke_Edit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Keystroke_Plain(benchmark::State& state)
{
    Widgets& w = Shared();
    w.plain->setPlainText(FourMegabytesPlain(state.range(0) != 0));
    QTextCursor cursor = w.plain->textCursor();
    cursor.setPosition(w.plain->document()->findBlockByNumber(w.plain->document()->blockCount() / 2).position());
    w.plain->setTextCursor(cursor);
    for (auto _ : state) {
        Type(w.plain, Qt::Key_5, QStringLiteral("5"));
        Type(w.plain, Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Keystroke_Plain)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SetText_Edit(benchmark::State& state)
{
    Widgets& w = Shared();
    for (auto _ : state)
        w.edit.SetWindowText(FourMegabytes());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FourMegabytes().size()));
}
BENCHMARK(BM_SetText_Edit)->Unit(benchmark::kMillisecond);

void BM_SetText_Plain(benchmark::State& state)
{
    Widgets& w = Shared();
    for (auto _ : state)
        w.plain->setPlainText(QString::fromStdString(FourMegabytes()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FourMegabytes().size()));
}
BENCHMARK(BM_SetText_Plain)->Unit(benchmark::kMillisecond);

void BM_GetText_Edit(benchmark::State& state)
{
    Widgets& w = Shared();
    w.edit.SetWindowText(FourMegabytes());
    for (auto _ : state)
        benchmark::DoNotOptimize(w.edit.GetWindowText());
}
BENCHMARK(BM_GetText_Edit)->Unit(benchmark::kMillisecond);

void BM_GetText_Plain(benchmark::State& state)
{
    Widgets& w = Shared();
    w.plain->setPlainText(FourMegabytesPlain());
    for (auto _ : state)
        benchmark::DoNotOptimize(w.plain->toPlainText());
}
BENCHMARK(BM_GetText_Plain)->Unit(benchmark::kMillisecond);

// A 4 MB block added to a 4 MB text.
void BM_Append_Edit(benchmark::State& state)
{
    Widgets& w = Shared();
    const std::string block = "\r\n\r\n" + FourMegabytes();
    for (auto _ : state) {
        state.PauseTiming();
        w.edit.SetWindowText(FourMegabytes());
        state.ResumeTiming();
        w.edit.AppendText(block);
    }
}
BENCHMARK(BM_Append_Edit)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Append_Plain(benchmark::State& state)
{
    Widgets& w = Shared();
    const QString block = QStringLiteral("\n\n") + FourMegabytesPlain();
    for (auto _ : state) {
        state.PauseTiming();
        w.plain->setPlainText(FourMegabytesPlain());
        state.ResumeTiming();
        QTextCursor end(w.plain->document());
        end.movePosition(QTextCursor::End);
        end.insertText(block);
    }
}
BENCHMARK(BM_Append_Plain)->Unit(benchmark::kMillisecond)->Iterations(5);

// A paste of state.range(0) bytes into a full 4 MB text: all of it is cut.
void BM_PastePastTheLimit_Edit(benchmark::State& state)
{
    Widgets& w = Shared();
    const std::string pasted = NumberText(static_cast<std::size_t>(state.range(0)));
    w.edit.SetWindowText(FourMegabytes());
    w.edit.SetLimitText(static_cast<UINT>(FourMegabytes().size()));
    const int middle = static_cast<int>(FourMegabytes().size() / 2);
    for (auto _ : state) {
        w.edit.SetSel(middle, middle);
        w.edit.ReplaceSel(pasted);
    }
    w.edit.SetLimitText(kLimit);
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * pasted.size()));
}
BENCHMARK(BM_PastePastTheLimit_Edit)->RangeMultiplier(2)->Range(25 << 10, 200 << 10)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
