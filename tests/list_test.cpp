// Tests of engine::List, the search stack: the -9999 marker, zero infos and reads past the end.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/List.h"

using engine::List;
using engine::missing;
using infos = std::vector<int>;

namespace {
List& fill(List& list, const infos& values) {
    for (int v : values) list.addlastelmt(static_cast<std::int16_t>(v));
    return list;
}
// The infos read at positions 0 .. count-1.
infos read(const List& list, int count) {
    infos out;
    for (int p = 0; p < count; ++p) out.push_back(list.operator_kurung(p));
    return out;
}
}  // namespace

TEST(List, EmptyListReadsTheMarkerAndTakesNoRemoval) {
    List list;
    EXPECT_EQ(read(list, 4), (infos{missing, missing, 0, 0}));
    EXPECT_EQ(list.operator_kurung(-1), 0);  // a negative position runs off the chain
    list.dellastelmt();
    EXPECT_EQ(read(list, 3), (infos{missing, missing, 0}));
    fill(list, {6}).dellastelmt();  // the only element goes: empty again
    EXPECT_EQ(list.first()->info(), missing);
    EXPECT_EQ(read(list, 2), (infos{missing, 0}));
    fill(list, {missing, 8});  // -9999 cannot stay first: 8 takes its place
    EXPECT_EQ(read(list, 2), (infos{8, 0}));
    EXPECT_EQ(list.first(), list.last());
}

TEST(List, IncrementRaisesOnlyTheLastElement) {
    List list;
    fill(list, {0}).inclastelmt();
    EXPECT_EQ(read(list, 2), (infos{1, 0}));
    fill(list, {3}).inclastelmt();
    list.inclastelmt();
    EXPECT_EQ(read(list, 3), (infos{1, 5, 0}));
}

TEST(List, ZeroInfoHidesItselfAndEverythingAfterIt) {
    List list, hidden;
    fill(list, {3, 2, 0});
    EXPECT_EQ(read(list, 4), (infos{3, 2, 0, 0}));
    list.inclastelmt();
    EXPECT_EQ(read(list, 4), (infos{3, 2, 1, 0}));
    fill(hidden, {3, 0, 5});
    EXPECT_EQ(read(hidden, 3), (infos{3, 0, 0}));
}

TEST(List, RemovedElementsStayReadablePastTheEndUntilTheNextAppend) {
    List list;
    fill(list, {3, 2, 3}).dellastelmt();
    list.dellastelmt();
    EXPECT_EQ(read(list, 5), (infos{3, missing, missing, 0, 0}));
    fill(list, {4});
    EXPECT_EQ(read(list, 3), (infos{3, 4, 0}));
}

TEST(List, KeepsEveryValueAndLinksBothWaysBetweenPlaceholders) {
    List list;
    const infos values{-32768, -1, 32767, missing, 4};  // -9999 marks emptiness only when first
    EXPECT_EQ(read(fill(list, values), 5), values);
    const engine::elmt* front = list.first()->prev();
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->info(), 0);
    EXPECT_EQ(front->prev(), nullptr);
    for (const engine::elmt* e = list.first(); e != list.last(); e = e->next1())
        EXPECT_EQ(e->next1()->prev(), e);
    EXPECT_EQ(list.last()->next1()->info(), 0);
    list.dellastelmt();
    EXPECT_EQ(list.last()->next1()->info(), missing);  // the removed one, still linked
}

TEST(List, InitialisingAgainDiscardsTheContent) {
    std::optional<List> stack;
    stack.emplace();
    fill(*stack, {3, 2});
    stack.emplace();
    EXPECT_EQ(read(*stack, 3), (infos{missing, missing, 0}));
    EXPECT_EQ(read(fill(*stack, {4}), 2), (infos{4, 0}));
}

TEST(List, ReadsPositionsPastTheSixteenBitRange) {
    // A long path for a large N makes the stack deeper than 32767 elements.
    List list;
    for (int i = 0; i < 40000; ++i) list.addlastelmt(static_cast<std::int16_t>(i % 4 + 1));
    EXPECT_EQ(list.operator_kurung(32768), 1);
    EXPECT_EQ(list.operator_kurung(39999), 4);
    EXPECT_EQ(list.operator_kurung(40000), 0);
}
