#pragma once

#include <memory>
#include <string>

#include "platform/TList.h"

// More small helpers for programs built on the same library as the game.

// A whole number from min to max, both included (the ends are swapped if max <
// min), from the C library's generator, not the game's.
int ccFastRand(int min, int max);
int ccFastRandSeed(int seed);

// value with decimals digits after the point (cut, not rounded; 0: no point), a
// comma every groupSize characters left of the point (a minus sign counts as
// one; 0: none), right-aligned in width + decimals + 1 characters ("Error" when
// it does not fit; width 0: not aligned).
std::string ccFormatNumber(double value, int decimals, int groupSize, int width);
// value rounded to places digits after the point, halves away from zero.
// Negative places round to tens, hundreds and so on.
float ccRoundFloat(float value, int places);

double ccPointToPointDist(double x1, double y1, double x2, double y2);
// Half the width of a circle at height y from its centre; not a number when
// y lies outside the circle.
float ccCircleHalfWidthAtY(float radius, float y);
// 1 when the segment (x1, y1) to (x2, y2) comes closer than radius to (cx, cy).
int ccCircleLineIntersect2(double x1, double y1, double x2, double y2, double cx, double cy,
                           double radius);

// The frequency ratio of a note semitones above (below, when negative) a base note.
float ccGetMusicalNote(int semitones);
// The frequency ratio of a degree of the C major scale over two octaves (0 to 14).
float ccGetMusicalNoteInScaleC(int degree);

// Appends every element of source to target, in order. 0 when either list is
// missing or source is empty, else 1.
int ccAddLists(const std::shared_ptr<TList>& target, const std::shared_ptr<TList>& source);

// The outline of the rectangle from (x, y) to (x + width, y + height).
int ccDrawRectOutlinePrecise(float x, float y, float width, float height);
// One line per display mode on standard output.
int ccPrintGraphicsModes();

// The system's shared data folder (the first of XDG_DATA_DIRS), or an empty
// text when it does not exist.
std::string ccGetSharedUserDataFolder();

// Queries with nothing to answer on this system: always the empty text.
std::string ccGetDirectXVersion();
std::string ccGetEnvVar(const std::string& name = {});
std::string ccGetSpecialFolder(int folder = 0);
std::string ccGetVersionString();

// Window decorations the system manages by itself: nothing to do.
int ccEnableMaximize(int window, int enable);
int ccEnableMinimize(int window, int enable);
int ccVWait();
