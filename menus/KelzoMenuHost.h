#ifndef KELZO_MENUS_KELZOMENUHOST_H
#define KELZO_MENUS_KELZOMENUHOST_H

#include "menus/HiScoresHostI.h"
#include "menus/HistoryHostI.h"
#include "menus/SettingsHostI.h"
#include "menus/VolumeControls.h"

class KelzoGame;

// The application object's answers to the screens: alerts through its alert call (answered by its alert
// ids), theme pictures into its graphics set, the language screen, the volumes of its sound player, and the
// play history and Free Play progress the high-score screen sends, and the history strip's replay.
class KelzoMenuHost : public SettingsHostI, public VolumeControlsI, public HiScoresHostI, public HistoryHostI {
public:
    explicit KelzoMenuHost(KelzoGame& game) : game(game) {}

    void showAlert(int alertId, const char* title, const char* message, const char* button1, const char* button2,
                   int startDelayMs, int messageFontSize) override;
    void loadTheme(int theme) override;
    void languageChanged() override;
    void showLanguageMenu() override;

    void setEffectsVolume(float volume) override;
    void setMusicVolume(float volume) override;
    void playHitEffect() override;
    void cancelMusicRamp() override;
    bool isMusicSuppressed(float musicVolume) override;

    String historySample() override;
    int freePlayLevel() override;
    int puzzlesLeftInLevel() override;

    const Array<HistoryRecord>& playHistory() override;
    void replayHistoryRecord(const HistoryRecord& record) override;
    void playClick() override;

    KelzoGame& game;
};

#endif
