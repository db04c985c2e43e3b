// The about box: its links, its tune and the two ways of opening it.

#include "ui/about_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "browse_fixture.h"
#include "ui/about_tune.h"
#include "ui/logo_widget.h"

namespace quorvex::ui {
namespace {

TEST(AboutTune, LoopsWithoutAClickAndStaysWithinFullScale) {
    const std::vector<double> samples = AboutTuneSamples();
    ASSERT_GT(samples.size(), static_cast<std::size_t>(kTuneSampleRate));
    double peak = 0.0;
    for (const double sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    EXPECT_LE(peak, 1.0);
    EXPECT_GT(peak, 0.3);
    // Where the end meets the start again both sides are silent.
    EXPECT_LT(std::abs(samples.front()), 0.01);
    EXPECT_LT(std::abs(samples.back()), 0.01);

    const QByteArray wave = AboutTuneWave();
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(wave.size(), static_cast<qsizetype>(44 + 2 * samples.size()));
}

// The modal box that opens next is closed at once; true when it was the about box.
bool AboutBoxOpensFrom(const std::function<void()>& open) {
    bool seen = false;
    QTimer::singleShot(0, [&seen]() {
        if (auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            about->accept();
        }
    });
    open();
    return seen;
}

TEST(AboutDialog, LinksLeadToWebAndMailAndItOpensFromCreditsAndTheAboutMenuItem) {
    const AboutDialog box;
    EXPECT_TRUE(box.links()->text().contains("href=\"https://www.mamedev.org/\""));
    EXPECT_TRUE(box.links()->text().contains("href=\"mailto:"));
    EXPECT_TRUE(box.links()->openExternalLinks());

    testing::BrowseFixture f;
    f.Open();
    auto* credits = f.Find<QPushButton>("creditsButton");
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(AboutBoxOpensFrom([credits]() { credits->click(); }));

    auto* about = f.window->logo()->findChild<QAction*>("aboutAction");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "&About Quorvex...");
    EXPECT_TRUE(f.window->logo()->actions().contains(about));
    EXPECT_TRUE(AboutBoxOpensFrom([about]() { about->trigger(); }));
}

}  // namespace
}  // namespace quorvex::ui
