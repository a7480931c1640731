#pragma once

// Catches the links the game hands to the desktop (mail, browser): while one of these lives, the
// link opener is a small script that writes its one argument to a file, which link() reads back.
//
//   LinkCatcher links(folder());
//   mailLogFile(-1);
//   EXPECT_EQ(links.link(), "mailto:?subject=Log&body=...");

#include "platform/Pdl.h"
#include "tests/support/FileBytes.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class LinkCatcher {
public:
    // `folder`: an absolute path of a folder the test owns.
    explicit LinkCatcher(const std::string& folder) : script_(folder + "/open-link.sh")
    {
        FILE* file = fopen(script_.c_str(), "w");
        if (file) {
            fprintf(file, "#!/bin/sh\nprintf '%%s' \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.link\"\n");
            fclose(file);
            chmod(script_.c_str(), 0755);
        }
        pdlSetOpenCommand(script_.c_str());
    }
    ~LinkCatcher() { pdlSetOpenCommand(nullptr); }

    // The link the script received, waiting up to about five seconds; "<none>" when none came.
    std::string link()
    {
        std::string path = script_ + ".link";
        for (int i = 0; i < 500; ++i) {
            std::string text;
            if (readFileBytes(path, &text)) {
                remove(path.c_str());
                return text;
            }
            usleep(10000);
        }
        return "<none>";
    }

private:
    std::string script_;
};
