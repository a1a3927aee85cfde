// The copy page's work: the archive resource into "filesdata.gz" in the temporary folder, that
// file decompressed into memory, the records from there into the installation directory.
#pragma once

#include <windows.h>

// Runs the whole extraction and ends the copy page with the cancel flag (0 done, 1 cancelled or
// failed).
void extractArchive(HWND copyPage);

// Sets the cancel flag; the extraction stops after the current record.
void cancelExtraction();
