#include "ui/unit1.h"

#include <QIcon>

#include "core/cmyk.h"
#include "core/color_sample.h"
#include "core/hsl.h"
#include "core/hsv.h"
#include "core/yuv.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/unit2.h"
#include "ui/window_drag.h"

namespace colvexa::ui {

TForm1* Form1 = nullptr;

namespace {

// A readout label: the readout font, transparent, auto-sized from its design caption.
TLabel* MakeReadoutLabel(QWidget* parent, const char* name, int left, int top,
                         const char* caption) {
    auto* label = new TLabel(parent, name, left, top);
    label->SetCaption(caption);
    return label;
}

constexpr const char* kNotRead = "n/a";

}  // namespace

TForm1::TForm1(platform::Desktop& desktop)
    : TForm("Form1", 317, 300, 150, 209, 2, Qt::WindowStaysOnTopHint), desktop_(desktop) {
    QWidget* client = Client();
    Label4 = MakeReadoutLabel(client, "Label4", 36, 16, "Label4");
    Label3 = MakeReadoutLabel(client, "Label3", 0, 16, "PIXEL:");
    Label1 = MakeReadoutLabel(client, "Label1", 0, 28, "RGB :");
    Label2 = MakeReadoutLabel(client, "Label2", 35, 28, "Label2");
    Label6 = MakeReadoutLabel(client, "Label6", 36, 40, "Label6");
    Label5 = MakeReadoutLabel(client, "Label5", 0, 40, "HTML:");
    Label7 = MakeReadoutLabel(client, "Label7", 0, 52, "HEX :");
    Label8 = MakeReadoutLabel(client, "Label8", 36, 52, "Label8");
    Label9 = MakeReadoutLabel(client, "Label9", 36, 64, "Label9");
    Label10 = MakeReadoutLabel(client, "Label10", 0, 64, "CMYK:");
    Label12 = MakeReadoutLabel(client, "Label12", 0, 76, "HSV :");
    Label11 = MakeReadoutLabel(client, "Label11", 36, 76, "Label11");
    Label13 = MakeReadoutLabel(client, "Label13", 36, 88, "Label13");
    Label14 = MakeReadoutLabel(client, "Label14", 0, 88, "YUV :");
    Label15 = MakeReadoutLabel(client, "Label15", 0, 100, "HSL :");
    Label16 = MakeReadoutLabel(client, "Label16", 36, 100, "Label16");
    Image3 = new TImage(client, "Image3", 0, 112, 150, 97);
    Image3->SetPicture(PalettePicture());
    Image1 = new TImage(client, "Image1", 134, 0, 18, 17);
    Image1->SetPicture(ClosePicture());
    Image1->setCursor(Qt::CrossCursor);
    Label17 = new TLabel(client, "Label17", 14, 0);
    Label17->UseFont(TitleFont(9));
    Label17->SetTransparent(false);
    Label17->SetCaption("Colvexa \u00a9 1.0");
    Image2 = new TImage(client, "Image2", -2, -2, 17, 17);
    Image2->SetPicture(EmblemPicture());
    Image4 = new TImage(client, "Image4", 114, 0, 16, 17);
    Image4->SetPicture(AboutPicture());
    Image4->setCursor(Qt::CrossCursor);
    Panel1 = new TPanel(client, "Panel1", 112, 16, 38, 95);
    Timer1 = new TTimer(this, "Timer1", 50);

    OnMouseDown() = Bind(this, &TForm1::FormMouseDown);
    for (TLabel* label : {Label4, Label3, Label1, Label2, Label6, Label5, Label7, Label8, Label9,
                          Label10, Label12, Label11, Label13, Label14, Label15, Label16, Label17}) {
        label->OnMouseDown = Bind(this, &TForm1::Label17MouseDown);
    }
    Image3->OnMouseDown = Bind(this, &TForm1::Image3MouseDown);
    Image2->OnMouseDown = Bind(this, &TForm1::Image2MouseDown);
    Panel1->OnMouseDown = Bind(this, &TForm1::Panel1MouseDown);
    Image1->OnClick = Bind(this, &TForm1::Image1Click);
    Image4->OnClick = Bind(this, &TForm1::Image4Click);
    Timer1->OnTimer = Bind(this, &TForm1::Timer1Timer);

    setWindowIcon(QIcon(QPixmap::fromImage(ApplicationPicture())));
}

void TForm1::Timer1Timer(TObject*) {
    desktop_.PlaceTopmost(*this);
    desktop_.CursorPos(cursor_);
    const std::uint32_t value = desktop_.PixelAt(cursor_.x, cursor_.y);
    const ColorSample s = MakeColorSample(cursor_.x, cursor_.y, value);
    if (value == CLR_INVALID) {
        // Nobody read a colour here: say so rather than show white.
        Panel1->SetColor(clBtnFace);
        Label4->SetCaption(FormatPixel(s));
        for (TLabel* label : {Label2, Label6, Label8, Label9, Label11, Label13, Label16}) {
            label->SetCaption(kNotRead);
        }
        return;
    }
    Panel1->SetColor(s.ColorValue);
    Label4->SetCaption(FormatPixel(s));
    Label2->SetCaption(FormatRgb(s));
    Label6->SetCaption(FormatHtml(s));
    Label8->SetCaption(FormatHex(s));
    Label9->SetCaption(FormatCmyk(s.R, s.G, s.B));
    const HsvReading reading = ComputeHsv(s.R, s.G, s.B);
    Label11->SetCaption(FormatHsv(reading));
    Label13->SetCaption(FormatYuv(s.R, s.G, s.B));
    Label16->SetCaption(FormatHsl(s.R, s.G, s.B, reading));
}

void TForm1::FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm1::Image3MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm1::Panel1MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm1::Label17MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm1::Image2MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    WindowDrag(Sender, Button, X, Y, *this, desktop_);
}

void TForm1::Image1Click(TObject*) {
    Close();
}

void TForm1::Image4Click(TObject*) {
    if (Form2 != nullptr) {
        Form2->ShowModal();
    }
}

}  // namespace colvexa::ui
