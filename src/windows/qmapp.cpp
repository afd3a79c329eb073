#include "windows/qmapp.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/look.h"
#include "ui/messages.h"
#include "ui/prompts.h"
#include "windows/qmcourse.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"

// Q_INIT_RESOURCE declares the resource's initialiser in the enclosing
// namespace, so it is called from the global one.
static void InitQuillmorResources() { Q_INIT_RESOURCE(quillmor); }

namespace qm {

namespace {

// The long-lived windows in the order StartUp() made them.
std::vector<QPointer<QWidget>>& KeptWindows() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}

template <class W>
W* Keep(W* window) {
  KeptWindows().emplace_back(window);
  return window;
}

}  // namespace

QmProgram& Program() {
  static QmProgram program;
  return program;
}

void InitResources() {
  static const bool done = (InitQuillmorResources(), true);
  (void)done;
}

void StartUp() {
  InitResources();
  // Not the application's display name: the window system adds a display
  // name to every window's caption, so "Enter Score - Ann" would carry the
  // program's title behind it. Nor its name, which is the window class the
  // desktop groups the windows by ("quillmor", set by the program's entry).
  SetProgramTitle(msg::ProgramTitle());
  ApplyColourScheme(StoredColourScheme());
  QmProgram& p = Program();
  p.MainForm = Keep(new TMainForm);

  // The long-lived windows, created hidden, in this order; a window that
  // joins the program adds its line at its place. The About box and the
  // card details dialog are made anew at each opening, so nothing is kept.
  //
  // The score entry window loads the course list: on a first start the
  // sample list becomes the user's, or the rename error shows, before the
  // main window appears.
  p.ScoreForm = Keep(new TScoreForm);
  p.GolferForm = Keep(new TGolferForm);
  p.CourseForm = Keep(new TCourseForm);
  p.GNameForm = Keep(new TGNameForm);
}

void ShutDown() {
  QmProgram& p = Program();
  if (p.MainForm != nullptr) p.MainForm->DestroyOpenedWindows();
  auto& kept = KeptWindows();
  for (auto it = kept.rbegin(); it != kept.rend(); ++it) delete it->data();
  kept.clear();
  p = QmProgram{};
}

}  // namespace qm
