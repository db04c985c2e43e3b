#include "ui/misc/picture_view.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "platform/pcx.h"
#include "store/text_utils.h"

namespace quorvex::ui {

namespace {

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return std::string();
    }
    return store::ToLowerAscii(std::string_view(path).substr(dot + 1));
}

QImage FromPcx(const std::string& path) {
    const std::optional<platform::RgbaPicture> picture = platform::ReadPcxFile(path);
    if (!picture) {
        return QImage();
    }
    const QImage view(picture->rgba.data(), picture->width, picture->height, picture->width * 4,
                      QImage::Format_RGBA8888);
    return view.copy();
}

}  // namespace

QImage LoadPicture(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    if (extension == "pcx") {
        return FromPcx(path);
    }
    if (extension != "bmp" && extension != "gif" && extension != "png") {
        return QImage();
    }
    // The extension decides, as it always did, not the content.
    QImageReader reader(QFile::decodeName(QByteArray::fromStdString(path)),
                        QByteArray::fromStdString(extension));
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool PictureView::ShowFile(const std::string& path) {
    m_file = path;
    const QImage image = LoadPicture(path);
    m_picture = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    update();
    return !m_picture.isNull();
}

void PictureView::ShowPicture(const QPixmap& picture) {
    m_file.clear();
    m_picture = picture;
    update();
}

void PictureView::Clear() {
    m_file.clear();
    m_picture = QPixmap();
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) {
        return;
    }
    QPainter painter(this);
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    // Enlarged low-resolution screens keep their crisp pixels; reductions are smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, fitted.width() < m_picture.width());
    painter.drawPixmap(target, m_picture);
}

}  // namespace quorvex::ui
