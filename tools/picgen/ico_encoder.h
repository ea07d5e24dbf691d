#pragma once

#include <QByteArray>
#include <QImage>

namespace picgen {

// A Windows icon file holding the one image, as a 32-bit BGRA bitmap with alpha and its
// transparency mask. Written here because Qt's icon writer leaves the mask's row padding
// uninitialised, so its bytes differ from run to run.
QByteArray EncodeIco(const QImage& image);

}  // namespace picgen
