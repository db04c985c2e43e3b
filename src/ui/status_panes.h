#pragma once
// The main window's status bar: three sunken panes whose right edges stand at
// W/14, 11*(W/14) and W for a width W, and the busy bar that runs to and fro
// inside the first pane.

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

namespace quorvex::ui {

class StatusPanes : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPaneCount = 3;

    explicit StatusPanes(QWidget* parent = nullptr);

    void SetPaneText(int pane, const QString& text);
    QString PaneText(int pane) const;
    // The x just past the pane's right edge, for the current width.
    int PaneRightEdge(int pane) const;
    QRect PaneRect(int pane) const;

    // Moves the busy bar one step along pane 0, turning round at its edges;
    // the first call shows it at the left.
    void AdvanceBusyBar();
    // Takes the bar away and shows pane 0's text again.
    void HideBusyBar();
    // Where the bar is drawn; empty while it is hidden.
    QRect BusyBarRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect BusyTrack() const;
    int BusyBarWidth() const;

    std::array<QString, kPaneCount> m_texts;
    bool m_busyVisible = false;
    int m_busyOffset = 0;
    int m_busyDirection = 1;
};

}  // namespace quorvex::ui
