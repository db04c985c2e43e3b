#pragma once
// The borderless window that stands in the middle of the screen while the
// program loads: a picture and one line of status text below it.

#include <QWidget>

class QLabel;

namespace quorvex::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 348;
    static constexpr int kHeight = 330;

    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window centred on the primary screen.
    void Open();
    // Puts text in the status line and lets the window repaint.
    void SetStatus(const QString& text);
    QString status() const;

private:
    QLabel* m_picture;
    QLabel* m_status;
};

}  // namespace quorvex::ui
