#pragma once

#include <QImage>

namespace picgen {

// Icons, ARGB32 with alpha.
QImage DrawEmblem();        // 16 x 16 colour wheel
QImage DrawAppIcon();       // 48 x 48 colour wheel
QImage DrawAboutPicture();  // 16 x 16 orange square, exclamation mark
QImage DrawClosePicture();  // 16 x 16 red square, power symbol
QImage DrawTick();          // 24 x 24 green tick

}  // namespace picgen
