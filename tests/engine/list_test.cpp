// Tests of engine::List, the search stack: the -9999 marker, zero infos and reads past the end.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

#include "engine/List.h"
#include "list_walk.h"

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

namespace {
// The list as its conventions describe it: the values from first, then the
// elements removed since the last append (each reads -9999), then a
// placeholder (0). A fresh list reads as two removed elements: its marker
// and the marker's next1.
struct plain_list {
    std::vector<int> values;
    int removed = 2;

    bool empty() const { return values.empty() || values.front() == missing; }
    void add(int v) {
        if (empty()) values.clear();
        values.push_back(v);
        removed = 0;
    }
    void del() {
        if (empty()) return;
        values.pop_back();
        ++removed;
    }
    void inc() {
        if (!values.empty() && values.back() < 32767) ++values.back();
    }
    int read(engine::list_position p) const {
        const auto size = static_cast<engine::list_position>(values.size());
        for (engine::list_position i = 0; i <= p && i < size + removed; ++i) {
            const int v = i < size ? values[static_cast<std::size_t>(i)] : missing;
            if (v == 0) return 0;
            if (i == p) return v;
        }
        return 0;
    }
    // What the list's links still reach: these elements, the removed ones,
    // the placeholder after them and the one before first.
    std::size_t reachable() const { return values.size() + static_cast<std::size_t>(removed) + 2; }
};
}  // namespace

// Random appends, removals and increments, with reads where the search reads
// (the top, one past it, one below it), anywhere, and again at the same place.
TEST(List, RandomSequencesReadAsTheConventionsSayAndHoldOnlyWhatIsReachable) {
    std::mt19937 random(7);
    const int edge_values[] = {missing, -1, -10000, 32766, 32767, -32768};
    for (int sequence = 0; sequence < 40; ++sequence) {
        SCOPED_TRACE(sequence);
        std::optional<List> list;
        list.emplace();
        plain_list model;
        bool fresh = true;
        for (int op = 0; op < 1500; ++op) {
            const auto choice = random() % 100;
            if (choice < 40) {
                const int v = random() % 10 == 0 ? edge_values[random() % 6] : static_cast<int>(random() % 6);
                list->addlastelmt(static_cast<std::int16_t>(v));
                model.add(v);
                fresh = false;
            } else if (choice < 75) {
                list->dellastelmt();
                model.del();
            } else if (choice < 99) {
                list->inclastelmt();
                model.inc();
            } else {
                list.emplace();  // initialised again: everything goes
                model = plain_list();
                fresh = true;
            }
            const auto top = static_cast<engine::list_position>(model.values.size()) - 1;
            const auto far = static_cast<engine::list_position>(random() % (model.reachable() + 4)) - 2;
            for (const engine::list_position p : {top, top + 1, top - 1, top, far, far, far + 1, top}) {
                ASSERT_EQ(list->operator_kurung(p), model.read(p)) << "op " << op << " position " << p;
                ASSERT_EQ(test_support::walk_from_first(*list, p), model.read(p)) << "op " << op;
            }
            // A fresh list holds its two markers and their four neighbours.
            ASSERT_LE(list->live_elements(), fresh ? 6 : model.reachable()) << "op " << op;
        }
    }
}

TEST(List, AStackThatRunsLongHoldsOnlyItsDepth) {
    // Ten thousand forward steps and retreats at depth 400: what was
    // appended and removed goes back, and the top is read in constant time.
    List list;
    for (int d = 0; d < 400; ++d) list.addlastelmt(1);
    for (int step = 0; step < 10000; ++step) {
        list.inclastelmt();
        list.addlastelmt(0);
        list.inclastelmt();
        list.dellastelmt();
        EXPECT_EQ(list.operator_kurung(399), 2 + step);
        EXPECT_EQ(list.operator_kurung(400), missing);  // the removed element, past the end
    }
    EXPECT_LE(list.live_elements(), 400u + 1 + 2);  // the stack, the removed top, two placeholders
}
