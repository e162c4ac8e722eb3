#include "tools/cli/usage.h"

#include <array>
#include <utility>

namespace vesk::cli {

namespace {

constexpr std::string_view kTool = R"(Usage: vesk-cli COMMAND [OPTIONS] [ARGS]

Batch work on lottery number files. A number is L digit characters in a row
(L = 3 unless --digits says otherwise); every other character in a text is
skipped and does not end a number. Output is one number per line.

Commands:
  parse      the numbers in a text
  count      how often each number occurs, grouped by count
  group      the group (unordered) forms of the numbers
  single     every ordering of the numbers' group forms
  expand     numbers with a match character standing for any digit
  convert    number text (.txt) <-> filter data file (.flt), or to .xls
  filter     the numbers that pass a condition set
  backtest   a condition set judged against past draws
  draws      import draws into a draw history, or show it
  omission   the omission table of a family of items over a draw history
  pattern    what came after the newest draws' values each time they came before
  formula    the formulas of the newest draw's digits that named the next draw best
  catalogue  build or dump a condition catalogue
  pick       the numbers of a smart-pick method for the next draw, or its classes

Run 'vesk-cli COMMAND --help' for the options of a command, 'vesk-cli --version'
for the version.
Exit status: 0 success, 1 unreadable or damaged input, 2 bad usage.
)";

constexpr std::string_view kParse = R"(Usage: vesk-cli parse [--digits L] [--dedupe] [FILE...]

Prints the numbers in the text of the FILEs (taken one after another as one
text; standard input when none is given, or for '-'), one per line, in the
order they stand. With --dedupe: ascending, each number once.

  --digits L   digits per number, 1 to 8 (default 3)
  --dedupe     sort ascending and drop repeated numbers
)";

constexpr std::string_view kCount = R"(Usage: vesk-cli count [--per-line P] [--digits L] [FILE...]

Prints how often each number of the text occurs: for each count, ascending,
the header "出现N次的号码（M注）：" and its numbers ascending, P per line.
Files as for 'parse'.

  --per-line P  numbers per line, at least 1 (default 10)
  --digits L    digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kGroup = R"(Usage: vesk-cli group [--digits L] [FILE...]

Prints the distinct group forms (digits in ascending order) of the numbers
in the text, ascending: 321 and 213 both give 123. Files as for 'parse'.

  --digits L   digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kSingle = R"(Usage: vesk-cli single [--digits L] [FILE...]

Prints every distinct ordering of the group forms of the numbers in the
text, ascending: 112 gives 112, 121 and 211. Only 2- and 3-digit numbers
have orderings; other lengths print nothing. Files as for 'parse'.

  --digits L   digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kExpand = R"(Usage: vesk-cli expand --match C [--digits L] TEXT...

Keeps the digits and the match character C of TEXT, cuts them into numbers
of L characters (a final short one is dropped) and replaces C in each by
every digit 0 to 9, then prints the numbers one per line: with C = '?',
1?3 gives 103, 113, ..., 193. Several TEXT words are joined by blanks.

  --match C    the match character: one character that is not a digit
  --digits L   digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kConvert = R"(Usage: vesk-cli convert [--per-line P] [--digits L] IN OUT

Converts between number text (.txt) and filter data files (.flt), or
writes either as an Excel 97-2003 workbook (.xls); each file's format is
chosen by its extension in any case. A text is read as its numbers
ascending, each once; a filter data file in either version. Text is written
with a blank between numbers and a line break after every P-th, filter data
in the current version. A workbook has the columns 序号, 投注号码 and the
default attribute columns (和值 to 012路; 3-digit numbers only, others leave
them empty), 65,535 numbers to a sheet. OUT is replaced only once written.

  --per-line P  numbers per line of written text (default 99999999)
  --digits L    digits per number of read text, 1 to 8 (default 3)
)";

constexpr std::string_view kFilter = R"(Usage: vesk-cli filter --conditions SET [--draws FILE] [--digits L]
                       [--rejected OUT] [--report] [--all | FILE...]

Prints the numbers that pass the condition set SET (a 3dvesk-conditions
JSON file), one per line: the numbers of the text of the FILEs in their
order, repeats kept (files as for 'parse'), or with --all every number of
the L-digit space, ascending.

  --conditions SET  the condition set (required)
  --draws FILE      the draw history, one draw per line, oldest first;
                    needed by the history conditions
  --digits L        digits per number; must match the set (default: the set's)
  --rejected OUT    also write the numbers that fail as number text to OUT,
                    replaced only once written
  --report          print per group and per condition how many numbers failed
                    it to standard error
  --all             judge every number of the space instead of a text
)";

constexpr std::string_view kBacktest = R"(Usage: vesk-cli backtest --conditions SET --draws FILE [--last K] [--per-condition]

Judges each of the last K draws of the draw history FILE by the condition
set SET, each with only the draws before it as its history, and prints one
line per draw: its period (its place among the draws of FILE, from 1, when
not every draw has one), the number, 保留 (kept) or 滤除 (lost) and the
names of the conditions it failed; then "K 期中保留 n 期"; then
"rate R baseline B": R the share of the judged draws kept, B the chance
baseline, the mean over the judged draws of the share of all numbers the
set keeps when that draw is judged (four decimals, rounded half up; "-"
when no draw was judged).
With a history condition in the set, the oldest draw is never judged.

With --per-condition it prints each condition's own record over the same
judged draws instead, tab-separated under the header
"item kept judged rate baseline p current-cut longest-cut": one line per
enabled condition of an enabled group, in file order, named G.C (group and
condition, each counted from 1 in file order, disabled ones counted too);
then one line G per enabled group (its pass with its allowed errors); then
the line "set". A condition keeps a draw that passes that condition alone,
whether or not its group forgave it. rate is kept / judged; baseline the
mean over the judged draws of the share of all numbers the item keeps; p
the chance of at least kept kept draws out of judged, each kept with the
baseline as printed (exact binomial); current-cut the run of newest judged
draws the item cut (0 when it kept the newest), longest-cut its longest
such run. rate, baseline and p have four decimals, rounded half up (p below
0.00005 is written "<0.0001"); all three are "-" when no draw was judged.

  --conditions SET  the condition set (required)
  --draws FILE      the draw history (required)
  --last K          how many of the latest draws to judge, at least 1 (default 30)
  --per-condition   each condition's, group's and the set's record instead of the draws
)";

constexpr std::string_view kDraws = R"(Usage: vesk-cli draws import FILE... --into HISTORY [--digits L]
       vesk-cli draws show HISTORY [--last N] [--digits L]

import reads the draws of the FILEs ("2025217 894", "2025217,2025-08-15,894",
"2025217 8 9 4" or "894" per line, header lines allowed, UTF-8 or GB18030)
into the draw history HISTORY, kept by period: a new period is added, a known
period with the same number skipped, with another number refused as a
conflict. HISTORY is written ordered by period, beside its place and renamed
in; it is created when missing. Refused lines ("FILE:LINE: reason") and a
summary go to standard error; the exit status is 1 when any line was refused.

show prints the draws of HISTORY, "period number" per line, oldest first.

  --into HISTORY  the history to import into (required by import)
  --last N        only the latest N draws, at least 1
  --digits L      digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kOmission = R"(Usage: vesk-cli omission --draws HISTORY --family FAMILY [--last N] [--digits L]

Prints the omission table of the items of FAMILY over the draw history
HISTORY (one draw per line, oldest first), tab-separated under the header
"item current previous max average expected ratio hits rate max-run", one
line per item that some but not every number satisfies, ordered by label.

FAMILY is a value type without history or fields (sum, sum-tail, span,
odd-count, big-count, prime-count, road-counts, dzx-counts, distinct-count,
max-digit, min-digit, mid-digit, consecutive, odd-pattern, big-pattern,
prime-pattern, road-pattern, dzx-pattern, shape, diff-count; label: the
value), single-1 (digit D at position P, "P:D"), single-2 ("P,Q:XY"),
single-3 (the number), group-1 (digit D anywhere), group-2 (the draw holds
X and Y, "XY", X <= Y), group-3 (the digits sorted) or cover-N (every digit
of the draw among N digits, N 1 to 9).

current: draws since the last hit (the history's length when none); previous:
the miss run the last hit ended; max: the longest miss run reaching into the
window, counted whole; hits and rate: over the window; average (n - hits) /
(hits + 1); expected (1 - p) / p and ratio current * p / (1 - p), p the item's
share of all numbers; max-run: the longest run of hits in the window. Two
decimals, rate four, rounded half up.

  --draws HISTORY  the draw history (required)
  --family FAMILY  the family of items (required)
  --last N         the window: the latest N draws, at least 1 (default: all)
  --digits L       digits per number, 1 to 8 (default 3)
)";

constexpr std::string_view kPattern = R"(Usage: vesk-cli pattern --draws HISTORY --type TYPE [--position P | --pair A,B]
                       [--length K] [--last N]

Takes the values of TYPE of the newest K draws of the draw history HISTORY
(one 3-digit draw per line, oldest first) as a pattern, finds every earlier
place where K consecutive draws had exactly these values and the draw after
them, all inside the window, and prints what value that next draw had,
tab-separated under the header "value count share probability": one line per
value that some number has, ascending, those that never came next included.

count: places followed by the value (places may overlap); share: count over
the places (0 when there are none); probability: the value's share of all
numbers. Four decimals, rounded half up.

TYPE is a value type without history or fields (sum, sum-tail, span,
odd-count, big-count, prime-count, road-counts, dzx-counts, distinct-count,
max-digit, min-digit, mid-digit, consecutive, odd-pattern, big-pattern,
prime-pattern, road-pattern, dzx-pattern, shape, diff-count), or position
with --position P, or pair-sum, pair-sum-tail or pair-diff with --pair A,B
(places counted from 0, the most significant digit); a value prints as the
integer the condition files hold.

  --draws HISTORY  the draw history (required)
  --type TYPE      the value type (required)
  --position P     the digit's place for position, 0 to 2
  --pair A,B       the two places for the pair types, A < B
  --length K       the pattern's length, 1 to 10 (default 3)
  --last N         the window: the latest N draws, at least 1 (default: all)
)";

constexpr std::string_view kPick = R"(Usage: vesk-cli pick --draws HISTORY --method METHOD [--window W] [--top K]
       [--patterns P,...] [--positions D/D/D] [--group] [--classes]
       [--backtest N [--rule W]]

Sorts the ten digits into the classes of METHOD for the draw after the
3-digit draw history HISTORY (oldest first) and prints every number whose
pattern is one of the patterns P, one per line under the header "number",
ascending. With --classes it prints the digit classes instead, under the
header "digit class".

METHOD and its classes; a pattern counts the number's digits by position:
  neighbour    传 in the newest draw, 邻 next to one of its digits (0 and 9
               are not neighbours), 孤 the rest; pattern the counts of
               传 邻 孤 ("210")
  repeat-skip  复 in the newest draw, 隔 in the draw before it, 中 the rest;
               pattern the counts of 复 隔 中
  hot-cold     the digits ranked by their count in the last W draws (default
               10; ties to the more recent appearance, then the smaller
               digit): 3 热, 4 温, 3 冷; pattern the counts of 热 温 冷
  pyramid      the same ranking over W draws (default 30) in layers of 1, 2,
               3 and 4 digits; pattern the number's layers sorted ("124")
  follow       the top K digits (default 5) by how often they followed the
               newest draw's digits in the last W draws (default 100): 跟随,
               the rest 其他; pattern how many digits are 跟随 ("2")
  magic        the digits (a+b), (b+c), (a+c), (a+b+c) mod 10, |a-b|, |b-c|,
               |a-c| of the newest draw abc: 魔数, the rest 其他; pattern
               how many digits are 魔数
  position     the product of the digits given per position (--positions)

With --backtest N it prints, instead of the numbers, how the patterns (or
the product) did, tab-separated under the header
"figure hits scored rate baseline p":
  in-sample     the patterns scored on the newest N draws (each draw classed
                from the draws before it); a choice made by looking at these
                draws is graded here on the draws it was made from
  held-out      the same patterns on the N draws before those, which such a
                choice never saw
  walk-forward  with --rule W: each of the newest N draws that has W draws
                before it, scored against the patterns whose rate over those
                W draws is strictly above their baseline
For position a hit is a draw inside the product. scored counts the draws
that could be scored; baseline is the mean over them of the chance a random
number has the picked patterns; p the chance of at least hits hits out of
scored draws, each a hit with the baseline as printed (exact binomial).
rate, baseline and p have four decimals, rounded half up (p below 0.00005
is written "<0.0001"); all three are "-" when scored is 0.

  --draws HISTORY    the draw history (required)
  --method METHOD    the method (required)
  --window W         the draws the ranking or the follow counts read, 1 to 1000
  --top K            follow: the digits that are 跟随, 1 to 9
  --patterns P,...   the patterns to keep (default: every pattern)
  --positions D/D/D  position: the digits of each position, e.g. 12/345/09
  --group            the groups of the numbers instead: digits sorted, each once
  --classes          the class of each digit instead of the numbers
  --backtest N       the patterns' figures over the newest N draws instead
  --rule W           with --backtest: the walk-forward line of the rule over W draws
)";

constexpr std::string_view kFormula = R"(Usage: vesk-cli formula --draws HISTORY [--last N] [--top K] [--kill] [--shuffled]

Tries the 10000 formulas f = (x*a + y*b + z*c + k) mod 10 (x, y, z, k from 0
to 9) on the digits a b c of each draw of the draw history HISTORY (one
3-digit draw per line, oldest first) as a guess for the draw after it, and
prints the K formulas whose digit came in that next draw most often over the
window (with --kill: did not come), ties to the smaller x, then y, z, k;
tab-separated under the header "x y z k hits scored rate baseline miss-run
next".

scored: the window's draws with a draw before them; rate: hits over scored;
baseline: the rate of a random digit (0.2710, with --kill 0.7290); miss-run:
the longest run of scored draws the formula missed; next: its digit from the
newest draw. Four decimals, rounded half up.

With --shuffled, the same search on 20 shuffles of the window's draws (a
Fisher-Yates shuffle by an mt19937 seeded 20251207; the draws before the
window stay), one line per shuffle under "shuffle best-hits best-rate": the
rates a search over 10000 formulas reaches by chance alone.

  --draws HISTORY  the draw history (required)
  --last N         the window: the latest N draws, at least 1 (default: all)
  --top K          how many formulas, 1 to 10000 (default 20)
  --kill           score the formulas as kill digits (the digit should not come)
  --shuffled       print the shuffled searches' best instead
)";

constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kCommands{{
    {"parse", kParse},
    {"count", kCount},
    {"group", kGroup},
    {"single", kSingle},
    {"expand", kExpand},
    {"convert", kConvert},
    {"filter", kFilter},
    {"backtest", kBacktest},
    {"draws", kDraws},
    {"omission", kOmission},
    {"pattern", kPattern},
    {"formula", kFormula},
    {"pick", kPick},
}};

} // namespace

std::string_view ToolUsage()
{
    return kTool;
}

std::string_view CommandUsage(std::string_view command)
{
    for (const auto& [name, usage] : kCommands) {
        if (name == command)
            return usage;
    }
    return {};
}

} // namespace vesk::cli
