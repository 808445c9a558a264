#include <QApplication>
#include <QDragEnterEvent>
#include <QListWidget>
#include <QMimeData>
#include <QSlider>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "fake_platform.h"
#include "media/volume.h"
#include "test_program.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"
#include "ui/text_editor_view.h"
#include "ui/work_area.h"

using namespace zerin;
using namespace zerin::ui;

// Slider1 on the mixer, and the dark background mode on every region.
class MediaControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    test::FakeMixer mixer;
    Zerin* z = nullptr;
    MainWindow* w = nullptr;

    void open(bool withMixer) {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        if (withMixer) program->platform.mixer = &mixer;
        z = &program->makeZerin();
        z->settings.textLog = true;
        QVERIFY(program->showWindow());
        w = program->window.get();
    }

private slots:
    void init() { mixer = test::FakeMixer{}; }
    void cleanup() {
        program.reset();
        w = nullptr;
        z = nullptr;
        fp = nullptr;
    }

    void theSliderStartsAtTheMixersLevelAndSetsItOnEveryMove() {
        mixer.bounds = {0, 65535};
        mixer.level = 30000;
        open(true);
        w->openMixer();
        QSlider* slider = w->volumeSlider();
        QCOMPARE(slider->value(), 30000);
        QCOMPARE(slider->pageStep(), 6553);
        QCOMPARE(slider->singleStep(), 1638);
        QVERIFY(mixer.written.empty());
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(slider, Qt::Key_PageDown);
        QCOMPARE(mixer.written, (std::vector<std::int64_t>{31638, 25085}));
    }

    void withoutAMixerTheMessageIsShownOnceAndMovesWriteNothing() {
        mixer.present = false;
        open(true);
        w->openMixer();
        for (int i = 0; i < 5; ++i) w->volumeSlider()->setValue(1000 * i);
        const std::string& debug = z->txtDebug.text();
        const std::size_t first = debug.find(kNoMixerMessage);
        QVERIFY(first != std::string::npos);
        QCOMPARE(debug.find(kNoMixerMessage, first + 1), std::string::npos);
        QVERIFY(mixer.written.empty());
        QVERIFY(fp->dialogs.shown.empty());
    }

    void theDarkBackgroundGoesOnEveryRegionAndComesBackTwiceOver() {
        open(false);
        QListWidget* images = w->workArea()->imageList();
        const QString before = images->styleSheet();
        const QString bottomBefore = w->findChild<QWidget*>("frmBottom")->styleSheet();
        z->dispatcher.call("do_vlc_wallpaper");
        // 0x10000 is red 0, green 0, blue 1.
        for (const char* name : {"lvwImageList", "frmBottom", "frmTop", "frmRight", "txtCode", "txtDebug", "lvwList"})
            QVERIFY2(w->findChild<QWidget*>(name)->styleSheet().contains("#000001"), name);
        QVERIFY(z->settings.vlcBackground);
        // A drag that passes over the text editor leaves it dark, not in its own colour.
        TextEditorView* editor = w->workArea()->textEditor();
        QMimeData data;
        data.setText("x");
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor->viewport(), &enter);
        QVERIFY(editor->styleSheet().contains("#303080"));
        QDragLeaveEvent leave;
        QApplication::sendEvent(editor->viewport(), &leave);
        QVERIFY(editor->styleSheet().contains("#000001"));
        QVERIFY(!editor->styleSheet().contains("#303080"));
        z->dispatcher.call("do_vlc_wallpaper");
        QVERIFY(!z->settings.vlcBackground);
        QCOMPARE(images->styleSheet(), before);
        QCOMPARE(w->findChild<QWidget*>("frmBottom")->styleSheet(), bottomBefore);
        QCOMPARE(z->windowBackground, z->savedBackground);
    }
};

QTEST_MAIN(MediaControlsTest)
#include "media_controls_test.moc"
