#pragma once

#include <QByteArray>
#include <QImage>

namespace colvexa::ui {

// Decodes a baseline or progressive JPEG with libjpeg; throws Exception when it cannot.
QImage DecodeJpeg(const QByteArray& data);

}  // namespace colvexa::ui
