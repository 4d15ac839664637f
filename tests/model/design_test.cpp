// Both windows as designed, the playground laid out for three marbles a side: every designed property.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

#include "properties.h"
#include "ui/program/headless.h"

namespace {

// The window's own row (caption, outer size, colour, icon), then a row for each of its first n controls,
// the designed ones, in the order of their design rows.
std::string designed(const ui::form& window, std::size_t n) {
    std::ostringstream out;
    out << window.name() << " \"" << window.Caption() << "\" " << window.Width() << 'x' << window.Height()
        << ' ' << std::hex << window.BackColor() << ' ' << window.Icon().name;
    for (std::size_t i = 0; i < n; ++i) out << '\n' << test_support::properties(*window.controls().at(i));
    return out.str();
}

// The start dialog is 3795 x 1320 inside its frame.
const char* const utama = R"(Utama "Vorla 5151" 3915x1815 ffffff marble-exchange
lblJmlBola 120,480 1215x255 tab -1 [] ffffff "Jumlah Bola :" font "" 0
txtJmlBola 1440,360 2295x405 tab 1 [] ""
cmdProses 2160,840 1575x375 disabled tab 2 [] "Proses")";

// Laid out for N = 3: a window of 4305 + 615 + 900 = 5820, the panel centred in it, the row of cells
// from 712.5 on, the sign 500 above it.
const char* const playground = R"(playground "Vorla 5151" 5820x8000 80000005 marble-exchange
bckGrnd 97.5,1080 615x495 hidden tab -1 [] ffffff "" border font "" 0
indeks_bck 0,1560 615x375 hidden tab -1 [] ffffff "0" centred font "MS Sans Serif" 12 bold
shpBall1 2520,120 615x495 hidden tab -1 [] ff0000
shpBall2 600,120 615x495 hidden tab -1 [] 0000ff
bckTrack 982.5,580 3855x375 hidden tab -1 [] ffffff "Backtrack !!!" centred font "Arial Narrow" 9.75 bold
layout 472.5,2000 4875x5535 tab -1 [] layout 325x369 ""
play 1072.5,2350 720x615 tab -1 [] play 48x41 "Play"
pause 1992.5,2350 720x615 disabled tab -1 [] pause 48x41 "Pause"
resume1 2912.5,2350 720x615 disabled tab -1 [] resume 48x41 "Resume"
reset 3832.5,2350 720x615 tab -1 [] reset 48x41 "Reset"
Kecepatan 1072.5,3265 3615x375 tab 0 [] 1..1000 at 20 by 1,5
langkah 712.5,4650 2295x2595 tab 2 []
Effi 3087.5,4650 2055x2595 tab 1 [])";

}  // namespace

// Each showing builds the window afresh from its design: the first, and again after a reset in the
// middle of a movement, a pause pending, at another speed. The reset stops the window's timers at once.
TEST(Design, BothWindowsOpenAsDesignedEachTime) {
    program::headless_session s;
    for (const char* showing : {"first", "after a reset"}) {
        SCOPED_TRACE(showing);
        EXPECT_EQ(designed(s.utama(), 3), utama);
        s.open_playground(3);
        search_view::playground& pg = s.playground();
        EXPECT_EQ(designed(pg, 13), playground);
        EXPECT_EQ(std::make_tuple(pg.loop_utama.Interval(), pg.Timer1.Interval(), s.app.state().speed),
                  std::make_tuple(30, 1, engine::small{20}));
        EXPECT_FALSE(pg.loop_utama.Enabled() || pg.Timer1.Enabled());
        pg.Kecepatan.Value(300);
        pg.play.user_click();
        ASSERT_TRUE(s.clock.run_until([&] { return pg.Timer1.Enabled(); }, s.clock.now() + 100));
        pg.pause.user_click();
        pg.reset.user_click();
        EXPECT_FALSE(pg.loop_utama.Enabled() || pg.Timer1.Enabled());
        s.settle();
        EXPECT_TRUE(s.clock.idle());
    }
}
