// The search-tree window on screen: it opens beside the run, follows it, leads back into it, and exports.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "message_box_answer.h"
#include "ui/qt/host.h"

using qt_host::host;

// The playground for N = 2, its slider focused and at the top speed.
bool open_playground_of_two(host& h) {
    h.start();
    if (!QTest::qWaitForWindowExposed(h.window())) return false;
    QTest::keyClicks(h.window()->findChild<QLineEdit*>("txtJmlBola"), "2\r");
    if (!QTest::qWaitFor([&] { return h.app().playground() != nullptr; })) return false;
    if (!QTest::qWaitForWindowExposed(h.window())) return false;
    auto* slider = h.window()->findChild<QSlider*>("Kecepatan");
    if (!QTest::qWaitFor([&] { return slider->hasFocus(); })) return false;
    slider->setValue(1000);
    return true;
}

class tree_window_test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // T opens the tree and leaves the playground's pixels and focus as they were; the tree grows with
    // the run to its counts; a click on a node, or Enter on the node the arrows reach, brings the run
    // back to the step that made it; Esc closes the window; the whole tree is saved as PNG and SVG.
    void the_tree_follows_the_run_and_leads_back_into_it() {
        host h;
        QVERIFY(open_playground_of_two(h));
        search_view::playground& pg = *h.app().playground();
        auto* slider = h.window()->findChild<QSlider*>("Kecepatan");
        const QImage playground_before = h.window()->grab().toImage();

        QTest::keyClick(slider, Qt::Key_T);
        QTRY_VERIFY(h.search_tree() && h.search_tree()->isVisible());
        qt_host::tree_window& tree = *h.search_tree();
        QCOMPARE(tree.windowTitle(), QString("Search Tree"));
        QCOMPARE(h.window()->grab().toImage(), playground_before);
        QCOMPARE(h.window()->focusWidget(), slider);

        message_box_answer answer;
        QTest::mouseClick(h.window()->findChild<QAbstractButton*>("play"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 8"), 20000);
        QTRY_VERIFY(pg.state() == search_view::run_state::finished);
        QCOMPARE(tree.tree().count().positions, 14u);
        QCOMPARE(
            tree.findChild<QLabel*>("counters")->text(),
            QString("Step 19 of 19, depth 8: 14 positions visited, 13 moves, 5 backtracks, 2 dead ends, 0 "
                    "repeats, deepest path 8"));

        // The node that line 4 made, clicked where it stands in the view.
        qt_host::tree_canvas& canvas = tree.canvas();
        search_tree::node_id made_by_4 = 0;
        while (tree.tree().at(made_by_4).line != 4) ++made_by_4;
        canvas.select(made_by_4);
        const QPointF offset(canvas.horizontalScrollBar()->value(), canvas.verticalScrollBar()->value());
        const QPointF at = canvas.layout().centre(tree.tree().at(made_by_4)) - offset;
        QTest::mouseClick(canvas.viewport(), Qt::LeftButton, {}, at.toPoint());
        QTRY_COMPARE(pg.langkah.ListCount(), 4u);
        QCOMPARE(tree.tree().current(), made_by_4);
        QTRY_COMPARE(tree.findChild<QLabel*>("counters")->text().left(13), QString("Step 4 of 19,"));
        QCOMPARE(tree.findChild<QLabel*>("explanation")->text().left(37),
                 QString("Step 4, depth 4: Blue jump (1,3): the"));
        // Up to the parent, made by line 3, and Enter.
        QTest::keyClick(&canvas, Qt::Key_Up);
        QTest::keyClick(&canvas, Qt::Key_Return);
        QTRY_COMPARE(pg.langkah.ListCount(), 3u);
        QCOMPARE(pg.state(), search_view::run_state::paused);

        QTemporaryDir folder;
        QVERIFY(tree.save_picture(folder.filePath("tree.png")));
        QVERIFY(tree.save_picture(folder.filePath("tree.svg")));
        QImageReader png(folder.filePath("tree.png"));
        QVERIFY(png.canRead() && png.size().width() > 100);
        QSvgRenderer svg(folder.filePath("tree.svg"));
        QVERIFY(svg.isValid() && svg.defaultSize().width() > 100);

        QTest::keyClick(&canvas, Qt::Key_Escape);
        QTRY_VERIFY(!h.search_tree());
        QCOMPARE(h.window()->grab().toImage().size(), playground_before.size());
        QCOMPARE(pg.langkah.ListCount(), 3u);
    }

    // P on the playground turns predictions on and opens the tree, where the question is read out; the
    // keys 1 to 6 answer in either window, each answer marked and scored, and "." too brings the next
    // question; P in the tree turns it off, and Space runs on to the goal.
    void predictions_by_keys() {
        host h;
        QVERIFY(open_playground_of_two(h));
        search_view::playground& pg = *h.app().playground();
        auto* slider = h.window()->findChild<QSlider*>("Kecepatan");

        QTest::keyClick(slider, Qt::Key_P);
        QTRY_VERIFY(h.search_tree() && h.search_tree()->isVisible());
        qt_host::tree_window& tree = *h.search_tree();
        auto* question = tree.findChild<QLabel*>("question");
        QTRY_VERIFY(question->isVisible());
        QCOMPARE(question->text(), QString("What does the search do next?"));
        const QAccessibleInterface* read_out = QAccessible::queryAccessibleInterface(question);
        QCOMPARE(read_out->text(QAccessible::Name), question->text());
        QVERIFY(!read_out->state().invisible);
        const auto verdict = [&] { return tree.findChild<QLabel*>("verdict")->text(); };

        QTest::keyClick(slider, Qt::Key_3);  // Blue roll starts the run, rightly
        QTRY_VERIFY(pg.langkah.ListCount() == 1 && pg.asking());
        QTRY_COMPARE(verdict(), QString("Step 1: right, Blue roll."));
        tree.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tree));
        QTest::keyClick(&tree.canvas(), Qt::Key_1);  // Blue jump, where the search plays Red jump
        QTRY_VERIFY(pg.langkah.ListCount() == 2 && pg.asking());
        QTRY_COMPARE(verdict(), QString("Step 2: not Blue jump but Red jump."));
        QTRY_VERIFY(tree.findChild<QLabel*>("counters")->text().startsWith("1 of 2 right. Step 2,"));
        // "." plays a step unasked; the question is back when its marble arrives.
        QTest::keyClick(&tree.canvas(), Qt::Key_Period);
        QTRY_VERIFY(!tree.findChild<QWidget*>("answer_6")->isEnabled());
        QTRY_VERIFY(pg.langkah.ListCount() == 3 && tree.findChild<QWidget*>("answer_6")->isEnabled());
        QCOMPARE(question->text(), QString("What does the search do next?"));

        message_box_answer answer;
        QTest::keyClick(&tree.canvas(), Qt::Key_P);
        QTRY_VERIFY(!question->isVisible());
        QTest::keyClick(&tree.canvas(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 8"), 20000);
        QVERIFY(!tree.findChild<QLabel*>("counters")->text().contains("right"));
        // With the mode off the digits are the list's again: typing a line's number finds it.
        auto* all_moves = h.window()->findChild<QAbstractItemView*>("langkah");
        all_moves->setFocus();
        QTest::keyClicks(all_moves, "12");
        QCOMPARE(all_moves->currentIndex().row(), 11);
    }
};

QTEST_MAIN(tree_window_test)
#include "tree_window_test.moc"
