#pragma once

#include <QColor>

#include "ui/framework/types.h"

namespace colvexa::ui {

// clBtnFace -> the desktop's button colour; 0x001E140A -> rgb(10, 20, 30). Other bits above
// the three channels are left out.
QColor ToQColor(TColor color);

}  // namespace colvexa::ui
