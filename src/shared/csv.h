#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields separated by commas, records by CRLF; a
// field holding a comma, a double quote or a line end is enclosed in double quotes, and a quote
// inside it is doubled. Text is UTF-8 and passes through untouched.
namespace vado::csv {

using Row = std::vector<std::string>;

// One field, quoted when it needs to be.
std::string Field(std::string_view text);
// A record with its CRLF.
std::string Record(const Row& fields);
std::string Write(const std::vector<Row>& rows);

// Reads records one at a time. Line ends may be CRLF or LF alone; a UTF-8 byte-order mark at
// the start is skipped; the last record needs no line end. A malformed record (a quote inside an
// unquoted field, text after a closing quote, a quote never closed) is reported and skipped to
// the end of the line it starts on, so the records after it still read.
class Reader {
  public:
    explicit Reader(std::string_view text);

    enum class Status { Record, Malformed, End };
    // The next record into `fields`; for a malformed one, `why` says what is wrong.
    Status next(Row& fields, std::string& why);
    // The line (from 1) on which the record just read starts.
    int line() const { return recordLine_; }

  private:
    std::string_view text_;
    size_t at_ = 0;
    int lineNo_ = 1;
    int recordLine_ = 0;
};

}  // namespace vado::csv
