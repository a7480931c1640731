#include "Core/Random.h"

#include <cstdlib>
#include <ctime>

namespace {

// rand() scaled into [0, 1) in single precision.
float unitRandom()
{
    return static_cast<float>(rand() % 2147483647) * 4.656613e-10f;
}

} // namespace

int randomBelow(int n)
{
    return n >= 1 ? rand() % n : 0;
}

float randomFloat(float max)
{
    if (max == 0.0f)
        return 0.0f;
    return max * unitRandom();
}

float randomSquared(float max)
{
    if (max == 0.0f)
        return 0.0f;
    float u = unitRandom();
    return max * u * u;
}

int weightedRandomChoice(std::initializer_list<int> percentages)
{
    int r = rand() % 100;
    int sum = 0;
    int index = 0;
    for (int p : percentages) {
        sum += p;
        if (sum > r)
            return index;
        index++;
    }
    return index > 0 ? index - 1 : 0;
}

void seedRandomFromClock()
{
    srand(static_cast<unsigned>(time(nullptr)));
}

void seedRandomZero()
{
    srand(0);
}

void addRandomDistinct(IntSet& set, int count)
{
    // Only values of this call count: the set may already hold some of them.
    IntSet drawn;
    while (static_cast<int>(drawn.size()) < count) {
        int value = randomBelow(count + 1);
        if (drawn.insert(value).second)
            set.insert(value);
    }
}
