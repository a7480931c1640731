#ifndef KELZO_UI_SWITCHLISTENER_H
#define KELZO_UI_SWITCHLISTENER_H

class CustomSwitch;

// Told of every toggle of a switch, after its state changed.
class SwitchListener {
public:
    virtual ~SwitchListener() {}
    virtual void switchToggled(bool on, CustomSwitch* source) = 0;
};

#endif
