#include <gtest/gtest.h>

#include <string>

#include "graphics/AnimationList.h"
#include "graphics/FrameNameMap.h"

namespace {

// Records its steps into a shared log and finishes after a given number of updates.
class CountingAnimation : public AnimationI {
public:
    CountingAnimation(char name, int steps, std::string* log) : name_(name), steps_(steps), log_(log) {}
    ~CountingAnimation() override { *log_ += '~'; *log_ += name_; }
    void update() override {
        *log_ += name_;
        --steps_;
    }
    bool isDone() override { return steps_ <= 0; }

private:
    char name_;
    int steps_;
    std::string* log_;
};

TEST(AnimationListTest, EmptyListDoesNothing) {
    AnimationList list;
    EXPECT_FALSE(updateAnimations(&list));
    EXPECT_FALSE(updateAnimations(gAnimationList)) << "the game's list starts empty";
}

TEST(AnimationListTest, NewestFirstAndFinishedOnesDropped) {
    std::string log;
    AnimationList list;
    list.add(new CountingAnimation('A', 2, &log));
    list.add(new CountingAnimation('B', 1, &log));
    list.add(new CountingAnimation('C', 3, &log));
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(updateAnimations(&list));
    EXPECT_EQ(log, "CB~BA") << "B finished in its first pass; A after it was not skipped";
    EXPECT_EQ(list.count(), 2);
    log.clear();
    EXPECT_TRUE(updateAnimations(&list));
    EXPECT_EQ(log, "CA~A");
    log.clear();
    EXPECT_TRUE(updateAnimations(&list)) << "the list was not empty when the pass began";
    EXPECT_EQ(log, "C~C");
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(updateAnimations(&list));
}

// An animation that waits asks for no frames, yet it is stepped with the others and dropped when done.
TEST(AnimationListTest, AWaitingAnimationAsksForNoFrames) {
    class Waiting : public CountingAnimation {
    public:
        using CountingAnimation::CountingAnimation;
        bool needsFrames() override { return false; }
    };
    std::string log;
    AnimationList list;
    list.add(new Waiting('W', 2, &log));
    EXPECT_FALSE(updateAnimations(&list));
    EXPECT_EQ(log, "W");
    EXPECT_TRUE(updateAnimations(&list)) << "it finished in this pass";
    EXPECT_EQ(log, "WW~W");
    list.add(new Waiting('X', 5, &log));
    list.add(new CountingAnimation('Y', 5, &log));
    EXPECT_TRUE(updateAnimations(&list)) << "one running animation is enough";
}

TEST(AnimationListTest, DoneAtOnceStillGetsOneUpdate) {
    std::string log;
    AnimationList list;
    list.add(new CountingAnimation('Z', 0, &log));
    EXPECT_TRUE(updateAnimations(&list));
    EXPECT_EQ(log, "Z~Z");
}

TEST(AnimationListTest, SharedAnimationOutlivesItsEntry) {
    std::string log;
    Ref<AnimationI> kept(new CountingAnimation('K', 1, &log));
    {
        AnimationList list;
        list.add(kept);
        EXPECT_EQ(kept.useCount(), 2);
        updateAnimations(&list);
        EXPECT_EQ(list.count(), 0);
    }
    EXPECT_EQ(log, "K") << "unlinked but not deleted";
    EXPECT_EQ(kept.useCount(), 1);
    kept.release();
    EXPECT_EQ(log, "K~K");
}

TEST(AnimationListTest, DestroyingAListReleasesItsAnimations) {
    std::string log;
    {
        AnimationList list;
        list.add(new CountingAnimation('Q', 5, &log));
    }
    EXPECT_EQ(log, "~Q");
}

TEST(FrameNameMapTest, CountsPerFrame) {
    markFrameName("board");
    markFrameName("board");
    markFrameName("menu");
    EXPECT_EQ(gFrameNameMap["board"], 2);
    clearFrameNameFlags();
    ASSERT_EQ(gFrameNameMap.count("board"), 1u) << "entries stay";
    EXPECT_EQ(gFrameNameMap["board"], 0);
    markFrameName("board");
    EXPECT_EQ(gFrameNameMap["board"], 1);
    EXPECT_EQ(gFrameNameMap.begin()->first, String("board")) << "ordered by the text";
}

}  // namespace
