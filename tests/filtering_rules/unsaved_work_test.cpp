// What counts as unsaved work when the program is to end, and the question
// that names it.
#include "filtering/rules/unsaved_work.h"

#include "numbers/number_list.h"

#include <gtest/gtest.h>

namespace vesk::workbench {
namespace {

NumberList ListOf(const char* text)
{
    NumberList list(3);
    list.ParseText(text, 3, false);
    return list;
}

TEST(UnsavedWork, ComparedWithTheContentAtTheLastSaveSoUndoingBackIsUnchanged)
{
    SavedWork saved;
    const NumberList empty = ListOf("");
    saved.ListsSaved(empty, empty);
    saved.StagingSaved("");
    EXPECT_FALSE(saved.Compare(empty, empty, "").Any());

    const NumberList bets = ListOf("123 456 789");
    const NumberList recycled = ListOf("111");
    UnsavedParts now = saved.Compare(bets, recycled, "明天");
    EXPECT_TRUE(now.result);
    EXPECT_TRUE(now.recycle);
    EXPECT_TRUE(now.staging);

    saved.ListsSaved(bets, recycled);
    EXPECT_FALSE(saved.Compare(bets, recycled, "").Any());
    // Another order of the same numbers is another list.
    EXPECT_TRUE(saved.Compare(ListOf("456 123 789"), recycled, "").result);
    // Emptied: nothing is left to lose.
    EXPECT_FALSE(saved.Compare(empty, empty, "").Any());

    saved.StagingSaved("明天");
    EXPECT_FALSE(saved.Compare(bets, recycled, "明天").staging);
    EXPECT_TRUE(saved.Compare(bets, recycled, "明天 看").staging);
}

TEST(UnsavedWork, TheQuestionNamesWhatWouldBeLost)
{
    EXPECT_EQ(QuitQuestion({true, true, true}, 270), "缩水器中有 270 注未保存，退出前保存吗？");
    EXPECT_EQ(QuitQuestion({false, true, false}, 12), "回收区的号码未保存，退出前保存吗？");
    EXPECT_EQ(QuitQuestion({false, false, true}, 12), "暂存区的文本未保存，退出前保存吗？");
    EXPECT_EQ(QuitQuestion({false, true, true}, 0), "回收区的号码和暂存区的文本未保存，退出前保存吗？");
}

} // namespace
} // namespace vesk::workbench
