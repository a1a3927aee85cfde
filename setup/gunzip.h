// Decompresses a gzip file with zlib's gzip reader: into a new plain file, or into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Returns true on success. Every failure is reported in a message box with no owner and no
// caption text, and whatever was opened is closed.
bool gunzipFile(const char* destinationPath, const char* sourcePath);

// The same decompression into memory: `plain` receives the decompressed bytes (at most the most
// a setup archive may hold). sizeHintBytes is the size expected (the gzip trailer's), used only to
// reserve room. The same messages as gunzipFile for the same failures, and one more when memory
// runs out.
bool gunzipFileToMemory(std::vector<uint8_t>& plain, const char* sourcePath, size_t sizeHintBytes);
