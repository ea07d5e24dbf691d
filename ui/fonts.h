#pragma once

#include <QFont>

// The desktop fonts of the two windows, from Debian's font packages, chosen to keep the texts
// at their designed sizes. Heights are character heights in pixels.
namespace colvexa::ui {

QFont TitleFont(int height);   // bold, narrow humanist sans: the title lines
QFont WindowFont(int height);  // plain sans: the About window's copyright line
QFont CreditFont(int height);  // narrow sans: the author credit
QFont LinkFont(int height);    // the link, underlined

}  // namespace colvexa::ui
