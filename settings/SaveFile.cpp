#include "settings/SaveFile.h"

#include "Core/File.h"
#include "settings/Settings.h"

bool saveFile(const String& name, const std::function<bool(StreamOut&)>& write)
{
    if (gSaveSuppressed)
        return false;
    bool ok = false;
    File file(name, false, false, true, &ok);
    if (!ok)
        return false;
    if (!write(file)) {
        file.discard();
        return false;
    }
    return file.commit();
}
