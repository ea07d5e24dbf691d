// Draws Colvexa's pictures into the folder given: picgen <output folder>
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

#include "ico_encoder.h"
#include "palette.h"
#include "picture_files.h"
#include "pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picgen <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "picgen: cannot create %s\n", argv[1]);
        return 1;
    }
    const QImage icon = picgen::DrawAppIcon();
    const QString errors[] = {
        picgen::WriteImage(picgen::DrawEmblem(), out.filePath("emblem16.png"), "png"),
        picgen::WriteImage(picgen::DrawAboutPicture(), out.filePath("about16.png"), "png"),
        picgen::WriteImage(picgen::DrawClosePicture(), out.filePath("close16.png"), "png"),
        picgen::WriteImage(picgen::DrawTick(), out.filePath("tick24.png"), "png"),
        picgen::WriteImage(icon, out.filePath("icon48.png"), "png"),
        picgen::WriteBytes(picgen::EncodeIco(icon), out.filePath("colvexa.ico")),
        picgen::WriteBytes(picgen::MakePaletteJpeg(), out.filePath("palette.jpg")),
    };
    int status = 0;
    for (const QString& error : errors) {
        if (!error.isEmpty()) {
            std::fprintf(stderr, "picgen: %s\n", qPrintable(error));
            status = 1;
        }
    }
    return status;
}
