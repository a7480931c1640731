#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

// Small drawing kit shared by every picture of the generator: colours, a seeded random source,
// value noise and the cairo path helpers the pictures keep asking for.

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};

Colour rgb(int hex, double alpha = 1.0);
Colour mix(const Colour& a, const Colour& b, double t);
Colour lighter(const Colour& c, double t);  // towards white
Colour darker(const Colour& c, double t);   // towards black
Colour withAlpha(const Colour& c, double a);

void setColour(cairo_t* cr, const Colour& c);

struct GradientStop {
    double offset;
    Colour colour;
};
struct GradientLine {
    double x0, y0, x1, y1;
};
struct GradientCircles {
    double x0, y0, r0, x1, y1, r1;
};
// Gradient sources: from (x0, y0) to (x1, y1), or from one circle to another.
void setLinear(cairo_t* cr, const GradientLine& line, std::initializer_list<GradientStop> stops);
void setRadial(cairo_t* cr, const GradientCircles& circles, std::initializer_list<GradientStop> stops);

void circlePath(cairo_t* cr, double x, double y, double radius);
void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry);
// A star of `points` tips between the outer and inner radius, first tip at `rotation` from up.
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Fills a circle with a radial gradient from `inner` at the centre to `outer` at the edge.
void fillRadial(cairo_t* cr, double x, double y, double radius, const Colour& inner, const Colour& outer);
// A soft round blob fading from `c` at the centre to transparent at the radius.
void softSpot(cairo_t* cr, double x, double y, double radius, const Colour& c);
// A glossy white highlight ellipse.
void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha);

// Deterministic random numbers: the same seed gives the same pictures on every machine.
class Rng {
public:
    explicit Rng(uint64_t seed);
    uint32_t next();
    double uniform();                      // 0 .. 1
    double range(double lo, double hi);
    int below(int n);

private:
    uint64_t state_;
};

// Smooth value noise in 0..1 and its fractal sum.
double valueNoise(double x, double y, uint32_t seed);
double fractalNoise(double x, double y, int octaves, uint32_t seed);

// A new transparent ARGB32 surface with a context, released together.
struct Canvas {
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

// Writes a surface as an ordinary (straight alpha) PNG; cairo's writer un-premultiplies.
bool writePng(cairo_surface_t* surface, const std::string& path);

// Draws a w x h picture with draw(cr) and writes it as dir/name; on failure says why in error.
bool writePicture(const std::string& dir, const std::string& name, int w, int h,
                  const std::function<void(cairo_t*)>& draw, std::string& error);

// Signed distance from (px, py) to the outline of a rounded rectangle: negative inside.
double roundedBoxDistance(double px, double py, double x, double y, double w, double h, double radius);
// How much of a pixel whose centre lies at signed distance d from an outline is inside it.
double coverage(double d);

// Per-pixel painting for textures: fn(x, y) returns a straight-alpha colour.
template <class Fn>
void paintPixels(cairo_surface_t* surface, int x0, int y0, int w, int h, Fn fn)
{
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = y0; y < y0 + h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = x0; x < x0 + w; ++x) {
            Colour c = fn(x, y);
            auto channel = [&](double v) {
                v = v < 0 ? 0 : (v > 1 ? 1 : v);
                return static_cast<uint32_t>(v * c.a * 255.0 + 0.5);
            };
            double a = c.a < 0 ? 0 : (c.a > 1 ? 1 : c.a);
            uint32_t alpha = static_cast<uint32_t>(a * 255.0 + 0.5);
            row[x] = alpha << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
        }
    }
    cairo_surface_mark_dirty(surface);
}

// Paints fn(x, y) over the area (x0, y0, w, h) of cr's user space, through a scratch surface of
// the area's size so it works wherever cr is translated to.
template <class Fn>
void paintTexture(cairo_t* cr, int x0, int y0, int w, int h, Fn fn)
{
    Canvas tex(w, h);
    paintPixels(tex.surface, 0, 0, w, h, [&](int x, int y) { return fn(x + x0, y + y0); });
    cairo_set_source_surface(cr, tex.surface, x0, y0);
    cairo_paint(cr);
}

// Paints a picture the game stretches by repeating its middle column and row. fn(vx, vy, vw, vh)
// sees the pixel as part of a picture widened by spreadX and heightened by spreadY about its middle,
// so anything shaped by the distance to the edges comes out the same in the middle column (row)
// as in its neighbours: repeating it leaves no seam.
template <class Fn>
void paintStretchable(cairo_t* cr, int w, int h, int spreadX, int spreadY, Fn fn)
{
    int midX = w / 2, midY = h / 2;
    paintTexture(cr, 0, 0, w, h, [&](int x, int y) {
        double vx = x < midX ? x : x + spreadX;
        double vy = y < midY ? y : y + spreadY;
        return fn(vx + 0.5, vy + 0.5, static_cast<double>(w + spreadX), static_cast<double>(h + spreadY));
    });
}

// A soft shadow: an ellipse of radius r squashed vertically, darkest in the middle.
void softShadow(cairo_t* cr, double cx, double cy, double r, double squash, double alpha);
