#include "shared/csv.h"

namespace vado::csv {

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string Record(const Row& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += Field(fields[i]);
    }
    line += "\r\n";
    return line;
}

std::string Write(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& r : rows) text += Record(r);
    return text;
}

Reader::Reader(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
}

Reader::Status Reader::next(Row& fields, std::string& why) {
    fields.clear();
    why.clear();
    if (at_ >= text_.size()) return Status::End;
    recordLine_ = lineNo_;
    const size_t start = at_;
    const size_t n = text_.size();
    // The rest of a malformed record's line is dropped: the next record starts after it.
    auto malformed = [&](const char* what) {
        why = what;
        while (at_ < n && text_[at_] != '\n') ++at_;
        if (at_ < n) {
            ++at_;
            ++lineNo_;
        }
        fields.clear();
        return Status::Malformed;
    };
    std::string field;
    bool inQuotes = false;
    bool closed = false;  // the field was quoted and its closing quote is behind us
    while (true) {
        if (at_ >= n) {
            if (inQuotes) {
                // Read as a quote left open on its line: the records after that line still read.
                at_ = start;
                lineNo_ = recordLine_;
                return malformed("a quoted field is never closed");
            }
            fields.push_back(std::move(field));
            return Status::Record;
        }
        const char c = text_[at_];
        if (inQuotes) {
            if (c == '"') {
                if (at_ + 1 < n && text_[at_ + 1] == '"') {
                    field += '"';
                    at_ += 2;
                } else {
                    inQuotes = false;
                    closed = true;
                    ++at_;
                }
                continue;
            }
            if (c == '\n') ++lineNo_;
            field += c;
            ++at_;
            continue;
        }
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            closed = false;
            ++at_;
            continue;
        }
        if (c == '\n' || (c == '\r' && at_ + 1 < n && text_[at_ + 1] == '\n')) {
            at_ += c == '\r' ? 2 : 1;
            ++lineNo_;
            fields.push_back(std::move(field));
            return Status::Record;
        }
        if (closed) return malformed("text follows a closing quote");
        if (c == '"') {
            if (!field.empty())
                return malformed("a quote inside a field that does not start with one");
            inQuotes = true;
            ++at_;
            continue;
        }
        field += c;
        ++at_;
    }
}

}  // namespace vado::csv
