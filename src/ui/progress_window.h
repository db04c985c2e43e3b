#pragma once
// The Progress window: a small window over its parent with a line of text, a
// bar, a Cancel button and the percentage in its title.

#include <QDialog>
#include <QPointer>

#include <string>

#include "store/user_feedback.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvex::ui {

class ProgressDialog;

class ProgressWindow : public store::Progress {
public:
    // The window opens over parent (centred on it) when Open is called.
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Opens the window; a window still open is closed first. Without
    // canCancel the Cancel button is disabled and Escape does nothing.
    void Open(const std::string& title, bool canCancel) override;
    void SetRange(int lower, int upper) override;
    void SetStep(int step) override;
    void SetText(const std::string& text) override;
    void Step() override;
    void SetPosition(int position) override;
    void Pump() override;
    // Set by Cancel or Escape; stays set until the next Open.
    bool Cancelled() const override { return m_cancelled; }
    // Destroys the window.
    void Close() override;

    // The open window, or null; for looking at it.
    QDialog* window() const;

private:
    void ShowPosition(bool titleChanged);

    QPointer<QWidget> m_parent;
    QPointer<ProgressDialog> m_dialog;
    store::ProgressState m_state;
    bool m_cancelled = false;
};

// The window itself; ProgressWindow creates and destroys it.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ProgressDialog(QWidget* parent, bool canCancel);

    QLabel* text() const { return m_text; }
    QProgressBar* bar() const { return m_bar; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void CancelRequested();

public slots:
    // Escape and the window's close button end up here.
    void reject() override;

private:
    QLabel* m_text;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    bool m_canCancel;
};

}  // namespace quorvex::ui
