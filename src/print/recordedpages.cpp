#include "print/recordedpages.h"

namespace qm {

void RecordedPages::BeginDocument() {
  calls_.push_back({Kind::Begin});
  pages_ = 1;
  complete_ = false;
}

void RecordedPages::NewPage() {
  calls_.push_back({Kind::NewPage});
  ++pages_;
}

void RecordedPages::EndDocument() {
  calls_.push_back({Kind::End});
  complete_ = true;
}

void RecordedPages::Abort() noexcept { complete_ = false; }

void RecordedPages::SetFont(const std::string& name, int points, FontStyle style) {
  // The measuring device answers FontHeight for the font now in force.
  measure_.SetFont(name, points, style);
  calls_.push_back({Kind::Font, 0, points, name, style});
}

void RecordedPages::DrawText(int x, int y, const std::string& text) {
  calls_.push_back({Kind::Text, x, y, text});
}

void RecordedPages::Paint(const PaintWork& work) {
  Call call{Kind::Paint};
  call.Work = work;
  calls_.push_back(std::move(call));
}

void RecordedPages::Replay(PrintDevice& device) const {
  try {
    for (const Call& call : calls_) {
      switch (call.What) {
        case Kind::Begin: device.BeginDocument(); break;
        case Kind::NewPage: device.NewPage(); break;
        case Kind::End: device.EndDocument(); break;
        case Kind::Font: device.SetFont(call.Value, call.Y, call.Style); break;
        case Kind::Text: device.DrawText(call.X, call.Y, call.Value); break;
        case Kind::Paint: device.Paint(call.Work); break;
      }
    }
  } catch (...) {
    device.Abort();
    throw;
  }
}

}  // namespace qm
