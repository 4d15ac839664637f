// The window model's controls: arrays, pictures, clicks, slider, text box, observer, advance.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form/control_array.h"
#include "ui/form/embedded.h"
#include "ui/form/form.h"
#include "ui/form/text_box.h"
#include "ui/form/virtual_clock.h"

namespace {

using texts = std::vector<std::string>;

struct recorder : ui::form_observer {
    std::vector<std::pair<const ui::control*, ui::bounds>> changes;  // which, and where it stood
    std::vector<const ui::control*> loaded;
    int form_changes = 0;
    void control_changed(ui::control& c, const ui::bounds& before) override {
        changes.emplace_back(&c, before);
    }
    void control_loaded(ui::control& c) override { loaded.push_back(&c); }
    void form_changed() override { ++form_changes; }
};

class Controls : public ::testing::Test {
protected:
    ui::virtual_clock clock;
    ui::form window{"playground", clock, "Vorla 5151", 15225, 10290};
    recorder seen;
};

}  // namespace

TEST_F(Controls, ArrayElementsStartAsInvisibleCopiesOfElementZero) {
    ui::control_array<ui::label> cells(window, "indeks_bck", ui::bounds{0, 1560, 615, 375}, "0",
                                       ui::design().back(0x00C0FFEE).font({"MS Sans Serif", 12, true}));
    ui::label& templ = cells(0);
    EXPECT_FALSE(templ.Visible());
    templ.Tag("template");
    templ.Left(100);
    templ.Visible(true);
    window.observe(seen);

    ui::label& third = cells.load(3);  // in any order
    ui::label& first = cells.load(1);
    EXPECT_EQ(seen.loaded, (std::vector<const ui::control*>{&third, &first}));
    for (const ui::label* e : {&third, &first}) {
        EXPECT_EQ((std::vector<float>{e->Left(), e->Top(), e->Width(), e->Height(), e->Font().points}),
                  (std::vector<float>{100, 1560, 615, 375, 12}));
        EXPECT_EQ(e->Caption() + "|" + e->Font().family + "|" + e->Tag(), "0|MS Sans Serif|");
        EXPECT_EQ(e->BackColor(), 0x00C0FFEEu);
        EXPECT_FALSE(e->Visible());
    }
    EXPECT_THROW(cells(2), std::out_of_range);
    EXPECT_THROW(cells.load(3), std::logic_error);
    first.Left(700);  // each element is a control of its own
    EXPECT_EQ(third.Left() + templ.Left(), 200);
}

TEST_F(Controls, ObserverHearsOfVisibleChangesWithTheOldBoundsButNotOfTags) {
    ui::label sign(window, "bckTrack", {3120, 2520, 3855, 375}, "Backtrack !!!");
    ui::shape marble(window, "shpBall2", {600, 120, 615, 495}, 0x000000FFu);
    ui::image pause(window, "pause", {8760, 4320, 720, 615}, ui::embedded_face("pause"),
                    ui::image_use::button);
    window.observe(seen);
    sign.Left(100);
    sign.Left(100);  // no change, no notice
    sign.Tag("5");
    marble.Tag("3");
    pause.Picture(
        {ui::picture_origin::file, "pauseclick.jpg", 20, 11});  // an image box takes the size of its picture
    EXPECT_EQ((std::vector<float>{pause.Left(), pause.Top(), pause.Width(), pause.Height()}),
              (std::vector<float>{8760, 4320, 300, 165}));
    ASSERT_EQ(seen.changes.size(), 2u);
    EXPECT_EQ(seen.changes[0].first, &sign);
    EXPECT_EQ(seen.changes[0].second.left, 3120);
    EXPECT_EQ(seen.changes[1].first, &pause);
    EXPECT_EQ(seen.changes[1].second.width, 720);
    sign.Visible(false);
    sign.Caption("x");
    marble.BackColor(0x00FF00);
    marble.ZOrder(0);
    marble.Enabled(false);
    EXPECT_EQ(seen.changes.size(), 7u);
    window.Width(9000);
    window.Width(9000);
    EXPECT_EQ(seen.form_changes, 1);
}

TEST_F(Controls, DisabledButtonsIgnoreClicksAndTheSliderClamps) {
    ui::image pause(window, "pause", {8760, 4320, 720, 615}, ui::embedded_face("pause"),
                    ui::image_use::button);
    ui::command_button proses(window, "cmdProses", {0, 0, 1000, 400}, "Proses");
    int clicks = 0;
    pause.Click = [&] { ++clicks; };
    proses.Click = [&] { clicks += 10; };
    for (bool enabled : {true, false, true}) {
        pause.Enabled(enabled);
        proses.Enabled(enabled);
        pause.user_click();
        proses.user_click();
    }
    EXPECT_EQ(clicks, 22);

    ui::slider speed(window, "Kecepatan", {5520, 1560, 3615, 375}, 0, 1000, 20, 1, 5);
    std::vector<int> values;
    speed.Change = [&] { values.push_back(speed.Value()); };
    for (int v : {50, 50, 5000, 1001, -3}) speed.Value(v);
    EXPECT_EQ(values, (std::vector<int>{50, 1000, 0}));  // only real changes are reported
}

// Edits through the start dialog, at random and against an oracle: the fuzz test. Here what it cannot reach.
TEST_F(Controls, TextBoxKeyPressMayDropOrReplaceAndChangeFollowsTheText) {
    ui::text_box box(window, "txtJmlBola", {0, 0, 1000, 300});
    texts changes;
    box.Change = [&] { changes.push_back(box.Text()); };
    box.KeyPress = [&](char32_t& key) {
        if (key == 'x')
            key = 0;  // dropped
        else if (key == 'a')
            key = '4';  // replaced
    };
    for (char32_t key : {U'1', U'x', U'a', ui::key_enter, ui::key_backspace}) box.type(key);
    box.Text("12345");  // set by code: Change too, and the caret goes to the end
    EXPECT_EQ(box.SelStart(), 5u);
    box.edit("7", 9);  // a paste or cut by the platform's editor
    EXPECT_EQ(box.SelStart(), 1u);
    EXPECT_EQ(changes, (texts{"1", "14", "1", "12345", "7"}));
}

TEST_F(Controls, TextBoxCountsUtf16UnitsKeepsUtf8AndHoldsWhatThePlatformCan) {
    ui::text_box box(window, "txtJmlBola", {0, 0, 1000, 300});
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.type('1');
    box.type(0x1F600);  // beyond U+FFFF: four bytes, two characters
    box.type(0xE9);
    box.type(0x7F);  // DEL types nothing
    EXPECT_EQ(box.Text(), "1\U0001F600\u00e9");
    EXPECT_EQ(box.length(), 4u);
    EXPECT_EQ(box.SelStart(), 4u);
    box.select(2, 1);  // inside the pair: the whole character
    EXPECT_EQ(box.SelStart(), 1u);
    EXPECT_EQ(box.SelLength(), 2u);
    box.select(2, 2);
    EXPECT_EQ(box.SelLength(), 3u);
    box.type('5');
    EXPECT_EQ(box.Text(), "15");
    EXPECT_EQ(changes, 4);

    for (const char* not_utf8 : {"\xC3", "1\xA9", "\xC0\xB1", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(box.edit(not_utf8, 1)) << not_utf8;
    EXPECT_FALSE(box.Text("\xFF"));
    EXPECT_EQ(box.Text(), "15");

    const std::string full(ui::text_box::max_length - 1, '7');
    EXPECT_TRUE(box.edit(full, full.size()));
    box.type(0x1F600);  // two characters where only one is free
    EXPECT_EQ(box.Text(), full);
    EXPECT_EQ(changes, 5);
}

TEST(Geometry, AdvanceAlwaysMakesProgress) {
    EXPECT_EQ(ui::advance(100.0f, 1.5), 101.5f);
    // Floats lie 4 twips apart at 4e7, as far out as the longest track goes: a step of one still moves.
    EXPECT_GT(ui::advance(4.0e7f, 1.0), 4.0e7f);
    EXPECT_LT(ui::advance(4.0e7f, -1.0), 4.0e7f);
}
