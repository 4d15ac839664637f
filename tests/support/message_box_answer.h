// Answers the program's message box with OK as soon as it opens, and keeps what it said.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// Looks for the box every few milliseconds: it runs an event loop of its own.
struct message_box_answer {
    QString text;  // empty until the box has been answered
    QTimer watcher;

    message_box_answer() {
        QObject::connect(&watcher, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                watcher.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        watcher.start(5);
    }
};
