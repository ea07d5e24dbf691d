#include "picture_files.h"

#include <QFile>
#include <QImageWriter>

namespace picgen {

QString WriteImage(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        return path + ": " + writer.errorString();
    }
    return {};
}

QString WriteBytes(const QByteArray& data, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        return path + ": " + file.errorString();
    }
    return {};
}

}  // namespace picgen
