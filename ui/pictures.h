#pragma once

#include <QImage>

// The windows' pictures, built into the program. Each throws Exception when it is missing.
namespace colvexa::ui {

QImage EmblemPicture();       // 16 x 16 colour wheel
QImage AboutPicture();        // 16 x 16 orange "!"
QImage ClosePicture();        // 16 x 16 red power symbol
QImage TickPicture();         // 24 x 24 green tick
QImage ApplicationPicture();  // 48 x 48 colour wheel, the application icon
QImage PalettePicture();      // 150 x 97 hue/lightness palette, decoded from its JPEG

}  // namespace colvexa::ui
