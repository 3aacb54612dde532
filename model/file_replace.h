// Replacing a file's whole content so that a failure at any point leaves the old file as it was.
#pragma once

#include <string>

// Writes content to a temporary file beside path and puts it in path's place only when every
// byte was written, synced to disk and closed. Fails (false), with path untouched and no
// temporary file left, when path's folder is missing, when path is read-only or not a regular
// file, or when any write, sync, close or the replacement itself fails. The new file keeps the
// old one's permissions.
bool ReplaceFileContent(const std::string& path, const std::string& content);

// The temporary file that ReplaceFileContent writes for path.
std::string TemporaryPathFor(const std::string& path);
