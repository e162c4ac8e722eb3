#pragma once
// Range, page and position of a scroll bar and the rules that keep them
// consistent, as the scroll-info calls set them.

namespace vesk::skin {

struct ScrollRange {
    int min = 0;
    int max = 0;
    unsigned page = 0; // 0 = no page
    int pos = 0;
};

// Largest position the thumb can reach: max - max(page, 1) + 1.
int effectiveMax(const ScrollRange& range);

// Position limited to [min, effective max]; a value below min becomes min.
int clampScrollPos(const ScrollRange& range, int pos);

// A scroll-info record as the caller hands it in: mask bits say which of the
// values apply.
struct ScrollInfoUpdate {
    bool setRange = false;
    bool setPage = false;
    bool setPos = false;
    int min = 0;
    int max = 0;
    unsigned page = 0;
    int pos = 0;
};

// Applies the update in the order range, page, position. Returns true when
// the range or the page changed, which calls for a new geometry.
bool applyScrollInfo(ScrollRange& range, const ScrollInfoUpdate& update);

} // namespace vesk::skin
