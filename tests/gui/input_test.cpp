// The start dialog's text box on screen: typed and composed characters, Delete, Backspace, pastes.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "engine/modul_tiroka.h"
#include "ui/form/virtual_clock.h"
#include "ui/qt/pictures.h"
#include "ui/qt/scene_view.h"
#include "ui/start/utama.h"

namespace {

// The start dialog shown as the host shows it, with a beep that can be counted.
struct dialog : ui::beeper, start::utama_exits {
    ui::virtual_clock clock;
    engine::modul_tiroka state;
    int beeps = 0;
    std::vector<int> opened;  // the N of every "Proses"
    start::Utama utama{clock, state, *this, *this};
    qt_host::pictures faces;
    qt_host::scene_view view{utama, faces};
    QLineEdit* edit = view.findChild<QLineEdit*>("txtJmlBola");
    QPushButton* proses = view.findChild<QPushButton*>("cmdProses");

    dialog() { view.show(); }
    void beep() override { ++beeps; }
    void close_start_and_show_playground() override { opened.push_back(state.ball_count); }
    QString model_text() const { return QString::fromStdString(utama.txtJmlBola.Text()); }
};

void commit(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

// A key with the text the X server gives it: Delete reports "\x7f" there, Ctrl+V "\x16".
void press(QLineEdit* edit, Qt::Key key, const char* text, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, edit, key, QString::fromLatin1(text), held);
}

void paste(QLineEdit* edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
}

}  // namespace

class input_test : public QObject {
    Q_OBJECT

private slots:
    // Every character, from a key or an input method, goes through the dialog's filter: it goes in or
    // beeps. A key with Alt is a shortcut: it types nothing and never beeps.
    void typed_and_composed_characters_meet_the_same_filter() {
        dialog d;
        QTest::keyClicks(d.edit, "1");
        commit(d.edit, QString::fromUtf8("\u00e9"));        // a dead acute, then e
        commit(d.edit, "23");                               // digits from an input method are typed
        commit(d.edit, QString::fromUtf8("\u0663\uff11"));  // Arabic-Indic three, fullwidth one
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 3);
        QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u00e9"));
        QApplication::sendEvent(d.edit, &accented);  // a layout with a key for é
        QApplication::clipboard()->setText("9");
        press(d.edit, Qt::Key_V, "\x16", Qt::ControlModifier);    // the clipboard shortcut is a character too
        QTest::keyClick(d.edit, Qt::Key_V, Qt::ControlModifier);  // as the offscreen platform reports it
        QTest::keyClick(d.edit, Qt::Key_Escape);
        QTest::keyClick(d.edit, Qt::Key_Backspace, Qt::ControlModifier);  // types DEL, 127
        QTest::keyClick(d.edit, Qt::Key_Space);
        QTest::keyClick(d.edit, Qt::Key_Minus);
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 10);
        QTest::keyClick(d.edit, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 10);
        commit(d.edit, "\r");  // Enter, however it comes, presses Proses
        QCOMPARE(d.opened, std::vector<int>{123});
    }

    // Random gestures on the real widget, non-ASCII and 40,000-character pastes among them: afterwards
    // it always shows the model's text, "Proses" is enabled exactly for a count, and only the letter and
    // the composed é have beeped: the keys that edit (Delete, Backspace, the arrows, a cut) never do.
    void the_widget_always_shows_the_models_text() {
        dialog d;
        QRandomGenerator random(8);
        const QStringList pastes = {
            "5",   "31999", "32000", QString::fromUtf8("1\u00e9"), QString::fromUtf8("\U0001F600"),
            "007", "",      " 12",   QString(40000, '3')};
        const Qt::Key keys[] = {Qt::Key_0,      Qt::Key_1,    Qt::Key_9,     Qt::Key_A,    Qt::Key_Backspace,
                                Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
        int beeps = 0;
        for (int i = 0; i < 400; ++i) {
            const int pick = random.bounded(100);
            const Qt::KeyboardModifiers shift = random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            if (pick < 55) {
                const Qt::Key key = keys[random.bounded(static_cast<int>(std::size(keys)))];
                beeps += key == Qt::Key_A;
                if (key == Qt::Key_Delete)
                    press(d.edit, key, "\x7f", shift);
                else
                    QTest::keyClick(d.edit, key, shift);
            } else if (pick < 70) {
                const bool digits = random.bounded(2);
                beeps += !digits;
                commit(d.edit, digits ? QString::number(random.bounded(100)) : QString::fromUtf8("\u00e9"));
            } else if (pick < 85) {
                paste(d.edit, pastes[random.bounded(pastes.size())]);
            } else {
                const int length = static_cast<int>(d.edit->text().size());
                d.edit->setSelection(random.bounded(length + 1), random.bounded(length + 1));
            }
            QCOMPARE(d.edit->text(), d.model_text());
            QCOMPARE(d.proses->isEnabled(), start::count_in(d.edit->text().toStdString()).has_value());
            QCOMPARE(d.beeps, beeps);
        }
        QCOMPARE(d.edit->maxLength(), static_cast<int>(ui::text_box::max_length));
        QTest::keyClick(d.edit, Qt::Key_Return);
        const auto n = start::count_in(d.edit->text().toStdString());
        QCOMPARE(d.opened.empty() ? 0 : d.opened.back(), n ? int{*n} : 0);
    }
};

QTEST_MAIN(input_test)
#include "input_test.moc"
