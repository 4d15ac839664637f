// Tests of the window model's controls: control arrays, pictures, clicks, slider, text box, observer, advance.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form/control_array.h"
#include "ui/form/form.h"
#include "ui/form/text_box.h"
#include "ui/form/virtual_clock.h"

namespace {

using texts = std::vector<std::string>;

struct recorder : ui::form_observer {
    std::vector<std::pair<const ui::control*, ui::bounds>> changes;  // which, and where it stood
    std::vector<const ui::control*> loaded;
    int form_changes = 0;
    void control_changed(ui::control& c, const ui::bounds& before) override { changes.emplace_back(&c, before); }
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
    ui::control_array<ui::label> cells(window, "indeks_bck", ui::bounds{0, 1560, 615, 375}, "0");
    ui::label& templ = cells(0);
    EXPECT_FALSE(templ.Visible());
    templ.BackColor(0x00C0FFEE);
    templ.Font({"MS Sans Serif", 12, true});
    templ.Alignment(ui::alignment::centre);
    templ.Tag("template");
    templ.Left(100);
    templ.Visible(true);
    window.observe(&seen);

    ui::label& third = cells.load(3);  // in any order
    ui::label& first = cells.load(1);
    EXPECT_EQ(seen.loaded, (std::vector<const ui::control*>{&third, &first}));
    for (const ui::label* e : {&third, &first}) {
        const auto& f = e->Font();
        EXPECT_EQ((std::vector<float>{e->Left(), e->Top(), e->Width(), e->Height(), f.points}),
                  (std::vector<float>{100, 1560, 615, 375, 12}));
        EXPECT_EQ(e->Caption() + "|" + f.family + "|" + e->Tag(), "0|MS Sans Serif|");
        EXPECT_EQ(e->BackColor(), 0x00C0FFEEu);
        EXPECT_TRUE(f.bold && e->Alignment() == ui::alignment::centre);
        EXPECT_FALSE(e->Visible());
    }
    EXPECT_THROW(cells(2), std::out_of_range);
    EXPECT_THROW(cells(4), std::out_of_range);
    EXPECT_THROW(cells.load(3), std::logic_error);
    first.Left(700);  // each element is a control of its own
    EXPECT_EQ(third.Left(), 100);
    EXPECT_EQ(templ.Left(), 100);

    ui::control_array<ui::shape> marbles(window, "shpBall1", ui::bounds{2520, 120, 615, 495}, 0x00FF0000u);
    EXPECT_EQ(marbles.load(2).BackColor(), 0x00FF0000u);  // shapes copy their colour too
}

TEST_F(Controls, PicturesSizeTheirImageAndDisabledButtonsIgnoreClicks) {
    ui::image pause(window, "pause", {8760, 4320, 720, 615}, ui::picture{"embedded:pause", 48, 41});
    ui::command_button proses(window, "cmdProses", {0, 0, 1000, 400}, "Proses");
    window.observe(&seen);
    pause.Picture({"pauseclick.jpg", 20, 11});
    EXPECT_EQ((std::vector<float>{pause.Left(), pause.Top(), pause.Width(), pause.Height()}),
              (std::vector<float>{8760, 4320, 300, 165}));
    ASSERT_EQ(seen.changes.size(), 1u);
    EXPECT_EQ(seen.changes[0].second.width, 720);

    int image_clicks = 0, button_clicks = 0;
    pause.Click = [&] { ++image_clicks; };
    proses.Click = [&] { ++button_clicks; };
    for (bool enabled : {true, false, true}) {
        pause.Enabled(enabled);
        proses.Enabled(enabled);
        pause.click();
        proses.click();
    }
    EXPECT_EQ(image_clicks, 2);
    EXPECT_EQ(button_clicks, 2);
}

TEST_F(Controls, SliderClampsAndReportsOnlyRealChanges) {
    ui::slider speed(window, "Kecepatan", {5520, 1560, 3615, 375}, 0, 1000, 20, 1, 5);
    std::vector<int> values;
    speed.Change = [&] { values.push_back(speed.Value()); };
    for (int v : {50, 50, 5000, 1001, -3}) speed.Value(v);
    EXPECT_EQ(values, (std::vector<int>{50, 1000, 0}));
}

TEST_F(Controls, TextBoxTypingSelectionEditsAndNestedChange) {
    ui::text_box box(window, "txtJmlBola", {0, 0, 1000, 300});
    texts changes;
    std::vector<int> keys;
    box.Change = [&] { changes.push_back(box.Text()); };
    box.KeyPress = [&](int& key) {
        keys.push_back(key);
        if (key == 'x') key = 0;         // dropped
        else if (key == 'a') key = '4';  // replaced
    };
    for (int key : {int{'1'}, int{'x'}, int{'a'}, ui::key_enter, ui::key_backspace}) box.type(key);
    EXPECT_EQ(keys, (std::vector<int>{'1', 'x', 'a', ui::key_enter, ui::key_backspace}));
    EXPECT_EQ(changes, (texts{"1", "14", "1"}));

    box.Text("12345");  // set by code: Change too, and the caret goes to the end
    EXPECT_EQ(changes, (texts{"1", "14", "1", "12345"}));
    EXPECT_EQ(box.SelStart(), 5u);
    box.select(1, 3);
    box.type('9');  // replaces the selection
    EXPECT_EQ(box.Text(), "195");
    EXPECT_EQ(box.SelStart(), 2u);
    box.select(1, 1);
    box.type(ui::key_backspace);  // deletes the selection only
    EXPECT_EQ(box.Text(), "15");
    EXPECT_EQ(box.SelStart(), 1u);
    box.select(0, 0);
    changes.clear();
    box.type(ui::key_backspace);  // nothing before the caret
    EXPECT_TRUE(changes.empty());
    box.select(10, 5);
    EXPECT_EQ(box.SelStart(), 2u);
    EXPECT_EQ(box.SelLength(), 0u);
    box.edit("7", 9);  // a paste or cut by the platform's editor
    EXPECT_EQ(box.SelStart(), 1u);
    EXPECT_EQ(changes, (texts{"7"}));

    // Text set inside Change raises Change again, nested.
    box.Change = [&] {
        changes.push_back(box.Text());
        std::string digits;
        for (char c : box.Text())
            if (c >= '0' && c <= '9') digits += c;
        if (digits != box.Text()) box.Text(digits);
    };
    box.edit("1a2", 3);
    EXPECT_EQ(changes, (texts{"7", "1a2", "12"}));
    EXPECT_EQ(box.Text(), "12");
}

TEST_F(Controls, ObserverHearsOfVisibleChangesWithTheOldBoundsButNotOfTags) {
    ui::label sign(window, "bckTrack", {3120, 2520, 3855, 375}, "Backtrack !!!");
    ui::shape marble(window, "shpBall2", {600, 120, 615, 495}, 0x000000FFu);
    window.observe(&seen);
    sign.Left(100);
    sign.Left(100);  // no change, no notice
    sign.Tag("5");
    marble.Tag("3");
    ASSERT_EQ(seen.changes.size(), 1u);
    EXPECT_EQ(seen.changes[0].first, &sign);
    EXPECT_EQ(seen.changes[0].second.left, 3120);
    EXPECT_EQ(seen.changes[0].second.top, 2520);
    sign.Visible(false);
    sign.BackColor(0x00FF00);
    sign.Caption("x");
    marble.BackColor(0x00FF00);
    marble.ZOrder(0);
    marble.Enabled(false);
    EXPECT_EQ(seen.changes.size(), 7u);
    window.Width(9000);
    window.Width(9000);
    EXPECT_EQ(seen.form_changes, 1);
}

TEST(Geometry, AdvanceAlwaysMakesProgress) {
    EXPECT_EQ(ui::advance(100.0f, 1.5), 101.5f);
    EXPECT_EQ(ui::advance(615.0f, -615.0), 0.0f);
    EXPECT_EQ(ui::advance(7.0f, 0.0), 7.0f);
    // Floats lie 2 twips apart at 3e7 and 8 at 1e8: a step of one still moves.
    for (float x : {3.0e7f, 1.0e8f}) {
        for (int i = 0; i < 4; ++i) {
            const float next = ui::advance(x, 1.0);
            EXPECT_GT(next, x);
            EXPECT_LT(ui::advance(next, -1.0), next);
            x = next;
        }
    }
}
