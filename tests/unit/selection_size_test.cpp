// The size of a pane's selection in its Size header and the suffixes the right bar is
// chosen by: painting a selection with the right button, deselecting below zero, the
// scroll speed outside the list, and the same total after any other selection.
#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "panes/pane_model.h"
#include "panes/pane_refresh.h"
#include "panes/selection_size.h"

namespace zerin {
namespace {

class SelectionSize : public ::testing::Test {
protected:
    SelectionSize() {
        setFolderColumns(z, 0);
        add("/p/Photos/", 0);
        add("/p/photo.JPG", 1000);
        add("/p/notes.txt", 2000);
        add("/p/clip.avi", 4000);
        add("/p/more.jpg", 8000);
    }
    void add(const std::string& tag, std::int64_t size) {
        ListItem item;
        item.tag = tag;
        item.text = tag;
        item.subItems.push_back({"", std::to_string(size), 0});
        z.panes.list(0).add(std::move(item));
    }
    std::string header() const { return z.panes.controls(0).columns.at(1).text; }
    std::int64_t total() const { return z.panes.selectionTotal[0]; }
    std::vector<bool> selected() const {
        std::vector<bool> out;
        for (const ListItem& item : z.panes.list(0).items()) out.push_back(item.selected);
        return out;
    }
    std::string sized(std::int64_t bytes) const { return z.panes.sizeFormat.format(bytes); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
};

TEST_F(SelectionSize, RightDragOverThreeItemsSelectsThemAndSumsTheirSizes) {
    RightDrag& drag = z.panes.rightDrag;
    drag.press(z.panes, 0, 1);
    EXPECT_TRUE(drag.active());
    EXPECT_TRUE(drag.selects());
    EXPECT_EQ(header(), sized(1000));
    drag.pass(z.panes, 2);
    drag.pass(z.panes, 2);  // still over the same item: counted once
    drag.pass(z.panes, 3);
    EXPECT_EQ(total(), 7000);
    EXPECT_EQ(header(), sized(7000));
    drag.release(z.panes);
    EXPECT_FALSE(drag.active());
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, true, true, false}));
    EXPECT_EQ(total(), 7000);
    EXPECT_EQ(header(), sized(7000));
    EXPECT_EQ(z.panes.selectedSuffixes[0], " jpg txt avi ");
}

TEST_F(SelectionSize, DeselectingBelowZeroShowsTheAmountWithAQuestionMarkUntilRelease) {
    auto& items = z.panes.list(0).mutableItems();
    for (std::size_t i = 1; i <= 3; ++i) items[i].selected = true;
    // Nothing was counted before the drag (the total starts at 0), so passing selected
    // items runs the total below zero.
    RightDrag& drag = z.panes.rightDrag;
    drag.press(z.panes, 0, 2);
    EXPECT_FALSE(drag.selects());
    EXPECT_EQ(total(), -2000);
    EXPECT_EQ(header(), sized(2000) + " ?");
    drag.pass(z.panes, 4);  // not selected: a deselecting drag leaves it
    drag.pass(z.panes, 3);
    EXPECT_EQ(header(), sized(6000) + " ?");
    drag.release(z.panes);
    EXPECT_EQ(selected(), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(total(), 1000);
    EXPECT_EQ(header(), sized(1000));

    // Deselecting the last one: the header says "Size" again.
    drag.press(z.panes, 0, 1);
    drag.release(z.panes);
    EXPECT_EQ(header(), "Size");
    EXPECT_EQ(z.panes.selectedSuffixes[0], " ");
}

TEST_F(SelectionSize, APressBesideTheItemsSelectsNothingAndReleaseRestoresSize) {
    RightDrag& drag = z.panes.rightDrag;
    drag.press(z.panes, 0, -1);
    EXPECT_TRUE(drag.active());
    EXPECT_EQ(header(), "Size");
    drag.pass(z.panes, 4);
    EXPECT_EQ(header(), sized(8000));
    drag.release(z.panes);
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false, false, true}));
    // After release no passing changes anything.
    EXPECT_FALSE(drag.pass(z.panes, 3));
}

TEST_F(SelectionSize, ScrollSpeedGrowsWithTheDistanceOutsideTheList) {
    EXPECT_EQ(dragScrollInterval(10), 260);
    EXPECT_EQ(dragScrollInterval(21), 5);
    EXPECT_EQ(dragScrollInterval(100), 5);
    EXPECT_EQ(dragScrollInterval(1), 476);

    RightDrag& drag = z.panes.rightDrag;
    int interval = RightDrag::kFirstScrollInterval;
    EXPECT_EQ(drag.scrollTick(400, 100, 200, interval), 0);  // no drag, no scroll
    drag.press(z.panes, 0, 0);
    EXPECT_EQ(drag.scrollTick(150, 100, 200, interval), 0);
    EXPECT_EQ(interval, RightDrag::kFirstScrollInterval);
    EXPECT_EQ(drag.scrollTick(310, 100, 200, interval), 1);
    EXPECT_EQ(interval, 260);
    EXPECT_EQ(drag.scrollTick(79, 100, 200, interval), -1);
    EXPECT_EQ(interval, 5);
    drag.release(z.panes);
}

TEST_F(SelectionSize, AnyOtherSelectionShowsTheSameTotalAndSuffixes) {
    auto& items = z.panes.list(0).mutableItems();
    items[0].selected = items[1].selected = items[4].selected = true;
    showSelectionSize(z.panes, 0);
    EXPECT_EQ(total(), 9000);
    EXPECT_EQ(header(), sized(9000));
    // Folders give "/", the same suffix in another letter case only once.
    EXPECT_EQ(z.panes.selectedSuffixes[0], " / jpg ");

    // The scripts view collects no suffixes.
    z.panes.setPath(0, "scripts");
    showSelectionSize(z.panes, 0);
    EXPECT_EQ(z.panes.selectedSuffixes[0], " ");
    EXPECT_EQ(total(), 9000);
}

}  // namespace
}  // namespace zerin
