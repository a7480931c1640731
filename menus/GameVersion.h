#ifndef KELZO_MENUS_GAMEVERSION_H
#define KELZO_MENUS_GAMEVERSION_H

// The version the player and the feedback mails see.
constexpr char kGameVersionText[] = "1.6.2";

#endif
