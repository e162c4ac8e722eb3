// Binomial tails against sums of the probabilities worked out term by term,
// and the way a p-value is written.
#include "components/filter/engine/binomial.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vesk::filter {
namespace {

// P(X = i) for i = 0..n, each from the one before, in long double.
std::vector<long double> Terms(std::uint64_t n, long double p)
{
    std::vector<long double> terms(n + 1);
    terms[0] = std::pow(1 - p, static_cast<long double>(n));
    for (std::uint64_t i = 0; i < n; ++i)
        terms[i + 1] = terms[i] * static_cast<long double>(n - i) / static_cast<long double>(i + 1) * p / (1 - p);
    return terms;
}

TEST(Binomial, TailsAreTheSumsOfTheirTerms)
{
    for (std::uint64_t n : {1u, 2u, 7u, 30u, 100u, 1000u}) {
        for (double p : {0.001, 0.027, 0.25, 0.5, 0.9, 0.999}) {
            const std::vector<long double> terms = Terms(n, p);
            long double below = 0;
            for (std::uint64_t k = 0; k <= n; ++k) {
                below += terms[k];
                long double above = 0;
                for (std::uint64_t i = k; i <= n; ++i)
                    above += terms[i];
                SCOPED_TRACE("n " + std::to_string(n) + " p " + std::to_string(p) + " k " + std::to_string(k));
                EXPECT_NEAR(BinomialAtLeast(k, n, p), static_cast<double>(above), 1e-12 + 1e-9 * static_cast<double>(above));
                EXPECT_NEAR(BinomialAtMost(k, n, p), static_cast<double>(below), 1e-12 + 1e-9 * static_cast<double>(below));
            }
        }
    }
}

TEST(Binomial, EdgesOfTheChanceAndTheCount)
{
    EXPECT_EQ(BinomialAtLeast(0, 0, 0.3), 1);
    EXPECT_EQ(BinomialAtLeast(1, 0, 0.3), 0);
    EXPECT_EQ(BinomialAtLeast(0, 10, 0), 1);
    EXPECT_EQ(BinomialAtLeast(1, 10, 0), 0);
    EXPECT_EQ(BinomialAtLeast(10, 10, 1), 1);
    EXPECT_EQ(BinomialAtMost(9, 10, 1), 0);
    EXPECT_EQ(BinomialAtMost(0, 10, 0), 1);
    EXPECT_EQ(BinomialAtMost(10, 10, 0.5), 1);
    // A history as long as the sample one: the far tail is tiny, not zero or NaN.
    const double far = BinomialAtLeast(4000, 8374, 0.3);
    EXPECT_GT(far, 0);
    EXPECT_LT(far, 1e-100);
    EXPECT_NEAR(BinomialAtLeast(2512, 8374, 0.3), 0.5, 0.01);
}

TEST(Binomial, PValuesHaveFourDecimalsHalfUpAndAFloor)
{
    EXPECT_EQ(PValueText(0.054), "0.0540");
    EXPECT_EQ(PValueText(0.12345), "0.1235");
    EXPECT_EQ(PValueText(0.00005), "0.0001");
    EXPECT_EQ(PValueText(0.0000499), "<0.0001");
    EXPECT_EQ(PValueText(0), "<0.0001");
    EXPECT_EQ(PValueText(1), "1.0000");
    EXPECT_EQ(PValueText(0.99996), "1.0000");
}

} // namespace
} // namespace vesk::filter
