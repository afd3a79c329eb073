// The names of the files the program keeps, in one place: the readers and
// writers, the backup, the exports' refusal to write over them and the
// folder lock all take them from here. Each is a fixed part of the data
// folder's layout that older copies of the program read too.
#pragma once

namespace qm {

// In the data folder (the working directory).
inline constexpr const char* RosterFileName = "golfers.qmd";
inline constexpr const char* CourseFileName = "courses.qmd";
inline constexpr const char* SampleCourseFileName = "sample.qmd";
inline constexpr const char* StrokeFileName = "strokes.qmd";
// A golfer's score file is the golfer's short name with this extension.
inline constexpr const char* ScoreFileExtension = ".qmg";
// Held while a program works on the folder.
inline constexpr const char* DataFolderLockName = "quillmor.lock";

// In the user's configuration folder.
inline constexpr const char* SettingsFileName = "quillmor.ini";

}  // namespace qm
