#include "ui/url_label.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

#include "ui/framework/application.h"

namespace colvexa::ui {

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::string ExtractFileExtUpper(std::string_view target) {
    const std::size_t at = target.find_last_of(".\\:");
    if (at == std::string_view::npos || target[at] != '.') {
        return {};
    }
    std::string extension(target.substr(at));
    for (char& c : extension) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return extension;
}

TRzURLLabel::TRzURLLabel(QWidget* parent, const char* name, int left, int top,
                         platform::Shell& shell)
    : TLabel(parent, name, left, top), shell_(shell) {
    SetFontColor(clBlue);
    setCursor(Qt::PointingHandCursor);
}

void TRzURLLabel::SetVisited(bool visited) {
    visited_ = visited;
    SetFontColor(visited ? VisitedColor : clBlue);
}

void TRzURLLabel::Click() {
    if (OnClick) {
        OnClick(this);
    }
    const std::string target = IsBlank(URL) ? Caption() : URL;
    if (IsBlank(target)) {
        return;
    }
    QPointer<TRzURLLabel> self(this);
    shell_.OpenAddress(target, [self, target](bool opened) {
        if (self == nullptr) {
            return;
        }
        if (opened) {
            self->SetVisited(true);
        } else if (ExtractFileExtUpper(target) == ".HTM") {
            self->shell_.OpenWithChooserForHtm();
        }
    });
}

void TRzURLLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        TLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    pressed_ = true;
    pressedAt_ = event->position().toPoint();
}

void TRzURLLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_ || (event->position().toPoint() - pressedAt_).manhattanLength() <
                         QApplication::startDragDistance()) {
        return;
    }
    // Moved while pressed: the user is dragging the window, not following the link.
    pressed_ = false;
    if (OnMouseDown) {
        RunHandler(
            [&] { OnMouseDown(this, TMouseButton::mbLeft, 0, pressedAt_.x(), pressedAt_.y()); });
    }
}

void TRzURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) {
        RunHandler([this] { Click(); });
    }
}

}  // namespace colvexa::ui
