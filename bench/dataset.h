// A full club, written to disk for the benchmarks: MaxGolfers golfers with
// MaxScores rounds each, a course list and the roster. The same seed always
// gives the same bytes, so figures from different runs and different
// benchmarks speak of the same files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qm::bench {

enum class FileOrder {
  OldestFirst,  // as a golfer's rounds are appended over the years
  NewestFirst,  // as the program writes a file after sorting it
};

struct DatasetShape {
  int Golfers = 300;
  int RoundsPerGolfer = 200;
  int Courses = 40;
  FileOrder Order = FileOrder::OldestFirst;
  unsigned Seed = 20020223;
};

struct Dataset {
  std::filesystem::path Folder;
  std::vector<std::string> ScoreFiles;  // bare names, in roster order
  std::size_t Bytes = 0;                // of all score files together
};

// Writes golfers.qmd, courses.qmd and one score file per golfer into folder
// (created when missing; files of the same names are replaced). Rounds of a
// golfer fall on dates a few days apart with, now and then, two rounds on
// one day, so equal dates occur as they do in real files; about one round in
// twenty is incomplete (no gross score). Throws std::runtime_error when a
// file cannot be written.
Dataset WriteDataset(const std::filesystem::path& folder, const DatasetShape& shape = {});

// Reads every score file of the set whole, as `cat` does, from the working
// directory; returns the bytes read. Aborts when a file cannot be opened.
std::size_t ReadScoreFiles(const Dataset& set);

// A folder under the system's temporary folder, unique to this process.
std::filesystem::path ScratchFolder(const std::string& name);

}  // namespace qm::bench
