#pragma once
// The program's message boxes, captioned "Quorvex 1.2".

#include <QPointer>
#include <QWidget>

#include <string>

#include "store/user_feedback.h"

namespace quorvex::ui {

// Shows text (plain, line breaks kept) with the icon and waits until it is closed.
void ShowMessageBox(QWidget* parent, const std::string& text, store::MessageIcon icon);
// Asks with Yes and No; true for Yes. Closing the box counts as No. The
// program's confirmations carry the exclamation icon; the few that the
// cheats and replays pages ask with the question icon pass it.
bool AskYesNoBox(QWidget* parent, const std::string& text,
                 store::MessageIcon icon = store::MessageIcon::Exclamation);

// The core's questions and messages as message boxes over a window.
class MessageBoxFeedback : public store::UserFeedback {
public:
    explicit MessageBoxFeedback(QWidget* parent = nullptr) : m_parent(parent) {}
    // The window the boxes open over; null centres them on the screen.
    void SetParent(QWidget* parent) { m_parent = parent; }
    void ShowMessage(const std::string& text, store::MessageIcon icon) override;
    bool AskYesNo(const std::string& text) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace quorvex::ui
