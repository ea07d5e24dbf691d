#pragma once

#include "platform/desktop.h"
#include "platform/shell.h"
#include "ui/framework/form.h"
#include "ui/framework/image.h"
#include "ui/framework/label.h"
#include "ui/url_label.h"

namespace colvexa::ui {

// The About window: emblem, title, copyright, author credit, the maker's link, and the tick
// that hides it again. Shown modally by the main window.
class TForm2 : public TForm {
public:
    TForm2(platform::Desktop& desktop, platform::Shell& shell);

    TImage* Image2;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label9;
    TRzURLLabel* RzURLLabel1;
    TImage* Image3;

    void Image3Click(TObject* Sender);
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void RzURLLabel1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);

private:
    platform::Desktop& desktop_;
};

extern TForm2* Form2;

}  // namespace colvexa::ui
