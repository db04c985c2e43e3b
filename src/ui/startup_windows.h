#pragma once
// The real windows of the start-up sequence: the emulator directory dialog,
// the splash window, message boxes, the What's new dialog and the main window.

#include <memory>

#include "store/startup.h"

namespace quorvex::ui {

class SplashWindow;

class StartupWindows : public store::StartupWindows {
public:
    StartupWindows();
    ~StartupWindows() override;

    void ShowMessage(const std::string& text, store::MessageIcon icon) override;
    bool AskYesNo(const std::string& text) override;

    std::optional<std::string> AskEmulatorDirectory() override;
    void OpenSplash() override;
    void SetSplashStatus(const std::string& text) override;
    void CloseSplash() override;
    void ShowWhatsNew(const store::CatalogueChanges& changes) override;
    // Shows the main window and returns when it has closed.
    void RunMainWindow(store::Session& session) override;

private:
    std::unique_ptr<SplashWindow> m_splash;
};

}  // namespace quorvex::ui
