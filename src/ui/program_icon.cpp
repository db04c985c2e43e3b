#include "ui/program_icon.h"

#include <QPainter>
#include <QPixmap>

#include "ui/artwork.h"

namespace quorvex::ui {

QImage EmblemImage(int edge) {
    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintEmblem(painter, QRectF(0, 0, edge, edge), 0);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int edge : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(EmblemImage(edge)));
    }
    return icon;
}

}  // namespace quorvex::ui
