// The names the settings accept, as the engine's tables spell them: calculation methods and IANA
// zones. A name is looked up without regard to case.
#pragma once

#include <cstddef>

// The method of a first run.
const char* defaultMethodName();

// The table's spelling of a known method name, or NULL.
const char* knownMethodName(const char* name);

// The methods in table order; an index out of range gives the default method's name.
int methodNameCount();
const char* methodNameAt(int index);

// One line about a method for the settings dialog ("dawn 18°, evening 17°"); terminated.
void describeMethod(int index, char* text, size_t size);

// The table's spelling of a known zone name, or NULL.
const char* knownZoneName(const char* name);

// The zone names in table order; an index out of range gives "".
int knownZoneCount();
const char* knownZoneAt(int index);
