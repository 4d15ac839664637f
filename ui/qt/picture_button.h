// An image box that acts as a button: shows its picture unscaled, never takes the focus.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace qt_host {

class picture_button : public QAbstractButton {
    Q_OBJECT
public:
    explicit picture_button(QWidget* parent = nullptr);
    void set_face(const QPixmap& face);
    QSize sizeHint() const override { return face_.deviceIndependentSize().toSize(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap face_;
};

}  // namespace qt_host
