#include "winapi/shell32.h"

#include <gtest/gtest.h>

#include "os/service.h"
#include "platform/fake/fake_launcher.h"

namespace corvane::platform {
namespace {

TEST(ShellExecuteA, OnlyTheOpenVerbLaunchesAndAFailedStartIsAFailureResult) {
  struct Case {
    const char* verb;
    bool starts;
    std::intptr_t result;
    bool launched;
  };
  for (const Case& c :
       {Case{"open", true, kShellOpened, true}, Case{nullptr, true, kShellOpened, true},
        Case{"open", false, kErrorFileNotFound, true}, Case{"print", true, kSeErrNoAssoc, false}}) {
    fake::FakeLauncher launcher;
    launcher.SetSucceeds(c.starts);
    ScopedService<Launcher> service(launcher);
    EXPECT_EQ(ShellExecuteA(0, c.verb, "https://example.org/", "", "", kSwShowNormal), c.result)
        << (c.verb ? c.verb : "(null)");
    EXPECT_EQ(launcher.opened(), c.launched ? std::vector<std::string>{"https://example.org/"}
                                            : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace corvane::platform
