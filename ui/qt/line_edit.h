// The text box on screen: typed characters go through the model's KeyPress, other edits as text.
#pragma once

#include <QLineEdit>

#include "ui/form/text_box.h"

namespace qt_host {

class line_edit : public QLineEdit {
    Q_OBJECT
public:
    line_edit(ui::text_box& model, QWidget* parent);
    // Show the model's text and caret.
    void show_model();
    void detach() { model_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::text_box* model_;
};

}  // namespace qt_host
