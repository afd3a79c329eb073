#include "support/recording_device.h"

#include <stdexcept>

#include "store/errors.h"

namespace qm::test {

std::vector<std::string> RecordingDevice::PageValues(int p) const {
  std::vector<std::string> values;
  for (const Text& text : Texts)
    if (text.Page == p) values.push_back(text.Value);
  return values;
}

void RecordingDevice::BeginDocument() {
  Calls.push_back("Begin");
  if (FailAt == "Begin") throw QmError("Unable to open the printer Recorder");
  Open = true;
  Page = 1;
}

void RecordingDevice::NewPage() {
  Calls.push_back("NewPage");
  if (!Open) throw std::logic_error("NewPage outside a document");
  if (FailAt == "NewPage") throw QmError("Unable to start a new page");
  ++Page;
}

void RecordingDevice::EndDocument() {
  Calls.push_back("End");
  if (!Open) throw std::logic_error("EndDocument outside a document");
  Open = false;
  if (FailAt == "End") throw QmError("Unable to finish printing");
}

void RecordingDevice::Abort() noexcept {
  if (!Open) return;
  Calls.push_back("Abort");
  Open = false;
}

void RecordingDevice::SetFont(const std::string& name, int points, FontStyle style) {
  Calls.push_back("Font " + name + " " + std::to_string(points));
  font_ = name;
  points_ = points;
  style_ = style;
}

void RecordingDevice::DrawText(int x, int y, const std::string& text) {
  if (!Open) throw std::logic_error("DrawText outside a document");
  Texts.push_back({Page, x, y, text, font_, points_, style_});
}

void RecordingDevice::Paint(const PaintWork&) {
  if (!Open) throw std::logic_error("Paint outside a document");
  Calls.push_back("Paint");
}

}  // namespace qm::test
