#include "dataset.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace qm::bench {

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

struct Course {
  std::string Name;
  std::string Rating;
  std::string Slope;
  int Pars[18];
};

std::vector<Course> MakeCourses(int count, std::mt19937& rng) {
  static const char* const first[] = {"OAK",   "PINE",  "RIVER", "MAPLE", "EAGLE",
                                      "STONE", "CEDAR", "LAKE",  "HILL",  "WILLOW"};
  static const char* const second[] = {"HOLLOW",  "CREEK",  "VALLEY", "RIDGE",
                                       "MEADOWS", "POINTE", "LINKS",  "DUNES"};
  std::vector<Course> courses;
  for (int i = 0; i < count; ++i) {
    Course c;
    c.Name = std::string(first[i % 10]) + " " + second[(i / 10) % 8] + " " + std::to_string(i);
    c.Rating = std::to_string(67 + rng() % 8) + "." + std::to_string(rng() % 10);
    c.Slope = std::to_string(105 + rng() % 40);
    for (int h = 0; h < 18; ++h) c.Pars[h] = (h % 9 == 2 || h % 9 == 6) ? 3 : (h % 9 == 4 ? 5 : 4);
    courses.push_back(c);
  }
  return courses;
}

std::string ShortNameOf(int golfer) {
  char name[16];
  std::snprintf(name, sizeof name, "G%04d", golfer);
  return name;
}

// Day number to yyyymmdd, with 28-day months: every key is a valid date and
// the order of the keys is the order of the days.
std::string DateKey(int day) {
  int year = 1990 + day / (12 * 28);
  int month = 1 + (day / 28) % 12;
  int dom = 1 + day % 28;
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, dom);
  return key;
}

std::string ScoreLine(const std::string& date, const Course& course, bool complete,
                      std::mt19937& rng, int handicap) {
  std::string line = date + "~" + course.Name + "~";
  int total = 0;
  int holes[18];
  int putts[18];
  for (int h = 0; h < 18; ++h) {
    holes[h] = course.Pars[h] + static_cast<int>(rng() % 4) - (rng() % 5 == 0 ? 1 : 0) +
               (handicap > 18 ? 1 : 0);
    putts[h] = 1 + static_cast<int>(rng() % 3);
    total += holes[h];
  }
  line += (complete ? std::to_string(total) : std::string()) + "~";
  line += course.Rating + "~" + course.Slope + "~";
  line += (rng() % 6 == 0 ? "windy, greens slow" : "") + std::string("~");
  for (int h = 0; h < 18; ++h) line += std::to_string(holes[h]) + "~";
  for (int h = 0; h < 18; ++h) line += std::to_string(putts[h]) + "~";
  line += std::to_string(total - static_cast<int>(rng() % 3)) + "~";
  line += std::to_string(handicap / 2) + "." + std::to_string(rng() % 10) + "~";
  line += std::to_string(handicap) + "~\r\n";
  return line;
}

}  // namespace

Dataset WriteDataset(const fs::path& folder, const DatasetShape& shape) {
  fs::create_directories(folder);
  std::mt19937 rng(shape.Seed);
  std::vector<Course> courses = MakeCourses(shape.Courses, rng);

  std::string courseFile;
  for (const Course& c : courses) {
    courseFile += c.Name + "~" + c.Rating + "~" + c.Slope + "~72~";
    for (int par : c.Pars) courseFile += std::to_string(par) + "~";
    courseFile += "\r\n";
  }
  WriteBytes(folder / "courses.qmd", courseFile);

  Dataset set;
  set.Folder = folder;
  std::string roster;
  for (int g = 1; g <= shape.Golfers; ++g) {
    std::string shortName = ShortNameOf(g);
    roster += "GOLFER " + std::to_string(g) + " " + shortName + "~" + shortName + "~" +
              std::to_string(g % 3 == 0 ? 1 : 0) + "~\r\n";
    int handicap = static_cast<int>(rng() % 30);
    std::vector<std::string> lines;
    int day = static_cast<int>(rng() % 200);
    for (int r = 0; r < shape.RoundsPerGolfer; ++r) {
      // Mostly a few days apart; one round in eight on the day of the one
      // before.
      if (r > 0 && rng() % 8 != 0) day += 1 + static_cast<int>(rng() % 12);
      const Course& course = courses[rng() % courses.size()];
      lines.push_back(ScoreLine(DateKey(day), course, rng() % 20 != 0, rng, handicap));
    }
    std::string file;
    if (shape.Order == FileOrder::OldestFirst) {
      for (const std::string& line : lines) file += line;
    } else {
      for (auto it = lines.rbegin(); it != lines.rend(); ++it) file += *it;
    }
    std::string name = shortName + ".qmg";
    WriteBytes(folder / name, file);
    set.ScoreFiles.push_back(name);
    set.Bytes += file.size();
  }
  WriteBytes(folder / "golfers.qmd", roster);
  return set;
}

std::size_t ReadScoreFiles(const Dataset& set) {
  std::size_t total = 0;
  std::vector<char> buffer(1 << 16);
  for (const std::string& name : set.ScoreFiles) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) std::abort();
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;)
      total += got;
    std::fclose(file);
  }
  return total;
}

fs::path ScratchFolder(const std::string& name) {
  return fs::temp_directory_path() / ("quillmor-bench-" + std::to_string(::getpid())) / name;
}

}  // namespace qm::bench
