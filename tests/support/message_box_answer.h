// Answers the program's message box with OK as soon as it opens, and keeps what it said.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

class message_box_answer {
public:
    // Looks for the box every few milliseconds: it runs an event loop of its own.
    message_box_answer() {
        watcher_.setInterval(5);
        QObject::connect(&watcher_, &QTimer::timeout, &watcher_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                watcher_.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        watcher_.start();
    }

    QString text;  // empty until the box has been answered

private:
    QTimer watcher_;
};
