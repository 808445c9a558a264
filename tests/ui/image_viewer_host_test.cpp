#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/program.h"
#include "fake_platform.h"
#include "media/image_viewer.h"
#include "test_program.h"
#include "temp_dir.h"
#include "test_jpeg.h"
#include "ui/bottom_bar.h"
#include "ui/image_viewer_host.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"
#include "ui/work_area.h"

using namespace zerin;
using namespace zerin::ui;

class ImageViewerHostTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    Zerin* z = nullptr;
    MainWindow* w = nullptr;
    std::unique_ptr<test::TempDir> dir;

    QString file(const char* name) const { return QString::fromStdString((*dir / name).string()); }
    ImageViewerHost& host() const { return *w->imageViewer(); }
    PictureView& view() const { return *w->workArea()->viewer(); }
    QListWidget& list() const { return *w->workArea()->imageList(); }
    void drop(QWidget* target, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        // A drop comes after the drag entered, as the window system sends them.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    int debugLinesWith(const std::string& part) const {
        int n = 0;
        for (std::size_t at = z->txtDebug.text().find(part); at != std::string::npos;
             at = z->txtDebug.text().find(part, at + 1))
            ++n;
        return n;
    }

private slots:
    void initTestCase() {
        dir = std::make_unique<test::TempDir>();
        // A 3000 x 2000 photo, a turned camera photo stored 400 x 200 (left red, right
        // blue), a plain 1600 x 1200 one and a file that only looks like a JPEG.
        QVERIFY(test::writeJpeg(test::halves(3000, 2000, Qt::green, Qt::green), file("big.jpg")));
        QVERIFY(test::writeJpeg(test::halves(400, 200, Qt::red, Qt::blue), file("turned.jpg"), 6));
        QVERIFY(test::writeJpeg(test::halves(1600, 1200, Qt::yellow, Qt::yellow), file("plain.JPG")));
        dir->write("broken.jpg", "not a picture at all");
        dir->write("notes.txt", "text");
    }

    void init() {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        z = &program->makeZerin();
        z->settings.textLog = true;
        QVERIFY(program->showWindow());
        w = program->window.get();
        w->workArea()->showMode(DisplayMode::Image);
    }
    void cleanup() {
        program.reset();
        w = nullptr;
        z = nullptr;
        fp = nullptr;
    }

    void theLogoShowsWhileTheListIsEmpty() {
        QVERIFY(view().isVisible());
        QVERIFY(view().showsLogo());
        QCOMPARE(view().drawnRect().topLeft(), QPoint(1, 1));
        // Painted inverted over the dark background: the logo's dark letters come out light.
        const QImage shot = view().grab().toImage();
        int light = 0;
        for (int x = 0; x < shot.width(); x += 3)
            if (qGray(shot.pixel(x, view().drawnRect().center().y())) > 128) ++light;
        QVERIFY(light > 0);
    }

    void dropsOnTheListTakeOnlyPictureNames() {
        drop(list().viewport(), {file("big.jpg"), file("notes.txt"), file("plain.JPG")});
        QCOMPARE(list().count(), 2);
        QCOMPARE(list().item(0)->text(), QString("big.jpg"));
        QCOMPARE(list().item(1)->text(), QString("plain.JPG"));
        QCOMPARE(z->imageList.paths.size(), std::size_t(2));
    }

    void aBigPhotoIsDecodedAtTheSizeItIsDrawn() {
        drop(list().viewport(), {file("big.jpg")});
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(list().item(0)).center());
        const LoadedPicture& shown = host().loaded();
        QVERIFY(shown.ok());
        QCOMPARE(shown.fullSize, QSize(3000, 2000));
        // Ratio 1.5: the viewer's width decides, and no more pixels than that are decoded.
        const QRect drawn = view().drawnRect();
        QCOMPARE(drawn.width(), view().width());
        QVERIFY2(shown.image.width() <= drawn.width() + 1, qPrintable(QString::number(shown.image.width())));
        QVERIFY(shown.image.height() <= drawn.height() + 1);
        QCOMPARE(w->windowTitle(), QString("Zerin - Viewing - ") + file("big.jpg"));
        QVERIFY(!view().showsLogo());
        const QImage shot = view().grab().toImage();
        QCOMPARE(QColor(shot.pixel(drawn.center())).green() > 200, true);
    }

    void aCameraPhotoIsShownUpright() {
        drop(list().viewport(), {file("turned.jpg")});
        QVERIFY(ImageViewer(z->imageList, z->settings, z->output, true).choose(0));
        const LoadedPicture& shown = host().loaded();
        QCOMPARE(shown.fullSize, QSize(200, 400));
        // Turned a quarter clockwise: the stored left half (red) is now the top.
        const QImage& img = shown.image;
        QVERIFY(QColor(img.pixel(img.width() / 2, img.height() / 4)).red() > 200);
        QVERIFY(QColor(img.pixel(img.width() / 2, img.height() * 3 / 4)).blue() > 200);
    }

    void aFileThatCannotBeDecodedKeepsThePictureAndIsNamedOnce() {
        drop(list().viewport(), {file("plain.JPG"), file("broken.jpg")});
        QVERIFY(ImageViewer(z->imageList, z->settings, z->output, true).choose(0));
        QTest::keyClick(&view(), Qt::Key_PageDown);
        QCOMPARE(z->imageList.current, 1);
        QCOMPARE(host().loaded().path, file("plain.JPG"));
        QVERIFY(!view().showsLogo());
        const std::string line = std::string(image_viewer::kLoadError) + (*dir / "broken.jpg").string();
        QCOMPARE(debugLinesWith(line), 1);
        QCOMPARE(w->windowTitle(), QString("Zerin - Viewing - ") + file("plain.JPG"));
    }

    void pageKeysAndEnterInTheListStepAndChoose() {
        drop(list().viewport(), {file("big.jpg"), file("plain.JPG"), file("turned.jpg")});
        list().setFocus();
        list().setCurrentRow(2);
        QTest::keyClick(&list(), Qt::Key_Return);
        QCOMPARE(host().loaded().path, file("turned.jpg"));
        QTest::keyClick(&list(), Qt::Key_PageDown);  // the last wraps to the first
        QCOMPARE(host().loaded().path, file("big.jpg"));
        QCOMPARE(list().currentRow(), 0);
        QTest::keyClick(&list(), Qt::Key_PageUp);
        QCOMPARE(host().loaded().path, file("turned.jpg"));
        // Keypad 8 leaves the list for the first path button.
        QTest::keyClick(&list(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->bottomBar()->firstPathButton()));
    }

    void aDropOnTheViewerShowsAJpgButNotAJPG() {
        drop(&view(), {file("notes.txt"), file("plain.JPG")});
        QVERIFY(!host().loaded().ok());
        QVERIFY(view().showsLogo());
        drop(&view(), {file("big.jpg")});
        QCOMPARE(host().loaded().path, file("big.jpg"));
        // Not added to the list, and shown although the list is empty.
        QCOMPARE(list().count(), 0);
        QVERIFY(!view().showsLogo());
    }

    void aDoubleClickEnlargesTheViewerAndAnotherPutsItBack() {
        const QRect normal = view().geometry();
        QTest::mouseDClick(&view(), Qt::LeftButton);
        QVERIFY(host().enlarged());
        QCOMPARE(view().geometry(), w->centralWidget()->rect());
        w->resize(1100, 720);
        QTRY_COMPARE(view().geometry(), w->centralWidget()->rect());
        w->resize(1000, 700);
        QTest::mouseDClick(&view(), Qt::LeftButton);
        QVERIFY(!host().enlarged());
        QTRY_COMPARE(view().geometry(), normal);
        QCOMPARE(view().parentWidget(), w->workArea());
    }

    void theSlideShowStepsOnItsTimerAndTheIntervalLabelFollows() {
        drop(list().viewport(), {file("big.jpg"), file("plain.JPG")});
        z->settings.slideTimerInterval = 100;
        z->dispatcher.call("do_image_slide");
        QVERIFY(host().slideTimer().isActive());
        QCOMPARE(host().slideTimer().interval(), 100);
        QTRY_COMPARE(host().loaded().path, file("plain.JPG"));
        QTRY_COMPARE(host().loaded().path, file("big.jpg"));
        z->dispatcher.call("do_image_slide");
        QVERIFY(!host().slideTimer().isActive());
        // The interval label of the mode command bar, before and after a change and after
        // the bar is built again.
        z->modeGroups.add("Media", "media");
        z->modeGroups.addLegacy(*z->modeGroups.group(1), {"Interval", "do_image_interval"});
        z->settings.slideTimerInterval = 5000;
        z->dispatcher.call("do.refresh");
        auto label = [this] { return w->findChild<QLabel*>("lblMC"); };
        QVERIFY(label());
        QCOMPARE(label()->text(), QString(" 5.0"));
        z->dispatcher.call("do_image_slower");
        QCOMPARE(host().slideTimer().interval(), 5500);
        QVERIFY(!host().slideTimer().isActive());
        QCOMPARE(label()->text(), QString(" 5.5"));
        // 5500 to 10000 in steps of 500, then two steps of 1000.
        for (int i = 0; i < 11; ++i) z->dispatcher.call("do_image_slower");
        z->dispatcher.call("do.refresh");
        QCOMPARE(label()->text(), QString(" 12"));
    }
};

QTEST_MAIN(ImageViewerHostTest)
#include "image_viewer_host_test.moc"
