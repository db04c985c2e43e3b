#pragma once
// The Snaps page: the current game's snapshots one at a time, stepped
// through by hand or by the slideshow timer, and deleted one by one.

#include <QWidget>

#include <string>
#include <vector>

#include "store/session.h"
#include "ui/right_page.h"

class QGroupBox;
class QPushButton;
class QTimer;

namespace quorvex::ui {

class PictureView;

class SnapshotsPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    // session must outlive the page. A missing or zero slideshow delay in
    // the state becomes "1000".
    explicit SnapshotsPage(store::Session& session, QWidget* parent = nullptr);
    ~SnapshotsPage() override;

    void ShowGame(const std::string& description, bool force) override;

    const std::string& shownGame() const { return m_description; }
    const std::vector<std::string>& snapshots() const { return m_files; }
    int shownIndex() const { return m_index; }
    bool slideshowRunning() const { return m_running; }
    QGroupBox* frame() const { return m_frame; }
    PictureView* pictureView() const { return m_view; }
    QPushButton* slideshowButton() const { return m_slideshow; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* deleteButton() const { return m_delete; }
    QTimer* slideshowTimer() const { return m_timer; }

    void Previous();
    void Next();
    void DeleteShown();
    void ToggleSlideshow();

private:
    void BuildControls();
    void ShowCurrentPicture();
    void UpdateCaptionAndButtons();
    void Tick();

    store::Session& m_session;
    QGroupBox* m_frame = nullptr;
    PictureView* m_view = nullptr;
    QPushButton* m_slideshow = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_delete = nullptr;
    QTimer* m_timer = nullptr;

    std::string m_description;
    std::vector<std::string> m_files;
    int m_index = 0;
    bool m_running = false;
};

}  // namespace quorvex::ui
