#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace picgen {

// Each returns an empty string on success, else what went wrong.

QString WriteImage(const QImage& image, const QString& path, const char* format);

QString WriteBytes(const QByteArray& data, const QString& path);

}  // namespace picgen
