// The shipped examples/Zerin.ini as a user meets it: start, click every mode button,
// close with Yes, start again, and click again with the same result.
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/shutdown.h"
#include "app/startup.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/mode_groups.h"
#include "panes/pane_refresh.h"
#include "started_program.h"
#include "temp_dir.h"
#include "ui/command_button.h"
#include "ui/main_window.h"
#include "ui/top_bar.h"
#include "ui/work_area.h"

using namespace zerin;
using namespace zerin::ui;

namespace {

const std::filesystem::path kExample = std::filesystem::path(ZERIN_EXAMPLES_DIR) / "Zerin.ini";

// One started program: the platform fakes, the logic and its window, started the way
// the window module starts them.
struct Session : test::StartedProgram {
    explicit Session(const std::filesystem::path& folder) : StartedProgram(folder, 1200, 800) {}

    // What the user sees after a click: the captions of the top bar and the work area's
    // content.
    struct View {
        QStringList captions;
        DisplayMode mode;
        bool operator==(const View&) const = default;
    };
    View view() const {
        View v{{}, window->workArea()->mode()};
        for (int i = 1; CommandButton* b = window->topBar()->button(i); ++i)
            if (b->isVisible()) v.captions << b->text();
        return v;
    }
    View click(const QString& caption) {
        for (int i = 1; CommandButton* b = window->topBar()->button(i); ++i)
            if (b->isVisible() && b->text() == caption) {
                QTest::mouseClick(b, Qt::LeftButton);
                return view();
            }
        qWarning("no button %s", qPrintable(caption));
        return {};
    }
    bool closeWithYes() {
        fp.dialogs.answers = {MsgResult::Yes};
        return closeRequested(z, window->windowTitle().toStdString(), {});
    }
};

const QStringList kModes = {"Files", "Pictures", "Media", "System"};

}  // namespace

class ExampleSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void everyModeButtonShowsItsCommandsBeforeAndAfterARestart() {
        test::TempDir dir;
        std::filesystem::copy_file(kExample, dir / "Zerin.ini");

        std::vector<Session::View> first;
        {
            Session s(dir.path());
            // Asking for the command list must leave the settings as the file gave them.
            s.z.dispatcher.call("help");
            QVERIFY(s.z.settings.columnAutosize);
            QCOMPARE(s.z.settings.columnHeaders, std::int16_t{1});
            for (const QString& mode : kModes) first.push_back(s.click(mode));
            // Clicked twice in another order, each mode shows the same again.
            QVERIFY(s.click("System") == first[3]);
            QVERIFY(s.click("Files") == first[0]);
            QVERIFY(s.closeWithYes());
        }
        const QStringList files = kModes + QStringList{"Copy", "Move", "New folder", "Compare", "Sizes", "Hello"};
        QCOMPARE(first[0].captions, files);
        QCOMPARE(first[0].mode, DisplayMode::File);
        QCOMPARE(first[1].captions, kModes + QStringList({"Slide show", "Rotate"}));
        QCOMPARE(first[1].mode, DisplayMode::Image);
        // Media has no commands of its own and leaves the work area as it was.
        QCOMPARE(first[2].captions, kModes);
        QCOMPARE(first[2].mode, DisplayMode::Image);
        QCOMPARE(first[3].captions, kModes + QStringList({"Run editor", "Variables"}));
        QCOMPARE(first[3].mode, DisplayMode::System);

        const std::string saved = test::readFile(dir / "Zerin.ini");
        // The user's lines are all still there, and the settings help does not touch.
        for (const char* line : {"modecmd=Media::Interval::do_image_interval\r\n", "modecmd=Media::Time::do_vlc_playtime\r\n",
                                 "modecmd=Media::Position::do_vlc_slider\r\n", "column_headers=1\r\n",
                                 "column_autosize=1\r\n"})
            QVERIFY2(saved.find(line) != std::string::npos, line);

        for (int start = 2; start <= 3; ++start) {
            Session s(dir.path());
            // The saved list.icons comes back as "1": the panes show icons from the start.
            QVERIFY(iconsShown(s.z));
            QVERIFY(s.z.panes.controls(0).iconsShown);
            // The last mode clicked before closing was Files.
            QCOMPARE(s.view(), first[0]);
            for (int i = 0; i < kModes.size(); ++i) QVERIFY2(s.click(kModes[i]) == first[i], qPrintable(kModes[i]));
            const ModeGroup* media = s.z.modeGroups.group(3);
            QVERIFY(media && media->legacy.size() == 3u);
            QVERIFY(s.click("Files") == first[0]);
            QVERIFY(s.closeWithYes());
            // Closed in the same mode as before, the save writes the same file again.
            QCOMPARE(test::readFile(dir / "Zerin.ini"), saved);
        }
    }

    void everyCommandOfTheExampleRunsWithoutAnError() {
        test::TempDir dir;
        std::filesystem::copy_file(kExample, dir / "Zerin.ini");
        Session s(dir.path());
        int ran = 0;
        for (const QString& mode : kModes) {
            const QStringList captions = s.click(mode).captions;
            for (int i = static_cast<int>(kModes.size()); i < captions.size(); ++i) {
                s.z.txtDebug.clear();
                s.click(mode);
                s.click(captions[i]);
                const std::string out = s.z.txtDebug.text();
                QVERIFY2(out.find("rror") == std::string::npos, out.c_str());
                ++ran;
            }
        }
        QCOMPARE(ran, 10);
        QVERIFY(s.fp.dialogs.shown.empty());
        // The greeting reads its local variable.
        s.z.txtDebug.clear();
        s.click("Files");
        s.click("Hello");
        QVERIFY2(s.z.txtDebug.text().find("Hello world") != std::string::npos, s.z.txtDebug.text().c_str());
    }

    void theMediaModesLabelsAndSliderSurviveASave() {
        test::TempDir dir;
        std::string example = test::readFile(kExample);
        const std::size_t at = example.find("mode=1\r\n");
        QVERIFY(at != std::string::npos);
        example.replace(at, 8, "mode=3\r\n");
        dir.write("Zerin.ini", example);
        auto kinds = [](const Zerin& z) {
            std::vector<BarElementKind> out;
            for (const BarElement& e : z.bars.top.elements())
                if (e.visible && e.kind != BarElementKind::Button) out.push_back(e.kind);
            return out;
        };
        const std::vector<BarElementKind> media = {BarElementKind::IntervalLabel, BarElementKind::PlayTimeLabel,
                                                   BarElementKind::PositionSlider};
        {
            Session s(dir.path());
            s.click("Media");
            QVERIFY(kinds(s.z) == media);
            QVERIFY(s.closeWithYes());
        }
        Session again(dir.path());
        again.click("Media");
        QVERIFY(kinds(again.z) == media);
    }
};

QTEST_MAIN(ExampleSettingsTest)
#include "example_settings_test.moc"
