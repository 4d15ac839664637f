// The start dialog: filtering typed keys, the range of N, and the hand-over to the playground.
#include <gtest/gtest.h>

#include "ui/program/headless.h"

namespace {

class StartDialog : public ::testing::Test {
protected:
    program::headless_session s;

    const std::string& text() { return s.utama().txtJmlBola.Text(); }
    bool proses_enabled() { return s.utama().cmdProses.Enabled(); }
};

TEST_F(StartDialog, OnlyDigitsBackspaceAndEnterPassAndEnterNeedsProses) {
    EXPECT_FALSE(proses_enabled());
    s.type("\r");  // nothing typed yet: Proses is disabled
    EXPECT_EQ(s.app.playground(), nullptr);
    s.type("a");
    EXPECT_EQ(text(), "");
    s.type("1");
    EXPECT_TRUE(proses_enabled());
    // Space, signs, a point, Escape and the clipboard shortcut Ctrl+V.
    s.type(
        " -+.\x1b\x16"
        "2\b");
    EXPECT_EQ(s.beeps, 7);  // digits and backspace pass quietly
    EXPECT_EQ(text(), "1");

    s.utama().cmdProses.Enabled(false);  // Enter presses Proses only while it is enabled
    s.type("\r");
    EXPECT_EQ(s.app.playground(), nullptr);
}

TEST(CountIn, ReadsWholeNumbersFromOneTo31999WithLeadingZeros) {
    EXPECT_EQ(start::count_in("1"), 1);
    EXPECT_EQ(start::count_in("00031999"), 31999);
    for (const char* no_count : {"", "0", "000", "32000", "100000", "abc", "-5", " 5",
                                 "65537",       // would wrap to 1 in 16 bits
                                 "4294967301",  // would wrap to 5 in 32 bits
                                 "99999999999999999999"})
        EXPECT_FALSE(start::count_in(no_count)) << '"' << no_count << '"';
}

TEST_F(StartDialog, EnterOpensThePlaygroundAndResetShowsAFreshDialog) {
    s.type("007\r");
    EXPECT_EQ(s.app.utama(), nullptr);  // the dialog is closed
    ASSERT_EQ(s.app.window(), s.app.playground());
    EXPECT_EQ(s.app.state().ball_count, 7);
    // The load has already read ball_count: the track has 2N+1 cells.
    EXPECT_TRUE(s.playground().bckGrnd.exists(15));
    EXPECT_FALSE(s.playground().bckGrnd.exists(16));

    s.settle();
    s.playground().reset.user_click();
    ASSERT_NE(s.app.utama(), nullptr);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(proses_enabled());
    s.type("1");
    s.utama().cmdProses.user_click();
    EXPECT_EQ(s.app.state().ball_count, 1);
}

}  // namespace
