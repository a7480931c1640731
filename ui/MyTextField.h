#ifndef KELZO_UI_MYTEXTFIELD_H
#define KELZO_UI_MYTEXTFIELD_H

#include <string>

#include "Core/OwnedPtr.h"
#include "Core/String.h"
#include "graphics/Texture.h"
#include "ui/EngineKeyCallbackI.h"
#include "ui/MyTextFieldCallbackI.h"
#include "ui/ViewElementI.h"

// A one-line text field typed into from the keyboard (player names, the feedback and console line). A tap
// inside takes the keyboard (the field becomes gKeyReceiver and the cursor goes to the character under the
// finger); a tap outside gives it up. Keys insert at the cursor: letters, space, comma, full stop, "@", and
// every other printable character the key event carries (signs, digits, accented letters) that the field's
// font draws; shift and option (Alt) work as one-shot keys, for one letter, or held, and any typed character
// ends both one-shots. Option gives the keyboard's second layer ("ä", "€", "ß", digits, signs). The arrows move the cursor,
// backspace deletes before it, and the view scrolls so that the cursor stays in sight. Every edit moves by
// whole UTF-8 characters, so the text, and the part of it shown, stay valid UTF-8. The listener hears every key.
//
// cursor counts bytes from firstVisible; the cursor's place in the text is firstVisible + cursor.
class MyTextField : public ViewElementI, public EngineKeyCallbackI {
public:
    // SDL key symbols the field uses.
    enum Key {
        KeyBackspace = 8,
        KeyReturn = 13,
        KeySpace = 32,
        KeyComma = 44,
        KeyFullStop = 46,
        KeyAt = 64,
        KeyRight = 275,
        KeyLeft = 276,
        KeyRightShift = 303,
        KeyLeftShift = 304,
        KeyRightAlt = 307,
        KeyLeftAlt = 308,
    };
    static const int kBlinkMs = 500;

    MyTextField(MyTextFieldCallbackI* listener, const char* fontName, int fontSize, const char* text, int width,
                int height, bool hidden);
    ~MyTextField() override;
    MyTextField(const MyTextField&) = delete;
    MyTextField& operator=(const MyTextField&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return fieldWidth; }
    int height() override { return fieldHeight; }
    // Only presses count, and none while hidden; always -1.
    int handleTouch(int phase, int x, int y, bool* consumed) override;
    void onKey(int sym, int mod, bool down, int unicode) override;

    String getText() const { return String(text.c_str(), (int)text.size()); }
    const std::string& textBytes() const { return text; }
    // The part of the text shown, from firstVisible on.
    std::string visibleText() const { return text.substr(firstVisible); }
    // While set, render draws nothing.
    void setRenderFlag(bool hide) { hidden = hide ? 1 : 0; }
    // While set, the field is drawn over a warning tint (a text that needs the player's attention).
    void setHighlighted(bool on) { highlighted = on ? 1 : 0; }
    // Whether the cursor shows at `elapsedMs` after the last key or tap: on for kBlinkMs, off for as long.
    static bool cursorShown(unsigned int elapsedMs) { return (elapsedMs / kBlinkMs) % 2 == 0; }

    String fontName;
    std::string text;
    int cursor = 0;
    int firstVisible = 0;
    int fontSize;
    int fieldWidth;
    int fieldHeight;
    unsigned char focused = 0;
    unsigned char dirty = 1;
    unsigned char shiftOnce = 0;
    unsigned char optionOnce = 0;
    unsigned char hidden = 0;
    unsigned char highlighted = 0;
    // The text is a prompt ("Tap to enter"), not the player's: the first key that edits replaces it.
    unsigned char showsPreset = 0;
    MyTextFieldCallbackI* listener;  // not owned; may be null
    int textYOffset = 0;
    unsigned int blinkStartMs;  // steady clock: the blink restarts with every key and tap

private:
    int cursorPos() const { return firstVisible + cursor; }
    int textWidth(const std::string& part) const;
    void dropPreset();
    void insert(const char* bytes);
    void backspace();
    void moveLeft();
    void moveRight();
    void scrollToCursor();
    // The character to insert for the key, or null.
    const char* characterFor(int sym, int mod, int unicode);
    // A printable character of the Basic Multilingual Plane that the field's font draws.
    bool typeable(int unicode) const;
    // The character as UTF-8 in unicodeBytes.
    const char* encode(int unicode);
    void rebuildTexture();

    OwnedPtr<Texture> textTexture;
    OwnedPtr<Texture> cursorTexture;
    OwnedPtr<Texture> highlightTexture;
    char unicodeBytes[4] = {0, 0, 0, 0};
};

#endif
