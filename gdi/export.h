// The program file exports the member functions and static members of the
// window library's classes by name, so that code loaded later can call them.
// A class marked with VARNIS_EXPORT is exported by every program that links
// one of its object files; other programs see no difference.
#pragma once

#define VARNIS_EXPORT __declspec(dllexport)
