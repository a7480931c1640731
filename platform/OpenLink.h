#pragma once

// Starts `program` with the one argument `link`, detached (no shell, no waiting for it to end).
// False, with a logged reason, when the program could not be started.
bool openLinkWith(const char* program, const char* link);
