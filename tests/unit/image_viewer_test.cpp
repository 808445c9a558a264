#include <gtest/gtest.h>

#include "app/program.h"
#include "core/colours.h"
#include "fake_platform.h"
#include "media/image_viewer.h"

using namespace zerin;
namespace iv = zerin::image_viewer;

namespace {

// Records what the viewer asks of the window; pictures whose path contains "broken" fail.
class RecordingView : public ImageViewerView {
public:
    bool loadPicture(const std::string& path) override {
        if (path.find("broken") != std::string::npos) return false;
        loaded.push_back(path);
        return true;
    }
    void display() override { ++displays; }
    void selectItem(std::int32_t index) override { selected.push_back(index); }
    void listChanged() override { ++listChanges; }
    void setCaption(const std::string& text) override { caption = text; }
    void setSlideTimer(bool on, std::int32_t interval) override { timer.emplace_back(on, interval); }
    void setIntervalLabel(const std::string& text) override { label = text; }

    std::vector<std::string> loaded;
    std::vector<std::int32_t> selected;
    std::vector<std::pair<bool, std::int32_t>> timer;
    std::string caption, label;
    int displays = 0, listChanges = 0;
};

class RecordingUi : public UiHost {
public:
    bool titleBarShown() const override { return titleBar; }
    void setModeButtonColour(std::string_view command, std::uint32_t colour) override {
        buttons.emplace_back(std::string(command), colour);
    }
    void setWindowBackground(std::uint32_t colour) override { backgrounds.push_back(colour); }
    bool titleBar = true;
    std::vector<std::pair<std::string, std::uint32_t>> buttons;
    std::vector<std::uint32_t> backgrounds;
};

class ImageCommands : public ::testing::Test {
protected:
    ImageCommands() {
        registerAllCommands(z);
        z.ui = &ui;
        z.imageList.view = &view;
    }
    void fill(std::initializer_list<const char*> paths) {
        for (const char* p : paths) z.imageList.paths.emplace_back(p);
    }
    std::string call(std::string_view line) { return z.dispatcher.call(line); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    RecordingView view;
    RecordingUi ui;
};

}  // namespace

TEST(ImageViewerRules, ListTakesFourExtensionsWithinTheLastNineCharacters) {
    EXPECT_TRUE(iv::listAccepts("/p/a.JPG"));
    EXPECT_TRUE(iv::listAccepts("/p/b.jpeg"));
    EXPECT_TRUE(iv::listAccepts("/p/c.Gif"));
    EXPECT_TRUE(iv::listAccepts("/p/d.bmp"));
    EXPECT_FALSE(iv::listAccepts("/p/archive.tar.gz"));
    EXPECT_FALSE(iv::listAccepts("/p/photo.png"));
    EXPECT_FALSE(iv::listAccepts("/p.jpg/noextension"));
    // The dot must lie within the last 9 characters: ".12345678" is 9, ".123456789" is 10.
    EXPECT_EQ(iv::listExtension("x.12345678"), "12345678");
    EXPECT_EQ(iv::listExtension("x.123456789"), "");
    EXPECT_EQ(iv::listExtension("x.JpEg"), "jpeg");
}

TEST(ImageViewerRules, ViewerDropIsCaseSensitive) {
    EXPECT_TRUE(iv::viewerAccepts("/p/photo.jpg"));
    EXPECT_TRUE(iv::viewerAccepts("/p/anim.gif"));
    EXPECT_FALSE(iv::viewerAccepts("/p/photo.JPG"));
    EXPECT_FALSE(iv::viewerAccepts("/p/photo.jpeg"));
    EXPECT_FALSE(iv::viewerAccepts("/p/photo.bmp"));
}

TEST(ImageViewerRules, FitComparesThePictureWithFourToThree) {
    // 1.333 is below 1.34: the height is filled.
    iv::DrawRect r = iv::fit(800, 300, 1600, 1200);
    EXPECT_EQ(r.width, 400);
    EXPECT_EQ(r.height, 300);
    EXPECT_EQ(r.x, 200);
    EXPECT_EQ(r.y, 0);
    // 1.78: the width is filled, the picture overflows a low viewer and is centred.
    r = iv::fit(800, 300, 1920, 1080);
    EXPECT_EQ(r.width, 800);
    EXPECT_EQ(r.height, 450);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 150 - 225);
    // A wide picture in a tall viewer leaves bands above and below.
    r = iv::fit(300, 800, 1920, 1080);
    EXPECT_EQ(r.width, 300);
    EXPECT_EQ(r.height, 168);
    EXPECT_EQ(r.y, 400 - 84);
    // Scaled up as well; odd sizes use integer halves.
    r = iv::fit(801, 601, 40, 30);
    EXPECT_EQ(r.height, 601);
    EXPECT_EQ(r.width, 801);
    EXPECT_EQ(r.x, 400 - 400);
    // Exactly 1.34 counts as wide.
    r = iv::fit(1000, 1000, 134, 100);
    EXPECT_EQ(r.width, 1000);
    EXPECT_EQ(r.height, 746);
    // An empty picture draws nothing rather than dividing by zero.
    r = iv::fit(800, 600, 0, 0);
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(ImageViewerRules, IntervalStepsAndBounds) {
    EXPECT_EQ(iv::slower(5000), 5500);
    EXPECT_EQ(iv::slower(9900), 10400);   // just under 10000 adds 500 and passes it
    EXPECT_EQ(iv::slower(10000), 11000);
    EXPECT_EQ(iv::slower(19999), 20999);  // just under 20000 adds 1000
    EXPECT_EQ(iv::slower(20000), 25000);
    EXPECT_EQ(iv::slower(57000), 60000);  // within 5000 of the top
    EXPECT_EQ(iv::slower(60000), 60000);
    EXPECT_EQ(iv::slower(2147483647), 60000);
    EXPECT_EQ(iv::faster(700), 500);
    EXPECT_EQ(iv::faster(500), 500);
    EXPECT_EQ(iv::faster(11000), 10000);
    EXPECT_EQ(iv::faster(10999), 10499);
    EXPECT_EQ(iv::faster(20000), 19000);
    EXPECT_EQ(iv::faster(20001), 15001);
    EXPECT_EQ(iv::faster(60000), 55000);

    // The whole walk from 5000 up to the top and back down.
    std::vector<std::int32_t> up{5000};
    while (up.back() < 60000) up.push_back(iv::slower(up.back()));
    EXPECT_EQ(up.size(), 1u + 10 + 10 + 8);
    std::vector<std::int32_t> down{60000};
    while (down.back() > 500) down.push_back(iv::faster(down.back()));
    EXPECT_EQ(down[8], 20000);
    EXPECT_EQ(down[18], 10000);
    EXPECT_EQ(down.size(), 1u + 8 + 10 + 19);
}

TEST(ImageViewerRules, IntervalLabelInSeconds) {
    EXPECT_EQ(iv::intervalLabel(5000), " 5.0");
    EXPECT_EQ(iv::intervalLabel(12000), " 12");
    EXPECT_EQ(iv::intervalLabel(500), " 0.5");
    EXPECT_EQ(iv::intervalLabel(9500), " 9.5");
    EXPECT_EQ(iv::intervalLabel(10000), " 10");
    EXPECT_EQ(iv::intervalLabel(60000), " 60");
    EXPECT_EQ(iv::intervalLabel(9999), " 10.0");  // rounds to tenths below 10 s
    EXPECT_EQ(iv::intervalLabel(12500), " 13");
}

TEST_F(ImageCommands, DropsAreFilteredAndAppended) {
    ImageViewer v(z.imageList, z.settings, z.output, true);
    EXPECT_EQ(v.addDropped({"/a/a.JPG", "/a/archive.tar.gz", "/a/b.bmp", "/a/notes.txt"}), 2u);
    EXPECT_EQ(z.imageList.paths, (std::vector<std::string>{"/a/a.JPG", "/a/b.bmp"}));
    EXPECT_EQ(view.listChanges, 1);
}

TEST_F(ImageCommands, NextAndPrevWrapAround) {
    fill({"/i/0.jpg", "/i/1.jpg", "/i/2.jpg"});
    z.imageList.current = 2;
    EXPECT_EQ(call("do_image_next"), "");
    EXPECT_EQ(z.imageList.current, 0);
    EXPECT_EQ(view.caption, "Zerin - Viewing - /i/0.jpg");
    EXPECT_EQ(view.selected, (std::vector<std::int32_t>{0}));
    call("do_image_prev");
    EXPECT_EQ(z.imageList.current, 2);
    call("do_image_prev");
    EXPECT_EQ(z.imageList.current, 1);
    EXPECT_EQ(view.loaded, (std::vector<std::string>{"/i/0.jpg", "/i/2.jpg", "/i/1.jpg"}));
    EXPECT_EQ(view.displays, 3);
}

TEST_F(ImageCommands, OneImageOrNone) {
    call("do_image_next");
    call("do_image_prev");
    EXPECT_TRUE(view.loaded.empty());
    fill({"/i/only.gif"});
    call("do_image_next");
    EXPECT_TRUE(view.loaded.empty());  // next with one image does nothing
    call("do_image_prev");
    EXPECT_EQ(view.loaded, (std::vector<std::string>{"/i/only.gif"}));  // prev shows it again
    EXPECT_EQ(z.imageList.current, 0);
}

TEST_F(ImageCommands, CaptionOnlyWithTheTitleBar) {
    fill({"/i/0.jpg", "/i/1.jpg"});
    ui.titleBar = false;
    call("do_image_next");
    EXPECT_EQ(view.caption, "");
    EXPECT_EQ(view.displays, 1);
}

TEST_F(ImageCommands, UnloadablePictureKeepsThePreviousOneAndIsNamed) {
    fill({"/i/0.jpg", "/i/broken.jpg"});
    call("do_image_next");
    EXPECT_EQ(z.imageList.current, 1);
    EXPECT_EQ(view.displays, 0);
    EXPECT_EQ(view.caption, "");
    EXPECT_NE(z.txtDebug.text().find("/i/broken.jpg"), std::string::npos);
}

TEST_F(ImageCommands, ClearKeepsTheIndexAndLaterSteppingStaysInTheList) {
    fill({"/i/0.jpg", "/i/1.jpg", "/i/2.jpg", "/i/3.jpg"});
    z.imageList.current = 3;
    call("do_image_clear");
    EXPECT_TRUE(z.imageList.paths.empty());
    EXPECT_EQ(z.imageList.current, 3);
    EXPECT_EQ(view.displays, 0);  // the picture shown stays
    fill({"/j/0.jpg", "/j/1.jpg"});
    call("do_image_next");
    EXPECT_EQ(z.imageList.current, 0);
    z.imageList.current = 3;
    call("do_image_prev");
    EXPECT_EQ(z.imageList.current, 1);
    EXPECT_EQ(view.loaded, (std::vector<std::string>{"/j/0.jpg", "/j/1.jpg"}));
}

TEST_F(ImageCommands, SlideShowSwitchesTimerAndButton) {
    z.settings.slideTimerInterval = 5000;
    const Colour mode = z.panes.colours.file(z.settings.mode);
    call("do_image_slide");
    EXPECT_TRUE(z.imageList.slideTimerOn);
    ASSERT_EQ(ui.buttons.size(), 1u);
    EXPECT_EQ(ui.buttons[0], std::make_pair(std::string("do_image_slide"), brighten(mode, 160)));
    EXPECT_EQ(view.timer.back(), std::make_pair(true, 5000));
    call("do_image_slide");
    EXPECT_FALSE(z.imageList.slideTimerOn);
    EXPECT_EQ(ui.buttons[1].second, mode);
    EXPECT_EQ(view.timer.back().first, false);
}

TEST_F(ImageCommands, SlideTickIsOffWhileThePictureLoads) {
    fill({"/i/0.jpg", "/i/1.jpg"});
    ImageViewer v(z.imageList, z.settings, z.output, true);
    v.slideTick();  // a tick after the show stopped does nothing
    EXPECT_TRUE(view.loaded.empty());
    call("do_image_slide");
    view.timer.clear();
    v.slideTick();
    EXPECT_EQ(view.loaded, (std::vector<std::string>{"/i/1.jpg"}));
    ASSERT_EQ(view.timer.size(), 2u);
    EXPECT_FALSE(view.timer[0].first);
    EXPECT_TRUE(view.timer[1].first);
    EXPECT_TRUE(z.imageList.slideTimerOn);
}

TEST_F(ImageCommands, SlowerAndFasterKeepTheTimerState) {
    z.settings.slideTimerInterval = 9500;
    call("do_image_slower");
    EXPECT_EQ(z.settings.slideTimerInterval, 10000);
    EXPECT_EQ(z.settings.slideInterval, 10000);  // what a save writes
    EXPECT_EQ(view.label, " 10");
    EXPECT_EQ(view.timer.back(), std::make_pair(false, 10000));
    call("do_image_slide");
    call("do_image_faster");
    EXPECT_EQ(view.label, " 9.5");
    EXPECT_EQ(view.timer.back(), std::make_pair(true, 9500));
    EXPECT_TRUE(z.imageList.slideTimerOn);
}

TEST_F(ImageCommands, BackgroundModeSwitchesAndComesBack) {
    z.savedBackground = 0x6E3A20;
    const Colour mode = z.panes.colours.file(z.settings.mode);
    call("do_vlc_wallpaper");
    EXPECT_TRUE(z.settings.vlcBackground);
    EXPECT_EQ(z.windowBackground, 0x10000u);
    EXPECT_EQ(ui.backgrounds, (std::vector<std::uint32_t>{0x10000}));
    EXPECT_EQ(ui.buttons.back(), std::make_pair(std::string("do_vlc_wallpaper"), brighten(mode, 160)));
    call("do_vlc_wallpaper");
    EXPECT_FALSE(z.settings.vlcBackground);
    EXPECT_EQ(z.windowBackground, 0x6E3A20u);
    EXPECT_EQ(ui.backgrounds.back(), 0x6E3A20u);
    EXPECT_EQ(ui.buttons.back().second, mode);
}
