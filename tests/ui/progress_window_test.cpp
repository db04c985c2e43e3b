#include "ui/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace quorvex::ui {
namespace {

QProgressBar* Bar(const ProgressWindow& progress) {
    return progress.window()->findChild<QProgressBar*>("progressBar");
}

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

    progress.SetRange(0, 200);
    progress.SetStep(3);
    progress.Step();
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [1%]");
    EXPECT_EQ(Bar(progress)->value(), 3);
    progress.SetPosition(101);
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [50%]");
    progress.SetPosition(500);
    EXPECT_EQ(progress.window()->windowTitle(), "Please wait! [100%]");
    EXPECT_EQ(Bar(progress)->value(), 200);

    progress.Close();
    EXPECT_EQ(progress.window(), nullptr);
}

TEST(ProgressWindow, CancelAndEscapeSetTheFlagWhenAllowed) {
    ProgressWindow progress;
    progress.Open("Please wait!", true);
    EXPECT_FALSE(progress.Cancelled());
    QTest::mouseClick(CancelButton(progress), Qt::LeftButton);
    EXPECT_TRUE(progress.Cancelled());
    // Cancelling only asks; the caller closes the window.
    EXPECT_NE(progress.window(), nullptr);

    progress.Open("Please wait!", true);
    EXPECT_FALSE(progress.Cancelled());
    QTest::keyClick(progress.window(), Qt::Key_Escape);
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_TRUE(progress.window()->isVisible());
}

TEST(ProgressWindow, WithoutCancelNeitherButtonNorEscapeStopsTheWork) {
    ProgressWindow progress;
    progress.Open("Please wait!", false);
    EXPECT_FALSE(CancelButton(progress)->isEnabled());
    QTest::keyClick(progress.window(), Qt::Key_Escape);
    progress.Pump();
    EXPECT_FALSE(progress.Cancelled());
    EXPECT_TRUE(progress.window()->isVisible());
}

TEST(ProgressWindow, CanBeCancelledOverADisabledWindow) {
    // Long operations disable the main window while their progress shows.
    QWidget parent;
    parent.show();
    parent.setEnabled(false);
    ProgressWindow progress(&parent);
    progress.Open("Please wait!", true);
    EXPECT_TRUE(CancelButton(progress)->isEnabled());
    QTest::mouseClick(CancelButton(progress), Qt::LeftButton);
    EXPECT_TRUE(progress.Cancelled());
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
