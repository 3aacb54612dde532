// Pushing a written file from the operating system's cache to the disk, so that a replacement is
// complete on disk before it takes the old file's place.
#pragma once

#include <cstdio>

// Flushes file's buffer and asks the system to write the file to disk; false on any error.
bool SyncFileToDisk(std::FILE* file);
