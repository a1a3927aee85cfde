// The copy page's work: the archive resource into "filesdata.gz", decompressed into
// "filesdata.dat" in the temporary folder, the records into the installation directory.
#pragma once

#include <windows.h>

// Runs the whole extraction and ends the copy page with the cancel flag (0 done, 1 cancelled or
// failed).
void extractArchive(HWND copyPage);

// Sets the cancel flag; the extraction stops after the current record.
void cancelExtraction();
