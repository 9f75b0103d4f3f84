#include "app/cli/cli_arguments.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

std::optional<CliArguments> Parse(std::vector<UString> args, std::string* error = nullptr) {
  std::string e;
  auto parsed = ParseCliArguments(args, e);
  if (error) *error = e;
  return parsed;
}

TEST(CliArguments, ReadsOptionsAndUpToTwoParameters) {
  auto a = Parse({u"--set", u"remuncalled=0", u"--trace", u"--log", u"out.txt", u"--run", u"--set",
                  u"Suffix= _x ", u"--", u"--odd.pb", u"C:\\p.pb"});
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->trace);
  EXPECT_TRUE(a->run);
  EXPECT_EQ(*a->log_file, u"out.txt");
  EXPECT_EQ(a->parameters, (std::vector<UString>{u"--odd.pb", u"C:\\p.pb"}));
  OptionValues v = OptionValues::Created();
  ApplyOverrides(a->overrides, v);
  EXPECT_EQ(v.Get(Option::RemUncalled), 0);
  EXPECT_EQ(v.suffix, u" _x ");
  ApplyOverrides(Parse({u"--set", u"nNOP=500", u"--set", u"InsNOP=2"})->overrides, v);
  EXPECT_EQ(v.Get(Option::nNOP), 99);
  EXPECT_EQ(v.Get(Option::InsNOP), 1);
}

TEST(CliArguments, UsageErrors) {
  std::string error;
  EXPECT_FALSE(Parse({u"--set", u"Bogus=1"}, &error));
  EXPECT_EQ(error, "unknown setting: Bogus");
  EXPECT_FALSE(Parse({u"--set", u"nNOP=two"}, &error));
  EXPECT_FALSE(Parse({u"--set", u"nNOP="}));
  EXPECT_FALSE(Parse({u"--set", u"nNOP"}));
  EXPECT_FALSE(Parse({u"--set"}));
  EXPECT_FALSE(Parse({u"--log"}));
  EXPECT_FALSE(Parse({u"--verbose"}));
  EXPECT_FALSE(Parse({u"a", u"b", u"c"}));
  EXPECT_TRUE(Parse({}));
}

TEST(CliArguments, DashHAfterTheOptionsIsAParameter) {
  auto a = Parse({u"--", u"-h", u"--version"});
  ASSERT_TRUE(a);
  EXPECT_FALSE(a->help);
  EXPECT_FALSE(a->version);
  EXPECT_EQ(a->parameters, (std::vector<UString>{u"-h", u"--version"}));
}

}  // namespace
}  // namespace sparlin
