// Decompresses a gzip file into a new plain file with zlib's gzip reader.
#pragma once

// Returns true on success. Every failure is reported in a message box with no owner and no
// caption text, and whatever was opened is closed.
bool gunzipFile(const char* destinationPath, const char* sourcePath);
