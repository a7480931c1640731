#ifndef KELZO_UI_MYTEXTFIELDCALLBACKI_H
#define KELZO_UI_MYTEXTFIELDCALLBACKI_H

// Told about every key a text field receives, after the field has used it: the key's SDL symbol (Return is 13).
class MyTextFieldCallbackI {
public:
    virtual ~MyTextFieldCallbackI() {}
    virtual void textFieldKey(int key) = 0;
};

#endif
