// A file replaced in one step: the new content goes into a temporary file
// beside the target, is flushed to the disk, and only then takes the
// target's name in one rename. Until that rename the target keeps its old
// bytes, so a failure (a full disk, a read-only target) or a process killed
// at any moment never leaves a missing or half-written target; a failure
// also removes the temporary file. Windows only.
#pragma once

#include <cstddef>
#include <cstdint>

#include "breit.h"

// What the temporary file starts from: nothing (a picture written anew) or
// a copy of the old target (a settings file whose keys are changed in the
// copy, so keys the writer does not own survive); no old target gives an
// empty file either way.
enum class Ersatzanfang : int32_t { LEER, KOPIE };

// Results of Ersatzdatei.
constexpr int32_t ERSATZ_FERTIG = 0;
constexpr int32_t ERSATZ_PFAD = -1;       // no valid UTF-8, too long, or no temporary file beside the target
constexpr int32_t ERSATZ_GESCHUETZT = -2; // the target is a folder or marked read-only
constexpr int32_t ERSATZ_KOPIE = -3;      // the old target could not be copied
constexpr int32_t ERSATZ_KURZ = -4;       // a write came out short (a full disk)
constexpr int32_t ERSATZ_SICHERN = -5;    // flushing to the disk failed
constexpr int32_t ERSATZ_TAUSCH = -6;     // the rename onto the target failed

class Ersatzdatei {
public:
    // Makes the temporary file beside ziel (a UTF-8 path); stand() tells
    // whether it is ready.
    Ersatzdatei(const char* ziel, Ersatzanfang anfang);
    // Not finished: the temporary file is removed, the target untouched.
    ~Ersatzdatei();
    Ersatzdatei(const Ersatzdatei&) = delete;
    Ersatzdatei& operator=(const Ersatzdatei&) = delete;

    // ERSATZ_FERTIG while every step so far succeeded, else the first failure.
    int32_t stand() const { return ergebnis; }
    // Appends n bytes to the temporary file (LEER); false, and stand()
    // ERSATZ_KURZ, when they were not all written.
    bool schreiben(const void* daten, size_t n);
    // The temporary file's path for Windows' functions that change it by
    // name (the profile functions, KOPIE); "" when it is not ready.
    const wchar_t* vorlaeufig() const { return ergebnis == ERSATZ_FERTIG ? neu : L""; }
    // Flushes the temporary file and renames it onto the target, unless a
    // step failed before. The result: stand() afterwards.
    int32_t vollenden();

private:
    bool anlegen(Ersatzanfang anfang);
    void verwerfen();

    wchar_t ziel[BREIT_PFAD];
    wchar_t neu[BREIT_PFAD];
    void* handle;  // the temporary file while it is written (LEER), else null
    int32_t ergebnis;
    bool angelegt;  // the temporary file exists and is ours to remove
};

// The steps between which a writer can fail or be killed, each before the
// system's call that it names.
enum class Ersatzschritt : int32_t {
    SCHREIBEN,    // each write of schreiben
    GESCHRIEBEN,  // all written: the flush to the disk
    GESICHERT,    // flushed and closed: the rename onto the target
};

// Test seam: called at each step with the temporary file's path; false
// makes the step's call fail as the system's would (a failed SCHREIBEN
// writes half the bytes, as on a full disk). A test that only looks and answers
// true sees what a kill at that step would leave. Null in the programs.
extern bool (*ersatz_schritt)(Ersatzschritt schritt, const wchar_t* vorlaeufig);
