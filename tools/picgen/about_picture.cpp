#include "colour.h"
#include "geometry.h"
#include "pictures.h"
#include "raster.h"

namespace picgen {

QImage DrawAboutPicture() {
    const Rgba body = FromHex(0xF68B1F);
    const Rgba highlight = FromHex(0xFFC77A);
    const Rgba edge = FromHex(0xB9560A);
    const Rgba white = FromHex(0xFFFFFF);

    return Rasterize(16, 16, [&](double x, double y) {
        const double d = RoundedRectDistance({x, y}, 0, 0, 16, 16, 5);
        if (d > 0) {
            return Rgba{};
        }
        // The mark sits on whole pixels: bar columns 7-8 rows 4-8, dot rows 10-11.
        if (x >= 7 && x < 9 && ((y >= 4 && y < 9) || (y >= 10 && y < 12))) {
            return white;
        }
        if (d > -1) {
            return edge;
        }
        const double top = Smoothstep(3.5, 1, y);
        const double bottom = 0.75 * Smoothstep(12.5, 15, y);
        return Mix(body, highlight, top + bottom);
    });
}

}  // namespace picgen
