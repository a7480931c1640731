#ifndef KELZO_MENUS_NEWHISCOREMENU_H
#define KELZO_MENUS_NEWHISCOREMENU_H

#include "Core/String.h"
#include "ui/TextEntryField.h"
#include "ui/TiledMenu.h"

class HiScoreTable;

// The page for a result that ranks in the local table: the heading, the result and its place
// (NewHiScoreMessage.h), a name field preset with the name typed last time, and two buttons: "no thanks" (tag 1)
// and "save" (tag 0). The page stores nothing: on 0 the shell reads enteredName and stores the result
// (storeNewHiScore).
//
//   NewHiScoreMenu* menu = new NewHiScoreMenu(table.lastName().c_str(), game.score(), isTime, rank);
class NewHiScoreMenu : public TiledMenu {
public:
    static const int kSaveTag = 0;
    static const int kDeclineTag = 1;

    // rank: the place the result takes (1..12); isTime: the score is milliseconds (Beat the Clock).
    NewHiScoreMenu(const char* playerName, int score, bool isTime, int rank);

    void addContents() override;
    // What is in the name field, as typed: not trimmed, possibly empty.
    String enteredName() const;

    TextEntryField* nameField = nullptr;  // held by the inner view
    String playerName;
    int score;
    unsigned char isTime;
    int rank;
};

// Stores the result under the name as a pending entry of the table (which saves itself): in slot 7 for Free
// Play, else in the difficulty's slot; lower is better in Beat the Clock. Returns the entry's position.
int storeNewHiScore(HiScoreTable& table, const String& name, int gameType, int difficulty, int score, int gameId);

#endif
