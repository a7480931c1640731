#ifndef KELZO_UI_MYVIEWI_H
#define KELZO_UI_MYVIEWI_H

// Base of views that are only held and destroyed through it (the busy indicator).
class MyViewI {
public:
    virtual ~MyViewI() {}
};

#endif
