#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv::test {

// One incremental move of a produced contour as read back from its text.
struct WalkedMove {
  int g = 1;  // 1 line, 2 clockwise arc, 3 counter-clockwise arc
  double dx = 0;
  double dy = 0;
  double i = 0;  // arc centre, relative to the move's start
  double j = 0;
};

// One figure read back from produced lines: the framing and the contour moves.
struct ContourWalk {
  std::string problem;  // empty when the lines have the expected framing
  bool marker = false;  // "G00G01G02G03" came first
  double pierceX = 0;
  double pierceY = 0;
  std::string approachPrefix;  // "G41G09" and the like
  WalkedMove approach;
  std::vector<WalkedMove> moves;
  int cornerStops = 0;      // lone "G00" lines inside the contour
  std::string closingMode;  // "G90" or "G91"
  size_t next = 0;          // index of the line after the figure
};

// Reads the figure that starts at lines[start].
ContourWalk WalkContour(const std::vector<std::u16string>& lines, size_t start = 0);

// What is wrong with a walked figure as a closed cut contour: the moves after the approach
// return to their start (within 0.0005 per move), every arc's start and end lie at the same
// distance from its centre (within 0.0025), and the closing pair restores the distance mode.
// Empty when all holds.
std::string ClosedContourProblem(const ContourWalk& walk, bool incremental);

// The signed area the contour encloses (positive counter-clockwise), arcs included.
double EnclosedArea(const ContourWalk& walk);

// The length of the contour, arcs along their circles: a scale for tolerances.
double PathLength(const ContourWalk& walk);

}  // namespace qv::test
