#pragma once

#include <string>
#include <string_view>

#include <QColor>
#include <QFont>

#include "ui/framework/control.h"

namespace colvexa::ui {

// A one-line text that sizes itself to its text. Setting the text it already shows does
// nothing: no conversion, no resize, no repaint.
class TLabel : public TControl {
public:
    TLabel(QWidget* parent, const char* name, int left, int top);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);

    // The 6 x 8 readout font (the default), or a desktop font with a character height.
    void UseReadoutFont();
    void UseFont(const QFont& font);

    // Transparent labels paint only their text (the default); opaque ones fill their box.
    // A transparent label over nothing but its parent's plain filled background paints that
    // background itself, and its box keeps the width of its longest text: a new text then
    // repaints the label alone and not the parent under it.
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    void SetFontColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    bool UsesReadoutFont() const { return readoutFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AdjustSize(bool keepWidth = false);
    void FindBackground();

    std::string caption_;
    QString text_;  // the caption for desktop fonts; readout captions are drawn as bytes
    QFont font_;
    bool readoutFont_ = true;
    bool transparent_ = true;
    QColor background_;  // what a transparent label fills in; invalid where it must not
    TColor fontColor_ = clBlack;
};

}  // namespace colvexa::ui
