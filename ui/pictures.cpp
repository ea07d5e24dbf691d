#include "ui/pictures.h"

#include <QFile>

#include "ui/framework/exception.h"
#include "ui/jpeg_picture.h"

namespace colvexa::ui {

namespace {

QImage LoadIcon(const char* name) {
    // With its format named, Qt probes no other image plugins for it.
    QImage picture(QStringLiteral(":/pictures/") + QLatin1String(name), "PNG");
    if (picture.isNull()) {
        throw Exception(std::string("The picture ") + name + " is missing");
    }
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage EmblemPicture() {
    return LoadIcon("emblem16.png");
}
QImage AboutPicture() {
    return LoadIcon("about16.png");
}
QImage ClosePicture() {
    return LoadIcon("close16.png");
}
QImage TickPicture() {
    return LoadIcon("tick24.png");
}
QImage ApplicationPicture() {
    return LoadIcon("icon48.png");
}

QImage PalettePicture() {
    QFile file(QStringLiteral(":/pictures/palette.jpg"));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception("The palette picture is missing");
    }
    return DecodeJpeg(file.readAll());
}

}  // namespace colvexa::ui
