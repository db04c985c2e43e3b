#pragma once
// The history and known-issues page (tab "Help"): the current game's entries
// from "history.dat" and "mameinfo.dat" beside the emulator's hot keys.

#include <QWidget>

#include <string>

#include "store/session.h"
#include "ui/right_page.h"

class QPlainTextEdit;

namespace quorvex::ui {

class HelpPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // session must outlive the page.
    explicit HelpPage(const store::Session& session, QWidget* parent = nullptr);

    void ShowGame(const std::string& description, bool force) override;
    const std::string& shownGame() const { return m_description; }

    QPlainTextEdit* historyBox() const { return m_history; }
    QPlainTextEdit* knownIssuesBox() const { return m_knownIssues; }
    QPlainTextEdit* hotKeysBox() const { return m_hotKeys; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const store::Session& m_session;
    std::string m_description;
    QPlainTextEdit* m_history = nullptr;
    QPlainTextEdit* m_knownIssues = nullptr;
    QPlainTextEdit* m_hotKeys = nullptr;
};

}  // namespace quorvex::ui
