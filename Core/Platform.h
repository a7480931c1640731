#pragma once

#include "Core/String.h"

// What the game asks of the device and where its files live.

String getUniqueDeviceId();  // at most 64 bytes of [0-9a-f]
// The first three bytes of the device's locale, the first two in lower case ("en_US" -> "en_").
String getDeviceLanguage();
String getOsVersion();
String getHardware();
// Hand a mail or a link to the desktop's applications; failures are logged, nothing is returned.
void launchEmail(const String& subject, const String& body);
void launchBrowser(const char* url);
void shutdownCore();

// Read-only resources of the working directory: "./" + name + "." + ext.
String makeResourcePath(const String& name, const String& ext);
// Saved data files live in the working directory under their bare name.
String dataFilePath(const String& name);
// The whole resource file; an empty String when it is missing.
String readResourceFile(const String& name, const String& ext);
