#include "ui/fonts.h"

#include <QStringList>

namespace colvexa::ui {

namespace {

QFont MakeFont(const QStringList& families, int height, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(height);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

QFont TitleFont(int height) {
    return MakeFont({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
                    height, true);
}

QFont WindowFont(int height) {
    return MakeFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, height,
                    false);
}

QFont CreditFont(int height) {
    return MakeFont({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
                    height, false);
}

QFont LinkFont(int height) {
    QFont font = WindowFont(height);
    font.setUnderline(true);
    return font;
}

}  // namespace colvexa::ui
