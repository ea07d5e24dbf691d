#pragma once

#include "platform/desktop.h"
#include "ui/framework/form.h"
#include "ui/framework/image.h"
#include "ui/framework/label.h"
#include "ui/framework/panel.h"
#include "ui/framework/timer.h"

namespace colvexa::ui {

// The main window: title strip, eight readouts, the swatch and the palette, sampled every
// 50 ms from the desktop it is given.
class TForm1 : public TForm {
public:
    explicit TForm1(platform::Desktop& desktop);

    TTimer* Timer1;
    TPanel* Panel1;
    TLabel* Label4;
    TLabel* Label3;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label6;
    TLabel* Label5;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label12;
    TLabel* Label11;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label15;
    TLabel* Label16;
    TImage* Image3;
    TImage* Image1;
    TLabel* Label17;
    TImage* Image2;
    TImage* Image4;

    void Timer1Timer(TObject* Sender);
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Panel1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label17MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image1Click(TObject* Sender);
    void Image4Click(TObject* Sender);
    void Image2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
    platform::Desktop& desktop_;
    // The last position read: a tick whose read fails shows it again (0, 0 before any).
    platform::CursorPoint cursor_;
};

extern TForm1* Form1;

}  // namespace colvexa::ui
