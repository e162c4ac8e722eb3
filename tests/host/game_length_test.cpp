// The one rule for the game's digits: the game's answer when a number can
// have that many digits, the 3-digit game without a game service, and 0
// (refuse numbers) for an answer no number can have.

#include "host/game_length.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

class AnsweringGame final : public IGameService {
public:
    explicit AnsweringGame(SlotInt digits) : m_digits(digits) {}
    SlotInt GetAttributeContext(SlotInt) override { return 0; }
    SlotInt GetListKey() override { return 0; }
    SlotInt GetListSubKey() override { return 0; }
    SlotInt GetNumberLength(SlotInt which) override { return which == kDigitsPerNumber ? m_digits : 99; }
    SlotInt GetNEnd(SlotInt) override { return 0; }
    SlotInt GetAttribute(SlotInt, SlotInt, SlotInt, const std::uint8_t*) override { return 0; }

private:
    SlotInt m_digits;
};

TEST(GameNumberLength, TakesTheGamesAnswerForDigitsPerNumber)
{
    for (SlotInt digits : {1, 3, 5, 7, 8}) {
        AnsweringGame game(digits);
        EXPECT_EQ(GameNumberLength(&game), digits);
    }
}

TEST(GameNumberLength, WithoutAGameServiceTheHostPlaysTheThreeDigitGame)
{
    EXPECT_EQ(GameNumberLength(nullptr), 3);
}

TEST(GameNumberLength, AnAnswerNoNumberCanHaveGivesZero)
{
    for (SlotInt digits : {-1, 0, 9, 61}) {
        AnsweringGame game(digits);
        EXPECT_EQ(GameNumberLength(&game), 0) << digits;
    }
}

} // namespace
} // namespace vesk
