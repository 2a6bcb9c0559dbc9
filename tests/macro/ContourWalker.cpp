#include "ContourWalker.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv::test {

namespace {

constexpr double kPi = 3.141592653589793;

// The words of a line as letter -> value, in a simple reading: a letter, then the characters
// of a number. Returns false for anything else.
bool ReadWords(const std::string& line, std::multimap<char, double>& words) {
  size_t at = 0;
  while (at < line.size()) {
    const char letter = line[at++];
    if (letter < 'A' || letter > 'Z') return false;
    const size_t begin = at;
    while (at < line.size() && (std::isdigit(static_cast<unsigned char>(line[at])) ||
                                line[at] == '.' || line[at] == '-')) {
      ++at;
    }
    if (begin == at) return false;
    words.emplace(letter, std::strtod(line.substr(begin, at - begin).c_str(), nullptr));
  }
  return true;
}

// A move line: an optional prefix (G41/G42/G09), then G01 X Y, or G02/G03 X Y I J.
bool ReadMove(const std::string& line, WalkedMove& move, std::string& prefix) {
  size_t body = 0;
  while (line.compare(body, 3, "G41") == 0 || line.compare(body, 3, "G42") == 0 ||
         line.compare(body, 3, "G09") == 0) {
    body += 3;
  }
  prefix = line.substr(0, body);
  const std::string rest = line.substr(body);
  std::multimap<char, double> words;
  if (!ReadWords(rest, words) || words.count('G') != 1) return false;
  move.g = static_cast<int>(words.find('G')->second);
  const size_t expected = move.g == 1 ? 3 : 5;
  if (move.g < 1 || move.g > 3 || words.size() != expected) return false;
  if (words.count('X') != 1 || words.count('Y') != 1) return false;
  move.dx = words.find('X')->second;
  move.dy = words.find('Y')->second;
  if (move.g == 1) return rest.compare(0, 3, "G01") == 0;
  if (words.count('I') != 1 || words.count('J') != 1) return false;
  move.i = words.find('I')->second;
  move.j = words.find('J')->second;
  return true;
}

std::string Line(const std::vector<std::u16string>& lines, size_t n) {
  return n < lines.size() ? ToUtf8(lines[n]) : std::string();
}

}  // namespace

ContourWalk WalkContour(const std::vector<std::u16string>& lines, size_t start) {
  ContourWalk walk;
  size_t n = start;
  walk.marker = Line(lines, n) == "G00G01G02G03";
  if (walk.marker) ++n;
  std::multimap<char, double> rapid;
  const std::string pierce = Line(lines, n++);
  if (pierce.compare(0, 3, "G00") != 0 || !ReadWords(pierce, rapid) || rapid.size() != 3 ||
      rapid.count('X') != 1 || rapid.count('Y') != 1) {
    walk.problem = "no rapid to the pierce point: " + pierce;
    return walk;
  }
  walk.pierceX = rapid.find('X')->second;
  walk.pierceY = rapid.find('Y')->second;
  if (Line(lines, n++) != "G91") {
    walk.problem = "no G91 after the rapid";
    return walk;
  }
  const std::string approach = Line(lines, n++);
  if (!ReadMove(approach, walk.approach, walk.approachPrefix) || walk.approach.g != 1) {
    walk.problem = "bad approach: " + approach;
    return walk;
  }
  for (; n < lines.size(); ++n) {
    const std::string text = Line(lines, n);
    if (text == "G00") {
      ++walk.cornerStops;
      continue;
    }
    if (text == "G90" || text == "G91") break;
    WalkedMove move;
    std::string prefix;
    if (!ReadMove(text, move, prefix) || !prefix.empty()) {
      walk.problem = "bad contour line: " + text;
      return walk;
    }
    walk.moves.push_back(move);
  }
  walk.closingMode = Line(lines, n++);
  if (Line(lines, n++) != "G00G40") walk.problem = "no G00G40 after the closing mode";
  walk.next = n;
  return walk;
}

std::string ClosedContourProblem(const ContourWalk& walk, bool incremental) {
  if (!walk.problem.empty()) return walk.problem;
  if (walk.moves.empty()) return "no contour";
  double sumX = 0, sumY = 0;
  for (size_t n = 0; n < walk.moves.size(); ++n) {
    const WalkedMove& m = walk.moves[n];
    sumX += m.dx;
    sumY += m.dy;
    if (m.g == 1) continue;
    // Ends and centres rounded on their own leave the radii up to about 0.002 apart.
    const double startRadius = std::hypot(m.i, m.j);
    const double endRadius = std::hypot(m.dx - m.i, m.dy - m.j);
    if (std::fabs(startRadius - endRadius) > 0.0025 + 1e-9) {
      return "arc " + std::to_string(n) + " radii " + std::to_string(startRadius) + " and " +
             std::to_string(endRadius);
    }
  }
  const double allowed = 0.0005 * walk.moves.size() + 1e-9;
  if (std::fabs(sumX) > allowed || std::fabs(sumY) > allowed) {
    return "contour does not close: " + std::to_string(sumX) + ", " + std::to_string(sumY);
  }
  if (walk.closingMode != (incremental ? "G91" : "G90")) {
    return "closing mode " + walk.closingMode;
  }
  return {};
}

namespace {

// The angle an arc turns through, 0 to 2 pi, in its own direction.
double ArcSweep(const WalkedMove& m) {
  const double from = std::atan2(-m.j, -m.i);
  const double to = std::atan2(m.dy - m.j, m.dx - m.i);
  double sweep = m.g == 3 ? to - from : from - to;
  while (sweep <= 1e-12) sweep += 2 * kPi;
  while (sweep > 2 * kPi) sweep -= 2 * kPi;
  return sweep;
}

}  // namespace

double EnclosedArea(const ContourWalk& walk) {
  double x = 0, y = 0, area = 0;
  for (const WalkedMove& m : walk.moves) {
    const double ex = x + m.dx, ey = y + m.dy;
    area += (x * ey - ex * y) / 2;
    if (m.g != 1) {
      // The circular segment between the chord and the arc.
      const double radius = std::hypot(m.i, m.j);
      const double sweep = ArcSweep(m);
      const double segment = radius * radius / 2 * (sweep - std::sin(sweep));
      area += m.g == 3 ? segment : -segment;
    }
    x = ex;
    y = ey;
  }
  return area;
}

double PathLength(const ContourWalk& walk) {
  double length = 0;
  for (const WalkedMove& m : walk.moves) {
    length += m.g == 1 ? std::hypot(m.dx, m.dy) : std::hypot(m.i, m.j) * ArcSweep(m);
  }
  return length;
}

}  // namespace qv::test
