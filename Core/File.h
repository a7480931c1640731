#ifndef KELZO_CORE_FILE_H
#define KELZO_CORE_FILE_H

#include <cstdio>

#include "Core/Stream.h"
#include "Core/String.h"

// A file on disk, usable as input and as output stream. Every operation on a
// File without an open file does nothing and returns 0.
//
// Saving is safe by itself: a File opened for writing (not appending) writes
// to "<name>.tmp" in the same folder and remembers any short write. Only an
// explicit commit() flushes it to disk and renames it over <name>, and only
// when every write went through. A save that is closed, discarded or
// destroyed without commit() removes its temporary file and leaves the old
// file as it was, so a saver that gives up half-way (or returns early) can
// never replace a good file with part of one; neither can a crash or a full
// disk. A saver therefore does:
//
//     bool ok = false;
//     File file("gameState.dat", false, false, true, &ok);
//     if (ok && writeInt32(file, makeTag("fr01")) && ...) ok = file.commit();
//
// A save does not open over a file that is there but cannot be read (no read
// permission): that file was never loaded, and replacing it would wipe it.
//
// Appending ("ab"/"a") writes in place.
class File : public StreamIo {
public:
    File() = default;
    // Opens `name` for reading ("rb").
    File(const char* name, bool* ok);
    File(const String& name, bool* ok);
    // Opens `name` for writing. createNew: fail, without touching anything,
    // when the file already exists. Mode: binary ? (append ? "ab" : "wb")
    // : (append ? "a" : "w"); the non-append forms are safe saves.
    File(const char* name, bool createNew, bool append, bool binary, bool* ok);
    File(const String& name, bool createNew, bool append, bool binary, bool* ok);
    ~File() override;

    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOk() override { return true; }
    int read(void* buffer, int count) override;
    int write(const void* buffer, int count) override;
    int seek(int position) override;
    int skip(int count) override;
    int tell() override;
    int flush() override;

    // Opens a File that has none open: "rb", or for write a safe save
    // opened "wb+". True when it opened.
    virtual bool open(const char* name, bool write);
    // Closes the file. A save not committed is discarded: the old file is
    // kept, the temporary one removed, and the result is false.
    virtual bool close();

    // Finishes a save: true only when the new file replaced the old one
    // (every write went through, and it reached the disk). For a file that
    // is not a save, the same as close().
    bool commit();

    // Gives up a save in progress: the old file stays as it was.
    void discard();

    int seekEnd();
    // The bytes from the current position to the end.
    String readAll();

    bool isOpen() const { return handle_ != nullptr; }

private:
    bool openSave(const char* name, const char* mode);
    bool finishSave(bool keep);

    FILE* handle_ = nullptr;
    String targetName_;     // set while a safe save is open
    String tempName_;
    bool writeFailed_ = false;
};

// True when `name` can be opened for reading.
bool fileExists(const char* name);

// The one log line of a reader that starts from defaults instead of its
// file: "LOG <name> not found, starting fresh" for a missing file, or an
// ERR line for a damaged one, one that cannot be read, or a folder. A restart after a completed save must never
// show it, which the reliability tests check.
void logStartingFresh(const char* name, bool fileWasThere);

#endif
