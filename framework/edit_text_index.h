#pragma once
// Internal to the framework: the byte length of a multi-line edit's text and
// the map between Qt positions and edit-text offsets ("\r\n" line ends, UTF-8
// bytes), kept current from the document's own change signal so that neither
// costs a copy of a text of millions of characters.
//
// Text of one byte per character (number lists) needs nothing more than the
// document's character and line counts. Other text keeps the byte offset of
// each line, rebuilt on the first question after a change.

#include <QObject>
#include <QString>

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

private:
    explicit EditTextIndex(QPlainTextEdit* edit);
    void Changed(int position, int removed, int added);
    bool SingleByte() const;
    void Recount() const;
    int CharacterCount() const;

    QTextDocument* m_document;
    // Bytes beyond one per character and one per line end, while known.
    mutable long long m_extra = 0;
    mutable bool m_extraKnown = true;
    // Offset of each line's start; valid while m_linesKnown.
    mutable std::vector<int> m_lineStarts;
    mutable bool m_linesKnown = false;
};

} // namespace vesk::detail
