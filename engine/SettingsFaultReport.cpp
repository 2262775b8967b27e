#include "engine/SettingsFaultReport.h"

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

void CSettingsFaultReport::Report(const platform::RegistryFault& fault) {
  const std::string file = fault.file.string();
  if (fault.kind == platform::RegistryFault::Kind::kDamagedLinesKept) {
    TheDebugLog().LogText("Settings file " + file + " holds lines that cannot be read - defaults are used for them " +
                          "and the file as it was is kept in " + fault.detail);
    for (const std::string& line : fault.refusedLines) TheDebugLog().LogText("Settings line refused - " + line);
    return;
  }
  TheDebugLog().LogText("Unable to write settings file " + file + " - " + fault.detail);
  if (userTold_.exchange(true)) return;
  platform::AskUser(FormatC(ResourceFormat(IDS_MSG_SETTINGS_NOT_SAVED).c_str(), file.c_str(), fault.detail.c_str()),
                    platform::mb::kOk | platform::mb::kIconExclamation);
}

void InstallSettingsFaultReport(CSettingsFaultReport* report) {
  if (report == nullptr) {
    platform::SetRegistryFaultReport(nullptr);
    return;
  }
  platform::SetRegistryFaultReport([report](const platform::RegistryFault& fault) { report->Report(fault); });
}
