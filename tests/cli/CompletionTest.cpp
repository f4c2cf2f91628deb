// The bash completion of sondrel-cli, driven in bash as completion drives
// it (COMP_WORDS, COMP_CWORD, then COMPREPLY) against the built program.

#include <gtest/gtest.h>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

// The words on the line as bash splits them (it breaks at "="), and what
// the completion offers for the last one, space-separated.
struct CompletionCase {
  std::vector<std::string> words;
  std::string offered;
};

class CompletionTest : public ::testing::TestWithParam<CompletionCase> {
 protected:
  TempDir home_;
};

// Sources the script, checks that it registers itself for sondrel-cli, and
// calls the function with the program, the text bash would replace (empty
// right after a "=" break) and the previous word.
const char kDriver[] =
    "source \"$1\" && complete -p sondrel-cli >/dev/null || exit 3\n"
    "program=$2; shift 2\n"
    "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
    "typed=${COMP_WORDS[COMP_CWORD]}; [[ $typed == = ]] && typed=\n"
    "_sondrel_cli \"$program\" \"$typed\" \"${COMP_WORDS[COMP_CWORD - 1]}\"\n"
    "echo \"${COMPREPLY[*]}\"\n";

TEST_P(CompletionTest, OffersWhatTheProgramTakes) {
  std::vector<std::string> args = {
      "-c", kDriver, "driver",
      std::string(SONDREL_SOURCE_DIR) + "/packaging/completion/sondrel-cli", SONDREL_CLI_PATH};
  args.insert(args.end(), GetParam().words.begin(), GetParam().words.end());
  const ProcessResult result =
      RunProcess("bash", args, {{"HOME", home_.Path()}, {"XDG_CONFIG_HOME", home_.File("config")}});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, GetParam().offered + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CompletionTest,
    ::testing::Values(
        CompletionCase{{"sondrel-cli", "con"}, "convert"},
        CompletionCase{{"sondrel-cli", "info", "--t"}, "--tags"},
        CompletionCase{{"sondrel-cli", "convert", "--v"}, "--verify --verbose"},
        CompletionCase{{"sondrel-cli", "convert", "--set", "TargetE"}, "TargetExistsOpt="},
        CompletionCase{{"sondrel-cli", "options", "MP3Tag/Tit"},
                       "MP3Tag/TitleAsFileName= MP3Tag/Title="},
        CompletionCase{{"sondrel-cli", "options", "TargetExistsOpt", "="}, "rename overwrite skip"},
        CompletionCase{{"sondrel-cli", "options", "MP3ChannelMode", "=", "j"}, "joint"},
        CompletionCase{{"sondrel-cli", "convert", "--set", "=", "AMRWBMode", "=", "23"},
                       "23.05 23.85"},
        CompletionCase{{"sondrel-cli", "convert", "--to", "=", "w"}, "wav wma"},
        CompletionCase{{"sondrel-cli", "convert", "--name", "{al"}, "{album} {albumartist}"},
        CompletionCase{{"sondrel-cli", "options", "MonoType=l"}, "MonoType=left"}));

}  // namespace
