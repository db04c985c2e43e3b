#include "ui/busy_indicator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ui/artwork.h"
#include "ui/logo_widget.h"
#include "ui/status_panes.h"

namespace quorvex::ui {
namespace {

struct BusyWindow {
    BusyWindow() : logo(new LogoWidget(&window)), panes(new StatusPanes(&window)) {
        panes->setGeometry(0, 0, 700, 24);
        panes->SetPaneText(0, "Ready");
    }
    QWidget window;
    LogoWidget* logo;
    StatusPanes* panes;
};

TEST(BusyIndicator, RunsTheTwentyFramesInACycleAndRestoresTheIdlePicture) {
    BusyWindow w;
    BusyIndicator busy(*w.logo, *w.panes);
    EXPECT_EQ(w.logo->frame(), 0);

    busy.On();
    EXPECT_TRUE(busy.IsOn());
    EXPECT_EQ(w.logo->frame(), 1);
    for (int tick = 2; tick <= kBusyFrameCount; ++tick) {
        busy.Tick();
        EXPECT_EQ(w.logo->frame(), tick);
    }
    busy.Tick();
    EXPECT_EQ(w.logo->frame(), 1);

    busy.Off();
    EXPECT_FALSE(busy.IsOn());
    // The last busy picture stays until the restore timer fires.
    EXPECT_TRUE(busy.IsRestoring());
    EXPECT_EQ(w.logo->frame(), 1);
    EXPECT_TRUE(w.panes->BusyBarRect().isNull());
    EXPECT_EQ(w.panes->PaneText(0), "Ready");

    // On before the restore cancels it and the cycle goes on; a second On is no extra step.
    busy.On();
    EXPECT_FALSE(busy.IsRestoring());
    EXPECT_EQ(w.logo->frame(), 2);
    busy.On();
    EXPECT_EQ(w.logo->frame(), 2);

    busy.Off();
    busy.ShowIdle();
    EXPECT_EQ(w.logo->frame(), 0);
    busy.On();
    EXPECT_EQ(w.logo->frame(), 1);
}

TEST(BusyIndicator, TheBarStaysInsidePaneZeroAndTurnsAtItsEdges) {
    BusyWindow w;
    const QRect pane = w.panes->PaneRect(0);
    std::vector<int> lefts;
    for (int tick = 0; tick < 200; ++tick) {
        w.panes->AdvanceBusyBar();
        const QRect bar = w.panes->BusyBarRect();
        ASSERT_FALSE(bar.isNull());
        ASSERT_GE(bar.left(), pane.left());
        ASSERT_LE(bar.right(), pane.right());
        lefts.push_back(bar.left());
    }
    int turns = 0;
    for (std::size_t i = 2; i < lefts.size(); ++i) {
        const int before = lefts[i - 1] - lefts[i - 2];
        const int after = lefts[i] - lefts[i - 1];
        if (before != 0 && after != 0 && (before > 0) != (after > 0)) {
            ++turns;
        }
    }
    EXPECT_GE(turns, 2);
    EXPECT_EQ(*std::min_element(lefts.begin(), lefts.end()), lefts.front());
}

}  // namespace
}  // namespace quorvex::ui
