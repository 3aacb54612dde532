// SyncFileToDisk for the Windows C runtime, whose _commit writes the file's system buffers to disk.
#include <io.h>

#include "file_sync.h"

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}
