// Typed and composed characters reach the model as character codes; pastes, cuts, Delete as texts.
#include "ui/qt/line_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace qt_host {

namespace {

// Keys that type no character keep the text box's own meaning: moving the
// caret, Delete, Shift+Delete (cut), Ctrl+Delete (the word after the caret),
// Shift+Insert (paste), Ctrl+Insert (copy). Qt gives Delete the text "\x7f",
// but it types nothing either.
bool types_nothing(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    case Qt::Key_Backspace: return false;
    default: return event.text().isEmpty();
    }
}

// What a key with Ctrl types: a letter (and @ [ \ ] ^ _) gives its control
// character, Ctrl+V the 22 of the clipboard shortcut, as the X server
// reports it too; any other key with Ctrl types nothing.
QString with_control(const QString& typed) {
    if (typed.size() != 1) return {};
    const char16_t c = typed[0].unicode();
    if (c < 0x20) return typed;
    if ((c >= u'@' && c <= u'_') || (c >= u'a' && c <= u'z'))
        return QString(QChar(static_cast<char16_t>(c & 0x1F)));
    return {};
}

}  // namespace

line_edit::line_edit(ui::text_box& model, QWidget* parent) : QLineEdit(parent), model_(&model) {
    setMaxLength(static_cast<int>(model.MaxLength()));
    // Every change of the widget's text that the model did not make (a
    // paste, a cut, Delete, undo from the context menu, a drop) is an edit
    // for the model, which then shows what it took.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!model_ || showing_) return;
        model_->edit(text.toStdString(), static_cast<std::size_t>(cursorPosition()));
        show_model();
    });
    show_model();
}

void line_edit::show_model() {
    if (!model_) return;
    showing_ = true;
    const QString text = QString::fromStdString(model_->Text());
    if (text != this->text()) setText(text);
    if (model_->SelLength() > 0)
        setSelection(static_cast<int>(model_->SelStart()), static_cast<int>(model_->SelLength()));
    else
        setCursorPosition(static_cast<int>(model_->SelStart()));
    showing_ = false;
}

void line_edit::type(const QString& characters) {
    // The model edits at the same caret and selection as the screen shows;
    // both count UTF-16 code units.
    if (hasSelectedText())
        model_->select(static_cast<std::size_t>(selectionStart()),
                       static_cast<std::size_t>(selectionLength()));
    else
        model_->select(static_cast<std::size_t>(cursorPosition()), 0);
    for (const char32_t c : characters.toUcs4()) {
        model_->type(c == U'\n' ? ui::key_enter : c);  // the keypad's Enter types a newline
        if (!model_) return;  // Enter may close the window: it detaches first
    }
    show_model();
}

void line_edit::keyPressEvent(QKeyEvent* event) {
    if (!model_ || types_nothing(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers held = event->modifiers();
    QString typed = event->text();
    if (held & (Qt::AltModifier | Qt::MetaModifier)) {
        typed.clear();  // a menu or window shortcut: it types nothing here
    } else if (held & Qt::ControlModifier) {
        // Ctrl+Backspace types DEL, 127, on the platform the program was
        // designed for, whatever text Qt gives it.
        typed = event->key() == Qt::Key_Backspace ? QString(QChar(0x7F)) : with_control(typed);
    }
    if (typed.isEmpty()) {
        event->ignore();  // the line edit would insert the key's text: it goes by
        return;
    }
    type(typed);
    event->accept();
}

void line_edit::inputMethodEvent(QInputMethodEvent* event) {
    if (!model_) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The line edit shows the text being composed; what the input method
    // commits is typed, character by character, through KeyPress.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    if (model_ && !event->commitString().isEmpty()) type(event->commitString());
    event->accept();
}

}  // namespace qt_host
