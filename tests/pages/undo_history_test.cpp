#include "pages/history/undo_history.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace vesk::history {
namespace {

NumberList ListOf(const std::string& text)
{
    NumberList list(3);
    list.ParseText(text, 3);
    return list;
}

std::string TextOf(NumberList& list)
{
    std::string text;
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        if (i > 0)
            text += ' ';
        text.append(list.ToText(i));
    }
    return text;
}

// The bytes the history should hold, counted from its states: every
// distinct snapshot once, plus a pair record per state. Walks to the oldest
// state and back, so the lists end as they were.
std::size_t CountedBytes(UndoHistory& history, NumberList& result, NumberList& recycle)
{
    const std::size_t redo = history.RedoSteps();
    while (history.Redo(result, recycle)) {
    }
    std::set<const FrozenList*> snapshots;
    std::size_t bytes = 0;
    std::size_t states = 0;
    for (bool more = true; more; more = history.Undo(result, recycle)) {
        ++states;
        for (const FrozenListPtr& part : {history.Current().result, history.Current().recycle}) {
            if (snapshots.insert(part.get()).second)
                bytes += part->MemoryBytes();
        }
    }
    const std::size_t back = states - 1 - redo;
    for (std::size_t i = 0; i < back; ++i)
        EXPECT_TRUE(history.Redo(result, recycle));
    return bytes + states * sizeof(ListPair);
}

TEST(UndoHistory, UndoAndRedoMoveBothListsThroughTheRecordedStates)
{
    UndoHistory history;
    NumberList result = ListOf("123 456");
    NumberList recycle = ListOf("789");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(result, recycle)) << "nothing recorded yet";
    EXPECT_EQ(TextOf(result), "123 456");

    ASSERT_TRUE(history.Record(result, recycle));
    result = ListOf("111");
    recycle = ListOf("123 456");
    ASSERT_TRUE(history.Record(result, recycle));
    EXPECT_EQ(history.UndoSteps(), 2u);

    ASSERT_TRUE(history.Undo(result, recycle));
    EXPECT_EQ(TextOf(result), "123 456");
    EXPECT_EQ(TextOf(recycle), "789");
    // The first recorded change undone: the initial state is empty.
    ASSERT_TRUE(history.Undo(result, recycle));
    EXPECT_EQ(result.Count(), 0u);
    EXPECT_EQ(recycle.Count(), 0u);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(result, recycle));

    ASSERT_TRUE(history.Redo(result, recycle));
    ASSERT_TRUE(history.Redo(result, recycle));
    EXPECT_EQ(TextOf(result), "111");
    EXPECT_EQ(TextOf(recycle), "123 456");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo(result, recycle));
    EXPECT_EQ(TextOf(result), "111");
}

TEST(UndoHistory, ANewRecordAfterUndoDiscardsEveryRedoStep)
{
    UndoHistory history;
    NumberList result;
    NumberList recycle;
    for (const char* text : {"001", "002", "003"}) {
        result = ListOf(text);
        ASSERT_TRUE(history.Record(result, recycle));
    }
    ASSERT_TRUE(history.Undo(result, recycle));
    ASSERT_TRUE(history.Undo(result, recycle));
    EXPECT_EQ(history.RedoSteps(), 2u);
    result = ListOf("009");
    ASSERT_TRUE(history.Record(result, recycle));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoSteps(), 2u);
    ASSERT_TRUE(history.Undo(result, recycle));
    EXPECT_EQ(TextOf(result), "001");
    EXPECT_EQ(CountedBytes(history, result, recycle), history.MemoryBytes());
}

TEST(UndoHistory, UndoRestoresAListChangedWithoutARecord)
{
    // The recycle grid sorts its list without recording a step.
    UndoHistory history;
    NumberList result = ListOf("123");
    NumberList recycle = ListOf("900 100");
    ASSERT_TRUE(history.Record(result, recycle));
    result = ListOf("456");
    ASSERT_TRUE(history.Record(result, recycle));
    recycle.Sort();
    ASSERT_TRUE(history.Undo(result, recycle));
    EXPECT_EQ(TextOf(recycle), "900 100");
    EXPECT_EQ(recycle.TagAt(0), NumberList::kLiveTag);
}

TEST(UndoHistory, AListThatDidNotChangeSharesItsSnapshotWithThePreviousStep)
{
    UndoHistory history;
    NumberList result = ListOf("123 456 789");
    NumberList recycle = ListOf("000 111 222 333");
    ASSERT_TRUE(history.Record(result, recycle));
    const FrozenListPtr recycleBefore = history.Current().recycle;
    const FrozenListPtr resultBefore = history.Current().result;
    const std::size_t bytesBefore = history.MemoryBytes();

    // Tags are not part of a snapshot: a list sorted by attribute keeps
    // working tags, and is still the same list.
    recycle.SetAllTags(1);
    ASSERT_TRUE(result.SetAt(1, std::array<std::uint8_t, 3>{4, 5, 7}.data()));
    ASSERT_TRUE(history.Record(result, recycle));
    EXPECT_EQ(history.Current().recycle, recycleBefore);
    EXPECT_NE(history.Current().result, resultBefore);
    EXPECT_EQ(history.MemoryBytes() - bytesBefore, sizeof(ListPair) + history.Current().result->MemoryBytes());

    // A step that changed nothing costs only its record.
    ASSERT_TRUE(history.Record(result, recycle));
    EXPECT_EQ(history.MemoryBytes() - bytesBefore,
              2 * sizeof(ListPair) + history.Current().result->MemoryBytes());

    // Only the first or the last number differs; the same digits in longer
    // numbers: each is another list.
    for (const char* text : {"124 457 789", "123 457 788"}) {
        const FrozenListPtr edited = history.Current().result;
        result = ListOf(text);
        ASSERT_TRUE(history.Record(result, recycle));
        EXPECT_NE(history.Current().result, edited) << text;
        result = ListOf("123 457 789");
        ASSERT_TRUE(history.Record(result, recycle));
    }
    NumberList four(4);
    four.ParseText("1230 4570 7890", 4);
    ASSERT_TRUE(history.Record(four, recycle));
    ASSERT_TRUE(history.Undo(result, recycle));
    ASSERT_TRUE(history.Redo(result, recycle));
    EXPECT_EQ(result.Length(), 4);
    EXPECT_EQ(CountedBytes(history, result, recycle), history.MemoryBytes());
}

TEST(UndoHistory, TheBudgetDropsTheOldestStepsButNeverTheCurrentState)
{
    const NumberList big = ListOf(std::string(3000, '7')); // 1000 numbers, 3000 bytes
    NumberList probe = big;
    UndoHistory sizing;
    NumberList none;
    ASSERT_TRUE(sizing.Record(probe, none));
    const std::size_t perStep = sizing.Current().result->MemoryBytes() + sizeof(ListPair);

    // Room for the empty first state and three steps of one changed list.
    UndoHistory history(sizing.MemoryBytes() + 2 * perStep);
    NumberList result;
    NumberList recycle;
    for (int step = 0; step < 10; ++step) {
        result = big;
        const std::uint8_t digits[3] = {0, 0, static_cast<std::uint8_t>(step)};
        ASSERT_TRUE(result.SetAt(0, digits));
        ASSERT_TRUE(history.Record(result, recycle));
        EXPECT_LE(history.MemoryBytes(), history.Budget()) << step;
    }
    EXPECT_EQ(history.UndoSteps(), 2u);
    while (history.Undo(result, recycle)) {
    }
    EXPECT_EQ(TextOf(result).substr(0, 7), "007 777") << "the oldest kept step is step 7";
    EXPECT_EQ(CountedBytes(history, result, recycle), history.MemoryBytes());

    // A budget smaller than one state still keeps the current one.
    UndoHistory tiny(0);
    ASSERT_TRUE(tiny.Record(big, recycle));
    EXPECT_FALSE(tiny.CanUndo());
    EXPECT_EQ(tiny.Current().result->Snapshot().count, 1000u);
    result = ListOf("555");
    EXPECT_FALSE(tiny.Undo(result, recycle));
    EXPECT_EQ(TextOf(result), "555");
}

TEST(UndoHistory, MemoryStaysCountedExactlyThroughRandomUse)
{
    std::mt19937 random(9);
    UndoHistory history(40'000);
    NumberList result;
    NumberList recycle;
    for (int i = 0; i < 400; ++i) {
        switch (random() % 5) {
        case 0:
            history.Undo(result, recycle);
            break;
        case 1:
            history.Redo(result, recycle);
            break;
        default: {
            NumberList& changed = random() % 2 ? result : recycle;
            if (random() % 3 != 0) {
                std::string text;
                for (std::uint32_t n = random() % 3000; n > 0; --n)
                    text += static_cast<char>('0' + random() % 10);
                changed = ListOf(text);
            }
            ASSERT_TRUE(history.Record(result, recycle));
        }
        }
        // Over the budget only when nothing but the current state is left.
        ASSERT_TRUE(history.MemoryBytes() <= history.Budget() || (!history.CanUndo() && !history.CanRedo())) << i;
    }
    EXPECT_EQ(CountedBytes(history, result, recycle), history.MemoryBytes());
}

} // namespace
} // namespace vesk::history
