// The start dialog: filtering typed keys, the range of N, and the hand-over to the playground.
#include <gtest/gtest.h>

#include "ui/program/headless.h"

namespace {

class StartDialog : public ::testing::Test {
protected:
    program::headless_session s;

    const std::string& text() { return s.utama().txtJmlBola.Text(); }
    bool proses_enabled() { return s.utama().cmdProses.Enabled(); }
    // Empty the box the way a user would: backspace over everything, which
    // leaves the "0" that an emptied box reads.
    void clear() {
        for (int i = 0; i < 10 && text() != "0"; ++i) s.type("\b");
        EXPECT_EQ(text(), "0");
    }
};

TEST_F(StartDialog, OpensEmptyWithProsesDisabledAndEnterDoesNothing) {
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(proses_enabled());
    s.type("\r");
    s.settle();
    EXPECT_NE(s.app.utama(), nullptr);
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
    EXPECT_TRUE(proses_enabled());

    s.type("2\b");
    EXPECT_EQ(s.beeps, 7);  // digits and backspace pass quietly
}

TEST_F(StartDialog, DeletingTheLastCharacterLeavesZeroAndDisables) {
    s.type("5");
    ASSERT_TRUE(proses_enabled());
    s.type("\b");
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());

    // Wherever the caret stands, a digit from 1 to 9 now makes a count again.
    s.type("7");
    EXPECT_TRUE(text() == "07" || text() == "70") << text();
    EXPECT_TRUE(proses_enabled());
}

TEST_F(StartDialog, ProsesIsEnabledExactlyForOneTo31999) {
    s.type("31999");
    EXPECT_TRUE(proses_enabled());
    s.type("9");  // six digits
    EXPECT_FALSE(proses_enabled());
    s.type("\b");
    EXPECT_TRUE(proses_enabled());

    clear();
    s.type("32000");
    EXPECT_FALSE(proses_enabled());

    clear();
    EXPECT_FALSE(proses_enabled());  // "0"
    s.type("\b");
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());
}

TEST_F(StartDialog, CountInReadsWholeNumbersWithLeadingZeros) {
    EXPECT_EQ(start::count_in("1"), 1);
    EXPECT_EQ(start::count_in("007"), 7);
    EXPECT_EQ(start::count_in("31999"), 31999);
    EXPECT_EQ(start::count_in("00031999"), 31999);
    EXPECT_FALSE(start::count_in(""));
    EXPECT_FALSE(start::count_in("0"));
    EXPECT_FALSE(start::count_in("000"));
    EXPECT_FALSE(start::count_in("32000"));
    EXPECT_FALSE(start::count_in("32768"));
    EXPECT_FALSE(start::count_in("65537"));  // would wrap to 1 in 16 bits
    EXPECT_FALSE(start::count_in("100000"));
    EXPECT_FALSE(start::count_in("4294967301"));  // would wrap to 5 in 32 bits
    EXPECT_FALSE(start::count_in("99999999999999999999"));
    EXPECT_FALSE(start::count_in("abc"));
    EXPECT_FALSE(start::count_in("-5"));
    EXPECT_FALSE(start::count_in(" 5"));
}

TEST_F(StartDialog, LeadingZerosOpenThePlaygroundForTheirValue) {
    s.type("007");
    EXPECT_TRUE(proses_enabled());
    s.type("\r");
    s.settle();
    ASSERT_NE(s.app.playground(), nullptr);
    EXPECT_EQ(s.app.state().ball_count, 7);
    EXPECT_TRUE(s.pg().bckGrnd.exists(15));
    EXPECT_FALSE(s.pg().bckGrnd.exists(16));
}

TEST_F(StartDialog, PastedTextThatIsNoCountDisablesWithoutABeep) {
    s.type("12");
    ASSERT_TRUE(proses_enabled());
    s.utama().txtJmlBola.edit("12abc", 5);
    EXPECT_FALSE(proses_enabled());
    s.utama().txtJmlBola.edit("250", 3);
    EXPECT_TRUE(proses_enabled());
    s.utama().txtJmlBola.edit("", 0);  // cut everything
    EXPECT_EQ(text(), "0");
    EXPECT_FALSE(proses_enabled());
    EXPECT_EQ(s.beeps, 0);
}

TEST_F(StartDialog, EnterOpensThePlaygroundLikeProses) {
    s.type("12\r");
    EXPECT_EQ(s.app.utama(), nullptr);  // the dialog is closed
    ASSERT_NE(s.app.playground(), nullptr);
    EXPECT_EQ(s.app.window(), s.app.playground());
    EXPECT_EQ(s.app.state().ball_count, 12);
    // The load has already read ball_count: the track has 2N+1 cells.
    EXPECT_TRUE(s.pg().bckGrnd.exists(25));
    EXPECT_FALSE(s.pg().bckGrnd.exists(26));
    EXPECT_EQ(s.pg().shpBall2(1).Tag(), "14");

    program::headless_session clicked;
    clicked.type("12");
    clicked.utama().cmdProses.click();
    ASSERT_NE(clicked.app.playground(), nullptr);
    EXPECT_EQ(clicked.app.state().ball_count, 12);
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
    s.settle();
    EXPECT_EQ(s.app.state().ball_count, 1);
}

TEST_F(StartDialog, ClosingTheDialogEndsTheProgram) {
    s.app.window_closed_by_user();
    s.settle();
    EXPECT_FALSE(s.app.running());
    EXPECT_EQ(s.app.window(), nullptr);
}

}  // namespace
