#include "ui/misc/misc_pages.h"

#include <QMessageBox>
#include <QPointer>

#include "ui/main_window.h"
#include "ui/misc/misc_page.h"
#include "ui/misc/snapshots_page.h"
#include "ui/text_codec.h"

namespace quorvex::ui {

namespace {

// The cheat editor and the replays speak in boxes of their own caption.
class WindowsCaptionBoxes : public QObject, public store::UserFeedback {
public:
    explicit WindowsCaptionBoxes(QWidget* parent) : QObject(parent), m_parent(parent) {}

    void ShowMessage(const std::string& text, store::MessageIcon icon) override {
        QMessageBox box(
            icon == store::MessageIcon::None ? QMessageBox::NoIcon : QMessageBox::Warning,
            Caption(), ToQString(text), QMessageBox::Ok, m_parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    bool AskYesNo(const std::string& text) override {
        QMessageBox box(QMessageBox::Question, Caption(), ToQString(text),
                        QMessageBox::Yes | QMessageBox::No, m_parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

private:
    static QString Caption() { return QStringLiteral("Quorvex Windows"); }

    QPointer<QWidget> m_parent;
};

}  // namespace

MiscPages InstallMiscPages(MainWindow& window, store::Session& session, GameLauncher* launcher,
                           store::UserFeedback* feedback) {
    if (feedback == nullptr) {
        feedback = new WindowsCaptionBoxes(&window);
    }
    MiscPages pages;
    pages.misc = new MiscPage(session, *feedback, launcher);
    pages.snapshots = new SnapshotsPage(session);
    window.SetRightPage(MainWindow::Misc, pages.misc, pages.misc);
    window.SetRightPage(MainWindow::Snaps, pages.snapshots, pages.snapshots);
    return pages;
}

}  // namespace quorvex::ui
