#include "ui/info/info_pages.h"

#include "ui/info/help_page.h"
#include "ui/info/info_page.h"
#include "ui/info/statistics_window.h"
#include "ui/main_window.h"

namespace quorvex::ui {

InfoPages InstallInfoPages(MainWindow& window, store::Session& session,
                           store::UserFeedback& feedback) {
    InfoPages pages;
    pages.info = new InfoPage(session, feedback, window);
    pages.help = new HelpPage(session);
    window.SetRightPage(MainWindow::Info, pages.info, pages.info);
    window.SetRightPage(MainWindow::Help, pages.help, pages.help);
    window.SetStatisticsOpener([&window, &session]() {
        StatisticsWindow statistics(session.games, &window);
        statistics.exec();
    });
    return pages;
}

}  // namespace quorvex::ui
