#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "Core/Language.h"
#include "Core/MemoryStream.h"
#include "ui/BubbleStyle.h"
#include "game/Tips.h"

namespace {

// Tips whose saved counters are 3 x id + 1 (a value above 0x7FFF for the last
// ones would not read back as written, so they stay small).
void fillShown(Tips& tips)
{
    for (int id = 0; id < Tips::kSavedCounters; id++)
        tips.setShownCount(id, 3 * id + 1);
}

}  // namespace

TEST(TipsTest, SavedCountersReadBackIdentically)
{
    Tips written;
    fillShown(written);
    MemoryStreamOut out;
    ASSERT_TRUE(written.save(out));
    ASSERT_EQ(out.size(), 2 + 2 * Tips::kSavedCounters);
    EXPECT_EQ(static_cast<unsigned char>(out.data()[0]), 0xC7);
    EXPECT_EQ(static_cast<unsigned char>(out.data()[1]), 0xCF);

    Tips read;
    MemoryStreamIn in(out);
    ASSERT_TRUE(read.load(in));
    for (int id = 0; id < Tips::kSavedCounters; id++)
        EXPECT_EQ(read.shownCount(id), 3 * id + 1) << id;
    EXPECT_EQ(in.tell(), out.size());
}

TEST(TipsTest, OlderLayoutHasSixtyFourSignedValuesAndNoMarker)
{
    MemoryStreamOut out;
    for (int i = 0; i < Tips::kOldSavedCounters; i++)
        writeInt16(out, i == 5 ? -2 : i + 10);
    writeInt16(out, 0x7777);   // what follows the block belongs to the next field
    Tips read;
    MemoryStreamIn in(out);
    ASSERT_TRUE(read.load(in));
    EXPECT_EQ(read.shownCount(0), 10);
    EXPECT_EQ(read.shownCount(5), -2);
    EXPECT_EQ(read.shownCount(63), 73);
    for (int id = Tips::kOldSavedCounters; id < Tips::kSavedCounters; id++)
        EXPECT_EQ(read.shownCount(id), 0) << id;
    EXPECT_EQ(in.tell(), 2 * Tips::kOldSavedCounters);
}

TEST(TipsTest, ShortBlockKeepsWhatWasRead)
{
    Tips written;
    fillShown(written);
    MemoryStreamOut out;
    written.save(out);
    const int wholeCounters = 40;
    MemoryStreamIn in(out.data(), 2 + 2 * wholeCounters + 1);   // cut inside counter 40

    Tips read;
    read.setShownCount(40, 99);
    read.setShownCount(100, 98);
    EXPECT_FALSE(read.load(in));
    for (int id = 0; id < wholeCounters; id++)
        EXPECT_EQ(read.shownCount(id), 3 * id + 1) << id;
    EXPECT_EQ(read.shownCount(40), 99);
    EXPECT_EQ(read.shownCount(100), 98);

    MemoryStreamIn empty(out.data(), 1);
    EXPECT_FALSE(read.load(empty));
}

// Tips 64 to 71 have counters like the others: a show counts and the resets
// clear them in their order.
TEST(TipsTest, EveryTipIdIsCountedAndResetInOrder)
{
    Tips tips;
    for (int id : {3, 64, 71}) {
        tips.show(id, TipParams());
        tips.dismiss(id);
    }
    tips.removeAll();   // the bubbles gone, only the counters answer
    for (int id : {3, 64, 71}) {
        EXPECT_EQ(tips.shownCount(id), 1) << id;
        EXPECT_EQ(tips.perGameCount(id), 1) << id;
        EXPECT_EQ(tips.perLevelCount(id), 1) << id;
    }
    // The per-move counter of 71 blocks the spaced rule until the move resets.
    EXPECT_FALSE(tips.shouldShowSpaced(71, 5, 5, 5));
    tips.resetMoveCounters(100);
    EXPECT_TRUE(tips.shouldShowSpaced(71, 5, 5, 5));
    EXPECT_EQ(tips.quietFrom(), 100);
    EXPECT_EQ(tips.perLevelCount(71), 1);

    tips.resetLevelCounters(200);
    EXPECT_EQ(tips.perLevelCount(71), 0);
    EXPECT_EQ(tips.perGameCount(71), 1);
    tips.resetGameCounters(300);
    EXPECT_EQ(tips.perGameCount(71), 0);
    EXPECT_EQ(tips.shownCount(71), 1);
    tips.resetAllCounters(400);
    EXPECT_EQ(tips.shownCount(71), 0);
    EXPECT_FALSE(tips.shouldShowSpaced(72, 5, 5, 5));
}

// The intros' tips have words in every language: Beat the Clock's pointers at the undo and hint buttons (tips 0,
// 1), its clock (36) and its puzzles left (37) a body each; the opening dialogs of Arcade, Free Play, Beat the
// Clock and Frenzy (24, 25, 26, 64) a title and a body, or the dialog would open empty.
TEST(TipsTest, IntroTipsHaveWords)
{
    const struct Case {
        int tip;
        bool titled;
    } cases[] = {{0, false}, {1, false}, {36, false}, {37, false}, {24, true}, {25, true}, {26, true}, {64, true}};
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
    for (int language = 0; language < kLanguageCount; language++) {
        Language texts(language);
        for (const Case& c : cases) {
            const BubbleStyle& row = Tips::row(c.tip);
            std::vector<int> ids = {row.bodyId};
            if (c.titled)
                ids.push_back(row.titleId);
            for (int id : ids) {
                ASSERT_TRUE(id >= 0 && id < texts.texts.size()) << "tip " << c.tip << ", language " << language;
                EXPECT_FALSE(texts.texts[id].isEmpty()) << "tip " << c.tip << ", text " << id << ", language "
                                                        << language;
            }
        }
    }
    ASSERT_EQ(0, chdir(here));
}
