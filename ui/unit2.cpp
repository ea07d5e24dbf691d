#include "ui/unit2.h"

#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/window_drag.h"

#ifndef COLVEXA_MAKER_URL
#define COLVEXA_MAKER_URL "https://www.example.com/"
#endif

namespace colvexa::ui {

TForm2* Form2 = nullptr;

namespace {

TLabel* MakeTextLabel(QWidget* parent, const char* name, int left, int top, const QFont& font,
                      const char* caption) {
    auto* label = new TLabel(parent, name, left, top);
    label->UseFont(font);
    label->SetTransparent(false);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TForm2::TForm2(platform::Desktop& desktop, platform::Shell& shell)
    : TForm("Form2", 445, 523, 203, 110, 0), desktop_(desktop) {
    QWidget* client = Client();
    Image2 = new TImage(client, "Image2", 92, 0, 17, 17);
    Image2->SetPicture(EmblemPicture());
    Label6 = MakeTextLabel(client, "Label6", 50, 20, TitleFont(11), "Colvexa \u00a9 1.0");
    Label8 = MakeTextLabel(client, "Label8", 6, 40, WindowFont(11),
                           "Copyright \u00a9 2026 Quorlin Software");
    Label9 = MakeTextLabel(client, "Label9", 42, 60, CreditFont(11), "Written by the Colvexa team");
    RzURLLabel1 = new TRzURLLabel(client, "RzURLLabel1", 20, 71, shell);
    RzURLLabel1->UseFont(LinkFont(11));
    RzURLLabel1->SetCaption("Visit Quorlin Software Website");
    RzURLLabel1->URL = COLVEXA_MAKER_URL;
    Image3 = new TImage(client, "Image3", 91, 84, 25, 25);
    Image3->SetPicture(TickPicture());
    Image3->setCursor(Qt::CrossCursor);

    OnMouseDown() = Bind(this, &TForm2::FormMouseDown);
    for (TControl* control :
         std::initializer_list<TControl*>{Image2, Label6, Label8, Label9, RzURLLabel1}) {
        control->OnMouseDown = Bind(this, &TForm2::RzURLLabel1MouseDown);
    }
    Image3->OnClick = Bind(this, &TForm2::Image3Click);
}

void TForm2::Image3Click(TObject*) {
    Close();
}

void TForm2::FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm2::RzURLLabel1MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

}  // namespace colvexa::ui
