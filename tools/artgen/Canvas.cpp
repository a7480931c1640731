#include "Canvas.h"

#include <cmath>

namespace {

double clamp01(double v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

uint32_t hash2(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

}  // namespace

Colour rgb(int hex, double alpha)
{
    return Colour{((hex >> 16) & 255) / 255.0, ((hex >> 8) & 255) / 255.0, (hex & 255) / 255.0, alpha};
}

Colour mix(const Colour& a, const Colour& b, double t)
{
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour lighter(const Colour& c, double t)
{
    Colour w{1, 1, 1, c.a};
    return mix(c, w, t);
}

Colour darker(const Colour& c, double t)
{
    Colour k{0, 0, 0, c.a};
    return mix(c, k, t);
}

Colour withAlpha(const Colour& c, double a)
{
    return Colour{c.r, c.g, c.b, a};
}

void setColour(cairo_t* cr, const Colour& c)
{
    cairo_set_source_rgba(cr, clamp01(c.r), clamp01(c.g), clamp01(c.b), clamp01(c.a));
}

void addStop(cairo_pattern_t* p, double offset, const Colour& c)
{
    cairo_pattern_add_color_stop_rgba(p, offset, clamp01(c.r), clamp01(c.g), clamp01(c.b), clamp01(c.a));
}

void circlePath(cairo_t* cr, double x, double y, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    if (r > w / 2)
        r = w / 2;
    if (r > h / 2)
        r = h / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void fillRadial(cairo_t* cr, double x, double y, double radius, const Colour& inner, const Colour& outer)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    addStop(p, 0, inner);
    addStop(p, 1, outer);
    circlePath(cr, x, y, radius);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void softSpot(cairo_t* cr, double x, double y, double radius, const Colour& c)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    addStop(p, 0, c);
    addStop(p, 0.5, withAlpha(c, c.a * 0.45));
    addStop(p, 1, withAlpha(c, 0));
    circlePath(cr, x, y, radius);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, -0.3, 0, 0, 0, 1);
    addStop(p, 0, Colour{1, 1, 1, alpha});
    addStop(p, 1, Colour{1, 1, 1, 0});
    circlePath(cr, 0, 0, 1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

Rng::Rng(uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}

uint32_t Rng::next()
{
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    uint64_t x = state_;
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<uint32_t>(x >> 16);
}

double Rng::uniform()
{
    return next() / 4294967296.0;
}

double Rng::range(double lo, double hi)
{
    return lo + (hi - lo) * uniform();
}

int Rng::below(int n)
{
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n));
}

double valueNoise(double x, double y, uint32_t seed)
{
    int xi = static_cast<int>(std::floor(x));
    int yi = static_cast<int>(std::floor(y));
    double tx = smooth(x - xi);
    double ty = smooth(y - yi);
    auto v = [&](int dx, int dy) { return (hash2(xi + dx, yi + dy, seed) & 0xffff) / 65535.0; };
    double top = v(0, 0) + (v(1, 0) - v(0, 0)) * tx;
    double bottom = v(0, 1) + (v(1, 1) - v(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int octaves, uint32_t seed)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + i * 101) * amplitude;
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

Canvas::Canvas(int w, int h)
    : width(w), height(h), surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr(cairo_create(surface))
{
}

Canvas::~Canvas()
{
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

bool writePng(cairo_surface_t* surface, const std::string& path)
{
    cairo_surface_flush(surface);
    return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}
