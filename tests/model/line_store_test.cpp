// Tests of ui::line_store: every line comes back exactly as stored, whatever its leading digits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form/line_store.h"

using namespace std::string_literals;
using texts = std::vector<std::string>;

namespace {
texts contents(const ui::line_store& store) {
    texts out;
    for (std::size_t i = 0; i < store.size(); ++i) out.push_back(store.at(i));
    return out;
}
void fill(ui::line_store& store, const texts& lines) {
    for (const auto& line : lines) store.push_back(line);
}
}  // namespace

TEST(LineStore, EveryLineRoundTripsExactly) {
    // Leading zeros, numbers at and past 32 bits, lines without a number,
    // and tails shared between lines with different numbers.
    // clang-format off
    texts lines{"1.Blue roll (1,2)", "", "0", "00", "007abc", "0.Red jump (3,1)", "abc", " 12", "-5",
                "+5", "12", "4294967294x", "4294967295x", "4294967296", "99999999999999999999x",
                "12345678901234567890.Backtrack (1,2)", "7\0tail"s, "3\xC3\xA9", ".Blue roll (1,2)",
                "65535.Blue roll (1,2)", "1.Blue roll (1,2)"};
    // clang-format on
    // Thousands of distinct tails: the stored ones must stay where they are.
    for (int i = 1; i <= 20000; ++i)
        lines.push_back(std::to_string(i) + (i % 3 ? ".Blue roll (" : ".Backtrack (") +
                        std::to_string(i % 97) + "," + std::to_string(i % 89) + ")");
    ui::line_store store;
    fill(store, lines);
    EXPECT_EQ(contents(store), lines);
}

TEST(LineStore, EraseAtTheEndInTheMiddleAndPastTheEnd) {
    ui::line_store store;
    fill(store, {"1.a", "2.b", "3.c", "4.d", "5.e"});
    store.erase(4);
    store.erase(1);
    store.erase(0);
    store.erase(7);          // past the end: ignored
    store.push_back("2.b");  // a tail seen before, now after erasures
    EXPECT_EQ(contents(store), (texts{"3.c", "4.d", "2.b"}));
}
