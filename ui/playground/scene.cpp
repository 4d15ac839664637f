// The playground's load handler: the initial position and the whole scene for N marbles a side.
#include <string>

#include "ui/playground/playground.h"

namespace search_view {

namespace {
// Layout arithmetic runs in double precision; a property keeps a single-precision value.
ui::twips single(double value) { return static_cast<ui::twips>(value); }
}  // namespace

void playground::Form_Load() {
    state_.set_initial_position();
    const int n = state_.ball_count;
    const int cells = 2 * n + 1;
    // Cell p stands p cell widths right of the template. Each place is
    // measured from the template, not from the cell before: past 2^24 twips
    // (N above 13600) a float cannot hold every sum, and adding cell to cell
    // would gather a twip of error a cell, until the row runs off its window.
    // Where the floats hold the sums, the two ways give the same places.
    const auto cell_left = [this](int p) {
        return single(double{bckGrnd(0).Left()} + p * double{bckGrnd(0).Width()});
    };

    // First pass: the cells edge to edge from one cell width right of the
    // template. These places only serve to measure the window.
    for (int p = 1; p <= cells; ++p) {
        ui::label& cell = bckGrnd.load(p);
        ui::label& number = indeks_bck.load(p);
        number.Caption(std::to_string(p));
        cell.Left(cell_left(p));
        cell.Visible(true);
        if (p <= n)
            cell.Tag(std::to_string(p));
        else if (p >= n + 2)
            cell.Tag(std::to_string(p - 1));
    }

    Width(single(double{bckGrnd(cells).Left()} + bckGrnd(cells).Width() + 900));
    // A short track still leaves room for the two move logs side by side.
    if (single(double{Effi.Width()} + langkah.Width() + 800) >= Width())
        Width(single(double{Effi.Width()} + langkah.Width() + 1200));
    Height(8000);
    const double w_form = Width();

    layout.Top(2000);
    layout.Left(single((w_form - layout.Width()) / 2));

    play.Left(single(double{layout.Left()} + 600));
    play.Top(2350);
    pause.Left(single(double{play.Left()} + play.Width() + 200));
    pause.Top(play.Top());
    resume1.Left(single(double{pause.Left()} + pause.Width() + 200));
    resume1.Top(play.Top());
    reset.Left(single(double{resume1.Left()} + resume1.Width() + 200));
    reset.Top(play.Top());

    Kecepatan.Left(play.Left());
    Kecepatan.Top(single(double{play.Top()} + play.Height() + 300));

    bckTrack.Left(single(w_form / 2 - double{bckTrack.Width()} / 2));
    bckTrack.Top(single(double{bckGrnd(0).Top()} - 500));

    langkah.Left(single(double{layout.Left()} + 240));
    langkah.Top(4650);
    Effi.Left(single(double{langkah.Left()} + langkah.Width() + 80));
    Effi.Top(langkah.Top());

    // The row of cells centred on the window's outer width, 45 twips to the left.
    const double w = bckGrnd(0).Width();
    bckGrnd(0).Left(single((w_form - static_cast<double>(cells) * w) / 2 - w - 45));

    for (int p = 1; p <= cells; ++p) {
        ui::label& cell = bckGrnd(p);
        cell.Left(cell_left(p));
        cell.Visible(true);
        ui::label& number = indeks_bck(p);
        number.Left(cell.Left());
        number.Top(single(double{cell.Top()} + 500));
        number.Visible(true);
    }

    // Marbles rest on their cells; each is brought to the front as it is
    // made, so the later ones are drawn on top.
    const ui::twips rest = bckGrnd(0).Top();
    for (int b = 1; b <= n; ++b) {
        ui::shape& marble = shpBall1.load(b);
        marble.ZOrder(0);
        marble.Top(rest);
        marble.Left(bckGrnd(b).Left());
        marble.Visible(true);
        marble.Tag(std::to_string(b));
    }
    for (int r = n, p = cells; r >= 1; --r, --p) {
        ui::shape& marble = shpBall2.load(r);
        marble.Top(rest);
        marble.ZOrder(0);
        marble.Left(bckGrnd(p).Left());
        marble.Visible(true);
        marble.Tag(std::to_string(p));
    }

    state_.shape_of_ball.assign(static_cast<std::size_t>(2 * n + 1), 0);
    for (int m = 1; m <= 2 * n; ++m) state_.shape_of_ball[static_cast<std::size_t>(m)] = m <= n ? m : m - n;
}

}  // namespace search_view
