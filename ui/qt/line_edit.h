// The text box on screen: every typed character goes through the model's KeyPress, other edits as text.
#pragma once

#include <QLineEdit>

#include "ui/form/text_box.h"

namespace qt_host {

// The model's text is the one truth: whatever the user does, the widget ends
// up showing the model's text. Characters from the keyboard and from input
// methods (dead keys, Compose, IMEs) are typed into the model one by one;
// keys that type nothing (Delete, the arrows, Home, End, the Insert and
// Delete combinations) and the context menu edit the widget, and the edited
// text goes to the model, which may refuse it.
class line_edit : public QLineEdit {
    Q_OBJECT
public:
    line_edit(ui::text_box& model, QWidget* parent);
    // Show the model's text and caret.
    void show_model();
    void detach() { model_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Each character through the model's KeyPress, at the caret and
    // selection the screen shows.
    void type(const QString& characters);

    ui::text_box* model_;
    bool showing_ = false;  // the widget's text is being set from the model
};

}  // namespace qt_host
