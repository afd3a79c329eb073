#include "print/recordedpages.h"

namespace qm {

void RecordedPages::Add(Kind what, int x, int y, std::string value, FontStyle style,
                        PaintWork work) {
  calls_.push_back(Call{what, x, y, std::move(value), style, std::move(work)});
}

void RecordedPages::BeginDocument() {
  Add(Kind::Begin);
  pages_ = 1;
}

void RecordedPages::NewPage() {
  Add(Kind::NewPage);
  ++pages_;
}

void RecordedPages::EndDocument() { Add(Kind::End); }

void RecordedPages::SetFont(const std::string& name, int points, FontStyle style) {
  // The measuring device answers FontHeight for the font now in force.
  measure_.SetFont(name, points, style);
  Add(Kind::Font, 0, points, name, style);
}

void RecordedPages::DrawText(int x, int y, const std::string& text) { Add(Kind::Text, x, y, text); }

void RecordedPages::Paint(const PaintWork& work) { Add(Kind::Paint, 0, 0, {}, {}, work); }

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
