#include "ui/framework/label.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

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
    AdjustSize(true);
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
    FindBackground();
    update();
}

void TLabel::SetFontColor(TColor color) {
    if (color == fontColor_) {
        return;
    }
    fontColor_ = color;
    update();
}

void TLabel::AdjustSize(bool keepWidth) {
    QSize size(ReadoutTextWidth(caption_), kReadoutGlyphHeight);
    if (!readoutFont_) {
        const QFontMetrics metrics(font_);
        size = QSize(metrics.horizontalAdvance(text_), metrics.height());
    }
    // A label that fills its own background keeps the width of its longest text: the fill
    // clears a shorter one, and the parent has nothing to repaint.
    if (keepWidth && background_.isValid()) {
        size.setWidth(std::max(size.width(), width()));
    }
    resize(size);
}

void TLabel::FindBackground() {
    background_ = QColor();
    const QWidget* parent = parentWidget();
    if (transparent_ && parent != nullptr && parent->autoFillBackground()) {
        const QBrush& brush = parent->palette().brush(parent->backgroundRole());
        bool covered = brush.style() != Qt::SolidPattern;
        // Earlier siblings lie below this one; a hidden one may be shown later.
        for (const QObject* sibling : parent->children()) {
            if (sibling == this || covered) {
                break;
            }
            const auto* widget = qobject_cast<const QWidget*>(sibling);
            covered = widget != nullptr && !widget->isWindow() &&
                      widget->geometry().intersects(geometry());
        }
        if (!covered) {
            background_ = brush.color();
        }
    }
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_ || background_.isValid());
}

void TLabel::moveEvent(QMoveEvent*) {
    FindBackground();
}

void TLabel::resizeEvent(QResizeEvent*) {
    FindBackground();
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), Qt::white);
    } else if (background_.isValid()) {
        painter.fillRect(rect(), background_);
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
