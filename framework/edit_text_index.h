#pragma once
// Internal to the framework: the byte length of a multi-line edit's text and
// the map between Qt positions and edit-text offsets ("\r\n" line ends, UTF-8
// bytes), kept current from the document's own change signal so that neither
// costs a copy of a text of millions of characters.
//
// The index holds the bytes of each line. Text of one byte per character
// (number lists) maps offsets from the document's own positions and line
// numbers; other text sums the lines before the one asked about, once after
// each change.

#include <QObject>

#include <vector>

class QPlainTextEdit;
class QTextDocument;

namespace vesk::detail {

class EditTextIndex : public QObject {
public:
    // The index of edit, made on first use. Made before any other handler of
    // the document's changes, it is current when they run.
    static EditTextIndex& Of(QPlainTextEdit* edit);

    // Bytes of the edit text.
    int Length() const;
    // Offset of a Qt position (clamped to the text).
    int OffsetOf(int position) const;
    // Qt position of an offset, rounded as PositionFromEditOffset rounds.
    int PositionOf(int offset) const;

    // Follows a change of the document (its contentsChange). A change made
    // while the document tells of another is folded into that one and told
    // to nobody: whoever makes it tells the index.
    void Changed(int position, int removed, int added);

private:
    explicit EditTextIndex(QPlainTextEdit* edit);
    // Recounts lines first..last (the document's numbers now), which stand
    // where oldCount lines stood.
    void Recount(int first, int last, int oldCount);
    bool SingleByte() const;
    int CharacterCount() const;
    const std::vector<int>& LineStarts() const;

    QTextDocument* m_document;
    std::vector<int> m_lineBytes; // bytes of each line without its line end
    long long m_textBytes = 0;    // their sum
    mutable std::vector<int> m_lineStarts;
    mutable bool m_lineStartsKnown = false;
};

} // namespace vesk::detail
