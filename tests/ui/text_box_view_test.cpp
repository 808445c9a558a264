#include <QtTest>

#include "ui/text_box_view.h"

using namespace zerin;
using namespace zerin::ui;

class TextBoxViewTest : public QObject {
    Q_OBJECT
private slots:
    void positionsCountLineBreaksAndCharactersNotBytes() {
        const std::string t = "a\r\nÅb\r\n𝄞c";
        QCOMPARE(TextBoxView::viewPosition(t, 0), 0);
        QCOMPARE(TextBoxView::viewPosition(t, 3), 2);   // after the line break
        QCOMPARE(TextBoxView::viewPosition(t, 5), 3);   // after the two-byte Å
        QCOMPARE(TextBoxView::viewPosition(t, t.size()), 8);  // 𝄞 takes two UTF-16 units
        for (std::size_t off : {0u, 1u, 3u, 5u, 6u, 8u, 12u})
            QCOMPARE(TextBoxView::modelOffset(t, TextBoxView::viewPosition(t, off)), off);
    }

    void modelEditsShowInTheView() {
        TextBox box;
        box.setText("first\r\n");
        TextBoxView view(box);
        box.append("second\r\nthird");
        QCOMPARE(view.toPlainText(), QStringLiteral("first\nsecond\nthird"));
        box.erase(0, 7);
        QCOMPARE(view.toPlainText(), QStringLiteral("second\nthird"));
        box.select(8, 5);
        QCOMPARE(view.textCursor().selectedText(), QStringLiteral("third"));
    }

    void typingReachesTheModelWithCrLf() {
        TextBox box;
        box.setText("ab");
        TextBoxView view(box);
        QTextCursor c = view.textCursor();
        c.setPosition(1);
        view.setTextCursor(c);
        // A non-ASCII key as an input method delivers it.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ö"));
        QCoreApplication::sendEvent(&view, &press);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(box.text(), std::string("aö\r\nb"));
        QCOMPARE(box.selStart(), std::size_t(5));
    }
};

QTEST_MAIN(TextBoxViewTest)
#include "text_box_view_test.moc"
