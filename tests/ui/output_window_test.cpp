// frmOutput offscreen: buttons answer a waiting script, closing answers "WINDOW.CLOSED",
// typed lines follow the caret rules, and drawing reads back through the real surfaces.
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "commands/output_window.h"
#include "commands/output_window_messages.h"
#include "app/program.h"
#include "fake_platform.h"
#include "script/variables.h"
#include "ui/frm_output.h"
#include "ui/output_text_view.h"
#include "ui/surface_view.h"

using namespace zerin;

class OutputWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FakePlatform> fp;
    std::unique_ptr<Zerin> z;
    std::unique_ptr<ui::FrmOutput> frm;
    Variables locals;

    std::string run(std::string_view line) { return z->dispatcher.chkCommand(line, locals); }
    std::string runScript(std::string_view script) {
        z->txtBuffer.setText(std::string(script));
        return z->interpreter.RunEditor("", &z->txtBuffer, "test");
    }
    // Waits let Qt events run; a stuck wait is ended after a few thousand passes.
    void pumpQtEvents() {
        fp->pump.onPump = [this] {
            QCoreApplication::processEvents();
            if (fp->pump.pumps > 5000) z->run.stopRequest = true;
        };
    }

private slots:
    void init() {
        fp = std::make_unique<test::FakePlatform>();
        z = std::make_unique<Zerin>(fp->platform);
        registerAllCommands(*z);
        z->settings.fontSize = 10;
        frm = std::make_unique<ui::FrmOutput>(*z);
        locals = Variables();
    }
    void cleanup() {
        frm.reset();
        z.reset();
        fp.reset();
    }

    void buttonClickAnswersWithItsName() {
        run("window Question");
        QVERIFY(frm->isVisible());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Question"));
        run("button \"OK please\"");
        run("button /name=yes Yes");
        const auto& buttons = frm->buttonWidgets();
        QCOMPARE(buttons.size(), std::size_t{2});
        QCOMPARE(buttons[0]->text(), QStringLiteral("OK please"));
        QVERIFY(buttons[1]->isVisible());
        // Laid out by the model: side by side below the text box.
        QCOMPARE(buttons[1]->y(), buttons[0]->y());
        QVERIFY(buttons[0]->geometry().right() < buttons[1]->x());
        QVERIFY(buttons[0]->y() > frm->textView()->geometry().bottom());

        z->run.waitingForInput = true;
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(z->run.inputText, std::string("yes"));
        QVERIFY(!z->run.waitingForInput);
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QCOMPARE(z->run.inputText, std::string("OK please"));
    }

    // A whole script: opens a window, adds two buttons, waits, and returns the answer.
    void scriptReturnsTheClickedButtonsName() {
        pumpQtEvents();
        QTimer::singleShot(0, this, [this] { QTest::mouseClick(frm->buttonWidgets()[1], Qt::LeftButton); });
        QCOMPARE(runScript("window Question\r\n? Shall we?\r\nbutton \"OK please\"\r\nbutton /name=yes Yes\r\n"
                           "answer = (wait.input)\r\nAPP.RETURN [answer]\r\n"),
                 std::string("yes"));
        QCOMPARE(frm->buttonWidgets()[0]->text(), QStringLiteral("OK please"));
        QCOMPARE(z->outputWindow.txtOutput.text(), std::string("Shall we?\r\n"));

        QTimer::singleShot(0, this, [this] { frm->close(); });
        QCOMPARE(runScript("button Wait\r\nanswer = (wait.input)\r\nAPP.RETURN [answer]\r\n"),
                 std::string(outmsg::kWindowClosed));

        QTimer::singleShot(0, this, [this] {
            QTest::keyClicks(frm->textView(), "Ada");
            QTest::keyClick(frm->textView(), Qt::Key_Return);
        });
        QCOMPARE(runScript("window Name\r\nname = (wait.input.text Your name: )\r\nAPP.RETURN [name]\r\n"),
                 std::string("Ada"));
    }

    // A group's value is followed by a blank; |...| shows the Str format's leading one.
    void scriptDrawsAndReadsBack() {
        QCOMPARE(runScript("gfx.open Drawing\r\nline 0 0 100 100 255\r\nAPP.RETURN |(point 50 50)|\r\n"),
                 std::string("| 255 |"));
        QCOMPARE(runScript("APP.RETURN |(forecolor &h00FF00)|\r\n"), std::string("|FF00 |"));
        QCOMPARE(runScript("a = (bitmap.create)\r\nb = (bitmap.create)\r\nAPP.RETURN [a] [b]\r\n"),
                 std::string("1 2"));
        QCOMPARE(runScript("APP.RETURN |(gfx.color.brightness 255 50)|\r\n"), std::string("| 128 |"));
    }

    // The user acts while wait.input pumps events, as in a real run.
    void waitInputReturnsTheClickedButton() {
        run("window Question");
        run("button \"OK please\"");
        run("button /name=yes Yes");
        pumpQtEvents();
        QTimer::singleShot(0, this, [this] { QTest::mouseClick(frm->buttonWidgets()[1], Qt::LeftButton); });
        QCOMPARE(run("wait.input"), std::string("yes"));
        QTimer::singleShot(0, this, [this] { frm->close(); });
        QCOMPARE(run("wait.input"), std::string(outmsg::kWindowClosed));
    }

    void waitInputTextReturnsTheTypedLine() {
        run("window Typing");
        pumpQtEvents();
        QTimer::singleShot(0, this, [this] {
            QTest::keyClicks(frm->textView(), "42 apples");
            QTest::keyClick(frm->textView(), Qt::Key_Enter);
        });
        QCOMPARE(run("wait.input.text How many? "), std::string("42 apples"));
        QCOMPARE(z->outputWindow.txtOutput.text(), std::string("How many? 42 apples\r\n"));
    }

    // Buttons added in one go are shown when the event loop next runs, each where adding
    // them one event-loop turn apart puts it; a resize places them again from the model.
    void manyButtonsLandWhereOneAtATimeWould() {
        auto geometries = [this] {
            QList<QRect> all;
            for (QPushButton* b : frm->buttonWidgets()) all.append(b->isVisible() ? b->geometry() : QRect());
            return all;
        };
        auto caption = [](int i) { return "button b" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 4), 'x'); };
        run("window Many");
        for (int i = 0; i < 12; ++i) run(caption(i));
        // Nothing is made per addition; one turn of the event loop brings them all.
        QCOMPARE(frm->findChildren<QPushButton*>().size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(frm->findChildren<QPushButton*>().size(), 12);
        const QList<QRect> inOneGo = geometries();

        run("button.remove all");
        for (int i = 0; i < 12; ++i) {
            run(caption(i));
            QCoreApplication::processEvents();
        }
        const QList<QRect> oneAtATime = geometries();
        QCOMPARE(oneAtATime.size(), 12);
        QCOMPARE(inOneGo, oneAtATime);
        // Side by side in one row below the text box (the window is wide enough for all).
        for (int i = 1; i < 12; ++i) {
            QCOMPARE(oneAtATime[i].y(), oneAtATime[0].y());
            QVERIFY(oneAtATime[i - 1].left() < oneAtATime[i].left());
        }
        QVERIFY(oneAtATime[0].y() > frm->textView()->geometry().bottom());
        QCOMPARE(frm->buttonWidgets()[11]->text(), QStringLiteral("b11xxx"));

        frm->resize(900, 500);
        QCoreApplication::processEvents();
        const auto& model = z->outputWindow.buttons();
        for (std::size_t i = 0; i < model.size(); ++i) {
            const WindowRect& r = model[i].rect;
            QCOMPARE(frm->buttonWidgets()[i]->geometry(), QRect(r.x, r.y, r.width, r.height));
        }
        QVERIFY(frm->buttonWidgets()[11]->geometry().right() > oneAtATime[11].right());
    }

    void closingWhileWaitingAnswersWindowClosed() {
        run("window Waiting");
        run("button Go");
        z->run.waitingForInput = true;
        frm->close();  // as the user's close button does
        QVERIFY(!z->outputWindow.isOpen());
        QCOMPARE(z->run.inputText, std::string(outmsg::kWindowClosed));
        QVERIFY(!z->run.waitingForInput);
        run("window Again");
        QVERIFY(frm->isVisible());
        QCOMPARE(z->outputWindow.buttonCount(), 0);
        QVERIFY(!frm->buttonWidgets()[0]->isVisible());
        run("window close");
        QVERIFY(!frm->isVisible());
    }

    void typedLineFollowsTheCaretRules() {
        run("window Typing");
        run("?. Name? ");
        z->run.inputLineStart = z->outputWindow.txtOutput.length();
        z->run.waitingForTextInput = true;
        ui::OutputTextView* view = frm->textView();
        view->setFocus();
        QTest::keyClicks(view, "Bo");
        // Left cannot go before the line; Up is dropped; typing in old text jumps to the end.
        for (int i = 0; i < 5; ++i) QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(view->textCursor().position(), 6);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(view->textCursor().position(), 6);
        QTextCursor c = view->textCursor();
        c.setPosition(1);
        view->setTextCursor(c);
        QTest::keyClicks(view, "b");
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(z->run.inputText, std::string("Bob"));
        QVERIFY(!z->run.waitingForTextInput);
        QCOMPARE(z->outputWindow.txtOutput.text(), std::string("Name? Bob\r\n"));
    }

    void redLineReadsBackAsRed() {
        run("gfx.open Drawing");
        QVERIFY(frm->surfaceView()->isVisible());
        QVERIFY(!frm->textView()->isVisible());
        QCOMPARE(frm->surfaceView()->size(), frm->size());
        run("line 0 0 100 100 255");
        QCOMPARE(run("point 50 50"), std::string(" 255"));
        QCOMPARE(run("forecolor &h00FF00"), std::string("FF00"));
        run("bar 10 60 30 80");
        QCOMPARE(run("point 20 70"), std::string(" 65280"));
        QCOMPARE(run("point -1 0"), std::string("-1"));
        QCOMPARE(run("bitmap.create"), std::string("1"));
        QCOMPARE(run("bitmap.create"), std::string("2"));
        QCOMPARE(run("gfx.color.brightness 255 50"), std::string(" 128"));
        QTest::mouseMove(frm->surfaceView(), QPoint(33, 44));
        QCOMPARE(run("gfx.mouse.x"), std::string(" 33"));
        QCOMPARE(run("gfx.mouse.y"), std::string(" 44"));
    }

    void savedBitmapReloadsWithTheSamePixels() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        run("gfx.open Save");
        run("cls 16777215");
        run("circlef 40 40 20 &h3366CC");
        run("pset 5 5 &h0000FF");
        std::string path = dir.filePath(QStringLiteral("scene.bmp")).toStdString();
        run("bitmap.save 0 " + path);
        run("bitmap.load 1 \"" + path + "\"");
        Surface* loaded = z->outputWindow.surface(1);
        QVERIFY(loaded && loaded->picture);
        Surface* original = z->outputWindow.surface(0);
        QCOMPARE(run("bitmap.width 1"), " " + std::to_string(original->image->width()));
        for (auto [x, y] : {std::pair{40, 40}, {5, 5}, {0, 0}, {59, 40}})
            QCOMPARE(loaded->picture->pixel(x, y), original->image->pixel(x, y));
        QCOMPARE(*loaded->picture->pixel(40, 40), Colour{0xCC6633});
    }

    void firstShowTakesTheAskedSize() {
        // The graphics demo's opening lines, on a window that was never shown. No Qt
        // events run between the lines: the sizing itself must find the window mapped
        // and its frame known, or a window manager keeps the first size it mapped.
        QVERIFY(!frm->isVisible());
        run("gfx.open Demo");
        const std::string width = run("window.width 480");
        QVERIFY(frm->windowHandle() && frm->windowHandle()->isExposed());
        const std::string height = run("window.height 360");
        const QRect outer = frm->frameGeometry(), inner = frm->geometry();
        QCOMPARE(outer.size(), QSize(480, 360));
        const QSize client(480 - (outer.width() - inner.width()), 360 - (outer.height() - inner.height()));
        QCOMPARE(frm->size(), client);
        QCOMPARE(height, std::to_string(client.height()));
        QCOMPARE(run("window.width"), std::to_string(client.width()));
        QCOMPARE(width, std::to_string(client.width()));
        // The drawing surface fills the client area: no white strip, nothing cut off.
        QCOMPARE(frm->surfaceView()->geometry(), QRect(QPoint(0, 0), client));
    }

    void windowNeverLowerThanTheMinimum() {
        run("window Small");
        frm->resize(300, 60);
        QVERIFY(frm->height() >= OutputWindow::kMinHeight);
        std::string width = run("window.width 400");
        QCOMPARE(width, std::to_string(frm->width()));
        QCOMPARE(frm->frameGeometry().width(), 400);
    }
};

QTEST_MAIN(OutputWindowTest)
#include "output_window_test.moc"
