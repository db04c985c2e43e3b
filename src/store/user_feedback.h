#pragma once
// How the core talks to the person in front of the screen. The user interface
// implements these with the Progress window and message boxes; tests
// implement them with recorders that answer from a script. No core function
// opens a window itself.

#include <string>

namespace quorvex::store {

// Caption of every message box of the program.
inline constexpr const char* kMessageCaption = "Quorvex 1.2";
// Title of every Progress window of the program.
inline constexpr const char* kProgressTitle = "Please wait!";

enum class MessageIcon { None, Exclamation, Stop, Information, Question };

class UserFeedback {
public:
    virtual ~UserFeedback() = default;
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

// A long operation's progress. Range and position are in steps; the window
// shows the whole percentage in its title.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void Open(const std::string& title, bool canCancel) = 0;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetStep(int step) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Step() = 0;
    virtual void SetPosition(int position) = 0;
    // Lets the windows repaint and take the Cancel click; called between items.
    virtual void Pump() = 0;
    virtual bool Cancelled() const = 0;
    virtual void Close() = 0;
};

// The bookkeeping behind a Progress window: range, step, position and the
// title with its percentage, which changes only when the whole percentage does.
class ProgressState {
public:
    void Open(const std::string& title);
    void SetRange(int lower, int upper);
    void SetStep(int step) { m_step = step; }
    // Each returns true when the window title has to change.
    bool Step();
    bool SetPosition(int position);

    int lower() const { return m_lower; }
    int upper() const { return m_upper; }
    int position() const { return m_position; }
    int percent() const { return m_percent; }
    // "<title> [<percent>%]" once a percentage has been reached, the bare title before.
    std::string WindowTitle() const;

private:
    bool UpdatePercent();

    std::string m_title;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 1;
    int m_position = 0;
    int m_percent = -1;
};

// For callers that have no window to show progress in.
class SilentProgress : public Progress {
public:
    void Open(const std::string&, bool) override {}
    void SetRange(int, int) override {}
    void SetStep(int) override {}
    void SetText(const std::string&) override {}
    void Step() override {}
    void SetPosition(int) override {}
    void Pump() override {}
    bool Cancelled() const override { return false; }
    void Close() override {}
};

}  // namespace quorvex::store
