#pragma once

#include <string>
#include <string_view>

#include "platform/shell.h"
#include "ui/framework/label.h"

namespace colvexa::ui {

// The upper-case extension of a file name or address: the text from its last ".", none when
// a "\" or ":" follows that ".". "index.Htm" -> ".HTM", "a.b\c" -> "", "x" -> "".
std::string ExtractFileExtUpper(std::string_view target);

// A link: blue underlined text with the hand pointer. A click asks the shell to open URL
// (the caption when URL is blank); once that succeeds the link shows VisitedColor for good.
// A press that moves farther than the drag distance is handed on as a mouse-down instead.
class TRzURLLabel : public TLabel {
public:
    TRzURLLabel(QWidget* parent, const char* name, int left, int top, platform::Shell& shell);

    std::string URL;
    TColor VisitedColor = clPurple;
    bool Visited() const { return visited_; }
    void SetVisited(bool visited);

    // The click: as if the left button had been pressed and released over the link.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    platform::Shell& shell_;
    bool visited_ = false;
    bool pressed_ = false;
    QPoint pressedAt_;
};

}  // namespace colvexa::ui
