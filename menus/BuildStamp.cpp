#include "menus/BuildInfoText.h"

// Alone in its file: only this file changes its output with every build.
BuildStamp currentBuildStamp()
{
    return BuildStamp{__DATE__, __TIME__};
}
