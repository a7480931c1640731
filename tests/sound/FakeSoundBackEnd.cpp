#include "FakeSoundBackEnd.h"

#include <algorithm>
#include <cstdio>

void CallLog::add(const std::string& line) {
    std::lock_guard<std::mutex> lock(guard);
    entries.push_back(line);
}

std::vector<std::string> CallLog::lines() {
    std::lock_guard<std::mutex> lock(guard);
    return entries;
}

void CallLog::clear() {
    std::lock_guard<std::mutex> lock(guard);
    entries.clear();
}

int CallLog::count(const std::string& line) {
    std::lock_guard<std::mutex> lock(guard);
    return static_cast<int>(std::count(entries.begin(), entries.end(), line));
}

std::string volumeText(float volume) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", volume);
    return text;
}

void FakeSound::load(const String& fileName, const String& ext, float v, bool) {
    log.add(std::string("load ") + fileName.c_str() + "." + ext.c_str() + " " + volumeText(v));
}

Sound::SoundImplI* FakeMusicBackEnd::createSoundImpl(const String& name, const String&) {
    std::unique_lock<std::mutex> lock(guard);
    holding = !gateOpen && heldName == name.c_str();
    gateOpened.wait(lock, [&] { return gateOpen || heldName != name.c_str(); });
    holding = false;
    FakeSound* sound = new FakeSound(name.c_str());
    sounds.push_back(sound);
    return sound;
}

FakeSound* FakeMusicBackEnd::sound(const std::string& name) {
    std::lock_guard<std::mutex> lock(guard);
    for (FakeSound* s : sounds)
        if (s->name == name) return s;
    return nullptr;
}

void FakeMusicBackEnd::holdCreation(const std::string& name) {
    std::lock_guard<std::mutex> lock(guard);
    heldName = name;
    gateOpen = false;
}

void FakeMusicBackEnd::open() {
    {
        std::lock_guard<std::mutex> lock(guard);
        gateOpen = true;
    }
    gateOpened.notify_all();
}

std::string FakeMusicBackEnd::stamp() { return virtualNow ? std::to_string(virtualNow->load()) + " " : ""; }

void FakeMusicBackEnd::loadMusic(const String& name, const String& ext, float v) {
    volume = v;
    loaded = true;
    musicPlaying = true;  // a load in progress counts as playing, as in the real back end
    log.add(stamp() + "load " + name.c_str() + "." + ext.c_str() + " " + volumeText(v));
}

void FakeMusicBackEnd::setMusicVolume(float v) {
    volume = v;
    log.add(stamp() + "volume " + volumeText(v));
}

void FakeMusicBackEnd::playMusic() {
    musicPlaying = loaded.load();
    log.add(stamp() + "play");
}

void FakeMusicBackEnd::unloadMusic() {
    loaded = false;
    musicPlaying = false;
    log.add(stamp() + "unload");
}

std::vector<std::string> FakeMusicBackEnd::loads() {
    std::vector<std::string> names;
    for (const std::string& line : log.lines()) {
        size_t at = line.find("load ");
        if (at == std::string::npos || (at > 0 && line[at - 1] != ' ')) continue;
        std::string rest = line.substr(at + 5);
        names.push_back(rest.substr(0, rest.rfind(' ')));
    }
    return names;
}

void setGameTime(int32_t ms) {
    gGameClock.paused = false;
    gGameClock.pausedTotal = 0;
    gGameClock.updateAt(ms);
}

std::atomic<int32_t> VirtualClock::now{0};
int32_t VirtualClock::hookTime = -1;
void (*VirtualClock::hook)() = nullptr;

void VirtualClock::reset() {
    now = 0;
    hookTime = -1;
    hook = nullptr;
}

int32_t VirtualClock::nowMs() { return now; }

void VirtualClock::sleepMs(int ms) {
    now += ms;
    if (hook && hookTime >= 0 && now >= hookTime) {
        void (*action)() = hook;
        hook = nullptr;
        action();
    }
}
