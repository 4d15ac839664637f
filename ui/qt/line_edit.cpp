// Typed characters reach the model as key codes; pastes, cuts and Delete arrive as whole texts.
#include "ui/qt/line_edit.h"

#include <QKeyEvent>

namespace qt_host {

line_edit::line_edit(ui::text_box& model, QWidget* parent) : QLineEdit(parent), model_(&model) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (model_) model_->edit(text.toStdString(), static_cast<std::size_t>(cursorPosition()));
    });
    show_model();
}

void line_edit::show_model() {
    if (!model_) return;
    const QString text = QString::fromStdString(model_->Text());
    if (text != this->text()) setText(text);
    if (model_->SelLength() > 0)
        setSelection(static_cast<int>(model_->SelStart()), static_cast<int>(model_->SelLength()));
    else
        setCursorPosition(static_cast<int>(model_->SelStart()));
}

void line_edit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys that type nothing (arrows, Delete, Home) keep their usual effect;
    // Enter and Backspace type a character of their own.
    const bool shortcut = (event->modifiers() & Qt::ControlModifier) && !typed.isEmpty() && typed[0].isPrint();
    if (!model_ || typed.isEmpty() || shortcut) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The model edits at the same caret and selection as the screen shows.
    if (hasSelectedText())
        model_->select(static_cast<std::size_t>(selectionStart()), static_cast<std::size_t>(selectedText().size()));
    else
        model_->select(static_cast<std::size_t>(cursorPosition()), 0);
    const char32_t code = typed.toUcs4().value(0);
    model_->type(code == U'\n' ? 13 : static_cast<int>(code));  // the keypad's Enter types a newline
    if (model_) show_model();  // typing may close the window: it detaches first
    event->accept();
}

}  // namespace qt_host
