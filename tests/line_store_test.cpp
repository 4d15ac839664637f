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
ui::line_store filled(const texts& lines) {
    ui::line_store store;
    for (const auto& line : lines) store.push_back(line);
    return store;
}
}  // namespace

TEST(LineStore, TrickyLinesRoundTripExactly) {
    // Leading zeros, numbers at and past 32 bits, lines without a number,
    // and tails shared between lines with different numbers.
    const texts tricky{"1.Blue roll (1,2)", "", "0", "00", "007abc", "0.Red jump (3,1)", "abc",
                       "5abc", " 12", "-5", "+5", "12", "4294967294x", "4294967295x", "4294967295",
                       "4294967296", "99999999999", "12345678901234567890.Backtrack (1,2)", "99999999999999999999x",
                       "7\0tail"s, "3\xC3\xA9", "2.Blue roll (1,2)", ".Blue roll (1,2)",
                       "65535.Blue roll (1,2)", "1.Blue roll (1,2)"};
    EXPECT_EQ(contents(filled(tricky)), tricky);
}

TEST(LineStore, EraseAtTheEndInTheMiddleAndPastTheEnd) {
    ui::line_store store = filled({"1.a", "2.b", "3.c", "4.d", "5.e"});
    store.erase(4);
    EXPECT_EQ(contents(store), (texts{"1.a", "2.b", "3.c", "4.d"}));
    store.erase(1);
    EXPECT_EQ(contents(store), (texts{"1.a", "3.c", "4.d"}));
    store.erase(0);
    store.erase(7);  // past the end: ignored
    store.push_back("2.b");  // a tail seen before, now after erasures
    EXPECT_EQ(contents(store), (texts{"3.c", "4.d", "2.b"}));
    store.clear();
    EXPECT_TRUE(store.empty());
    store.push_back("x");
    store.push_back("2.b");
    EXPECT_EQ(contents(store), (texts{"x", "2.b"}));
}

TEST(LineStore, ManyMoveLogLinesComeBackInOrder) {
    texts expected;
    for (int i = 1; i <= 50000; ++i)
        expected.push_back(std::to_string(i) + (i % 3 ? ".Blue roll (" : ".Backtrack (") +
                           std::to_string(i % 97) + "," + std::to_string(i % 89) + ")");
    EXPECT_EQ(contents(filled(expected)), expected);
}
