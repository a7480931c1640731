#ifndef KELZO_UI_MENUBUBBLE_H
#define KELZO_UI_MENUBUBBLE_H

#include "Core/Ref.h"
#include "Core/String.h"
#include "graphics/AnimationList.h"
#include "ui/BubbleLayout.h"
#include "ui/BubbleLife.h"
#include "ui/BubbleStyle.h"
#include "ui/MyView.h"

class BubbleText;

// An instruction speech bubble: a wrapped text on the stretched bubble frame, pointing at its anchor with a
// tail, that fades in, may bob gently, may type its text out, may show a footer line, and fades out when it is
// closed or its animation's lifetime runs out (see BubbleLife for the timing). It is drawn every frame by its
// owner, from a MenuBubbleList or through gBubbleAnimations, and deleted once render() reports it finished.
//
//     MenuBubble* tip = createMenuBubble("Swipe a furball", 160, 300, 0, 220, 600, 1.0f, 1);
//     bubbles.add(tip);            // a MenuBubbleList; or MenuBubble::animate(&holder, tip, 9000)
//     ... on a tap: tip->close(600, false);
class MenuBubble {
public:
    // Takes the style. titleText and bodyText, when not empty, stand for the style's text ids.
    MenuBubble(BubbleStyle* style, int fadeOutEnd, int delay, int yOverride, int fadeInLength, float revealSpeed,
               bool wobble, int fadeOutLength, const String& titleText, const String& bodyText);
    ~MenuBubble();
    MenuBubble(const MenuBubble&) = delete;
    MenuBubble& operator=(const MenuBubble&) = delete;

    // Nothing is drawn any more.
    void hide();
    int age() const { return life.age(); }
    void close(int fadeOutMs, bool force) { life.close(fadeOutMs, force); }
    // Draws the bubble; false once it is finished and may be deleted.
    bool render();
    // True while the bubble's picture changes with time (a fade, the typing, the bob, a footer still to come);
    // a bubble resting at full opacity or faded out needs no frames of its own.
    bool animating() const;
    // With the experiment "ttb" above 1, a tap completes the typing at once.
    void finishTyping();
    // Builds the bubble anew within the columns of `room`, its text wrapped narrower where the room needs it:
    // so it can stand beside another bubble.
    void fitWithin(const BubbleBounds& room);
    // The frame as drawn at the bubble's scale (without the bob).
    BubbleRect rect() const;
    // A late footer that has not shown yet.
    bool footerPending() const;
    bool typingDone() const;

    // The bubble ages on the running clock from now on and is drawn by an animation of gBubbleAnimations
    // that closes it after lifetimeMs and deletes it when it is finished; the caller gets a share of it.
    static void animate(Ref<AnimationI>* out, MenuBubble* bubble, int lifetimeMs);

    class BubbleAnimation : public AnimationI {
    public:
        BubbleAnimation(MenuBubble* bubble, int lifetime) : bubble(bubble), lifetime(lifetime) {}
        ~BubbleAnimation() override { delete bubble; }
        void update() override;
        bool isDone() override { return done != 0; }
        bool needsFrames() override { return bubble && bubble->animating(); }

        MenuBubble* bubble;  // owned; null once finished
        uint8_t done = 0;
        int lifetime;
    };

    BubbleStyle* style;             // owned
    BubbleLife life;
    BubbleText* textElement = nullptr;  // held by the view; null once hidden
    MyView view;
    int viewX = 0;                  // where the frame stands
    int viewY = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    // Drawn at this scale about the anchor, or about the frame's centre when there is none, so a smaller tip
    // still points at its spot.
    float scale = 1.0f;
    int pivotX = 0;
    int pivotY = 0;
    BubbleBounds bounds;            // the columns the frame stays within
    int yOverride;
    uint8_t removable = 1;
    int tag = -1;                   // 56: the bubble that stays on the play screen
    float revealSpeed;
    float maxAlpha = 1.0f;
    uint8_t wobble;
    int footerChild = -1;           // the late footer's child index; -1 none

private:
    void build();
    float drawnX() const { return (float)pivotX + (float)(viewX - pivotX) * scale; }
    float drawnY() const { return (float)pivotY + (float)(viewY - pivotY) * scale; }

    String content;                 // the title and body as drawn
    void addFooter(int contentBottom);
};

// Makes a bubble of body text `text` pointing at (anchorX, anchorY) (-1: no anchor), below it when placement
// is 1, with no delay, typing or wobble, a fade-out of 1800 ms when closed, and the given fade-in, opacity and
// footer kind. The caller owns it.
MenuBubble* createMenuBubble(const String& text, int anchorX, int anchorY, int placement, int wrapWidth,
                             int fadeInLength, float maxAlpha, int footerKind);

// The bubbles that animations drive; the frame steps it.
extern AnimationList* gBubbleAnimations;

#endif
