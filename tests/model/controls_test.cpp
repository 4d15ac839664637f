// The window model's controls: arrays, the observer, the text box, the list box and its line store.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "properties.h"
#include "ui/form/control_array.h"
#include "ui/form/embedded.h"
#include "ui/form/form.h"
#include "ui/form/list_box.h"
#include "ui/form/text_box.h"
#include "ui/time/virtual_clock.h"

using namespace std::string_literals;
using texts = std::vector<std::string>;

namespace {

// What a window's observer and a list box's listener hear; a list box's notices read like "r1-2."
// for rows 1 to 2 about to go and then gone.
struct recorder : ui::form_observer, ui::list_listener {
    std::vector<std::pair<const ui::control*, ui::bounds>> changes;  // which, and where it stood
    std::vector<const ui::control*> loaded;
    int form_changes = 0;
    std::string notices;
    void control_changed(ui::control& c, const ui::bounds& before) override {
        changes.emplace_back(&c, before);
    }
    void control_loaded(ui::control& c) override { loaded.push_back(&c); }
    void form_changed() override { ++form_changes; }
    void before_append(std::size_t row) override { notices += "a" + std::to_string(row); }
    void after_append() override { notices += "."; }
    void before_remove(std::size_t first, std::size_t last) override {
        notices += "r" + std::to_string(first) + "-" + std::to_string(last);
    }
    void after_remove() override { notices += "."; }
    void show_row(std::size_t row) override { notices += "s" + std::to_string(row); }
};

class Controls : public ::testing::Test {
protected:
    ui::virtual_clock clock;
    ui::form window{"playground", clock, 15225, 10290};
    recorder seen;
};

}  // namespace

// Elements are loaded in any order, each a control of its own, as invisible copies of element 0.
TEST_F(Controls, ArrayElementsStartAsInvisibleCopiesOfElementZero) {
    ui::control_array<ui::label> cells(
        window, "indeks_bck", ui::bounds{0, 1560, 615, 375}, "0",
        ui::design().back(0x00C0FFEE).centred().single_border().font({"Tahoma", 8, true}));
    cells(0).Left(100);
    cells(0).Visible(true);
    window.observe(seen);
    ui::label &third = cells.load(3), &first = cells.load(1);
    EXPECT_EQ(seen.loaded, (std::vector<const ui::control*>{&third, &first}));
    first.Left(700);
    EXPECT_EQ(
        test_support::properties(third),
        R"(indeks_bck 100,1560 615x375 hidden tab -1 [] c0ffee "0" centred border font "Tahoma" 8 bold)");
    EXPECT_FALSE(first.Visible());
    EXPECT_THROW(cells(2), std::out_of_range);
}

// The observer hears of what shows, with the old bounds, once a change; a Tag shows nothing. An image
// box takes the size of its picture, 15 twips a pixel.
TEST_F(Controls, ObserverHearsOfVisibleChangesWithTheOldBoundsButNotOfTags) {
    ui::label sign(window, "bckTrack", {3120, 2520, 3855, 375}, "Backtrack !!!");
    ui::shape marble(window, "shpBall2", {600, 120, 615, 495}, 0x000000FFu);
    ui::image pause(window, "pause", {8760, 4320, 720, 615}, ui::embedded_face("pause"),
                    ui::image_use::button);
    window.observe(seen);
    recorder other;  // neither takes the first one's place nor lets it go
    EXPECT_THROW(window.observe(other), std::logic_error);
    window.stop_observing(other);
    sign.Left(100);
    sign.Left(100);
    sign.Tag("5");
    pause.Picture({ui::picture_origin::file, "pauseclick.jpg", 20, 11});
    sign.Visible(false);
    sign.Caption("x");
    marble.BackColor(0x00FF00);
    marble.ZOrder(0);
    marble.Enabled(false);
    const std::vector<const ui::control*> changed{&sign, &pause, &sign, &sign, &marble, &marble, &marble};
    ASSERT_EQ(seen.changes.size(), changed.size());
    for (std::size_t i = 0; i < changed.size(); ++i) EXPECT_EQ(seen.changes[i].first, changed[i]) << i;
    EXPECT_EQ((std::vector<float>{pause.Width(), pause.Height(), seen.changes[0].second.left,
                                  seen.changes[1].second.width}),
              (std::vector<float>{300, 165, 3120, 720}));
    window.Width(9000);
    window.Width(9000);
    EXPECT_EQ(seen.form_changes, 1);
}

// Removals by index tell the listener around the change and clear a selection they take; an index
// past the end, the line count included, is refused without a word.
TEST_F(Controls, ListBoxRemovesWhatItHoldsAndTellsItsListener) {
    const struct {
        const char* action;
        std::size_t index;
        int selected;
        const char* lines;
        int selected_after;
        const char* notices;
    } rows[] = {
        {"RemoveItem", 3, 2, "abc", 2, ""},          {"RemoveItem", 1, 2, "ac", -1, "r1-1."},
        {"RemoveItem", 2, 1, "ab", 1, "r2-2."},      {"RemoveItem", 0, 0, "bc", -1, "r0-0."},
        {"RemoveItemsFrom", 1, 1, "a", -1, "r1-2."}, {"RemoveItemsFrom", 3, 0, "abc", 0, ""},
        {"show_line", 2, -1, "abc", -1, "s2"},       {"show_line", 3, -1, "abc", -1, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action + " "s + std::to_string(row.index));
        ui::form owner{"playground", clock, 1000, 1000};
        ui::list_box list(owner, "langkah", {240, 3000, 2295, 2595});
        list.listen(seen);
        seen.notices.clear();
        for (const char* line : {"a", "b", "c"}) list.AddItem(line);
        EXPECT_EQ(seen.notices, "a0.a1.a2.");
        seen.notices.clear();
        list.ListIndex(row.selected);
        if (row.action == "RemoveItem"s) list.RemoveItem(row.index);
        if (row.action == "RemoveItemsFrom"s) list.RemoveItemsFrom(row.index);
        if (row.action == "show_line"s) list.show_line(row.index);
        std::string lines;
        for (std::size_t i = 0; i < list.ListCount(); ++i) lines += list.List(i);
        EXPECT_EQ(lines, row.lines);
        EXPECT_EQ(list.ListIndex(), row.selected_after);
        EXPECT_EQ(seen.notices, row.notices);
    }
}

TEST_F(Controls, TextBoxCountsUtf16UnitsKeepsUtf8AndHoldsWhatThePlatformCan) {
    ui::text_box box(window, "txtJmlBola", {0, 0, 1000, 300});
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.KeyPress = [](char32_t& key) { key = key == 'a' ? '1' : key; };  // a key may be replaced
    box.type('a');
    box.type(0x1F600);  // beyond U+FFFF: four bytes, two units
    box.type(0xE9);
    box.type(0x7F);  // DEL types nothing
    EXPECT_EQ(box.Text(), "1\U0001F600\u00e9");
    EXPECT_EQ(box.length(), 4u);
    EXPECT_EQ(box.SelStart(), 4u);
    // A selection that starts or ends inside the pair takes the whole character; it stays within the text.
    for (const auto& [start, length, taken] :
         {std::tuple{2, 1, "1+2"}, {0, 2, "0+3"}, {2, 2, "1+3"}, {3, 9, "3+1"}, {9, 1, "4+0"}}) {
        box.select(start, length);
        EXPECT_EQ(std::to_string(box.SelStart()) + "+" + std::to_string(box.SelLength()), taken)
            << start << "+" << length;
    }
    box.select(2, 2);
    box.type('5');
    EXPECT_EQ(box.Text(), "15");
    EXPECT_EQ(changes, 4);

    for (const char* not_utf8 : {"\xC3", "1\xA9", "\xC0\xB1", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(box.edit(not_utf8, 1)) << not_utf8;
    EXPECT_FALSE(box.Text("\xFF"));
    EXPECT_EQ(box.Text(), "15");

    const std::string full(ui::text_box::max_length - 1, '7');
    // The platform's edit, the caret past the end: it stands at the end.
    EXPECT_TRUE(box.edit(full, 2 * full.size()));
    EXPECT_EQ(box.SelStart(), full.size());
    box.type(0x1F600);            // two units where only one is free
    EXPECT_TRUE(box.Text(full));  // the same text: no Change
    EXPECT_FALSE(box.edit(full + "77", 0));
    EXPECT_EQ(changes, 5);
}

// Leading zeros, numbers at and past 32 bits, lines without a number, and
// thousands of tails shared between lines with different numbers.
TEST(LineStore, EveryLineComesBackExactlyAsStored) {
    // clang-format off
    texts lines{"1.Blue roll (1,2)", "", "0", "00", "007abc", "0.Red jump (3,1)", "abc", " 12", "-5", "+5",
                "12", "4294967294x", "4294967295x", "4294967296", "99999999999999999999x",
                "12345678901234567890.Backtrack (1,2)", "7\0tail"s, "3\xC3\xA9", ".Blue roll (1,2)",
                "65535.Blue roll (1,2)", "1.Blue roll (1,2)"};
    // clang-format on
    for (int i = 1; i <= 20000; ++i)
        lines.push_back(std::to_string(i) + (i % 3 ? ".Blue roll (" : ".Backtrack (") +
                        std::to_string(i % 97) + "," + std::to_string(i % 89) + ")");
    ui::line_store store;
    for (const auto& line : lines) store.push_back(line);
    texts back;
    for (std::size_t i = 0; i < store.size(); ++i) back.push_back(store.at(i));
    EXPECT_EQ(back, lines);
}

TEST(Geometry, AdvanceAlwaysMakesProgress) {
    // Floats lie 4 twips apart at 4e7, as far out as the longest track goes: a step of one still moves.
    EXPECT_GT(ui::advance(4.0e7f, 1.0), 4.0e7f);
    EXPECT_LT(ui::advance(4.0e7f, -1.0), 4.0e7f);
}
