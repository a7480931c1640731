#ifndef KELZO_UI_SEGMENTEDCONTROLCALLBACKI_H
#define KELZO_UI_SEGMENTEDCONTROLCALLBACKI_H

class MyView;

// Told when a MyView arms a child on a press (or, in drag-select mode, on a drag).
class SegmentedControlCallbackI {
public:
    virtual ~SegmentedControlCallbackI() {}
    virtual void segmentSelected(int tag, MyView* view) = 0;
};

#endif
