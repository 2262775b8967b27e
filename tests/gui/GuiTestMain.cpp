// Runs the window tests inside a started toolkit, with the test templates installed as the
// language module (the program's own resources stay behind them).
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "framework/Toolkit.h"
#include "platform/ResourceModule.h"
#include "resources/ProgramResources.h"
#include "tests/gui/GuiTestSupport.h"

extern "C" const ResourceBundleData* GuiTestResourceBundle();

namespace {

class TestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  wxApp::SetInstance(new TestApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "The toolkit did not start (no display?)\n");
    return 1;
  }
  FailTestsOnToolkitAsserts();
  framework::PrepareToolkit();
  ProgramResources();
  std::string error;
  std::shared_ptr<const platform::ResourceModule> tests =
      platform::ResourceModule::FromBundle(GuiTestResourceBundle(), &error);
  if (!tests) {
    std::fprintf(stderr, "Test resources: %s\n", error.c_str());
    return 1;
  }
  platform::SetLanguageResourceModule(tests);

  // The tests drive the toolkit's events themselves, through this loop.
  wxGUIEventLoop loop;
  wxEventLoopBase::SetActive(&loop);
  const int result = RUN_ALL_TESTS();
  wxEventLoopBase::SetActive(nullptr);
  platform::SetLanguageResourceModule(nullptr);
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
