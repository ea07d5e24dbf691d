#include "ico_encoder.h"

#include <QDataStream>
#include <QIODevice>

namespace picgen {

namespace {

constexpr quint32 kDirectorySize = 6 + 16;  // one ICONDIR and one ICONDIRENTRY
constexpr quint32 kBitmapHeaderSize = 40;   // BITMAPINFOHEADER

}  // namespace

QByteArray EncodeIco(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width(), height = argb.height();
    const int maskStride = (width + 31) / 32 * 4;  // 1 bit a pixel, rows padded to 32 bits
    const quint32 pixelBytes = static_cast<quint32>(width * height * 4 + maskStride * height);

    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    out << quint16(0) << quint16(1) << quint16(1);  // reserved, icon, one image
    // 256 is stored as 0.
    out << quint8(width & 0xFF) << quint8(height & 0xFF) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(32) << quint32(kBitmapHeaderSize + pixelBytes) << kDirectorySize;

    // The bitmap's height counts the colour rows and the mask rows together.
    out << kBitmapHeaderSize << qint32(width) << qint32(2 * height) << quint16(1) << quint16(32)
        << quint32(0) << pixelBytes << qint32(0) << qint32(0) << quint32(0) << quint32(0);

    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        for (int x = 0; x < width; ++x) {
            const QRgb c = argb.pixel(x, y);
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(qAlpha(c));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(argb.pixel(x, y)) == 0) {  // set bit: the screen shows through
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    return ico;
}

}  // namespace picgen
