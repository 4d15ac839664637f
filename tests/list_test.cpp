// Tests of engine::List, the search stack: the -9999 marker, zero infos and reads past the end.
#include <gtest/gtest.h>

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
    EXPECT_EQ(read(list, 2), (infos{missing, 0}));
    fill(list, {missing, 8});  // -9999 cannot stay first: 8 takes its place
    EXPECT_EQ(read(list, 2), (infos{8, 0}));
    EXPECT_EQ(list.first(), list.last());
}

TEST(List, IncrementRaisesTheLastElementAndAZeroHidesTheRest) {
    List list;
    fill(list, {3, 2, 0}).inclastelmt();
    list.inclastelmt();
    EXPECT_EQ(read(list, 4), (infos{3, 2, 2, 0}));
    fill(list, {0, 5});
    EXPECT_EQ(read(list, 6), (infos{3, 2, 2, 0, 0, 0}));
}

TEST(List, RemovedElementsStayReadablePastTheEndUntilTheNextAppend) {
    List list;
    fill(list, {3, 2, 3}).dellastelmt();
    list.dellastelmt();
    EXPECT_EQ(read(list, 5), (infos{3, missing, missing, 0, 0}));
    fill(list, {4});
    EXPECT_EQ(read(list, 3), (infos{3, 4, 0}));
}

TEST(List, KeepsEveryValueAndReadsPastTheSixteenBitRange) {
    List list;
    const infos values{-32768, -1, 32767, missing, 4};  // -9999 marks emptiness only when first
    EXPECT_EQ(read(fill(list, values), 5), values);
    // A long path for a large N makes the stack deeper than 32767 elements.
    List deep;
    for (int i = 0; i < 40000; ++i) deep.addlastelmt(static_cast<std::int16_t>(i % 4 + 1));
    EXPECT_EQ(deep.operator_kurung(32768), 1);
    EXPECT_EQ(deep.operator_kurung(39999), 4);
    EXPECT_EQ(deep.operator_kurung(40000), 0);
}
