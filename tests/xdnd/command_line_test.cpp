#include "command_line.h"

#include <gtest/gtest.h>

namespace netbar::xdnd {
namespace {

TEST(ParseDropOptions, ReadsEveryOption) {
  const ParsedDropOptions parsed = ParseDropOptions(
      {"--title", "Kestrova---BY：Tamberlo", "--x=40", "--y", "-3", "--action", "move", "--wait",
       "30", "--timeout=2.5", "--allow-missing", "-v", "a.txt", "--", "--b.txt"});
  ASSERT_EQ(parsed.error, "");
  const DropOptions& options = parsed.options;
  EXPECT_EQ(options.title, "Kestrova---BY：Tamberlo");
  EXPECT_FALSE(options.window_id.has_value());
  EXPECT_EQ(options.x, 40);
  EXPECT_EQ(options.y, -3);
  EXPECT_EQ(options.action, DropAction::kMove);
  EXPECT_EQ(options.wait_seconds, 30);
  EXPECT_EQ(options.timeout_seconds, 2.5);
  EXPECT_TRUE(options.allow_missing);
  EXPECT_TRUE(options.verbose);
  EXPECT_EQ(options.files, (std::vector<std::string>{"a.txt", "--b.txt"}));
}

TEST(ParseDropOptions, DefaultsToTheMiddleACopyAndNoWaiting) {
  const ParsedDropOptions parsed = ParseDropOptions({"--window", "0x1a00004", "a.txt"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.window_id, 0x1a00004u);
  EXPECT_FALSE(parsed.options.x.has_value());
  EXPECT_FALSE(parsed.options.y.has_value());
  EXPECT_EQ(parsed.options.action, DropAction::kCopy);
  EXPECT_EQ(parsed.options.wait_seconds, 0);
  EXPECT_EQ(parsed.options.timeout_seconds, 10);
}

TEST(ParseDropOptions, TakesWindowIdsInDecimalAndHex) {
  EXPECT_EQ(ParseDropOptions({"--window", "27262980", "f"}).options.window_id, 27262980u);
  EXPECT_EQ(ParseDropOptions({"--window", "0X1A00004", "f"}).options.window_id, 0x1a00004u);
}

TEST(ParseDropOptions, NamesWhatIsWrong) {
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {"no window", {"a.txt"}, "name the target window with exactly one of --title and --window"},
      {"both windows",
       {"--title", "T", "--window", "5", "a"},
       "name the target window with exactly one of --title and --window"},
      {"no file", {"--title", "T"}, "name at least one file to drop"},
      {"unknown option", {"--title", "T", "--colour", "red", "a"}, "unknown option --colour"},
      {"missing value", {"a", "--title"}, "--title needs a value"},
      {"empty title", {"--title=", "a"}, "--title needs a non-empty title"},
      {"window id zero",
       {"--window", "0", "a"},
       "--window needs a window id such as 0x1a00004, not \"0\""},
      {"window id text",
       {"--window", "0xZZ", "a"},
       "--window needs a window id such as 0x1a00004, not \"0xZZ\""},
      {"offset not a number",
       {"--title", "T", "--x", "4a", "a"},
       "--x needs a whole number of pixels, not \"4a\""},
      {"unknown action",
       {"--title", "T", "--action", "steal", "a"},
       "--action is one of copy, move, link, ask, private, not \"steal\""},
      {"negative seconds",
       {"--title", "T", "--wait", "-1", "a"},
       "--wait needs a number of seconds, not \"-1\""},
      {"seconds not finite",
       {"--title", "T", "--timeout", "inf", "a"},
       "--timeout needs a number of seconds, not \"inf\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ParseDropOptions(c.arguments).error, c.error);
  }
}

TEST(ParseDropOptions, HelpNeedsNothingElse) {
  const ParsedDropOptions parsed = ParseDropOptions({"--help"});
  EXPECT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.help);
}

TEST(ParseDropOptions, LoneDashIsAFile) {
  EXPECT_EQ(ParseDropOptions({"--title", "T", "-"}).options.files, std::vector<std::string>{"-"});
}

}  // namespace
}  // namespace netbar::xdnd
