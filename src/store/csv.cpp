#include "store/csv.h"

#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"

namespace qm::csv {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

[[noreturn]] void Refuse(int line, const std::string& why) {
  throw QmError("Line " + std::to_string(line) + ": " + why);
}

// The whole file is text before any of it is read as rows: no NUL, UTF-8
// throughout. Lines are counted as the reader counts them.
void CheckText(std::string_view bytes) {
  int line = 1;
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\0') Refuse(line, "a NUL byte: the file is not text.");
    if (c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++line;
    if (c < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes.substr(i));
    if (length == 0) Refuse(line, "not UTF-8 text (save the file as CSV in UTF-8).");
    i += length;
  }
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  void Run(const std::function<void(LineRow&)>& onRow) {
    if (bytes_.substr(0, Bom.size()) == Bom) at_ = Bom.size();
    std::size_t dataRows = 0;
    bool header = true;
    LineRow row;
    while (at_ < bytes_.size()) {
      row.Line = line_;
      row.Fields.clear();
      const bool blank = ReadRow(row.Fields);
      if (blank) continue;
      if (!header && ++dataRows > MaxDataRows) {
        throw QmError("The file holds more than " + std::to_string(MaxDataRows) +
                      " rows after its header, more than any file of rounds.");
      }
      header = false;
      onRow(row);
    }
  }

 private:
  bool AtLineEnd() const {
    return at_ < bytes_.size() && (bytes_[at_] == '\r' || bytes_[at_] == '\n');
  }

  // Steps over the line end at at_ (CR LF, LF or CR alone).
  void SkipLineEnd() {
    if (bytes_[at_] == '\r' && at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  // Reads one row into fields; true when it was an empty line.
  bool ReadRow(Row& fields) {
    const int first = line_;
    bool quotedAny = false;
    for (;;) {
      std::string field;
      if (at_ < bytes_.size() && bytes_[at_] == '"') {
        quotedAny = true;
        ReadQuoted(field, first);
      } else {
        const std::size_t start = at_;
        while (at_ < bytes_.size() && bytes_[at_] != ',' && !AtLineEnd()) ++at_;
        CheckSize(at_ - start);
        field.assign(bytes_.substr(start, at_ - start));
      }
      fields.push_back(std::move(field));
      if (fields.size() > MaxFields) {
        Refuse(first, "more than " + std::to_string(MaxFields) + " fields in one row.");
      }
      if (at_ < bytes_.size() && bytes_[at_] == ',') {
        ++at_;
        continue;
      }
      break;
    }
    if (AtLineEnd()) SkipLineEnd();
    return fields.size() == 1 && fields[0].empty() && !quotedAny;
  }

  void ReadQuoted(std::string& field, int first) {
    ++at_;  // the opening quote
    for (;;) {
      const std::size_t quote = bytes_.find('"', at_);
      if (quote == std::string_view::npos) {
        Refuse(first, "a quoted field is never closed.");
      }
      // Line breaks inside the quotes are part of the field.
      for (std::size_t k = at_; k < quote; ++k) {
        if (bytes_[k] == '\n' || (bytes_[k] == '\r' && bytes_[k + 1] != '\n')) ++line_;
      }
      CheckSize(field.size() + (quote - at_));
      field.append(bytes_.substr(at_, quote - at_));
      at_ = quote + 1;
      if (at_ < bytes_.size() && bytes_[at_] == '"') {  // a doubled quote
        CheckSize(field.size() + 1);
        field.push_back('"');
        ++at_;
        continue;
      }
      break;
    }
    if (at_ < bytes_.size() && bytes_[at_] != ',' && !AtLineEnd()) {
      Refuse(line_, "text after the closing quote of a field.");
    }
  }

  void CheckSize(std::size_t size) const {
    if (size > MaxFieldBytes) {
      Refuse(line_, "a field longer than " + std::to_string(MaxFieldBytes) + " bytes.");
    }
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

std::string QuoteField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string WriteRow(const Row& fields) {
  // A row of one empty field would be an empty line, which is no row.
  if (fields.size() == 1 && fields[0].empty()) return "\"\"\r\n";
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += QuoteField(fields[i]);
  }
  out += "\r\n";
  return out;
}

std::string WriteRows(const std::vector<Row>& rows) {
  std::string out;
  for (const Row& row : rows) out += WriteRow(row);
  // A first field that begins as a byte order mark does would lose it on
  // reading: in quotes it is text. Such a field was written without quotes,
  // so it holds none and ends at the first comma or line end.
  if (out.starts_with(Bom)) {
    const std::size_t end = out.find_first_of(",\r");
    out = "\"" + out.substr(0, end) + "\"" + out.substr(end);
  }
  return out;
}

void ReadRows(std::string_view bytes, const std::function<void(LineRow&)>& onRow) {
  if (bytes.size() > MaxFileBytes) {
    throw QmError("The file is larger than 16 MiB, more than any file of rounds.");
  }
  CheckText(bytes);
  Reader(bytes).Run(onRow);
}

Rows ReadRows(std::string_view bytes) {
  Rows rows;
  ReadRows(bytes, [&rows](LineRow& row) { rows.push_back(std::move(row)); });
  return rows;
}

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (!fileio::ReadBytesUpTo(path, MaxFileBytes, bytes)) {
    throw QmError("The file is larger than 16 MiB, more than any file of rounds.");
  }
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  fileio::ReplaceFile(path, {bytes});
}

}  // namespace qm::csv
