#include <gtest/gtest.h>

#include <cstdlib>

#include "Core/Alphabet.h"
#include "Core/Hash.h"
#include "Core/Random.h"

TEST(Hash, ChecksumsOnKnownValues)
{
    struct Case { const char* text; int mod97; int mod4463; };
    const Case cases[] = {
        {"", 7, 2143},
        {"a", 91, 4414},
        // "ab": (91*13 + 98*17) % 97 = 2849 % 97; (4414*1559 + 98*1951) % 4463
        {"ab", (91 * 13 + 98 * 17) % 97, (4414 * 1559 + 98 * 1951) % 4463},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hashMod97(String(c.text)), c.mod97) << c.text;
        EXPECT_EQ(hashMod97(c.text), c.mod97) << c.text;
        EXPECT_EQ(hashMod4463(String(c.text)), c.mod4463) << c.text;
        EXPECT_EQ(hashMod4463(c.text, -1), c.mod4463) << c.text;
    }
    EXPECT_EQ(hashMod97("abc", 1), 91);
}

TEST(Hash, HighBytesCountUnsigned)
{
    // 0xFF as 255: (255*17 + 91) % 97 = 4426 % 97 = 61; a signed byte would differ.
    EXPECT_EQ(hashMod97("\xff"), (255 * 17 + 91) % 97);
    EXPECT_EQ(hashMod4463("\xff"), (255 * 1951 + 3340937) % 4463);
}

TEST(Hash, LongerTextsMatchValuesWorkedOutElsewhere)
{
    // Reference values computed independently from the same rule.
    struct Case { const char* text; int mod97; int mod4463; };
    const Case cases[] = {
        {"h3p2l7g12345e0", 92, 1923},
        {"l3s1500t20000", 86, 2898},
        {"Kelzo!", 82, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hashMod97(c.text), c.mod97) << c.text;
        EXPECT_EQ(hashMod4463(c.text), c.mod4463) << c.text;
    }
}

TEST(Hash, Fnv1Over64Bits)
{
    const uint64_t offset = 14695981039346656037ull;
    EXPECT_EQ(fnv1Hash64("", offset), offset);
    // FNV-1 (multiply, then xor) of "a" from the standard offset basis.
    EXPECT_EQ(fnv1Hash64("a", offset), 0xaf63bd4c8601b7beull);
    EXPECT_EQ(fnv1Hash64("ab", 2, 7), fnv1Hash64("ab", 7));
}

TEST(Alphabet, IndexesAndRoundTrip)
{
    EXPECT_EQ(alphabetIndex('Z'), 61);
    EXPECT_EQ(alphabetIndex('z'), 60);
    EXPECT_EQ(alphabetIndex('a'), 10);
    EXPECT_EQ(alphabetIndex('A'), 11);
    EXPECT_EQ(alphabetIndex('_'), 62);
    EXPECT_EQ(alphabetIndex('-'), 63);
    EXPECT_EQ(alphabetIndex(' '), 63);
    EXPECT_EQ(alphabetIndex('\xe9'), 63);
    for (int i = 0; i < 64; i++) {
        EXPECT_EQ(alphabetIndex(alphabetChar(i)), i);
        EXPECT_EQ(alphabetChar(i), kAlphabet64[i]);
    }
    EXPECT_EQ(alphabetChar(36), 'n');
    EXPECT_EQ(alphabetChar(1), '1');
}

TEST(Random, ZeroRangesDrawNothing)
{
    srand(1234);
    int expected = rand();
    srand(1234);
    EXPECT_EQ(randomFloat(0.0f), 0.0f);
    EXPECT_EQ(randomSquared(0.0f), 0.0f);
    EXPECT_EQ(rand(), expected);
}

TEST(Random, ValuesStayInRange)
{
    seedRandomZero();
    for (int i = 0; i < 1000; i++) {
        int below = randomBelow(7);
        EXPECT_TRUE(below >= 0 && below < 7);
        float f = randomFloat(2.0f);
        EXPECT_TRUE(f >= 0.0f && f <= 2.0f);
        float sq = randomSquared(3.0f);
        EXPECT_TRUE(sq >= 0.0f && sq <= 3.0f);
        int choice = weightedRandomChoice(50, 30, 20);
        EXPECT_TRUE(choice >= 0 && choice <= 2);
    }
    EXPECT_EQ(randomBelow(0), 0);
    EXPECT_EQ(weightedRandomChoice(100, 0), 0);
    EXPECT_EQ(weightedRandomChoice(0, 100), 1);
    EXPECT_EQ(weightedRandomChoice(0, 0), 1);
}

TEST(Random, FloatFollowsTheScaledFormula)
{
    srand(99);
    int r = rand();
    srand(99);
    EXPECT_EQ(randomFloat(10.0f), 10.0f * (static_cast<float>(r % 2147483647) * 4.656613e-10f));
}

TEST(Random, DistinctValuesFromTheRange)
{
    seedRandomZero();
    IntSet set;
    addRandomDistinct(set, 10);
    EXPECT_EQ(set.size(), 10u);
    EXPECT_GE(*set.begin(), 0);
    EXPECT_LE(*set.rbegin(), 10);
}
