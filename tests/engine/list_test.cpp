// engine::List, the search stack: its reads against a plain model of its conventions, and its pool.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/List.h"

using engine::List;
using engine::list_position;
using engine::missing;
using infos = std::vector<int>;

namespace {

// The list as its conventions describe it: the values from first, then the
// elements removed since the last append (each reads -9999), then a
// placeholder (0). A fresh list reads as two removed elements: its marker
// and the marker's next1. -9999 marks emptiness only when it is first.
struct plain_list {
    infos values;
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
    int read(list_position p) const {
        const auto size = static_cast<list_position>(values.size());
        for (list_position i = 0; i <= p && i < size + removed; ++i) {
            const int v = i < size ? values[static_cast<std::size_t>(i)] : missing;
            if (v == 0) return 0;  // a zero hides everything after it
            if (i == p) return v;
        }
        return 0;
    }
    // What the list's links still reach: these elements, the removed ones,
    // the placeholder after them and the one before first.
    std::size_t reachable() const { return values.size() + static_cast<std::size_t>(removed) + 2; }
};

}  // namespace

// A long path for a large N makes the stack deeper than 32767 elements.
TEST(List, ReadsPastTheSixteenBitRange) {
    List deep;
    for (int i = 0; i < 40000; ++i) deep.addlastelmt(static_cast<std::int16_t>(i % 4 + 1));
    EXPECT_EQ((infos{deep.operator_kurung(32768), deep.operator_kurung(39999), deep.operator_kurung(40000)}),
              (infos{1, 4, 0}));
}

// first and last take only an element of the list in use; once one is assigned the list can no
// longer know what the links reach, so it gives nothing back for reuse.
TEST(List, AssignedLinksTakeOnlyItsOwnElementsAndEndTheReuse) {
    List list, other;
    list.addlastelmt(1);
    list.addlastelmt(2);
    engine::elmt stranger;
    for (engine::elmt* e : {&stranger, other.first(), static_cast<engine::elmt*>(nullptr)})
        EXPECT_THROW(list.last(e), std::invalid_argument);
    list.last(list.last()->prev());
    const std::size_t live = list.live_elements();
    list.addlastelmt(7);
    list.dellastelmt();
    EXPECT_EQ(list.live_elements(), live + 3);  // an append takes three new elements
}

// Random appends, removals and increments, with reads where the search reads
// (the top, one past it, one below it), anywhere, and again at the same place.
// The list holds only what its links reach, and takes what it gave back
// before it makes new elements.
TEST(List, RandomSequencesReadAsThePlainListAndReuseTheirElements) {
    std::mt19937 random(7);
    const int edge_values[] = {missing, -1, -10000, 32766, 32767, -32768};
    for (int sequence = 0; sequence < 40; ++sequence) {
        SCOPED_TRACE(sequence);
        std::optional<List> list(std::in_place);
        plain_list model;
        bool fresh = true;
        std::set<const engine::elmt*> used;  // every element that has been last
        std::size_t most_live = 6;           // made by the initialiser
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
                used.clear();
                most_live = 6;
            }
            const auto top = static_cast<list_position>(model.values.size()) - 1;
            const auto far = static_cast<list_position>(random() % (model.reachable() + 4)) - 2;
            for (const list_position p : {top, top + 1, top - 1, top, far, far, far + 1, top})
                ASSERT_EQ(list->operator_kurung(p), model.read(p)) << "op " << op << " position " << p;
            // A fresh list holds its two markers and their four neighbours.
            ASSERT_LE(list->live_elements(), fresh ? 6 : model.reachable()) << "op " << op;
            // An append takes three elements before it gives any back: no
            // more are ever made than that above the most held at once.
            most_live = std::max(most_live, list->live_elements());
            used.insert(list->last());
            ASSERT_LE(used.size(), most_live + 3) << "op " << op;
        }
    }
}
