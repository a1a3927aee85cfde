// Reads the STRINGTABLE entries of a resource script: lines of the form
//   <number>, "<text>"
// between BEGIN and END. Escapes \r \n \t \\ \" and doubled quotes are decoded.
#pragma once

#include <map>
#include <string>

#include "test_files.h"  // readWholeFile

struct StringTableRead {
    bool opened = false;
    std::map<int, std::string> strings;  // id -> decoded text
    int duplicateIds = 0;
    int malformedLines = 0;
};

StringTableRead readStringTable(const std::string& path);
