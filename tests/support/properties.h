// One control as a line of its properties, for tests that compare windows.
#pragma once

#include <iomanip>
#include <sstream>
#include <string>

#include "ui/form/list_box.h"
#include "ui/form/text_box.h"

namespace test_support {

// Name, place and size, state, tab order, Tag, and what its kind shows: colour (0x00BBGGRR), caption,
// alignment, border, font, picture, tool tip, text, range and steps, lines.
inline std::string properties(const ui::control& c) {
    std::ostringstream out;
    out << std::setfill('0') << c.name() << ' ' << c.Left() << ',' << c.Top() << ' ' << c.Width() << 'x'
        << c.Height() << (c.Visible() ? "" : " hidden") << (c.Enabled() ? "" : " disabled") << " tab "
        << c.TabIndex() << " [" << c.Tag() << ']';
    const auto* l = dynamic_cast<const ui::label*>(&c);
    const auto* s = dynamic_cast<const ui::shape*>(&c);
    if (l || s) out << ' ' << std::hex << std::setw(6) << (l ? l->BackColor() : s->BackColor()) << std::dec;
    if (l)
        out << " \"" << l->Caption() << '"' << (l->Alignment() == ui::alignment::centre ? " centred" : "")
            << (l->BorderStyle() ? " border" : "") << " font \"" << l->Font().family << "\" "
            << l->Font().points << (l->Font().bold ? " bold" : "");
    if (const auto* i = dynamic_cast<const ui::image*>(&c))
        out << ' ' << i->Picture().name << ' ' << i->Picture().width << 'x' << i->Picture().height << " \""
            << i->ToolTipText() << '"';
    if (const auto* t = dynamic_cast<const ui::text_box*>(&c)) out << " \"" << t->Text() << '"';
    if (const auto* b = dynamic_cast<const ui::command_button*>(&c)) out << " \"" << b->Caption() << '"';
    if (const auto* v = dynamic_cast<const ui::slider*>(&c))
        out << ' ' << v->Min() << ".." << v->Max() << " at " << v->Value() << " by " << v->SmallChange()
            << ',' << v->LargeChange();
    if (const auto* list = dynamic_cast<const ui::list_box*>(&c))
        for (std::size_t line = 0; line < list->ListCount(); ++line) out << " |" << list->List(line);
    return out.str();
}

}  // namespace test_support
