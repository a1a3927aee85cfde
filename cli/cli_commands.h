// The console tool's commands: each reads the arguments after its name and returns the exit status.
#pragma once

int runTimetable(int argc, char** argv);  // command_timetable.cpp
int runTimes(int argc, char** argv);      // command_times.cpp
int runHijri(int argc, char** argv);      // command_hijri.cpp
int runPlaces(int argc, char** argv);     // command_places.cpp
int runQibla(int argc, char** argv);      // command_qibla.cpp
int runNext(int argc, char** argv);       // command_next.cpp

// The whole tool: argv[0] is the program, argv[1] the command. Returns the exit status.
int runCommandLine(int argc, char** argv);  // command_line.cpp
