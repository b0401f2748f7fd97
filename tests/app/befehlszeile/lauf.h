// Varnis32.exe run from the command line as a script runs it: its standard
// output and error redirected into files and read back, its exit code, and
// a time limit, so a program that would wait for a message box fails the
// test instead of hanging it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The built program with its data files beside it.
std::string varnis32();

struct Lauf {
    bool beendet = false;  // within the time limit
    DWORD code = 0;
    std::string ausgabe;   // standard output
    std::string fehler;    // standard error
};

// Runs programm with the arguments (each quoted) in the folder ordner,
// which also takes the two files for the output while it runs.
Lauf ausfuehren(const std::string& programm, const std::vector<std::string>& argumente,
                const std::string& ordner, DWORD ms = 60000);

bool vorhanden(const std::string& pfad);
