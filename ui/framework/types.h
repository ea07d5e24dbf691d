#pragma once

#include <cstdint>
#include <functional>

#include <QObject>

// The handful of window-framework types the forms are written in.
namespace colvexa::ui {

using TObject = QObject;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift, Ctrl and Alt are not used by any handler; kept for the handlers' signature.
using TShiftState = unsigned;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// Binds a form's handler method to an event: Label4->OnMouseDown = Bind(this,
// &TForm1::Label17MouseDown). One body serves every control it is bound to.
template <typename Form, typename... Args>
std::function<void(Args...)> Bind(Form* form, void (Form::*handler)(Args...)) {
    return [form, handler](Args... args) { (form->*handler)(args...); };
}

// 0x00BBGGRR, as a pixel read gives it; values with the top bit set name system colours.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clBtnFace = 0x8000000F;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrCancel = 2;

}  // namespace colvexa::ui
