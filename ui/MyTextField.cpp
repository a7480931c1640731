#include "ui/MyTextField.h"

#include <SDL/SDL_keysym.h>

#include <algorithm>

#include "Core/GameClock.h"
#include "graphics/DrawParams.h"
#include "graphics/FontCache.h"
#include "graphics/GlState.h"
#include "graphics/TextRender.h"
#include "ui/Utf8Step.h"

namespace {

// Plain letters come from the key itself; shift gives the capital; option the second layer.
const char* const kOptionLayer[26] = {
    "ä", "#", "8", "4", "1", "5", "6", "€", ")", "!", ":", "'", ";",
    "?", "Ö", "-", "/", "2", "ß", "3", "ü", "9", "+", "7", "*", "(",
};
const char* const kOptionComma = "&";
// What a key event's character may not be: controls (C0, DEL and C1) and UTF-16 surrogate halves.
const int kFirstPrintable = 0x20;
const int kDelete = 0x7F;
const int kLastC1Control = 0x9F;
const int kFirstSurrogate = 0xD800;
const int kLastSurrogate = 0xDFFF;

const char* const kMeasureLine = "abcdefghijklmnopqrstuvwxyz";
const int kCursorWidth = 2;
const int kCursorInset = 1;
const RGBA kTextColour = {255, 255, 255, 255};
// The warning tint under a highlighted field, premultiplied: a translucent red the white text reads on.
const RGBA kHighlightTint = {120, 18, 12, 130};
const int kOneLine = 2;  // TextStyle wrap mode: one line, never wrapped

Texture* textFieldFill(int width, int height, RGBA colour)
{
    Bitmap* bitmap = new Bitmap(width, height, true);
    for (int row = 0; row < height; row++)
        for (int column = 0; column < width; column++)
            bitmap->at(column, row) = colour;
    return new Texture(bitmap, false, false);
}

TextStyle fieldStyle(const char* fontName)
{
    TextStyle style;
    style.wrapMode = kOneLine;
    style.align = 0;
    style.fontName = fontName;
    style.r = kTextColour.r;
    style.g = kTextColour.g;
    style.b = kTextColour.b;
    style.a = kTextColour.a;
    return style;
}

}  // namespace

MyTextField::MyTextField(MyTextFieldCallbackI* callback, const char* font, int size, const char* initial, int w,
                         int h, bool startHidden)
    : fontName(font ? font : ""), text(initial ? initial : ""), fontSize(size), fieldWidth(w), fieldHeight(h),
      hidden(startHidden ? 1 : 0), listener(callback), blinkStartMs(GameClock::wallMs())
{
    TextSize line{0, 0};
    measureWrappedText(&line, kMeasureLine, fontSize, fieldStyle(fontName.length() ? fontName.c_str() : nullptr), -1,
                       -1);
    textYOffset = (fieldHeight - line.height) / 2;
}

MyTextField::~MyTextField()
{
    if (gKeyReceiver == this)
        gKeyReceiver = nullptr;
}

int MyTextField::textWidth(const std::string& part) const
{
    if (part.empty())
        return 0;
    TextSize size{0, 0};
    measureWrappedText(&size, part.c_str(), fontSize, fieldStyle(fontName.length() ? fontName.c_str() : nullptr), -1,
                       -1);
    return size.width;
}

int MyTextField::handleTouch(int phase, int px, int py, bool* consumed)
{
    (void)consumed;
    // A hidden field is not on the screen: it neither takes nor gives up the keyboard.
    if (phase != TouchDown || hidden)
        return -1;
    focused = px >= x && px <= x + fieldWidth && py >= y && py <= y + fieldHeight;
    dirty = 1;
    blinkStartMs = GameClock::wallMs();
    if (!focused) {
        if (gKeyReceiver == this)
            gKeyReceiver = nullptr;
        return -1;
    }
    // The cursor goes before the first character whose end lies beyond the finger.
    const int distance = px - x;
    int pos = firstVisible;
    while (pos < (int)text.size()) {
        const int next = pos + utf8LengthAfter(text, pos);
        if (textWidth(text.substr(firstVisible, next - firstVisible)) > distance)
            break;
        pos = next;
    }
    cursor = pos - firstVisible;
    gKeyReceiver = this;
    return -1;
}

const char* MyTextField::characterFor(int sym, int mod, int unicode)
{
    switch (sym) {
    case KeySpace:
        return " ";
    case KeyFullStop:
        return ".";
    case KeyAt:
        return "@";
    case KeyComma:
        return optionOnce || (mod & KMOD_ALT) ? kOptionComma : ",";
    default:
        break;
    }
    if (sym >= 'a' && sym <= 'z') {
        // A held modifier counts like its one-shot key; option before shift, as the later one-shot clears the other.
        if (optionOnce || (mod & KMOD_ALT))
            return kOptionLayer[sym - 'a'];
        // A letter key that types something else (AltGr, another layout) types that.
        if (unicode != sym && unicode != sym - 'a' + 'A' && typeable(unicode))
            return encode(unicode);
        unicodeBytes[0] = (char)(shiftOnce || (mod & KMOD_SHIFT) ? sym - 'a' + 'A' : sym);
        unicodeBytes[1] = 0;
        return unicodeBytes;
    }
    // A desktop keyboard types signs, digits and accented letters directly: whatever printable character the
    // key event carries goes in, when the field's font can draw it.
    return typeable(unicode) ? encode(unicode) : nullptr;
}

bool MyTextField::typeable(int unicode) const
{
    const bool control = unicode < kFirstPrintable || (unicode >= kDelete && unicode <= kLastC1Control);
    const bool surrogate = unicode >= kFirstSurrogate && unicode <= kLastSurrogate;
    if (control || surrogate)
        return false;
    return fontHasGlyph(fontName.length() ? fontName.c_str() : nullptr, fontSize, unicode);
}

const char* MyTextField::encode(int unicode)
{
    if (unicode < 0x80) {
        unicodeBytes[0] = (char)unicode;
        unicodeBytes[1] = 0;
    } else if (unicode < 0x800) {
        unicodeBytes[0] = (char)(0xC0 | (unicode >> 6));
        unicodeBytes[1] = (char)(0x80 | (unicode & 0x3F));
        unicodeBytes[2] = 0;
    } else {
        unicodeBytes[0] = (char)(0xE0 | (unicode >> 12));
        unicodeBytes[1] = (char)(0x80 | ((unicode >> 6) & 0x3F));
        unicodeBytes[2] = (char)(0x80 | (unicode & 0x3F));
        unicodeBytes[3] = 0;
    }
    return unicodeBytes;
}

void MyTextField::onKey(int sym, int mod, bool down, int unicode)
{
    (void)down;
    dirty = 1;
    blinkStartMs = GameClock::wallMs();
    switch (sym) {
    case KeyRightShift:
    case KeyLeftShift:
        shiftOnce = 1;
        optionOnce = 0;
        break;
    case KeyRightAlt:
    case KeyLeftAlt:
        optionOnce = 1;
        shiftOnce = 0;
        break;
    case KeyRight:
        moveRight();
        break;
    case KeyLeft:
        moveLeft();
        break;
    case KeyBackspace:
        backspace();
        break;
    default:
        if (const char* character = characterFor(sym, mod, unicode))
            insert(character);
        break;
    }
    if (listener)
        listener->textFieldKey(sym);
}

void MyTextField::dropPreset()
{
    if (!showsPreset)
        return;
    showsPreset = 0;
    text.clear();
    cursor = 0;
    firstVisible = 0;
}

void MyTextField::insert(const char* bytes)
{
    dropPreset();
    const std::string piece(bytes);
    text.insert(cursorPos(), piece);
    cursor += (int)piece.size();
    shiftOnce = optionOnce = 0;
    scrollToCursor();
}

void MyTextField::backspace()
{
    dropPreset();
    const int pos = cursorPos();
    shiftOnce = optionOnce = 0;
    if (text.empty() || pos <= 0)
        return;
    const int length = utf8LengthBefore(text, pos);
    // When scrolled, the view follows the deletion back by one character so the text does not jump, as long as
    // the cursor stays in sight.
    const int before = firstVisible > 0 ? utf8LengthBefore(text, firstVisible) : 0;
    text.erase(pos - length, length);
    const int newPos = pos - length;
    const int newFirst = std::min(firstVisible - before, newPos);
    firstVisible = std::min(firstVisible, newPos);
    if (newFirst < firstVisible && textWidth(text.substr(newFirst, newPos - newFirst)) < fieldWidth)
        firstVisible = newFirst;
    cursor = newPos - firstVisible;
}

void MyTextField::moveLeft()
{
    if (cursor > 0)
        cursor -= utf8LengthBefore(text, cursorPos());
    else if (firstVisible > 0)
        firstVisible -= utf8LengthBefore(text, firstVisible);
}

void MyTextField::moveRight()
{
    const int length = utf8LengthAfter(text, cursorPos());
    if (length == 0)
        return;
    cursor += length;
    scrollToCursor();
}

void MyTextField::scrollToCursor()
{
    const int pos = cursorPos();
    if (textWidth(text.substr(firstVisible)) < fieldWidth)
        return;
    // Whole characters scroll out on the left until the text up to the cursor fits.
    while (firstVisible < pos && textWidth(text.substr(firstVisible, pos - firstVisible)) >= fieldWidth)
        firstVisible += utf8LengthAfter(text, firstVisible);
    cursor = pos - firstVisible;
}

void MyTextField::rebuildTexture()
{
    dirty = 0;
    const std::string shown = visibleText();
    textTexture.reset(shown.empty() ? nullptr
                                    : new Texture(shown.c_str(), fieldWidth, fieldHeight, fontSize,
                                                  fieldStyle(fontName.length() ? fontName.c_str() : nullptr), false));
    if (!cursorTexture)
        cursorTexture.reset(textFieldFill(kCursorWidth, fontSize + 2, kTextColour));
    if (!highlightTexture)
        highlightTexture.reset(textFieldFill(fieldWidth, fieldHeight, kHighlightTint));
}

void MyTextField::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle, (void)selected;
    if (hidden)
        return;
    x = (int)px;
    y = (int)py;
    if (dirty)
        rebuildTexture();
    DrawParams params;
    params.blendMode = BlendPremultiplied;
    params.alpha = alpha;
    params.scaleX = scaleX;
    params.scaleY = scaleY;
    const float sy = params.effectiveScaleY();
    if (highlighted && highlightTexture)
        drawTexture(highlightTexture.get(), px, py, params);
    if (textTexture)
        drawTexture(textTexture.get(), px, py + (float)textYOffset * sy, params);
    if (!focused || !cursorTexture || !cursorShown(GameClock::wallMs() - blinkStartMs))
        return;
    // Measuring drops a space at the end of the text: the cursor after one is moved on by its width.
    const std::string before = text.substr(firstVisible, cursor);
    int cursorX = textWidth(before) + kCursorInset;
    if (!before.empty() && before.back() == ' ')
        cursorX += fontSize / 3;
    drawTexture(cursorTexture.get(), px + (float)cursorX * scaleX, py + (float)textYOffset * sy, params);
}
