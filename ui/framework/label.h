#pragma once

#include <string>
#include <string_view>

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
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }
    void SetFontColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    bool UsesReadoutFont() const { return readoutFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void AdjustSize();

    std::string caption_;
    QString text_;  // the caption for desktop fonts; readout captions are drawn as bytes
    QFont font_;
    bool readoutFont_ = true;
    bool transparent_ = true;
    TColor fontColor_ = clBlack;
};

}  // namespace colvexa::ui
