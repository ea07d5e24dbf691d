#include "ui/framework/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace colvexa::ui {

QColor ToQColor(TColor color) {
    if (color == clBtnFace) {
        return QGuiApplication::palette().color(QPalette::Button);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace colvexa::ui
