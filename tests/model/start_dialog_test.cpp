// The start dialog: the counts it reads, the hand-over to the playground, and a random driver of its box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

TEST(CountIn, ReadsWholeNumbersFromOneTo31999WithLeadingZeros) {
    EXPECT_EQ(start::count_in("1"), 1);
    EXPECT_EQ(start::count_in("00031999"), 31999);
    for (const char* no_count : {"", "0", "000", "32000", "100000", "abc", "-5", " 5", "5 ", "+5",
                                 "65537",       // would wrap to 1 in 16 bits
                                 "4294967301",  // would wrap to 5 in 32 bits
                                 "99999999999999999999"})
        EXPECT_FALSE(start::count_in(no_count)) << '"' << no_count << '"';
}

// Enter presses Proses only while it is enabled, and so does a click; the playground opens for the count
// the box shows, and the dialog goes once the click has been handled. Closing the last window ends the
// program. (What typing does, and Enter and reset with every kind of text, the random driver checks.)
TEST(StartDialog, ProsesOpensThePlaygroundOnlyWhileEnabledAndTheDialogGoesAfterTheClick) {
    program::headless_session s;
    s.type(U"7");
    s.utama().cmdProses.Enabled(false);
    s.type(U"\r");
    s.utama().cmdProses.user_click();
    EXPECT_EQ(s.app.playground(), nullptr);
    auto token = std::make_shared<int>();  // held by the dialog until it is destroyed
    const std::weak_ptr<int> dialog_alive = token;
    s.utama().txtJmlBola.Change = [token, change = s.utama().txtJmlBola.Change] { change(); };
    token.reset();
    s.type(U"\b007");
    s.utama().cmdProses.user_click();
    EXPECT_FALSE(dialog_alive.expired());
    ASSERT_EQ(s.app.window(), s.app.playground());
    EXPECT_EQ(s.app.state().ball_count, 7);
    s.settle();
    EXPECT_TRUE(dialog_alive.expired());
    s.app.window_closed_by_user();
    EXPECT_FALSE(s.app.running());
}

// Digits, and characters that beep when typed: signs, Escape, Ctrl+V, DEL, Tab, letters from afar,
// digits that are not ASCII and characters beyond U+FFFF, which count two UTF-16 units.
const std::u32string digits = U"01379",
                     others = U" -.\x1b\x16\x7f\t\u00e9\u0663\uff11\u200b\U0001F600\U0001D7D9";
constexpr std::size_t most = ui::text_box::max_length;

std::size_t units(std::u32string_view text) {
    std::size_t n = 0;
    for (const char32_t c : text) n += c > 0xFFFF ? 2 : 1;
    return n;
}
std::string utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out += static_cast<char>(extra == 0 ? c : (0xF0 << (3 - extra)) | (c >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return out;
}

// Random keys, pastes, selections and Enter on the dialog, against the box's text kept as code points:
// the oracle for every edit.
class driver {
public:
    explicit driver(unsigned seed) : random_(seed) {}

    void step() {
        ui::text_box& box = s_.utama().txtJmlBola;
        const std::size_t from = index_of(box.SelStart()), to = index_of(box.SelStart() + box.SelLength());
        const std::u32string_view selected = std::u32string_view(text_).substr(from, to - from);
        const bool had_text = !text_.empty();
        const int pick = between(0, 99), kind = between(0, 9);
        if (pick < 25) {  // a digit is typed unless the box is full
            const char32_t c = any(digits);
            box.type(c);
            if (units(text_) - units(selected) < most) text_.replace(from, to - from, 1, c);
        } else if (pick < 35) {  // Backspace takes the selection or the character before the caret
            box.type(ui::key_backspace);
            text_.erase(from == to && from > 0 ? from - 1 : from, from == to && from > 0 ? 1 : to - from);
        } else if (pick < 50) {
            box.type(any(others));
            ++beeps_;
        } else if (pick < 70) {  // a paste over the selection or the whole text, cut to what fits
            const std::size_t at = between(0, 1) ? from : 0,
                              end = at == 0 && between(0, 1) ? text_.size() : to;
            const std::size_t room =
                most - (units(text_) - units(std::u32string_view(text_).substr(at, end - at)));
            // A count near the bounds or one a 16- or 32-bit reading would wrap into range; else up to
            // six characters, or 40,000 of which a few are not ASCII.
            static const std::u32string near[] = {U"0",     U"1",     U"007",   U"31998",
                                                  U"31999", U"32000", U"65537", U"4294967301"};
            std::u32string pasted = kind < 4 ? near[between(0, 7)].substr(0, room) : U"";
            const std::size_t want = kind < 4 ? 0 : kind == 4 ? 40000 : between(0, 6);
            for (std::size_t n = 0; n < want;) {
                const char32_t c = kind < 7 && between(0, 7) ? any(digits) : any(others);
                n += c > 0xFFFF ? 2 : 1;
                if (n > room) break;
                pasted += c;
            }
            text_.replace(at, end - at, pasted);
            const std::size_t caret = units(std::u32string_view(text_).substr(0, at + pasted.size()));
            ASSERT_TRUE(box.edit(utf8(text_), caret));
        } else if (pick < 90) {  // a selection or a caret move, even past the end
            const auto anywhere = [&] {
                return static_cast<std::size_t>(between(0, static_cast<int>(box.length()) + 2));
            };
            box.select(anywhere(), kind < 3 ? 0 : anywhere());
        } else if (pick < 96) {
            return enter();
        } else {  // what the platform's box could never hold or show is refused
            ASSERT_FALSE(box.edit(kind < 5 ? std::string(most + 1, '1') : box.Text() + "\xC3", 0));
        }
        if (text_.empty() && had_text) text_ = U"0";  // an emptied box reads "0"
        check();
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    char32_t any(const std::u32string& from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }
    // The character at a position in UTF-16 units; the box keeps its selection on whole characters.
    std::size_t index_of(std::size_t position) const {
        std::size_t i = 0;
        for (std::size_t n = 0; i < text_.size() && n < position; ++i) n += units({&text_[i], 1});
        return i;
    }

    // Proses opens the playground for the N the box shows, and reset brings back an empty dialog.
    void enter() {
        const auto n = start::count_in(s_.utama().txtJmlBola.Text());
        s_.type(U"\r");
        if (!n) return check();
        ASSERT_EQ(s_.app.playground(), s_.app.window());
        EXPECT_EQ(s_.app.state().ball_count, *n);
        s_.settle();
        s_.playground().reset.user_click();
        s_.settle();
        text_.clear();
        check();
    }

    // The text is the oracle's, so valid UTF-8; its length, the selection, Proses and the beeps agree.
    void check() {
        const ui::text_box& box = s_.utama().txtJmlBola;
        ASSERT_EQ(box.Text(), utf8(text_));
        ASSERT_EQ(box.length(), units(text_));
        ASSERT_LE(box.SelStart() + box.SelLength(), box.length());
        ASSERT_EQ(s_.utama().cmdProses.Enabled(), start::count_in(box.Text()).has_value())
            << box.Text().substr(0, 40);
        ASSERT_EQ(s_.beeps, beeps_);
    }

    program::headless_session s_;
    std::mt19937 random_;
    std::u32string text_;
    int beeps_ = 0;
};

}  // namespace

TEST(StartDialogFuzz, EveryGestureKeepsTheTextTheButtonAndTheCountInStep) {
    const char* steps = std::getenv("MARBLE_FUZZ_STEPS");  // a longer run than CI's, when asked for
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        driver d(seed);
        for (int i = 0, n = steps ? std::atoi(steps) : 1500; i < n; ++i) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(i));
            d.step();
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}
