#include "Compose.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Pixels {
    explicit Pixels(cairo_surface_t* s)
        : surface(s), width(cairo_image_surface_get_width(s)), height(cairo_image_surface_get_height(s)),
          stride(cairo_image_surface_get_stride(s)), data(cairo_image_surface_get_data(s))
    {
        cairo_surface_flush(s);
    }
    ~Pixels() { cairo_surface_mark_dirty(surface); }
    uint8_t* at(int x, int y) const { return data + y * stride + x * 4; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    cairo_surface_t* surface;
    int width, height, stride;
    uint8_t* data;
};

int overlay(int b, int p)
{
    auto scale = [](int v) { return (v + (v >> 8)) >> 8; };
    if (b < 128)
        return scale(2 * b * p + 128);
    return 255 - scale(2 * (255 - b) * (255 - p) + 128);
}

cairo_surface_t* blank(int w, int h)
{
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1));
}

// Source index for a destination index when the middle `mid` is repeated (grow > 0) or dropped.
int stretchIndex(int i, int mid, int grow)
{
    if (grow >= 0)
        return i <= mid ? i : (i < mid + grow ? mid : i - grow);
    int cut = mid + grow / 2;
    return i <= cut ? i : i - grow;
}

// Nine-slice sampling of a picture of `size` into a run of `length` with `corner` kept at each end.
int sliceIndex(int i, int length, int size, int corner)
{
    if (i < corner)
        return i;
    if (i >= length - corner)
        return size - (length - i);
    return corner;
}

}  // namespace

cairo_surface_t* loadPicture(const std::string& dir, const std::string& name)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png((dir + "/" + name).c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS)
        return s;
    cairo_surface_destroy(s);
    return blank(1, 1);
}

cairo_surface_t* stretchPicture(cairo_surface_t* src, int dy, int dx)
{
    Pixels in(src);
    int w = in.width + dx, h = in.height + dy;
    cairo_surface_t* out = blank(w, h);
    Pixels o(out);
    for (int y = 0; y < h; ++y) {
        int sy = stretchIndex(y, in.height / 2, dy);
        for (int x = 0; x < w; ++x) {
            int sx = stretchIndex(x, in.width / 2, dx);
            if (in.contains(sx, sy))
                std::copy(in.at(sx, sy), in.at(sx, sy) + 4, o.at(x, y));
        }
    }
    return out;
}

cairo_surface_t* centreResizePicture(cairo_surface_t* src, int dy, int dx)
{
    Pixels in(src);
    int w = in.width + dx, h = in.height + dy;
    cairo_surface_t* out = blank(w, h);
    Pixels o(out);
    int m = in.height / 2 + (dy < 0 ? dy / 2 : 0);
    int t1 = in.width / 3, t2 = 2 * in.width / 3, half = dx / 2;
    for (int y = 0; y < h; ++y) {
        int sy = y <= m ? y : (y - dy > m ? y - dy : m + 1);
        for (int x = 0; x < w; ++x) {
            int c = x <= t1 ? x : (x - half > t1 ? x - half : t1 + 1);
            if (c > t2)
                c = c - half > t2 ? c - half : t2 + 1;
            if (in.contains(c, sy))
                std::copy(in.at(c, sy), in.at(c, sy) + 4, o.at(x, y));
        }
    }
    return out;
}

void composeOverlay(cairo_surface_t* screen, cairo_surface_t* piece, int x, int y)
{
    Pixels p(piece);
    Pixels s(screen);
    for (int row = 0; row < p.height; ++row) {
        for (int col = 0; col < p.width; ++col) {
            if (!s.contains(x + col, y + row))
                continue;
            uint8_t* pp = p.at(col, row);
            uint8_t* sp = s.at(x + col, y + row);
            int a = pp[3];
            if (a == 0)
                continue;
            for (int c = 0; c < 3; ++c) {
                int pc = pp[c] * 255 / a;  // back to straight colour
                int o = overlay(sp[c], pc);
                if (pc + 48 < 128)
                    o = overlay(o, pc + 48);
                sp[c] = static_cast<uint8_t>((a * o + (255 - a) * sp[c]) / 255);
            }
        }
    }
}

void paintPicture(cairo_t* cr, cairo_surface_t* picture, double x, double y, double alpha)
{
    cairo_save(cr);
    cairo_set_source_surface(cr, picture, x, y);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

cairo_surface_t* composeSwitch(cairo_surface_t* strip, cairo_surface_t* mask, int offset)
{
    Pixels st(strip);
    Pixels m(mask);
    cairo_surface_t* out = blank(m.width, m.height);
    Pixels o(out);
    auto copy = [&](int col, int row) {
        if (st.contains(offset + col, row))
            std::copy(st.at(offset + col, row), st.at(offset + col, row) + 4, o.at(col, row));
    };
    for (int row = 0; row < m.height; ++row) {
        if (m.at(0, row)[3] == 255) {
            for (int col = 0; col < m.width; ++col)
                copy(col, row);
            continue;
        }
        for (int col = 0; col < m.width; ++col) {
            if (m.at(col, row)[3] == 255) {
                int last = m.width - 1 - col;
                for (; col <= last; ++col)
                    copy(col, row);
                --col;
                continue;
            }
            if (!st.contains(offset + col, row))
                continue;
            for (int c = 0; c < 4; ++c)
                o.at(col, row)[c] = static_cast<uint8_t>(st.at(offset + col, row)[c] * m.at(col, row)[c] / 255);
        }
    }
    return out;
}

void composeWoodPanel(cairo_surface_t* screen, const WoodPanelPictures& pics, int x, int y, int panelWidth,
                      int panelHeight)
{
    Pixels s(screen);
    Pixels wood(pics.wood);
    Pixels mask(pics.mask);
    Pixels light(pics.highlight);
    Pixels shadow(pics.shadow);
    int w = panelWidth - 30, h = panelHeight - 30;
    int regionWidth = w + mask.width + 20;
    auto over = [&](int rx, int ry, const uint8_t* src) {
        if (!s.contains(x + rx, y + ry))
            return;
        uint8_t* d = s.at(x + rx, y + ry);
        for (int c = 0; c < 4; ++c)
            d[c] = static_cast<uint8_t>(src[c] + d[c] * (255 - src[3]) / 255);
    };
    // Bottom shadow from the picture's last 20 rows.
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < regionWidth; ++c) {
            int sc = c <= 50 ? c : (c >= regionWidth - 49 ? 99 - (regionWidth - 1 - c) : 51);
            over(c, h + r, shadow.at(sc, 80 + r));
        }
    // Side shadows, mirrored on the right.
    for (int r = 0; r < h; ++r) {
        int sr = r <= 50 ? r : std::max(51, 99 - (h - 1 - r));
        for (int i = 0; i < 18; ++i) {
            if (shadow.at(i, sr)[3])
                over(i, r, shadow.at(i, sr));
            if (shadow.at(99 - i, sr)[3])
                over(regionWidth - 1 - i, r, shadow.at(99 - i, sr));
        }
    }
    // Wood where the mask is set, the highlight laid over it.
    int woodWidth = w + mask.width;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < woodWidth; ++c) {
            int mx = sliceIndex(c, woodWidth, mask.width, 11), my = sliceIndex(r, h, mask.height, 11);
            if (mask.at(mx, my)[0] == 0)  // blue is the first byte of cairo's ARGB32 in memory
                continue;
            int sx = x + 10 + c, sy = y + r;
            if (!s.contains(sx, sy) || !wood.contains(sx, sy))
                continue;
            uint8_t* d = s.at(sx, sy);
            std::copy(wood.at(sx, sy), wood.at(sx, sy) + 4, d);
            const uint8_t* hl = light.at(mx, my);
            int ha = hl[3];
            for (int ch = 0; ch < 3; ++ch)
                d[ch] = static_cast<uint8_t>(std::min(255, (d[ch] * (255 - ha) + hl[ch] * ha) / 255));
            d[3] = std::max<int>(d[3], ha);
        }
}
