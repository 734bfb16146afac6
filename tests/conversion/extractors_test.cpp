#include <gtest/gtest.h>

#include "conversion/client_config_record.h"
#include "conversion/mac_section_record.h"
#include "conversion/named_section_record.h"

namespace netbar {
namespace {

struct ExtractCase {
  const char* what;
  TextView chunk;
  TextView mac;
  TextView name;
  bool has_marker = true;
  bool too_short = false;
};

TEST(ExtractClientConfigRecord, FieldsBetweenTheFirstTags) {
  const ExtractCase cases[] = {
      {"both fields", "\r\n<Name>PC001</Name>\r\n<Mac>001a2b3c4d5e</Mac>\r\n</ClientConfig>\r\n",
       "00-1A-2B-3C-4D-5E", "PC001"},
      {"order does not matter", "<Mac>001A2B3C4D5F</Mac><Name>X</Name>", "00-1A-2B-3C-4D-5F", "X"},
      {"separators and blanks are removed", "<Mac> 00-1a-2b:3c\t4d\r\n5e </Mac><Name>A</Name>",
       "00-1A-2B-3C-4D-5E", "A"},
      {"digits past twelve are dropped", "<Mac>001A2B3C4D6012</Mac><Name>A</Name>",
       "00-1A-2B-3C-4D-60", "A"},
      {"too short", "<Mac>001A2B</Mac><Name>A</Name>", "", "A", true, true},
      {"only separators", "<Mac> - : </Mac><Name>A</Name>", "", "A"},
      {"no start tag", "xyz001A2B3C4D5E</Mac><Name>A</Name>", "", "A"},
      {"no end tag", "<Mac>001A2B3C4D5E<Name>A</Name>", "", "A"},
      {"end tag first", "</Mac><Mac>001A2B3C4D5E<Name>A</Name>", "", "A"},
      {"no name start tag", "<Mac>001A2B3C4D5E</Mac>abcdPC</Name>", "00-1A-2B-3C-4D-5E", ""},
      {"no name end tag", "<Mac>001A2B3C4D5E</Mac><Name>PC", "00-1A-2B-3C-4D-5E", ""},
      {"first tags count",
       "<Mac>111111111111</Mac><Mac>222222222222</Mac><Name>A</Name><Name>B</Name>",
       "11-11-11-11-11-11", "A"},
      {"entities stay", "<Mac>001A2B3C4D5E</Mac><Name>R&amp;D</Name>", "00-1A-2B-3C-4D-5E",
       "R&amp;D"},
      {"blanks in the name stay", "<Mac>001A2B3C4D5E</Mac><Name> PC001 </Name>",
       "00-1A-2B-3C-4D-5E", " PC001 "},
      {"GBK name before its end tag", "<Mac>001A2B3C4D5E</Mac><Name>\xD6\xD0</Name>",
       "00-1A-2B-3C-4D-5E", "\xD6\xD0"},
      {"no markers at all", "<?xml version=\"1.0\"?>\r\n<Clients>\r\n", "", "", false},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExtractedRecord record;
    ExtractionScratch scratch;
    ExtractClientConfigRecord(c.chunk, record, scratch);
    EXPECT_EQ(record.mac, c.mac);
    EXPECT_EQ(record.name, c.name);
    EXPECT_EQ(record.has_marker, c.has_marker);
    EXPECT_EQ(record.mac_too_short, c.too_short);
  }
}

TEST(RegroupMac, PairsOfTheFirstTwelveCharacters) {
  Text out;
  EXPECT_TRUE(RegroupMac("001A2B3C4D5E", out));
  EXPECT_EQ(out, "00-1A-2B-3C-4D-5E");
  // A two-byte character counts as one character.
  EXPECT_TRUE(
      RegroupMac("\xD6\xD0"
                 "01A2B3C4D5E",
                 out));
  EXPECT_EQ(out,
            "\xD6\xD0"
            "0-1A-2B-3C-4D-5E");
  // So does CR LF, and the last byte is one character even as a lead byte.
  EXPECT_TRUE(RegroupMac("\r\n01A2B3C4D5\x81", out));
  EXPECT_EQ(out, "\r\n0-1A-2B-3C-4D-5\x81");
  EXPECT_FALSE(RegroupMac("001A2B3C4D5", out));
  EXPECT_EQ(out, "");
  EXPECT_FALSE(RegroupMac("", out));
}

TEST(ExtractNamedSectionRecord, SectionNameAndColonMac) {
  const ExtractCase cases[] = {
      {"colons become dashes", "PC001]\r\nMAC=00:1a:2b:3c:4d:5e\r\nBootType=1\r\n",
       "00-1a-2b-3c-4d-5e", "PC001"},
      {"already dashed", "PC002]\r\nMAC=00-1A-2B-3C-4D-5F\r\n", "00-1A-2B-3C-4D-5F", "PC002"},
      {"short value ends at its line end", "PC005]\r\nMAC=001A2B3C4D61\r\nBootType=1\r\n",
       "001A2B3C4D61", "PC005"},
      {"value at the end of the chunk", "PC005]\r\nMAC=001A", "001A", "PC005"},
      {"longer value is cut at 17", "P]\r\nMAC=00:1a:2b:3c:4d:5e:77\r\n", "00-1a-2b-3c-4d-5e", "P"},
      {"no MAC= gives an empty MAC", "Config]\r\nVersion=2\r\n", "", "Config"},
      {"no ] gives an empty name", "PC001\r\nMAC=00:1a:2b:3c:4d:5e\r\n", "00-1a-2b-3c-4d-5e", ""},
      {"] first", "]\r\nMAC=00:1a:2b:3c:4d:5e\r\n", "00-1a-2b-3c-4d-5e", ""},
      {"end of a longer key counts", "P]\r\nOLDMAC=00:1a:2b:3c:4d:5e\r\n", "00-1a-2b-3c-4d-5e",
       "P"},
      {"lower-case key does not", "P]\r\nmac=00:1a:2b:3c:4d:5e\r\n", "", "P"},
      {"GBK trail ] does not end the name", "\xB0\xFC\x81]]\r\nMAC=00:00:00:00:00:01\r\n",
       "00-00-00-00-00-01", "\xB0\xFC\x81]"},
      {"no markers", "; comment\r\n", "", "", false},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExtractedRecord record;
    ExtractNamedSectionRecord(c.chunk, record);
    EXPECT_EQ(record.mac, c.mac);
    EXPECT_EQ(record.name, c.name);
    EXPECT_EQ(record.has_marker, c.has_marker);
  }
}

TEST(ExtractMacSectionRecord, SectionMacAndNameUpToArea) {
  const ExtractCase cases[] = {
      {"ordinary", "00-1A-2B-3C-4D-5E]\r\nName=PC001\r\nBootType=1\r\nArea=0\r\n",
       "00-1A-2B-3C-4D-5E", "PC001\r\nBootType=1\r\n"},
      {"colon MAC unchanged", "00:1a:2b:3c:4d:5e]\r\nName=A\r\nArea=0\r\n", "00:1a:2b:3c:4d:5e",
       "A\r\n"},
      {"no Area=", "M]\r\nName=PC\r\n", "M", ""},
      {"Area= before Name=", "M]\r\nArea=0\r\nName=PC\r\n", "M", ""},
      {"Area= right after Name=", "M]Name=Area=", "M", ""},
      {"no Name= gives an empty name", "M]\r\nXYArea=0\r\n", "M", ""},
      {"no ]", "M\r\nName=A\r\nArea=0", "", "A\r\n"},
      {"no markers", "\r\n", "", "", false},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExtractedRecord record;
    ExtractMacSectionRecord(c.chunk, record);
    EXPECT_EQ(record.mac, c.mac);
    EXPECT_EQ(record.name, c.name);
    EXPECT_EQ(record.has_marker, c.has_marker);
  }
}

TEST(ShortenMacSectionName, AfterTheLastUnderscoreWhenADashIsThere) {
  const std::pair<TextView, TextView> cases[] = {
      {"HALL_A-PC002", "A-PC002"}, {"A_B_C-1", "C-1"}, {"HALL_PC002", "HALL_PC002"},
      {"PC-002", "PC-002"},        {"A-B_", ""},       {"\x81_-x", "\x81_-x"},
      {"\x81_-x_y", "y"},
  };
  for (const auto& [name, want] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ShortenMacSectionName(name), want);
  }
}

}  // namespace
}  // namespace netbar
