#pragma once

// Restores the locale variables (LC_ALL, LC_MESSAGES, LANG) a test changes, when it goes out of scope.
//
//   LocaleVariables restore;
//   restore.set(nullptr, nullptr, "fr_FR.UTF-8");   // null unsets a variable

#include <cstdlib>
#include <string>

class LocaleVariables {
public:
    LocaleVariables()
    {
        for (int i = 0; i < 3; ++i) {
            const char* value = getenv(kNames[i]);
            had_[i] = value != nullptr;
            saved_[i] = value ? value : "";
        }
    }
    ~LocaleVariables()
    {
        for (int i = 0; i < 3; ++i)
            had_[i] ? setenv(kNames[i], saved_[i].c_str(), 1) : unsetenv(kNames[i]);
    }
    void set(const char* all, const char* messages, const char* lang)
    {
        const char* values[] = {all, messages, lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(kNames[i], values[i], 1) : unsetenv(kNames[i]);
    }

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    bool had_[3];
    std::string saved_[3];
};
