// Quillmor's windows and where they are reached.
//
// The program-wide values (limits, the Maximum Index Rule, the Closing flag,
// the version) and the long-lived windows live in one object, Program(). The
// main window fills the values in its creation handler; StartUp() creates the
// long-lived windows, hidden, in their fixed order. A window that needs a
// long-lived one reaches it through Program() (Program().ScoreForm, ...),
// never through a global of its own.
//
// A later long-lived window joins start-up by getting a member here and a
// line in StartUp() (qmapp.cpp), at its place in the order:
//
//   p.ScoreForm = Keep(new TScoreForm);
//
// Keep() records the window so that ShutDown() destroys it (the newest
// first); the window is created hidden and stays hidden until it is used.
// Windows made anew by a command (the maintenance windows, the golfer list,
// the About box, the small dialogs) are not kept here.
#pragma once

#include <QString>
#include <memory>

#include "store/records.h"

namespace qm {

class TMainForm;
class TScoreForm;
class TGolferForm;
class TCourseForm;
class TGNameForm;

struct QmProgram {
  bool UseMaxIndex = true;
  bool Closing = false;
  QString Version;
  QString VersionDate;

  // Owned here; created by StartUp(), destroyed by ShutDown(). Null until
  // created (tests create only what they use).
  TMainForm* MainForm = nullptr;
  TScoreForm* ScoreForm = nullptr;
  TGolferForm* GolferForm = nullptr;
  TCourseForm* CourseForm = nullptr;
  TGNameForm* GNameForm = nullptr;
};

// The one program object.
QmProgram& Program();

// Sets the program's title (the task bar text), creates the main window (its
// creation handler runs), then, hidden and in this order, the score entry
// window, the golfer scores window, the course editor and the golfer name
// dialog. The About box is
// made anew whenever it is opened. Needs the QApplication.
void StartUp();

// Destroys the windows the main window's commands opened (asking nothing),
// then every window StartUp() made, the newest first, and resets Program()
// to its start values, so that tests can start again.
void ShutDown();

// Makes the program's artwork (a resource of this static library) available.
// Safe to call more than once; the windows that show artwork call it.
void InitResources();

}  // namespace qm
