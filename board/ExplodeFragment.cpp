#include "board/ExplodeFragment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Core/Random.h"

namespace {

bool hasBit(int variation, int bit)
{
    return variation >= 0 && (variation & bit) != 0;
}

// A random point of the disc of the given radius, small offsets favoured.
void randomOffset(Fragment& f, float radius)
{
    do {
        f.x = randomSquared(radius);
        f.y = randomSquared(radius);
    } while (f.x * f.x + f.y * f.y > radius * radius);
}

void randomSigns(Fragment& f)
{
    if (rand() & 1)
        f.x = -f.x;
    if (rand() & 1)
        f.y = -f.y;
}

// value += dt * rate (the rate before this step), kept inside [low, high].
float clampedStep(float value, float rate, float dt, float low, float high)
{
    value += dt * rate;
    value = std::min(value, high);
    return std::max(value, low);
}

} // namespace

void initBurstFragment(Fragment& f, int colour)
{
    f.colour = colour;
    randomOffset(f, 20.0f);
    f.gravity = 0.0035f;
    randomSigns(f);
    float length = std::sqrt(f.x * f.x + f.y * f.y);
    f.dirX = length > 0.0f ? f.x / length : 0.0f;
    f.dirY = length > 0.0f ? f.y / length : 0.0f;
    f.speed = 0.5f + randomFloat(1.25f);
    f.speedAcc = randomFloat(0.15f) - 0.25f;
    f.speedJerk = 0.0f;
    f.minSpeed = 0.0f;
    f.maxSpeed = 100.0f;
    f.alpha = 0.7f + randomFloat(0.3f);
    f.alphaVel = randomFloat(0.25f) - 0.2f;
    f.alphaAcc = randomFloat(0.099999994f) - 0.32f;
    f.minAlpha = 0.0f;
    f.maxAlpha = 2.0f;
    f.scale = 0.1f + randomFloat(0.9f);
    f.scaleVel = randomFloat(0.2f) - 0.1f;
    f.scaleAcc = 0.0f;
    f.minScale = 0.0f;
    f.maxScale = 1.0f;
    f.flicker = randomSquared(1.0f);
    f.delay = randomFloat(0.1f);
    // Late sparks start nearer the centre.
    float k = std::max((0.1f - f.delay) * 10.0f, 0.1f);
    f.x *= k;
    f.y *= k;
    f.rotation = randomFloat(360.0f);
}

void initHitFragment(Fragment& f, int colour, int dx, int dy, bool big, int variation)
{
    f.colour = colour;
    randomOffset(f, 5.0f);
    f.gravity = 0.006f;
    randomSigns(f);
    // The cloud is stretched across the motion.
    if (dx != 0)
        f.y *= 1.7f;
    if (dy != 0)
        f.x *= 1.7f;
    float length = std::sqrt(f.x * f.x + f.y * f.y);
    float nx = length > 0.0f ? f.x / length : 0.0f;
    float ny = length > 0.0f ? f.y / length : 0.0f;
    f.dirX = nx + dx * 0.8f;
    f.dirY = ny + dy * 0.8f;
    f.speed = hasBit(variation, 4) ? 0.52f + randomFloat(0.23f) : 0.58f + randomFloat(0.3f);
    f.speedAcc = randomFloat(0.099999994f) - 0.25f;
    f.speedJerk = 0.0f;
    f.minSpeed = 0.0f;
    f.maxSpeed = 25.0f;
    f.alpha = hasBit(variation, 8) ? 0.6f + randomFloat(0.25f) : 0.7f + randomFloat(0.3f);
    f.alphaVel = hasBit(variation, 16) ? -0.44f + randomFloat(0.08f) : -0.4f + randomFloat(0.12f);
    f.alphaAcc = randomFloat(0.3f) - 0.82f;
    f.minAlpha = 0.0f;
    f.maxAlpha = 2.0f;
    if (hasBit(variation, 8))
        f.scale = 0.45f + randomFloat(big ? 0.19f : 0.13f);
    else
        f.scale = 0.32f + randomFloat(big ? 0.26f : 0.16f);
    f.scaleVel = randomFloat(0.03f) - 0.18f;
    f.scaleAcc = randomFloat(0.049999997f) - 0.2f;
    f.minScale = 0.0f;
    f.maxScale = 1.0f;
    f.delay = 0.0f;
    f.flicker = 0.0f;
    f.rotation = randomFloat(360.0f);
}

void stepFragment(Fragment& f, float dt)
{
    f.delay -= dt;
    if (f.delay >= 0.0f)
        return;
    f.speed = clampedStep(f.speed, f.speedAcc, dt, f.minSpeed, f.maxSpeed);
    f.speedAcc += dt * f.speedJerk;
    f.alpha = clampedStep(f.alpha, f.alphaVel, dt, f.minAlpha, f.maxAlpha);
    f.alphaVel += dt * f.alphaAcc;
    f.scale = clampedStep(f.scale, f.scaleVel, dt, f.minScale, f.maxScale);
    f.scaleVel += dt * f.scaleAcc;
    float k = dt * 60.0f;
    f.y += f.dirY * f.speed * f.scale * k;
    f.x += f.dirX * f.speed * f.scale * k;
    f.dirY += k * f.gravity;
    if ((rand() & 3) == 0)
        f.flicker = std::min(f.flicker + 0.2f, 1.0f);
    if ((rand() & 3) == 0)
        f.flicker = std::max(f.flicker - 0.2f, 0.0f);
}

int hitFragmentCount(bool big, bool huge, int variation)
{
    if (huge)
        return 18;
    if (hasBit(variation, 2))
        return big ? 8 : 5;
    return big ? 11 : 6;
}

int fragmentRotationStep(float rotation)
{
    return static_cast<int>(rotation) % 90 / 15;
}
