#ifndef KELZO_MENUS_PROMOHISTORY_H
#define KELZO_MENUS_PROMOHISTORY_H

#include <map>

#include "Core/Stream.h"
#include "Core/String.h"

// One advertisement of another game of ours: its picture, the store link it
// opens, and two numbers kept for whoever shows it.
struct PromoAd {
    String image;
    String link;
    int id = 0;
    int paramA = 0;
    int paramB = 0;
};

// What the cross-promotion has shown so far: five counters and the known
// advertisements by id, kept in "hist.dat". Nothing in the game fills or
// reads it yet; the type and its file are kept so that a later promotion
// reads what an earlier version wrote.
//
//     PromoHistory* history = new PromoHistory;   // defaults
//     history->load();
//     gPromoHistory = history;                    // saved and freed at exit
//
// "hist.dat": the five counters, the entry count, the entries in ascending
// id order (id, image, link as length-prefixed bytes, paramA, paramB), five
// reserved zero words and the tag "10rf". A damaged file gives the defaults
// back; entries read whole before the damage stay.
class PromoHistory {
public:
    static const char* const kFileName;   // "hist.dat"
    static const int kMaxEntries = 1000;

    // The defaults: counters 0, 0, 0, 3, 5 and the default advertisement.
    PromoHistory();

    // Counters back to 0, 0, 0, 3, 5 and entry 1 to the default
    // advertisement; other entries stay.
    void setDefaults();

    // Reads "hist.dat" over this object. A missing file, a cut-off one, a
    // wrong tag or a counter outside its range gives the defaults (see
    // setDefaults); an entry count above kMaxEntries ends the reading with
    // the counters read so far. True only when the whole file was used; a
    // fall-back to the defaults is logged.
    bool load();
    bool read(StreamIn& in);
    // Writes "hist.dat" through a safe save; nothing while saving is
    // suppressed. True when the new file is in place.
    bool save() const;
    void write(StreamOut& out) const;

    int counter0 = 0;
    int counter1 = 0;
    int counter2 = 0;
    int counter3 = 3;
    int counter4 = 5;
    std::map<int, PromoAd> ads;

private:
    // Reads counter `index` and checks its range; false on a short read or
    // a value outside the range.
    bool readCounter(StreamIn& in, int index);
    int* counter(int index);
    // The file is damaged: the defaults come back. Returns false.
    bool startFresh();
};

// The program's promotion history; null unless a feature sets it.
extern PromoHistory* gPromoHistory;

// Program exit: saves and frees gPromoHistory when it is set.
void destroyPromoHistory();

#endif
