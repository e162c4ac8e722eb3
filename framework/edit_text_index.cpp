// Byte length and offsets of a multi-line edit's text without copying it.
#include "framework/edit_text_index.h"

#include "framework/edit_text.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

#include <algorithm>

namespace vesk::detail {

namespace {

constexpr const char* kIndexProperty = "vesk.editTextIndex";

} // namespace

EditTextIndex& EditTextIndex::Of(QPlainTextEdit* edit)
{
    // A child of the edit, found through a property: the class has no meta
    // object of its own to be looked up by.
    if (auto* index = edit->property(kIndexProperty).value<QObject*>())
        return *static_cast<EditTextIndex*>(index);
    auto* index = new EditTextIndex(edit);
    edit->setProperty(kIndexProperty, QVariant::fromValue<QObject*>(index));
    return *index;
}

EditTextIndex::EditTextIndex(QPlainTextEdit* edit) : QObject(edit), m_document(edit->document())
{
    Recount(0, m_document->blockCount() - 1, 0);
    connect(m_document, &QTextDocument::contentsChange, this, &EditTextIndex::Changed);
}

int EditTextIndex::CharacterCount() const { return m_document->characterCount() - 1; }

void EditTextIndex::Changed(int position, int removed, int added)
{
    // Lines before the change kept their numbers; the changed span now
    // covers lines first..last, and the line count tells how many it covered.
    const int first = m_document->findBlock(position).blockNumber();
    const int last = m_document->findBlock(std::min(position + std::max(added, 0), CharacterCount())).blockNumber();
    const int grown = m_document->blockCount() - static_cast<int>(m_lineBytes.size());
    Recount(first, last, last - first + 1 - grown);
}

void EditTextIndex::Recount(int first, int last, int oldCount)
{
    m_lineStartsKnown = false;
    const auto size = static_cast<int>(m_lineBytes.size());
    if (first < 0 || oldCount < 0 || first + oldCount > size) {
        // Not a change the index can follow: count the whole text again.
        first = 0;
        last = m_document->blockCount() - 1;
        oldCount = size;
    }
    // The changed lines' text in one piece, lines split by paragraph separators.
    const QTextBlock from = m_document->findBlockByNumber(first);
    const QTextBlock to = m_document->findBlockByNumber(last);
    QTextCursor cursor(m_document);
    cursor.setPosition(from.position());
    cursor.setPosition(to.position() + to.length() - 1, QTextCursor::KeepAnchor);
    const QString text = cursor.selectedText();

    std::vector<int> counted;
    counted.reserve(static_cast<size_t>(last - first + 1));
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf(QChar::ParagraphSeparator, start);
        counted.push_back(RawEditLength(QStringView(text).mid(start, (end < 0 ? text.size() : end) - start)));
        if (end < 0)
            break;
        start = end + 1;
    }
    const auto at = m_lineBytes.begin() + first;
    for (auto it = at; it != at + oldCount; ++it)
        m_textBytes -= *it;
    for (const int bytes : counted)
        m_textBytes += bytes;
    if (static_cast<int>(counted.size()) == oldCount) {
        std::copy(counted.begin(), counted.end(), at);
    } else {
        m_lineBytes.erase(at, at + oldCount);
        m_lineBytes.insert(m_lineBytes.begin() + first, counted.begin(), counted.end());
    }
}

bool EditTextIndex::SingleByte() const
{
    return m_textBytes == CharacterCount() - (m_document->blockCount() - 1);
}

const std::vector<int>& EditTextIndex::LineStarts() const
{
    if (!m_lineStartsKnown) {
        m_lineStarts.resize(m_lineBytes.size());
        int offset = 0;
        for (size_t i = 0; i < m_lineBytes.size(); ++i) {
            m_lineStarts[i] = offset;
            offset += m_lineBytes[i] + 2;
        }
        m_lineStartsKnown = true;
    }
    return m_lineStarts;
}

int EditTextIndex::Length() const
{
    return static_cast<int>(m_textBytes + 2LL * (m_document->blockCount() - 1));
}

int EditTextIndex::OffsetOf(int position) const
{
    position = std::clamp(position, 0, CharacterCount());
    const QTextBlock block = m_document->findBlock(position);
    if (SingleByte())
        return position + block.blockNumber();
    const int start = LineStarts()[static_cast<size_t>(block.blockNumber())];
    return start + RawOffsetFromPosition(block.text(), position - block.position());
}

int EditTextIndex::PositionOf(int offset) const
{
    if (offset <= 0)
        return 0;
    if (offset >= Length())
        return CharacterCount();
    if (SingleByte()) {
        // Line n starts at offset position + n: the last line starting at or
        // before offset holds it.
        int low = 0;
        int high = m_document->blockCount() - 1;
        while (low < high) {
            const int middle = low + (high - low + 1) / 2;
            if (m_document->findBlockByNumber(middle).position() + middle <= offset)
                low = middle;
            else
                high = middle - 1;
        }
        const QTextBlock block = m_document->findBlockByNumber(low);
        const int inLine = offset - (block.position() + low);
        return block.position() + std::min(inLine, block.length() - 1);
    }
    const std::vector<int>& starts = LineStarts();
    const auto line = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
    const QTextBlock block = m_document->findBlockByNumber(line);
    return block.position() + RawPositionFromOffset(block.text(), offset - starts[static_cast<size_t>(line)]);
}

} // namespace vesk::detail
