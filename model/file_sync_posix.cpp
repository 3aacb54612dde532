// SyncFileToDisk for POSIX systems.
#include <unistd.h>

#include "file_sync.h"

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}
