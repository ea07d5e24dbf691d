#pragma once

#include <QByteArray>
#include <QImage>

namespace picgen {

// Progressive JFIF 1.01 JPEG, 3 components (YCbCr), stamped 100 dots per inch.
QByteArray EncodeProgressiveJpeg(const QImage& image, int quality);

// RGB888, as libjpeg's default decoder gives it.
QImage DecodeJpeg(const QByteArray& jpeg);

}  // namespace picgen
