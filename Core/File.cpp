#include "Core/File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Core/Log.h"

bool fileExists(const char* name)
{
    FILE* probe = name ? fopen(name, "rb") : nullptr;
    if (!probe)
        return false;
    fclose(probe);
    return true;
}

namespace {

// True when something stands at `name` that this process cannot open for reading (a file without
// read permission, a link that loops). A missing name, or a link to nothing, is not such a file.
bool unreadableThere(const char* name)
{
    int fd = ::open(name, O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno != ENOENT;
}

} // namespace

void logStartingFresh(const char* name, bool fileWasThere)
{
    // Say what stands there: a file the player cannot read, or a folder, is kept, not "damaged".
    struct stat info;
    const bool there = stat(name, &info) == 0;
    if (!there && errno == ENOENT)
        logPrintf("LOG", "%s not found, starting fresh", name);
    else if (!there || unreadableThere(name))
        logPrintf("ERR", "%s cannot be read, starting fresh; it is kept as it is", name);
    else if (!S_ISREG(info.st_mode))
        logPrintf("ERR", "%s is not a file, starting fresh; it is kept as it is", name);
    else if (fileWasThere)
        logPrintf("ERR", "%s is damaged, starting fresh", name);
    else
        logPrintf("LOG", "%s not found, starting fresh", name);
}

File::File(const char* name, bool* ok)
{
    bool opened = open(name, false);
    if (ok)
        *ok = opened;
}

File::File(const String& name, bool* ok) : File(name.c_str(), ok)
{
}

File::File(const char* name, bool createNew, bool append, bool binary, bool* ok)
{
    bool opened = false;
    if (name && !(createNew && fileExists(name))) {
        if (append) {
            handle_ = fopen(name, binary ? "ab" : "a");
            opened = handle_ != nullptr;
        } else {
            opened = openSave(name, binary ? "wb" : "w");
        }
    }
    if (ok)
        *ok = opened;
}

File::File(const String& name, bool createNew, bool append, bool binary, bool* ok)
    : File(name.c_str(), createNew, append, binary, ok)
{
}

File::~File()
{
    close();
}

bool File::openSave(const char* name, const char* mode)
{
    // A file that could not be read was never loaded: replacing it would wipe what it holds.
    if (unreadableThere(name))
        return false;
    targetName_ = name;
    tempName_ = targetName_ + ".tmp";
    writeFailed_ = false;
    handle_ = fopen(tempName_.c_str(), mode);
    if (!handle_) {
        targetName_ = String();
        tempName_ = String();
        return false;
    }
    return true;
}

bool File::open(const char* name, bool write)
{
    if (handle_ || !name)
        return false;
    if (write)
        return openSave(name, "wb+");
    handle_ = fopen(name, "rb");
    return handle_ != nullptr;
}

int File::read(void* buffer, int count)
{
    if (!handle_ || count <= 0)
        return 0;
    return static_cast<int>(fread(buffer, 1, count, handle_));
}

int File::write(const void* buffer, int count)
{
    if (!handle_ || count <= 0)
        return 0;
    int written = static_cast<int>(fwrite(buffer, 1, count, handle_));
    if (written != count)
        writeFailed_ = true;
    return written;
}

int File::seek(int position)
{
    return handle_ ? fseek(handle_, position, SEEK_SET) : 0;
}

int File::skip(int count)
{
    return handle_ ? fseek(handle_, count, SEEK_CUR) : 0;
}

int File::seekEnd()
{
    return handle_ ? fseek(handle_, 0, SEEK_END) : 0;
}

int File::tell()
{
    return handle_ ? static_cast<int>(ftell(handle_)) : 0;
}

int File::flush()
{
    if (!handle_)
        return 0;
    int result = fflush(handle_);
    if (result != 0)
        writeFailed_ = true;
    return result;
}

String File::readAll()
{
    if (!handle_)
        return String();
    int start = tell();
    seekEnd();
    int end = tell();
    seek(start);
    if (end <= start)
        return String();
    String text(end - start);
    int got = read(text.data(), end - start);
    return String(text.data(), got);
}

bool File::finishSave(bool keep)
{
    // Everything must be on disk before the new file takes the old one's name.
    bool good = keep && !writeFailed_ && fflush(handle_) == 0 && !ferror(handle_) && fsync(fileno(handle_)) == 0;
    good = fclose(handle_) == 0 && good;
    handle_ = nullptr;
    if (good)
        good = rename(tempName_.c_str(), targetName_.c_str()) == 0;
    if (!good)
        remove(tempName_.c_str());
    targetName_ = String();
    tempName_ = String();
    return good;
}

bool File::close()
{
    if (!handle_)
        return false;
    if (!targetName_.isEmpty())
        return finishSave(false);
    bool good = fclose(handle_) == 0;
    handle_ = nullptr;
    return good;
}

bool File::commit()
{
    if (handle_ && !targetName_.isEmpty())
        return finishSave(true);
    return close();
}

void File::discard()
{
    close();
}
