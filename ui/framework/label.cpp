#include "ui/framework/label.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

#include "ui/framework/color.h"
#include "ui/readout_font.h"

namespace colvexa::ui {

TLabel::TLabel(QWidget* parent, const char* name, int left, int top) : TControl(parent, name) {
    move(left, top);
    AdjustSize();
}

void TLabel::SetCaption(std::string_view caption) {
    if (caption == caption_) {
        return;
    }
    caption_.assign(caption);
    if (!readoutFont_) {
        text_ = QString::fromUtf8(caption_.data(), static_cast<qsizetype>(caption_.size()));
    }
    AdjustSize();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TLabel::UseReadoutFont() {
    readoutFont_ = true;
    AdjustSize();
    update();
}

void TLabel::UseFont(const QFont& font) {
    readoutFont_ = false;
    font_ = font;
    text_ = QString::fromUtf8(caption_.data(), static_cast<qsizetype>(caption_.size()));
    AdjustSize();
    update();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TLabel::SetFontColor(TColor color) {
    if (color == fontColor_) {
        return;
    }
    fontColor_ = color;
    update();
}

void TLabel::AdjustSize() {
    if (readoutFont_) {
        resize(ReadoutTextWidth(caption_), kReadoutGlyphHeight);
        return;
    }
    const QFontMetrics metrics(font_);
    resize(metrics.horizontalAdvance(text_), metrics.height());
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), Qt::white);
    }
    if (readoutFont_) {
        DrawReadoutText(painter, QPoint(0, 0), caption_, ToQColor(fontColor_));
        return;
    }
    painter.setFont(font_);
    painter.setPen(ToQColor(fontColor_));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

}  // namespace colvexa::ui
