// Draws every picture of the play screen and the menus and writes the files the game reads into the data folder.
#include "CommonSheet.h"
#include "LooseFiles.h"
#include "MenuPictures.h"
#include "ThemeSheets.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);  // usually there already
    std::vector<std::function<bool(std::string&)>> jobs;
    for (int theme = 0; theme < kThemeCount; ++theme)
        jobs.push_back([theme, dir](std::string& e) { return buildThemeSheet(theme, dir, e); });
    jobs.push_back([dir](std::string& e) { return buildCommonSheet(dir, e); });
    jobs.push_back([dir](std::string& e) { return writeLooseFiles(dir, e) && writeLaunchPicture(dir, e); });
    jobs.push_back([dir](std::string& e) { return writeToolkitPictures(dir, e); });
    jobs.push_back([dir](std::string& e) { return writeScreenPictures(dir, e); });

    std::vector<std::string> errors(jobs.size());
    std::vector<char> ok(jobs.size(), 0);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < jobs.size(); ++i)
        threads.emplace_back([&, i] { ok[i] = jobs[i](errors[i]); });
    for (std::thread& t : threads)
        t.join();
    int failed = 0;
    for (size_t i = 0; i < jobs.size(); ++i) {
        if (!ok[i]) {
            std::fprintf(stderr, "artgen: %s\n", errors[i].c_str());
            ++failed;
        }
    }
    // Hand back the font caches, so leak checkers see only our own memory.
    cairo_debug_reset_static_data();
    FcFini();
    return failed ? 1 : 0;
}
