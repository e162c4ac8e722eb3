// Byte length and offsets of a multi-line edit's text without copying it.
#include "framework/edit_text_index.h"

#include "framework/edit_text.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vesk::detail {

namespace {

constexpr const char* kIndexName = "vesk.editTextIndex";

// Bytes of raw beyond one per character; paragraph separators (line ends
// counted by the line count) add none.
long long ExtraBytes(QStringView raw)
{
    long long extra = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i].unicode() < 0x80 || raw[i] == QChar::ParagraphSeparator)
            continue;
        extra += RawUnitBytes(raw, i) - 1;
    }
    return extra;
}

} // namespace

EditTextIndex& EditTextIndex::Of(QPlainTextEdit* edit)
{
    if (auto* index = edit->findChild<EditTextIndex*>(QLatin1String(kIndexName), Qt::FindDirectChildrenOnly))
        return *index;
    return *new EditTextIndex(edit);
}

EditTextIndex::EditTextIndex(QPlainTextEdit* edit) : QObject(edit), m_document(edit->document())
{
    setObjectName(QLatin1String(kIndexName));
    m_extraKnown = false;
    connect(m_document, &QTextDocument::contentsChange, this, &EditTextIndex::Changed);
}

int EditTextIndex::CharacterCount() const { return m_document->characterCount() - 1; }

void EditTextIndex::Changed(int position, int removed, int added)
{
    m_linesKnown = false;
    // What a removal took is gone by now: only text without extra bytes
    // knows that it lost none.
    if (removed > 0 && m_extra != 0)
        m_extraKnown = false;
    if (!m_extraKnown || added <= 0)
        return;
    const int end = std::min(position + added, CharacterCount());
    if (end <= position)
        return;
    QTextCursor cursor(m_document);
    cursor.setPosition(position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_extra += ExtraBytes(cursor.selectedText());
}

bool EditTextIndex::SingleByte() const
{
    if (!m_extraKnown)
        Recount();
    return m_extra == 0;
}

void EditTextIndex::Recount() const
{
    m_lineStarts.clear();
    m_lineStarts.reserve(static_cast<size_t>(m_document->blockCount()));
    long long extra = 0;
    int offset = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        m_lineStarts.push_back(offset);
        const QString text = block.text();
        const int bytes = RawEditLength(text);
        extra += bytes - text.size();
        offset += bytes + 2;
    }
    m_extra = extra;
    m_extraKnown = true;
    m_linesKnown = true;
}

int EditTextIndex::Length() const
{
    if (!m_extraKnown)
        Recount();
    return static_cast<int>(CharacterCount() + (m_document->blockCount() - 1) + m_extra);
}

int EditTextIndex::OffsetOf(int position) const
{
    position = std::clamp(position, 0, CharacterCount());
    const QTextBlock block = m_document->findBlock(position);
    if (SingleByte())
        return position + block.blockNumber();
    if (!m_linesKnown)
        Recount();
    const int start = m_lineStarts[static_cast<size_t>(block.blockNumber())];
    return start + RawOffsetFromPosition(block.text(), position - block.position());
}

int EditTextIndex::PositionOf(int offset) const
{
    if (offset <= 0)
        return 0;
    if (offset >= Length())
        return CharacterCount();
    int line = 0;
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
        line = low;
        const QTextBlock block = m_document->findBlockByNumber(line);
        const int inLine = offset - (block.position() + line);
        return block.position() + std::min(inLine, block.length() - 1);
    }
    if (!m_linesKnown)
        Recount();
    line = static_cast<int>(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset) - m_lineStarts.begin()) - 1;
    const QTextBlock block = m_document->findBlockByNumber(line);
    return block.position() + RawPositionFromOffset(block.text(), offset - m_lineStarts[static_cast<size_t>(line)]);
}

} // namespace vesk::detail
