#pragma once
// Shows a picture file in its area, scaled to fit with its proportions kept.
// The file's extension, in any case, picks the decoder: ".pcx" (the
// program's own reader), ".bmp", ".gif" and ".png" (today's emulator
// snapshots); a file of any other kind shows nothing.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <string>

namespace quorvex::ui {

// The picture in the file, or a null image when its kind is not one of the
// four or it cannot be decoded.
QImage LoadPicture(const std::string& path);

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Shows the file's picture; false, with the area left empty, when it
    // cannot be shown.
    bool ShowFile(const std::string& path);
    // Shows a picture of the program's own (the no-snapshot picture).
    void ShowPicture(const QPixmap& picture);
    void Clear();

    const std::string& file() const { return m_file; }
    bool hasPicture() const { return !m_picture.isNull(); }
    QSize pictureSize() const { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    std::string m_file;
};

}  // namespace quorvex::ui
