#include "ui/startup_windows.h"

#include <QEventLoop>

#include "ui/browse/browse_pages.h"
#include "ui/chime.h"
#include "ui/emulator_directory_dialog.h"
#include "ui/info/info_pages.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/misc/misc_pages.h"
#include "ui/play/play_pages.h"
#include "ui/sets/set_pages.h"
#include "ui/splash_window.h"
#include "ui/text_codec.h"
#include "ui/utilities/utilities_pages.h"
#include "ui/whats_new_dialog.h"

namespace quorvex::ui {

StartupWindows::StartupWindows() = default;

StartupWindows::~StartupWindows() = default;

// While the splash window stands in the middle of the screen, messages open
// over it rather than behind it.
void StartupWindows::ShowMessage(const std::string& text, store::MessageIcon icon) {
    ShowMessageBox(m_splash.get(), text, icon);
}

bool StartupWindows::AskYesNo(const std::string& text) {
    return AskYesNoBox(m_splash.get(), text);
}

std::optional<std::string> StartupWindows::AskEmulatorDirectory() {
    MessageBoxFeedback feedback;
    EmulatorDirectoryDialog dialog(feedback);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.directory();
}

void StartupWindows::OpenSplash() {
    if (!m_splash) {
        m_splash = std::make_unique<SplashWindow>();
    }
    m_splash->Open();
}

void StartupWindows::SetSplashStatus(const std::string& text) {
    if (m_splash) {
        m_splash->SetStatus(ToQString(text));
    }
}

void StartupWindows::CloseSplash() {
    m_splash.reset();
}

void StartupWindows::ShowWhatsNew(const store::CatalogueChanges& changes) {
    WhatsNewDialog dialog(changes);
    Chime chime;
    chime.Play();
    dialog.exec();
}

void StartupWindows::RunMainWindow(store::Session& session) {
    MessageBoxFeedback feedback;
    MainWindow window(session, feedback);
    feedback.SetParent(&window);
    const BrowsePages browse = InstallBrowsePages(window, session, feedback);
    InstallSetPages(window, *browse.games, session, feedback);
    const PlayPages play = InstallPlayPages(window, session, feedback, browse.games);
    InstallMiscPages(window, session, play.launcher);
    InstallInfoPages(window, session, feedback);
    InstallUtilitiesPage(window, session, feedback, browse.games);
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::Closed, &loop, &QEventLoop::quit);
    window.Open();
    if (window.isVisible()) {
        loop.exec();
    }
}

}  // namespace quorvex::ui
