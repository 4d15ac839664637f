// How the painted controls look: labels, marble shapes and picture boxes, drawn from the model.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include "ui/form/control.h"

class QPainter;

namespace qt_host {

class pictures;

// Twips to logical pixels, rounded so that neighbouring boxes share an edge.
QRect pixels(const ui::bounds& area);
// Twips to logical pixels, unrounded, for what is drawn antialiased.
double to_pixels(double twips);

// The pixels that painting a control at `area` can touch: its box, or for a
// disc, drawn antialiased at fractional pixels, every pixel its box reaches
// into and the ring of pixels around them.
QRect painted_extent(const ui::control& which, const ui::bounds& area);

// A model colour (0x00BBGGRR, or a system colour) as Qt's.
QColor colour_of(ui::colour c, const QPalette& palette);
// A model font: its family, and its points at the model's pixels a point.
QFont font_of(const ui::font_spec& wanted, const QFont& fallback);

// What a painted control needs from the window that shows it.
struct paint_context {
    const QPalette& palette;
    const QFont& font;
    pictures& faces;
};

// Draws one control at its place in the scene, in the painter's coordinates.
void paint_control(QPainter& painter, const ui::control& which, const paint_context& context);

}  // namespace qt_host
