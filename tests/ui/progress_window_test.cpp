#include "ui/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace quorvex::ui {
namespace {

QPushButton* CancelButton(const ProgressWindow& progress) {
    return progress.window()->findChild<QPushButton*>("progressCancel");
}

TEST(ProgressWindow, TitleFollowsTheWholePercentage) {
    QWidget parent;
    parent.resize(600, 400);
    parent.show();
    ProgressWindow progress(&parent);
    progress.Open("Please wait!", false);
    ASSERT_NE(progress.window(), nullptr);
    EXPECT_EQ(progress.window()->width(), 390);
    EXPECT_TRUE(progress.window()->isVisible());
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait!");
    progress.SetText("Saving data...");
    EXPECT_EQ(progress.window()->findChild<QLabel*>("progressText")->text(), "Saving data...");

    const QProgressBar* bar = progress.window()->findChild<QProgressBar*>("progressBar");
    progress.SetRange(0, 200);
    progress.SetStep(3);
    progress.Step();
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [1%]");
    EXPECT_EQ(bar->value(), 3);
    progress.SetPosition(101);
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [50%]");
    progress.SetPosition(500);
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [100%]");
    EXPECT_EQ(bar->value(), 200);

    progress.Close();
    EXPECT_EQ(progress.window(), nullptr);
}

TEST(ProgressWindow, CancelAndEscapeSetTheFlagOnlyWhenAllowed) {
    // Long operations disable the main window while their progress shows.
    QWidget parent;
    parent.show();
    parent.setEnabled(false);
    ProgressWindow progress(&parent);
    progress.Open("Please wait!", true);
    EXPECT_FALSE(progress.Cancelled());
    ASSERT_TRUE(CancelButton(progress)->isEnabled());
    QTest::mouseClick(CancelButton(progress), Qt::LeftButton);
    EXPECT_TRUE(progress.Cancelled());
    // Cancelling only asks; the caller closes the window.
    EXPECT_NE(progress.window(), nullptr);

    progress.Open("Please wait!", true);
    EXPECT_FALSE(progress.Cancelled());
    QTest::keyClick(progress.window(), Qt::Key_Escape);
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_TRUE(progress.window()->isVisible());

    ProgressWindow uncancellable;
    uncancellable.Open("Please wait!", false);
    EXPECT_FALSE(CancelButton(uncancellable)->isEnabled());
    QTest::keyClick(uncancellable.window(), Qt::Key_Escape);
    uncancellable.Pump();
    EXPECT_FALSE(uncancellable.Cancelled());
    EXPECT_TRUE(uncancellable.window()->isVisible());
}

TEST(ProgressWindow, SurvivesItsParentGoingFirst) {
    auto* parent = new QWidget;
    ProgressWindow progress(parent);
    progress.Open("Please wait!", false);
    delete parent;
    EXPECT_EQ(progress.window(), nullptr);
    progress.SetText("still safe");
    progress.Step();
    progress.Close();
}

}  // namespace
}  // namespace quorvex::ui
