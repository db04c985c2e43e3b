#pragma once
// A tab page that has no controls of its own yet. It remembers which game it
// was last asked to show, as a real page would.

#include <QWidget>

#include <string>

#include "ui/right_page.h"

namespace quorvex::ui {

class EmptyPage : public QWidget, public RightPage {
    Q_OBJECT
public:
    explicit EmptyPage(QWidget* parent = nullptr);

    void ShowGame(const std::string& description, bool force) override;
    const std::string& shownGame() const { return m_shownGame; }
    int refillCount() const { return m_refills; }

private:
    std::string m_shownGame;
    int m_refills = 0;
};

}  // namespace quorvex::ui
