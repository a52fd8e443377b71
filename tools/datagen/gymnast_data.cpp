// Stand-in images of gymnast: the six files under images/. The back wall is
// a sports hall (window band over a wall of bars), the front and left walls
// show it mirrored, the ground is a wooden floor, the sky a blue with
// clouds, nula a plain white (so the figure shows its true colours) and mula
// a bright striped banner in a white frame that reads at once as a
// different back wall.
//
// Each image covers its quad once, the file's bottom row at the quad's
// first two corners: the foot of a wall is the bottom of its picture.

#include <cmath>
#include <iterator>

#include "datagen.h"
#include "painter.h"
#include "gymnast/texturas.h"

namespace {

using paint::Courses;
using paint::Image;
using paint::Noise;
using paint::Rect;

constexpr int kParede = 256;  // walls: 256 wide by 128 high, about the quads' proportions
constexpr int kParedeAltura = 128;

constexpr Rgb kReboco{214, 206, 188};
constexpr Rgb kMadeira{176, 122, 70};
constexpr Rgb kMadeiraEscura{128, 84, 46};
constexpr Rgb kVidro{150, 190, 222};

Image paint_fundo() {
    Image image(kParede, kParedeAltura, kReboco);
    paint::mottle(image, 2101, Noise{4, 2, 4, 0.5f}, 0.06f);

    // A band of tall windows near the top, with mullions.
    constexpr float kTopo = 14, kBase = 52;
    for (int i = 0; i < 8; ++i) {
        const float x0 = 8 + i * 31.0f;
        paint::fill_rect(image, Rect{x0, kTopo, x0 + 24, kBase}, kVidro);
        paint::blend_rect(image, Rect{x0, kTopo, x0 + 24, kTopo + 12}, Rgb{230, 240, 250}, 0.5f);
        paint::fill_rect(image, Rect{x0 + 11, kTopo, x0 + 13, kBase}, Rgb{90, 90, 96});
        paint::fill_rect(image, Rect{x0, kTopo + 18, x0 + 24, kTopo + 20}, Rgb{90, 90, 96});
    }

    // Wall bars along the lower half: wooden uprights and rungs.
    constexpr float kBarras = 66;
    paint::fill_rect(image, Rect{0, kBarras, float(kParede), float(kParedeAltura)}, Rgb{196, 188, 170});
    for (int i = 0; i < 16; ++i) {
        const float x0 = 4 + i * 16.0f;
        paint::fill_rect(image, Rect{x0, kBarras, x0 + 3, float(kParedeAltura)}, kMadeiraEscura);
        for (float y = kBarras + 4; y < kParedeAltura; y += 6)
            paint::fill_rect(image, Rect{x0 + 3, y, x0 + 14, y + 2}, kMadeira);
    }
    // A skirting board at the foot.
    paint::fill_rect(image, Rect{0, kParedeAltura - 6.0f, float(kParede), float(kParedeAltura)}, Rgb{70, 60, 56});
    paint::mottle(image, 2102, Noise{32, 16, 2, 0.5f}, 0.05f);
    return image;
}

Image paint_fundoinvertido() {
    const Image fundo = paint_fundo();
    Image image(fundo.width, fundo.height);
    for (int y = 0; y < fundo.height; ++y)
        for (int x = 0; x < fundo.width; ++x) image.at(x, y) = fundo.at(fundo.width - 1 - x, y);
    return image;
}

// A hall floor of long varnished boards.
Image paint_solo() {
    constexpr int kLado = 256;
    Image image(kLado, kLado);
    paint::paint_courses(image, 2201,
                         Courses{128, 16, 0.5f, 1.2f, Rgb{200, 148, 92}, Rgb{176, 124, 74}, Rgb{96, 64, 40}, 0.08f,
                                 0.05f});
    paint::relief(image, 2202, Noise{2, 48, 3, 0.6f}, 0.6f);  // the grain runs along the boards
    paint::mottle(image, 2203, Noise{8, 8, 3, 0.5f}, 0.06f);
    return image;
}

Image paint_ceu() {
    constexpr int kLado = 256;
    Image image(kLado, kLado);
    paint::vertical_gradient(image, Rgb{70, 120, 200}, Rgb{140, 180, 230});
    paint::patches(image, 2301, Noise{4, 4, 5, 0.55f}, 0.5f, 0.8f, Rgb{250, 250, 252}, 0.9f);
    return image;
}

Image paint_nula() { return Image(64, 64, Rgb{255, 255, 255}); }

// A banner: broad diagonal stripes of red and yellow around a white disc,
// in a white frame. The first frame draws the figure with the last image
// loaded (this one) sampled at a corner: white corners keep its colours true.
Image paint_mula() {
    Image image(kParede, kParedeAltura);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.at(x, y) = ((x + y) / 24) % 2 == 0 ? Rgb{210, 40, 40} : Rgb{250, 200, 40};
    const float cx = image.width / 2.0f, cy = image.height / 2.0f, r = image.height * 0.3f;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            if (d < r) image.at(x, y) = d > r - 5 ? Rgb{30, 30, 30} : Rgb{250, 250, 250};
        }
    constexpr float kMoldura = 4;
    const float w = float(image.width), h = float(image.height);
    for (Rect borda : {Rect{0, 0, w, kMoldura}, Rect{0, h - kMoldura, w, h}, Rect{0, 0, kMoldura, h},
                       Rect{w - kMoldura, 0, w, h}})
        paint::fill_rect(image, borda, Rgb{255, 255, 255});
    return image;
}

namespace slot = gymnast::slot;

constexpr paint::TextureImage kImages[] = {
    {slot::fundo, paint_fundo}, {slot::fundoinvertido, paint_fundoinvertido},
    {slot::solo, paint_solo},   {slot::ceu, paint_ceu},
    {slot::nula, paint_nula},   {slot::mula, paint_mula},
};
static_assert(std::size(kImages) == slot::count, "one image per texture slot");

}  // namespace

bool write_gymnast_data(const std::string& folder, bool force) {
    return write_texture_images(folder, force, kImages, std::size(kImages), gymnast::kArquivosTextura);
}
