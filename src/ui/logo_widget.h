#pragma once
// The emblem at the top right of the main window: the idle picture or one
// frame of the busy animation.

#include <QWidget>

namespace quorvex::ui {

class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);

    // 0 shows the idle picture, 1 to kBusyFrameCount a frame of the animation.
    void SetFrame(int frame);
    int frame() const { return m_frame; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_frame = 0;
};

}  // namespace quorvex::ui
