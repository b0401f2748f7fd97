// Shared by the loader fuzz targets: a walk over a loaded sky that checks its
// invariants and exercises views, hit tests and texts, so that bad data that
// loads is used as well.
#pragma once

class Himmel;

// Traps when a loaded star or constellation breaks an invariant that the
// engine relies on.
void invarianten_pruefen(const Himmel& h);

// The invariants, then five views of what a drawing would compute (nothing
// is drawn): positions, hit tests and texts.
void himmel_pruefen(Himmel& h);
