// Drawing on surface 0, bitmaps, colours, the mouse and other windows, with raster fakes.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/output_window_commands.h"
#include "commands/output_window_messages.h"
#include "output_window_fixture.h"

using namespace zerin;
using zerin::test::OutputWindowFixture;
using zerin::test::RasterCanvas;

using DrawingCommands = OutputWindowFixture;

TEST_F(DrawingCommands, LinesTakeTheForeColourUnlessGivenOne) {
    EXPECT_EQ(run("line 0 0 100 100 255"), "");
    EXPECT_TRUE(z.outputWindow.isOpen());  // drawing opens the window
    EXPECT_EQ(run("point 50 50"), " 255");
    EXPECT_EQ(run("forecolor &h00FF00"), "FF00");
    run("line 0 10 20 10");
    EXPECT_EQ(at(15, 10), 0xFF00u);
    EXPECT_EQ(run("forecolor 16711680.4"), "FF0000");
    EXPECT_EQ(run("forecolor -3"), "FF0000");  // a negative colour changes nothing
    EXPECT_EQ(run("forecolor"), "FF0000");
    EXPECT_EQ(run("point -1 5"), "-1");
    EXPECT_EQ(run("point 5 100000"), "-1");
    EXPECT_GT(host.surfaceChanges, 0);
}

TEST_F(DrawingCommands, BoxesFollowTheFillStyleBarsAreSolid) {
    EXPECT_EQ(run("fillstyle"), "false");
    run("box 10 10 20 20 255");
    EXPECT_EQ(at(10, 15), 0xFFu);
    EXPECT_EQ(at(15, 15), 0xFFFFFFu);  // transparent inside

    EXPECT_EQ(run("fillstyle SOLID"), "solid");
    EXPECT_EQ(run("fillstyle"), "true");
    EXPECT_EQ(run("fillcolor 65280"), "");
    EXPECT_EQ(run("fillcolor"), "FF00");
    run("box 30 30 40 40 255");
    EXPECT_EQ(at(35, 35), 0xFF00u);

    EXPECT_EQ(run("fillstyle cross"), "");
    EXPECT_EQ(run("fillstyle"), "false");
    EXPECT_EQ(run("fillstyle polka"), "");
    EXPECT_EQ(run("fillstyle"), "false");
    EXPECT_EQ(run("fillstyle transparent"), "false");

    run("bar 50 50 60 60 16711680");
    EXPECT_EQ(at(55, 55), 0xFF0000u);
    EXPECT_EQ(at(60, 60), 0xFF0000u);
}

TEST_F(DrawingCommands, CirclefLeavesSolidFillInForce) {
    run("circlef 100 100 10 255");
    EXPECT_EQ(at(100, 100), 0xFFu);
    EXPECT_EQ(run("fillstyle"), "true");
    EXPECT_EQ(run("fillcolor"), "FF");
    run("circle 200 100 10 65280");
    EXPECT_EQ(at(200, 100), 0xFFu);  // still filled with the fill colour
    EXPECT_EQ(at(210, 100), 0xFF00u);
}

TEST_F(DrawingCommands, PsetGfxPrintAndCls) {
    run("pset 3 4 255");
    EXPECT_EQ(at(3, 4), 0xFFu);
    run("pset 5 6");
    EXPECT_EQ(at(5, 6), 0u);
    run("gfx.print 10 20   Hello world");
    auto& canvas = static_cast<RasterCanvas&>(surface(0));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "Hello world");
    EXPECT_EQ(canvas.texts[0].x, 10);
    EXPECT_EQ(canvas.texts[0].y, 20);
    EXPECT_EQ(z.outputWindow.surface(0)->currentY, 20 + RasterCanvas::kLineHeight);

    run("cls 255");
    EXPECT_EQ(at(0, 0), 0xFFu);
    EXPECT_EQ(run("fillcolor"), "FF");
    run("cls");
    EXPECT_EQ(at(0, 0), 0xFFFFFFu);
    run("window close");
    EXPECT_EQ(run("cls 255"), "");
    EXPECT_EQ(run("fillcolor"), "");
    EXPECT_FALSE(z.outputWindow.isOpen());
}

TEST_F(DrawingCommands, DrawWidthRefusesNonsense) {
    run("gfx.drawwidth 3");
    EXPECT_EQ(z.outputWindow.surface(0)->drawWidth, 3);
    run("gfx.drawwidth 0");
    run("gfx.drawwidth 99999");
    run("gfx.drawwidth abc");
    EXPECT_EQ(z.outputWindow.surface(0)->drawWidth, 3);
}

TEST_F(DrawingCommands, NoArgumentTextCrashesADrawingCommand) {
    const char* commands[] = {"line", "box", "bar", "circle", "circlef", "pset", "point", "gfx.print", "cls",
                              "forecolor", "fillcolor", "fillstyle", "gfx.drawwidth", "bitmap.create",
                              "bitmap.copy", "bitmap.load", "bitmap.save", "bitmap.width", "alphablend",
                              "paintpicture", "gfx.color.splitrgb", "window.move", "window.setfocus", "mouse.x"};
    const char* args[] = {"", " ", "1e308 -1e308 1e308 1e308 1e308", "nan nan nan nan", "&hzz &h 1",
                          "-2147483649 2147483648 0 0 0 0 0 0 0 0 0", "\"", "a b c d e f g h i j k l m n",
                          "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "1 1 -5 -5 -5 1 -5 -5 -5 -5 300", "99999 3"};
    // bitmap.save takes some of these texts as file names: keep them out of the build tree.
    const auto home = std::filesystem::current_path();
    const auto scratch = std::filesystem::temp_directory_path() / ("zerin_draw_" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::current_path(scratch);
    for (const char* c : commands)
        for (const char* a : args) run(std::string(c) + " " + a);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(scratch);
    EXPECT_LE(canvases.largestSide, OutputWindow::kMaxSurfaceSide);
}

TEST_F(DrawingCommands, HugeSizesAreClampedWithADebugLine) {
    run("circle 10 10 1000000000");
    EXPECT_TRUE(debugHas(outmsg::kRadiusTooLarge));
    run("gfx.open G");
    z.outputWindow.layout({100000, 300, 330, 1000, false, false});
    EXPECT_EQ(surface(0).width(), OutputWindow::kMaxSurfaceSide);
    EXPECT_TRUE(debugHas(outmsg::kSurfaceClamped));
    EXPECT_EQ(run("bitmap.create"), "1");
    EXPECT_EQ(surface(1).width(), OutputWindow::kMaxSurfaceSide);
    EXPECT_LE(canvases.largestSide, OutputWindow::kMaxSurfaceSide);
}

TEST_F(DrawingCommands, MouseOverTheSurface) {
    z.outputWindow.mouseMoved(12.5, 40);
    EXPECT_EQ(run("gfx.mouse.x"), " 12.5");
    EXPECT_EQ(run("gfx.mouse.y"), " 40");
}

using BitmapCommands = OutputWindowFixture;

TEST_F(BitmapCommands, CreateNumbersFromTheCounterVariable) {
    run("window T");
    EXPECT_EQ(run("bitmap.create"), "1");
    ASSERT_NE(locals.find("bitmapcounter"), nullptr);
    EXPECT_EQ(*locals.find("bitmapcounter"), "1");
    EXPECT_EQ(run("bitmap.create"), "2");
    EXPECT_EQ(run("bitmap.create 2"), "2");
    EXPECT_EQ(run("bitmap.create 7"), "0");
    EXPECT_EQ(surface(2).width(), surface(0).width());
    EXPECT_EQ(z.outputWindow.surface(2)->tag, 2);
}

TEST_F(BitmapCommands, CopyBlendAndSaveReloadKeepPixels) {
    run("bitmap.create");
    run("cls 255 1");  // bitmap 1 red
    run("bitmap.copy 0 1");
    EXPECT_EQ(at(30, 30), 0xFFu);

    run("cls 16777215 0");  // surface 0 white again
    run("alphablend 0 0 0 10 10 1 0 0 10 10 128");
    EXPECT_EQ(at(5, 5), rgbColour(255, 127, 127));
    EXPECT_EQ(at(15, 15), 0xFFFFFFu);

    run("pset 1 1 65280");
    auto path = std::filesystem::temp_directory_path() / "zerin_bitmap_save_test.bmp";
    run("bitmap.save 0 \"" + path.string() + "\"");
    run("bitmap.load 3 " + path.string());
    ASSERT_EQ(z.outputWindow.surfaceCount(), 4);
    EXPECT_EQ(at(1, 1, 3), 0xFF00u);
    EXPECT_EQ(at(5, 5, 3), rgbColour(255, 127, 127));
    EXPECT_EQ(run("bitmap.width 3"), " " + std::to_string(surface(0).width()));
    EXPECT_EQ(run("bitmap.height 1"), " 0");  // no loaded picture
    std::filesystem::remove(path);

    run("bitmap.load 1 /no/such/file.bmp");
    EXPECT_TRUE(debugHas(outmsg::kBitmapLoadFailed));
}

TEST_F(BitmapCommands, PaintPictureListsItsNumbersThenPaints) {
    auto path = std::filesystem::temp_directory_path() / "zerin_paint_test.bmp";
    {
        RasterCanvas picture(4, 4, 0xFF);
        picture.saveBmp(path.string());
    }
    run("bitmap.load 1 " + path.string());
    z.txtDebug.clear();
    run("paintpicture 0 1 10 10 4 4 0 0 4 4 13369376");
    EXPECT_EQ(z.txtDebug.text().rfind(std::string(outmsg::kPaintPictureHeader) + "\r\n  v(1) =  0\r\n  v(2) =  1\r\n", 0),
              0u);
    EXPECT_TRUE(debugHas("  v(11) =  13369376\r\n"));
    EXPECT_EQ(at(12, 12), 0xFFu);
    run("cls 65280 0");
    run("paintpicture 0 1 0 0 4 4 0 0 4 4 15597702");  // OR
    EXPECT_EQ(at(1, 1), 0xFFFFu);
    z.txtDebug.clear();
    run("paintpicture");
    EXPECT_EQ(z.txtDebug.text(), "");
    std::filesystem::remove(path);
}

using ColourCommands = OutputWindowFixture;

TEST_F(ColourCommands, SplitRgbStoresChannelsAndNamesTheFamily) {
    EXPECT_EQ(run("gfx.color.splitrgb &hFF0000 R G B"), "red");
    EXPECT_EQ(*locals.find("r"), "255");
    EXPECT_EQ(*locals.find("g"), "0");
    EXPECT_TRUE(locals.indexed("b"));
    EXPECT_EQ(colourName(200, 120, 80), "sand");
    EXPECT_EQ(colourName(0, 200, 10), "green");
    EXPECT_EQ(colourName(0, 0, 255), "blue");
    EXPECT_EQ(colourName(128, 128, 128), "");
    locals.assign("c", "&h0000ff");
    EXPECT_EQ(run("gfx.color.splitrgb c r g b"), "blue");
    EXPECT_EQ(*locals.find("b"), "255");
}

TEST_F(ColourCommands, BrightnessDarkensBelowAHundredAndBrightensAbove) {
    EXPECT_EQ(run("gfx.color.brightness 255 50"), " 128");
    EXPECT_EQ(run("gfx.color.brightness &h336699 100"), " " + std::to_string(0x996633));
    // Red doubled overflows by 255: half of it lifts every channel.
    EXPECT_EQ(run("gfx.color.brightness 255 200"), " " + std::to_string(0x808080 | 0xFF));
    EXPECT_EQ(run("gfx.color.brightness 255 0"), " 0");
    EXPECT_EQ(run("gfx.color.brightness 255 99999"), "");
}

using ScreenCommands = OutputWindowFixture;

TEST_F(ScreenCommands, MouseReadsAndSetsTheCursor) {
    fp.keys.cursor = {100, 200};
    EXPECT_EQ(run("mouse.x"), " 100");
    EXPECT_EQ(run("mouse.y 30"), " 30");
    EXPECT_EQ(fp.keys.cursor.x, 100);
    fp.keys.buttons = 1 | 2 | 4;
    EXPECT_EQ(run("mouse.button"), " 3");
}

TEST_F(ScreenCommands, OtherWindowsByHandleOrTitle) {
    windows.windows = {{11, "Terminal", 0, 0, 10, 10, false}, {12, "Text Editor", 0, 0, 10, 10, true}};
    run("window.move 12345 10 10 200");
    EXPECT_TRUE(debugHas(outmsg::kMoveNotEnough));
    z.txtDebug.clear();
    run("window.move 11");
    EXPECT_EQ(z.txtDebug.text(), "");
    run("window.move \"editor\" 1 2 300 400");
    EXPECT_EQ(windows.windows[1].width, 300);
    run("window.move 11 5 6 7 8 9");
    EXPECT_EQ(windows.windows[0].x, 5);
    EXPECT_EQ(windows.windows[0].height, 8);
    run("window.setfocus \"TEXT\"");
    EXPECT_EQ(windows.active, 12u);
    EXPECT_FALSE(windows.windows[1].minimised);
    run("window.setfocus 11");
    EXPECT_EQ(windows.active, 11u);
    run("window.setfocus \"nothing like it\"");
    EXPECT_EQ(windows.active, 11u);
}
