#include "report/county_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace vado::report {
namespace {

using Names = std::vector<std::string>;

TEST(CountyList, Parsing) {
    const std::string ok = ",1,2,3,4,5,6,7\n";
    const struct {
        std::string text;
        Names counties;
    } cases[] = {
        {"Adams" + ok + "Berks" + ok, {"Adams", "Berks"}},
        {"\"Adams\"" + ok, {"Adams"}},
        {"\"Adams, North\",\"1,5\",2,3,4,5,6,7\n", {"Adams, North"}},
        {"\"O\"\"Brien\"" + ok, {"O\"Brien"}},
        {"Adams,1,2,3,4,5,6,7\r\nBerks,1,2,3,4,5,6,7\r\n", {"Adams", "Berks"}},
        {"Adams,1,2,3,4,5,6,7", {"Adams"}},                               // no line end at the end
        {"Adams,1,2,3,4,5,6\nBerks" + ok, {"Berks"}},                      // short line
        {"Adams,1,2,3,4,5,6,7,8\nBerks" + ok, {"Berks"}},                  // long line
        {"\n   \r\nAdams" + ok + "\n", {"Adams"}},                         // blank lines
        {"\"Adams" + ok + "Berks" + ok, {"Berks"}},                        // quote left open
        {"\"Ad\"ams" + ok + "Berks" + ok, {"Berks"}},                      // text after a closing quote
        {"Ad\"ams" + ok, {}},                                              // stray quote
        {"  Adams  " + ok + " \"Berks\" " + ok, {"Adams", "Berks"}},       // blanks around dropped
        {"\" Adams \"" + ok, {" Adams "}},                                 // blanks inside kept
        {ok + "\"\"" + ok, {}},                                            // no name
        {"Adams,,,,,,,\n", {"Adams"}},                                     // empty fields count
        {"\xEF\xBB\xBF" "Adams" + ok, {"Adams"}},                          // byte order mark
        {"Do\xC3\xB1" "a Ana" + ok, {"Do\xC3\xB1" "a Ana"}},               // UTF-8 kept
        {"Ab\xC3" + ok, {"Ab\xC3\x83"}},                                   // a cut sequence: Latin-1
        {"Do\xF1" "a Ana" + ok, {"Do\xC3\xB1" "a Ana"}},                   // Latin-1 read as such
        {"Zeta" + ok + "Alpha" + ok, {"Zeta", "Alpha"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCountyList(c.text), c.counties) << c.text;
}

TEST(CountyList, StopsAtTheEntryLimit) {
    std::string text;
    for (size_t i = 0; i < kCountyListMaxEntries + 5; ++i)
        text += "C" + std::to_string(i) + ",1,2,3,4,5,6,7\n";
    Names names = ParseCountyList(text);
    ASSERT_EQ(names.size(), kCountyListMaxEntries);
    EXPECT_EQ(names.back(), "C" + std::to_string(kCountyListMaxEntries - 1));
}

// The file in the program folder, if any; a record whose last field runs far beyond the size
// limit has 8 fields in the part read before the cut, yet must not become a county.
TEST(CountyList, ReadsTheFileInTheProgramFolderUpToTheLimit) {
    const auto dir = std::filesystem::temp_directory_path() / ("vado_county_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto read = [&](const std::string& text) {
        std::ofstream(dir / kCountyFile, std::ios::binary) << text;
        return LoadCountyList(dir.string());
    };
    EXPECT_TRUE(LoadCountyList((dir / "no such folder").string()).empty());
    EXPECT_EQ(read("\"Adams\",\"A\",1,2,3,4,5,6\r\n\"Allegheny\",\"B\",1,2,3,4,5,6\r\n"), (Names{"Adams", "Allegheny"}));
    EXPECT_EQ(read("Adams,1,2,3,4,5,6,7\nBerks,1,2,3,4,5,6,7\nHuge,1,2,3,4,5,6," + std::string(kCountyFileMaxBytes, '7') +
                   "\nLast,1,2,3,4,5,6,7\n"),
              (Names{"Adams", "Berks"}));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vado::report
