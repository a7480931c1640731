#ifndef KELZO_UI_TEXTENTRYFIELD_H
#define KELZO_UI_TEXTENTRYFIELD_H

#include "Core/OwnedPtr.h"
#include "Core/String.h"
#include "graphics/SpriteSheet.h"
#include "ui/MyTextField.h"
#include "ui/ViewElementI.h"

// A menu row for typed text: the field picture with a label at its left and, unless read-only, a keyboard text
// field over a darkened inset. Built at its first placement (the picture takes the wood there); the keyboard
// field is made then too, owned by the row. With revealWhenSettled the field shows only once the menu has
// stopped zooming and no cross-fade picture is held, so it never draws over a half-grown menu.
class TextEntryField : public ViewElementI {
public:
    static const int kWidth = 281;
    static const int kHeight = 47;

    // Keyboard kinds a phone would pick its keyboard by; the desktop keyboard types the same into all of them.
    enum FieldKind { KindText = 0, KindPlain = 2, KindEmail = 7 };

    TextEntryField(SpriteSheet* atlas, const char* label, const char* text, bool readOnly);
    ~TextEntryField() override = default;
    TextEntryField(const TextEntryField&) = delete;
    TextEntryField& operator=(const TextEntryField&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return kWidth; }
    int height() override { return kHeight; }
    // Passed to the keyboard field; always -1.
    int handleTouch(int phase, int x, int y, bool* consumed) override;

    // The label's room plus 12 px in the languages other than English.
    int labelRoom() const;
    // Draws the keyboard field over a warning tint, or no longer; a field built later is drawn the same way.
    void setHighlighted(bool on);

    SpriteRef picture;      // sheet null until built
    SpriteSheet* atlas;     // the menu's; not owned
    String label;
    String text;
    unsigned char readOnly;
    OwnedPtr<MyTextField> field;  // null until built, and for a read-only row
    int labelWidth = 0;
    unsigned char startHidden = 0;
    unsigned char revealWhenSettled = 0;
    MyTextFieldCallbackI* listener = nullptr;  // not owned
    unsigned char showsPreset = 0;  // text is a prompt: the field's first edit replaces it
    unsigned char highlighted = 0;
    int fieldKind = KindText;
    float lastScaleX = 1.0f;
    float lastScaleY = -1.0f;

private:
    void build(int x, int y);
    void darkenInset(const PixelView& view, int room);
};

#endif
