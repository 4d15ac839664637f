// The start dialog: filtering typed keys, the range of N, and the hand-over to the playground.
#include <gtest/gtest.h>

#include "ui/program/headless.h"

namespace {

class StartDialog : public ::testing::Test {
protected:
    program::headless_session s;

    const std::string& text() { return s.utama().txtJmlBola.Text(); }
    bool proses_enabled() { return s.utama().cmdProses.Enabled(); }
    // Select the whole text and type over it, as a user does.
    void retype(const char* keys) {
        s.utama().txtJmlBola.select(0, text().size());
        s.type(keys);
    }
};

TEST_F(StartDialog, OpensEmptyWithProsesDisabledAndEnterDoesNothing) {
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(proses_enabled());
    s.type("\r");
    s.settle();
    EXPECT_EQ(s.app.playground(), nullptr);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(s.beeps, 0);
}

TEST_F(StartDialog, EveryCharacterButDigitsBackspaceAndEnterBeepsAndIsDropped) {
    s.type("a");
    EXPECT_EQ(s.beeps, 1);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(proses_enabled());
    s.type("1");
    EXPECT_EQ(text(), "1");
    EXPECT_TRUE(proses_enabled());
    // Space, signs, a point, Escape and the clipboard shortcut Ctrl+V.
    s.type(" -+.\x1b\x16");
    EXPECT_EQ(s.beeps, 7);
    EXPECT_EQ(text(), "1");
    s.type("2\b");
    EXPECT_EQ(s.beeps, 7);  // digits and backspace pass quietly
}

TEST_F(StartDialog, AnEmptiedBoxReadsZeroAndProsesFollowsTheRange) {
    s.type("5\b");
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());
    // Wherever the caret stands, a digit from 1 to 9 now makes a count again.
    s.type("7");
    EXPECT_TRUE(text() == "07" || text() == "70") << text();
    EXPECT_TRUE(proses_enabled());

    retype("31999");
    EXPECT_EQ(text(), "31999");
    EXPECT_TRUE(proses_enabled());
    s.type("9");  // six digits
    EXPECT_FALSE(proses_enabled());
    s.type("\b");
    EXPECT_TRUE(proses_enabled());
    retype("32000");
    EXPECT_FALSE(proses_enabled());
    retype("\b");
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());
}

TEST_F(StartDialog, CountInReadsWholeNumbersWithLeadingZeros) {
    EXPECT_EQ(start::count_in("1"), 1);
    EXPECT_EQ(start::count_in("007"), 7);
    EXPECT_EQ(start::count_in("31999"), 31999);
    EXPECT_EQ(start::count_in("00031999"), 31999);
    for (const char* no_count : {"", "0", "000", "32000", "32768", "100000", "abc", "-5", " 5",
                                 "65537",        // would wrap to 1 in 16 bits
                                 "4294967301",   // would wrap to 5 in 32 bits
                                 "99999999999999999999"})
        EXPECT_FALSE(start::count_in(no_count)) << '"' << no_count << '"';
}

TEST_F(StartDialog, PastedTextThatIsNoCountDisablesWithoutABeep) {
    s.type("12");
    s.utama().txtJmlBola.edit("12abc", 5);
    EXPECT_FALSE(proses_enabled());
    s.utama().txtJmlBola.edit("250", 3);
    EXPECT_TRUE(proses_enabled());
    s.utama().txtJmlBola.edit("", 0);  // cut everything
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());
    EXPECT_EQ(s.beeps, 0);
}

TEST_F(StartDialog, EnterOpensThePlaygroundForTheTypedCount) {
    s.type("12\r");
    EXPECT_EQ(s.app.utama(), nullptr);  // the dialog is closed
    ASSERT_EQ(s.app.window(), s.app.playground());
    EXPECT_EQ(s.app.state().ball_count, 12);
    // The load has already read ball_count: the track has 2N+1 cells.
    EXPECT_TRUE(s.pg().bckGrnd.exists(25));
    EXPECT_FALSE(s.pg().bckGrnd.exists(26));

    program::headless_session leading_zeros;
    leading_zeros.type("007");
    leading_zeros.utama().cmdProses.click();
    ASSERT_NE(leading_zeros.app.playground(), nullptr);
    EXPECT_EQ(leading_zeros.app.state().ball_count, 7);
    EXPECT_FALSE(leading_zeros.pg().bckGrnd.exists(16));
}

TEST_F(StartDialog, ResetShowsAFreshDialog) {
    s.open_playground(3);
    s.pg().reset.click();
    ASSERT_NE(s.app.utama(), nullptr);
    EXPECT_EQ(s.app.playground(), nullptr);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(proses_enabled());
    EXPECT_EQ(s.app.state().ball_count, 3);  // kept until the next Proses
    s.type("1\r");
    EXPECT_EQ(s.app.state().ball_count, 1);
}

}  // namespace
