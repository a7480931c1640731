#include "Canvas.h"

#include <algorithm>
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

namespace {

void setGradient(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<GradientStop> stops)
{
    for (const GradientStop& s : stops)
        cairo_pattern_add_color_stop_rgba(p, s.offset, clamp01(s.colour.r), clamp01(s.colour.g),
                                          clamp01(s.colour.b), clamp01(s.colour.a));
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

}  // namespace

void setLinear(cairo_t* cr, const GradientLine& l, std::initializer_list<GradientStop> stops)
{
    setGradient(cr, cairo_pattern_create_linear(l.x0, l.y0, l.x1, l.y1), stops);
}

void setRadial(cairo_t* cr, const GradientCircles& c, std::initializer_list<GradientStop> stops)
{
    setGradient(cr, cairo_pattern_create_radial(c.x0, c.y0, c.r0, c.x1, c.y1, c.r1), stops);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation)
{
    for (int i = 0; i < points * 2; ++i) {
        double a = rotation - M_PI / 2 + i * M_PI / points;
        double r = i % 2 ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
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
    circlePath(cr, x, y, radius);
    setRadial(cr, {x, y, 0, x, y, radius}, {{0, inner}, {1, outer}});
    cairo_fill(cr);
}

void softSpot(cairo_t* cr, double x, double y, double radius, const Colour& c)
{
    circlePath(cr, x, y, radius);
    setRadial(cr, {x, y, 0, x, y, radius}, {{0, c}, {0.5, withAlpha(c, c.a * 0.45)}, {1, withAlpha(c, 0)}});
    cairo_fill(cr);
}

void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    circlePath(cr, 0, 0, 1);
    setRadial(cr, {0, -0.3, 0, 0, 0, 1}, {{0, Colour{1, 1, 1, alpha}}, {1, Colour{1, 1, 1, 0}}});
    cairo_fill(cr);
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

bool writePicture(const std::string& dir, const std::string& name, int w, int h,
                  const std::function<void(cairo_t*)>& draw, std::string& error)
{
    Canvas canvas(w, h);
    draw(canvas.cr);
    std::string path = dir + "/" + name;
    if (cairo_status(canvas.cr) != CAIRO_STATUS_SUCCESS || !writePng(canvas.surface, path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

double roundedBoxDistance(double px, double py, double x, double y, double w, double h, double radius)
{
    double qx = std::fabs(px - (x + w / 2)) - (w / 2 - radius);
    double qy = std::fabs(py - (y + h / 2)) - (h / 2 - radius);
    double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    double inside = std::min(std::max(qx, qy), 0.0);
    return outside + inside - radius;
}

double coverage(double d)
{
    return clamp01(0.5 - d);
}

void softShadow(cairo_t* cr, double cx, double cy, double r, double squash, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, squash);
    circlePath(cr, 0, 0, r);
    setRadial(cr, {0, 0, 0, 0, 0, r},
              {{0, Colour{0, 0, 0, alpha}}, {0.58, Colour{0, 0, 0, alpha * 0.75}}, {1, Colour{0, 0, 0, 0}}});
    cairo_fill(cr);
    cairo_restore(cr);
}
