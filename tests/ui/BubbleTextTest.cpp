#include "ui/BubbleText.h"

#include "graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(BubbleText, InkIsTheBoxOfEveryPixelWithAlpha)
{
    Bitmap picture(8, 6, false);
    EXPECT_TRUE(findInk(picture).empty());
    picture.at(5, 1) = RGBA{0, 0, 0, 1};
    picture.at(2, 4) = RGBA{9, 9, 9, 200};
    picture.at(7, 5) = RGBA{255, 255, 255, 0};  // colour without alpha is no ink
    InkRect ink = findInk(picture);
    EXPECT_EQ(ink.left, 2);
    EXPECT_EQ(ink.top, 1);
    EXPECT_EQ(ink.right, 5);
    EXPECT_EQ(ink.bottom, 4);
}

TEST(BubbleText, TypingRunsRowByRowWithTheLongerWaitOnTheLastRow)
{
    InkRect ink;
    ink.left = 10;
    ink.top = 2;
    ink.right = 110;
    ink.bottom = 59;  // rows at 2, 21 (the last typed: 21 + 19 reaches 59 - 27) and 40
    TypingCursor cursor(ink, 1.0f / 3.1f);  // 1 px per ms
    EXPECT_FALSE(cursor.done);
    cursor.advance(144);
    EXPECT_EQ(cursor.rowTop, 2);
    EXPECT_NEAR(cursor.x, 154.0f, 0.01f);
    cursor.advance(2);  // past 110 + 45
    EXPECT_EQ(cursor.rowTop, 21);
    EXPECT_NEAR(cursor.x, 11.0f, 0.01f) << "the overshoot carries over";
    cursor.advance(263);  // 274: short of 110 + 165
    EXPECT_FALSE(cursor.done);
    cursor.advance(2);
    EXPECT_TRUE(cursor.done);
}

TEST(BubbleText, NoSpeedOrNoInkIsCompleteFromTheStart)
{
    InkRect ink;
    ink.left = 0;
    ink.top = 0;
    ink.right = 50;
    ink.bottom = 100;
    EXPECT_TRUE(TypingCursor(ink, 0.0f).done);
    EXPECT_TRUE(TypingCursor(InkRect(), 1.0f).done);
    TypingCursor slow(ink, 1.0f);
    slow.advance(-50);  // a clock that went back moves nothing
    EXPECT_FLOAT_EQ(slow.x, 0.0f);
}

}  // namespace
