#include "shared/csv.h"

#include <gtest/gtest.h>

namespace vado::csv {
namespace {

std::vector<Row> ReadAll(std::string_view text, std::vector<std::string>* problems = nullptr) {
    Reader reader(text);
    std::vector<Row> rows;
    Row row;
    std::string why;
    for (auto s = reader.next(row, why); s != Reader::Status::End; s = reader.next(row, why)) {
        if (s == Reader::Status::Record)
            rows.push_back(row);
        else if (problems)
            problems->push_back(std::to_string(reader.line()) + ": " + why);
    }
    return rows;
}

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"12.65", "12.65"},
        {"", ""},
        {" Elevation ", " Elevation "},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"Größe", "Größe"},
    };
    for (const auto& c : cases) EXPECT_EQ(Field(c.text), c.field) << c.text;
    EXPECT_EQ(Record({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(Csv, WhatIsWrittenReadsBack) {
    const std::vector<Row> rows = {
        {"Elevation", "Discharge"},
        {"", "CFS"},
        {"comma, inside", "quote \" inside", "line\r\nend inside", "line\nfeed"},
        {"\"quoted\"", ",", "\"\""},
        {""}};
    EXPECT_EQ(ReadAll(Write(rows)), rows);
}

// A malformed record is reported with the line it starts on and skipped; the rest still reads.
TEST(Csv, MalformedRecordsAreReportedAndSkipped) {
    std::vector<std::string> problems;
    const auto rows =
        ReadAll("h1,h2\n1,2\n3,4\"5\n\"6\"x,7\n\"multi\nline\",8\n9,\"open\n10,11\n", &problems);
    // The quote left open on line 7 costs that line only.
    EXPECT_EQ(rows,
              (std::vector<Row>{{"h1", "h2"}, {"1", "2"}, {"multi\nline", "8"}, {"10", "11"}}));
    EXPECT_EQ(problems,
              (std::vector<std::string>{"3: a quote inside a field that does not start with one",
                                        "4: text follows a closing quote",
                                        "7: a quoted field is never closed"}));
}

}  // namespace
}  // namespace vado::csv
