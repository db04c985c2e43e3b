#pragma once
// The dialog of the first start that asks where the emulator is.

#include <QDialog>

#include <string>

#include "store/user_feedback.h"

class QLineEdit;
class QPushButton;

namespace quorvex::ui {

class EmulatorDirectoryDialog : public QDialog {
    Q_OBJECT
public:
    // The complaint about a directory without the emulator goes through feedback.
    explicit EmulatorDirectoryDialog(store::UserFeedback& feedback, QWidget* parent = nullptr);

    // The accepted directory, normalised and ending with the native separator;
    // empty until OK found the emulator.
    const std::string& directory() const { return m_directory; }

    QLineEdit* edit() const { return m_edit; }

public slots:
    // OK: closes the dialog only when the typed directory holds the emulator.
    void accept() override;

private:
    void Browse();

    store::UserFeedback& m_feedback;
    QLineEdit* m_edit;
    QPushButton* m_browse;
    std::string m_directory;
};

// "The file 'mame.exe' is not located in the specified directory", with the
// emulator's file name on this system ("mame" outside Windows).
std::string EmulatorMissingMessage();

}  // namespace quorvex::ui
