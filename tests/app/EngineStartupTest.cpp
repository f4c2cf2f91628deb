#include <gtest/gtest.h>

#include "app/EngineStartup.h"
#include "app/SettingsStore.h"
#include "platform/settings/IniSettingsKey.h"
#include "support/TempDir.h"

namespace {

TEST(FirstRunCheckTest, FirstStartIsSeenOnceAndAfterTheValueIsReset) {
  TempDir dir;
  IniSettingsRoot root(dir.File("Sondrel.conf"));
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_EQ(root.OpenKey(OPTIONS_KEY)->ReadDword("FirstRun"), 0u);
  EXPECT_FALSE(FirstRunCheck(root));

  root.CreateKey(OPTIONS_KEY)->WriteDword("FirstRun", 5);
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_EQ(root.OpenKey(OPTIONS_KEY)->ReadDword("FirstRun"), 0u);

  root.CreateKey(OPTIONS_KEY)->DeleteValue("FirstRun");
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_FALSE(FirstRunCheck(root));
}

TEST(FirstRunCheckTest, UnwritableStoreIsAFirstRunEveryTime) {
  IniSettingsRoot root("/proc/sondrel-cannot-exist/Sondrel.conf");
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_TRUE(FirstRunCheck(root));
}

}  // namespace
