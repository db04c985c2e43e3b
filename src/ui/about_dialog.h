#pragma once
// The about box: the program's name and version, the credits, web and mail
// links, and a tune that loops while the box is open. Opened by the main
// window's "Credits" button and its "About Quorvex..." menu item.

#include <QDialog>

#include <memory>

class QLabel;

namespace quorvex::ui {

class LoopingTune;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The rich text of the links; each opens in the desktop's browser or mail program.
    QLabel* links() const { return m_links; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* m_links = nullptr;
    std::unique_ptr<LoopingTune> m_tune;
};

}  // namespace quorvex::ui
