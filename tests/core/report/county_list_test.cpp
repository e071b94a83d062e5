#include "report/county_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vado::report {
namespace {

using Names = std::vector<std::string>;

TEST(CountyList, Parsing) {
    const struct {
        const char* name;
        std::string text;
        Names counties;
    } cases[] = {
        {"plain fields", "Adams,1,2,3,4,5,6,7\nBerks,1,2,3,4,5,6,7\n", {"Adams", "Berks"}},
        {"quoted name", "\"Adams\",1,2,3,4,5,6,7\n", {"Adams"}},
        {"comma inside quotes", "\"Adams, North\",\"1,5\",2,3,4,5,6,7\n", {"Adams, North"}},
        {"doubled quote inside quotes", "\"O\"\"Brien\",1,2,3,4,5,6,7\n", {"O\"Brien"}},
        {"CRLF line ends", "Adams,1,2,3,4,5,6,7\r\nBerks,1,2,3,4,5,6,7\r\n", {"Adams", "Berks"}},
        {"no line end at the end", "Adams,1,2,3,4,5,6,7", {"Adams"}},
        {"short line skipped", "Adams,1,2,3,4,5,6\nBerks,1,2,3,4,5,6,7\n", {"Berks"}},
        {"long line skipped", "Adams,1,2,3,4,5,6,7,8\nBerks,1,2,3,4,5,6,7\n", {"Berks"}},
        {"empty and blank lines skipped", "\n   \r\nAdams,1,2,3,4,5,6,7\n\n", {"Adams"}},
        {"quote left open skipped", "\"Adams,1,2,3,4,5,6,7\nBerks,1,2,3,4,5,6,7\n", {"Berks"}},
        {"text after a closing quote skipped",
         "\"Ad\"ams,1,2,3,4,5,6,7\nBerks,1,2,3,4,5,6,7\n",
         {"Berks"}},
        {"stray quote in a plain field skipped", "Ad\"ams,1,2,3,4,5,6,7\n", {}},
        {"blanks around fields dropped",
         "  Adams  ,1,2,3,4,5,6,7\n \"Berks\" ,1,2,3,4,5,6,7\n",
         {"Adams", "Berks"}},
        {"blanks inside quotes kept", "\" Adams \",1,2,3,4,5,6,7\n", {" Adams "}},
        {"record without a name skipped", ",1,2,3,4,5,6,7\n\"\",1,2,3,4,5,6,7\n", {}},
        {"empty trailing fields count", "Adams,,,,,,,\n", {"Adams"}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "Adams,1,2,3,4,5,6,7\n",
         {"Adams"}},
        {"UTF-8 kept",
         "Do\xC3\xB1"
         "a Ana,1,2,3,4,5,6,7\n",
         {"Do\xC3\xB1"
          "a Ana"}},
        {"a cut UTF-8 sequence makes the name Latin-1", "Ab\xC3,1,2,3,4,5,6,7\n", {"Ab\xC3\x83"}},
        {"Latin-1 read as such",
         "Do\xF1"
         "a Ana,1,2,3,4,5,6,7\n",
         {"Do\xC3\xB1"
          "a Ana"}},
        {"file order kept", "Zeta,1,2,3,4,5,6,7\nAlpha,1,2,3,4,5,6,7\n", {"Zeta", "Alpha"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseCountyList(c.text), c.counties) << c.name;
}

TEST(CountyList, StopsAtTheEntryLimit) {
    std::string text;
    for (size_t i = 0; i < kCountyListMaxEntries + 5; ++i)
        text += "C" + std::to_string(i) + ",1,2,3,4,5,6,7\n";
    Names names = ParseCountyList(text);
    ASSERT_EQ(names.size(), kCountyListMaxEntries);
    EXPECT_EQ(names.back(), "C" + std::to_string(kCountyListMaxEntries - 1));
}

class CountyFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("vado_county_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void write(const std::string& text) {
        std::ofstream(dir / kCountyFile, std::ios::binary) << text;
    }
    std::filesystem::path dir;
};

TEST_F(CountyFileTest, MissingFileGivesAnEmptyList) {
    EXPECT_TRUE(LoadCountyList(dir.string()).empty());
    EXPECT_TRUE(LoadCountyList((dir / "no such folder").string()).empty());
}

TEST_F(CountyFileTest, ReadsTheFileInTheProgramFolder) {
    write("\"Adams\",\"A\",1,2,3,4,5,6\r\n\"Allegheny\",\"B\",1,2,3,4,5,6\r\n");
    EXPECT_EQ(LoadCountyList(dir.string()), (Names{"Adams", "Allegheny"}));
}

TEST_F(CountyFileTest, AHugeFileIsReadOnlyUpToTheLimit) {
    // Three counties, then a record whose last field runs far beyond the limit: the part of it
    // read before the cut already has 8 fields, yet must not become a county.
    std::string text = "Adams,1,2,3,4,5,6,7\nBerks,1,2,3,4,5,6,7\nCrawford,1,2,3,4,5,6,7\n";
    text += "Huge,1,2,3,4,5,6," + std::string(kCountyFileMaxBytes, '7') + "\nLast,1,2,3,4,5,6,7\n";
    write(text);
    EXPECT_EQ(LoadCountyList(dir.string()), (Names{"Adams", "Berks", "Crawford"}));
}

}  // namespace
}  // namespace vado::report
