#ifndef KELZO_MENUS_MENUALERTLOG_H
#define KELZO_MENUS_MENUALERTLOG_H

class CustomAlertView;

// Logs an alert a screen opens on its own (the contact form's answers, the console's alerts) as the shell
// logs its numbered ones, with id -1: "alert -1: <title>" and "alert -1 taps: tag:x,y ...". Whoever drives
// the game from outside finds its button there.
void logMenuAlert(const char* title, CustomAlertView* alert);

#endif
