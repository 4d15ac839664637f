// A bounded random driver over the start dialog: keys, composed text, pastes, selections and caret moves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ui/program/headless.h"

namespace {

// The driver's own reading of UTF-8, strict: no overlong form, no surrogate, nothing beyond U+10FFFF.
std::optional<std::u16string> utf16_of(const std::string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
        char32_t c = extra == 0 ? lead : lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next >> 6) != 2) return std::nullopt;
            c = (c << 6) | (next & 0x3Fu);
        }
        static constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// As the toolkit writes a text as UTF-8: a lone surrogate becomes U+FFFD.
std::string utf8_of(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string utf16_of(char32_t c) {
    if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
    return {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
            static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
}

// The count a text spells, read the long way: ASCII digits only, a value from 1 to 31999.
std::optional<long> count_of(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.size() > 9) return std::nullopt;
    const long value = digits.empty() ? 0 : std::stol(digits);
    if (value < 1 || value > 31999) return std::nullopt;
    return value;
}

constexpr std::size_t most = ui::text_box::max_length;

class driver {
public:
    explicit driver(unsigned seed) : random_(seed) {}

    // One random gesture, then every invariant.
    void step() {
        ui::text_box& box = s_.utama().txtJmlBola;
        const std::u16string before = *utf16_of(box.Text());
        std::size_t at = box.SelStart(), length = box.SelLength();
        const int beeps = s_.beeps;
        std::u16string expected = before;
        int expected_beeps = 0;
        const int pick = between(0, 99);
        if (pick < 45) {  // a key press, or an input method's commit, a character at a time
            const int count = pick < 35 ? 1 : between(1, 3);
            for (int i = 0; i < count; ++i) {
                const char32_t c = character();
                if (c == ui::key_enter) {
                    enter();
                    return;
                }
                const std::size_t caret = box.SelStart(), selected = box.SelLength();
                const std::u16string prior = expected;
                box.type(static_cast<int>(c));
                if (c == ui::key_backspace) {
                    if (selected > 0) {
                        expected.erase(caret, selected);
                    } else if (caret > 0) {
                        const bool pair = caret > 1 && expected[caret - 1] >= 0xDC00 && expected[caret - 1] < 0xE000 &&
                                          expected[caret - 2] >= 0xD800 && expected[caret - 2] < 0xDC00;
                        expected.erase(caret - (pair ? 2 : 1), pair ? 2 : 1);
                    }
                } else if (c >= '0' && c <= '9') {
                    if (expected.size() - selected < most)
                        expected.replace(caret, selected, 1, static_cast<char16_t>(c));
                } else {
                    ++expected_beeps;
                }
                normalise(expected, prior);
            }
        } else if (pick < 60) {  // a paste, as the platform's box makes it: cut to what fits
            if (between(0, 1)) {  // over the whole text, as after Ctrl+A or a triple click
                at = 0;
                length = expected.size();
            }
            const int kind = between(0, 19);
            std::u16string pasted = kind == 0 ? long_text() : kind < 8 ? number() : random_text(between(0, 6));
            pasted.resize(std::min(pasted.size(), most - (expected.size() - length)));
            expected.replace(at, length, pasted);
            const std::string text = utf8_of(expected);
            expected = *utf16_of(text);
            ASSERT_TRUE(box.edit(text, at + pasted.size()));
            normalise(expected, before);
        } else if (pick < 70) {  // Delete, or cutting the selection
            if (length > 0) {
                expected.erase(at, length);
            } else if (at < expected.size()) {
                const bool pair = expected[at] >= 0xD800 && expected[at] < 0xDC00 && at + 1 < expected.size();
                expected.erase(at, pair ? 2 : 1);
            }
            ASSERT_TRUE(box.edit(utf8_of(expected), at));
            normalise(expected, before);
        } else if (pick < 90) {  // a selection, a caret move, Home, End
            const std::size_t end = before.size();
            const auto anywhere = [&] { return static_cast<std::size_t>(between(0, static_cast<int>(end) + 2)); };
            const std::size_t from = between(0, 3) == 0 ? (between(0, 1) ? 0 : end) : anywhere();
            box.select(from, between(0, 2) == 0 ? 0 : anywhere());
            ASSERT_LE(box.SelStart() + box.SelLength(), box.length());
        } else if (pick < 95) {
            enter();
            return;
        } else {  // what the platform's box could never hold or show is refused
            const std::string refused = between(0, 1) ? std::string(most + 1, '1') : box.Text() + "\xC3";
            ASSERT_FALSE(box.edit(refused, 0));
        }
        check(expected, beeps + expected_beeps);
    }

    int opened() const { return opened_; }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    char32_t character() {
        // Signs, Escape, Ctrl+V, Ctrl+C, DEL, Tab, letters from afar, digits that are not ASCII, emoji.
        static const std::u32string others =
            U" a-+.\x1b\x16\x03\x7f\t\u00e9\u00df\u0663\uff11\u200b\U0001F600\U0001D7D9";
        const int pick = between(0, 99);
        if (pick < 50) return static_cast<char32_t>('0' + between(0, 9));
        if (pick < 70) return ui::key_backspace;
        if (pick < 72) return ui::key_enter;
        return others[static_cast<std::size_t>(between(0, static_cast<int>(others.size()) - 1))];
    }

    std::u16string random_text(int count) {
        std::u16string out;
        for (int i = 0; i < count; ++i) {
            const char32_t c = character();
            out += utf16_of(c == ui::key_enter ? U'\n' : c);
        }
        return out;
    }

    // A number near the bounds, or any of up to six digits, with leading zeros now and then.
    std::u16string number() {
        static const int near[] = {0, 1, 9, 10, 16383, 16384, 31998, 31999, 32000, 32767, 32768, 65535, 65537};
        const long value = between(0, 1) ? near[between(0, 12)] : between(0, 999999);
        const std::string digits = std::string(static_cast<std::size_t>(between(0, 3) == 0 ? between(1, 3) : 0), '0') +
                                   std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    }

    // 40,000 characters: digits, the count that a widget of 32,767 would cut, or a mixture.
    std::u16string long_text() {
        switch (between(0, 2)) {
        case 0: return std::u16string(40000, u'7');
        case 1: return std::u16string(most - 1, u'0') + u"1";
        default: {
            std::u16string out;
            while (out.size() < 40000) out += between(0, 3) ? u"9" : u"\u00e9\U0001F600";
            return out;
        }
        }
    }

    // An emptied box reads "0".
    static void normalise(std::u16string& expected, const std::u16string& before) {
        if (expected.empty() && !before.empty()) expected = u"0";
    }

    void enter() {
        const std::string text = s_.utama().txtJmlBola.Text();
        const auto n = count_of(text);
        s_.type("\r");
        if (!n) {
            ASSERT_NE(s_.app.utama(), nullptr) << "Enter without a count opened the playground";
            return;
        }
        // Proses opens the playground for the N the box shows.
        ASSERT_EQ(s_.app.playground(), s_.app.window());
        EXPECT_EQ(s_.app.state().ball_count, *n);
        ++opened_;
        s_.settle();
        s_.playground().reset.user_click();
        s_.settle();
        ASSERT_NE(s_.app.utama(), nullptr);
        check(u"", s_.beeps);
    }

    void check(const std::u16string& expected, int beeps) {
        const ui::text_box& box = s_.utama().txtJmlBola;
        const auto shown = utf16_of(box.Text());
        ASSERT_TRUE(shown.has_value()) << "the text is not UTF-8";
        ASSERT_EQ(*shown, expected);
        ASSERT_EQ(box.length(), shown->size());
        ASSERT_LE(box.length(), most);
        ASSERT_LE(box.SelStart() + box.SelLength(), box.length());
        ASSERT_EQ(s_.utama().cmdProses.Enabled(), count_of(box.Text()).has_value()) << utf8_of(*shown).substr(0, 40);
        ASSERT_EQ(s_.beeps, beeps);
    }

    program::headless_session s_;
    std::mt19937 random_;
    int opened_ = 0;
};

int steps_per_seed() {
    const char* steps = std::getenv("MARBLE_FUZZ_STEPS");  // a longer run than CI's, when asked for
    return steps ? std::atoi(steps) : 1500;
}

}  // namespace

TEST(StartDialogFuzz, EveryGestureKeepsTheTextTheButtonAndTheCountInStep) {
    int opened = 0;
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        driver d(seed);
        for (int i = 0; i < steps_per_seed(); ++i) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(i));
            d.step();
            if (::testing::Test::HasFatalFailure()) return;
        }
        opened += d.opened();
    }
    EXPECT_GT(opened, 0);  // the driver did reach the playground
}
