#pragma once

// What the screen tests share: a host that records what the screens ask of the shell, and texts by id.

#include <map>
#include <string>
#include <vector>

#include "menus/MenuHostI.h"
#include "ui/ViewElementI.h"
#include "tests/ui/MenuTestFolder.h"

struct ShownAlert {
    int id;
    std::string title, message, button1, button2;
    int delayMs;
    int fontSize;
};

class FakeMenuHost : public MenuHostI {
public:
    void showAlert(int alertId, const char* title, const char* message, const char* button1, const char* button2,
                   int startDelayMs, int messageFontSize) override
    {
        alerts.push_back(ShownAlert{alertId, title ? title : "", message ? message : "", button1 ? button1 : "",
                                    button2 ? button2 : "(none)", startDelayMs, messageFontSize});
    }
    void loadTheme(int theme) override { themesLoaded.push_back(theme); }
    void languageChanged() override { languageChanges++; }

    std::vector<ShownAlert> alerts;
    std::vector<int> themesLoaded;
    int languageChanges = 0;
};

class ScreenTest : public MenuTestFolder {
protected:
    // Makes `language` current with these texts; every other id up to the highest is "".
    static void useTextsById(int language, const std::map<int, std::string>& texts)
    {
        std::vector<std::string> lines(texts.empty() ? 0 : texts.rbegin()->first + 1);
        for (const auto& entry : texts)
            lines[entry.first] = entry.second;
        useTexts(language, lines);
    }

    // Screen pixels in the rectangle whose green is above the threshold.
    static int brightPixels(int x0, int y0, int x1, int y1, int threshold = 128)
    {
        Bitmap* f = frame();
        int n = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                n += f->at(x, y).g > threshold;
        delete f;
        return n;
    }

    FakeMenuHost host;
};
