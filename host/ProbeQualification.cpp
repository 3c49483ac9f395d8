#include "host/ProbeQualification.h"

#include <stdexcept>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "platform/Clock.h"
#include "platform/Operator.h"
#include "platform/WindowRegistry.h"

namespace zantrel {

using Ms = Clock::Ms;

namespace {

// Folder text and a name, whatever separator the folder ends with.
std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

std::string Number(double value) {
  std::string text = std::to_string(value);
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

void Box(const std::string& text) {
  DebugLog(text, 0, true, kWarn);
}

}  // namespace

struct ProbeQualification::Objects {
  std::shared_ptr<host::ToolList> tools;
  std::shared_ptr<host::Probe> probe;
  std::shared_ptr<host::Tool> tool;
  std::shared_ptr<host::QualSettings> settings;
};

ProbeQualification::ProbeQualification(Kormet& kormet, SelectionWindow& window, ProbeView* view,
                                       PrintShowFn printShow, std::function<void()> exitCommand)
    : kormet_(kormet),
      window_(window),
      view_(view),
      printShow_(std::move(printShow)),
      exitCommand_(std::move(exitCommand)) {}

std::string ProbeQualification::SettingsKey(const char* key) const {
  return ReadIniKey(kormet_.SettingsFile(), key);
}

void ProbeQualification::Label(bool /*normalRun*/, const std::string& text) {
  if (view_) view_->SetCaption(Translate(text));
}

void ProbeQualification::pBkgnd_Click(bool normalRun, StartupStatus* splash) {
  HostState& host = kormet_.state;
  const bool operatorMode = NumberOr(SettingsKey("Operator_Mode"), 0) == 1;
  auto setOperatorMode = [&](bool on) {
    try {
      if (operatorMode && !kormet_.TestMode() && host.HostApp) host.HostApp->SetOperatorMode(on);
    } catch (const host::HostError& e) {
      DebugLog(std::string("pBkgnd_Click: ") + e.what(), 0);
    }
  };
  setOperatorMode(false);

  Operator& op = *Ctx().platform.op;
  op.SetBusy(true);
  std::string caption;
  if (view_) {
    view_->SetEnabled(false);
    caption = view_->Caption();
    view_->SetCaption(Translate("Loading..."));
  }
  DebugLog(Translate("Loading..."), 9);

  const std::string alternative = Trim(SettingsKey("AltProbeCalibrationProgram"));
  if (alternative.empty() || !FileExists(alternative, true)) {
    mnuProbeCal_Click(normalRun, splash);
    Ctx().platform.clock->WaitWhile(
        [] { return Ctx().platform.windows->FindByTitle("Probe Utilities").has_value(); }, Ms(-1),
        Ms(200));
  } else if (!kormet_.TestMode()) {
    kormet_.RunKormetProg(alternative, true, splash, "");
  }

  if (normalRun && view_) {
    view_->SetEnabled(true);
    view_->SetCaption(caption);
  }
  op.SetBusy(false);
  setOperatorMode(true);
  if (!normalRun && exitCommand_) exitCommand_();
}

void ProbeQualification::mnuProbeCal_Click(bool normalRun, StartupStatus* splash) {
  if (kormet_.TestMode()) {
    Box(Translate(
            "Interface is in TEST mode, switch to OFFLINE, or CMM1 to test probe qualification") +
        ".");
    return;
  }
  if (normalRun) Label(normalRun, "Initializing...");
  kormet_.StartKormet(normalRun, true, splash);
  if (splash && splash->IsVisible()) splash->HideSplash();
  Objects objects;
  if (!kormet_.state.HostApp) {
    Box(Translate("Kormet could not be attached") + ".");
  } else {
    try {
      Qualify(normalRun, splash, objects);
    } catch (const std::exception& e) {
      Box(Translate("An error occurred while accessing probe information.\r\nPossible causes of "
                    "the error are:\r\n1.  A probe file converted to a newer version of "
                    "Kormet\r\n2.  A probe file lacking hardware definition\r\nPlease contact "
                    "System Administrator") +
          ".");
      const std::string what = Trim(e.what()).empty() ? "Unknown error" : e.what();
      DebugLog("mnuProbeCal_Click: Error occurred: " + what, 0);
    }
  }
  CleanUp(normalRun, objects);
}

bool ProbeQualification::Qualify(bool normalRun, StartupStatus* /*splash*/, Objects& objects) {
  HostState& host = kormet_.state;
  Clock& clock = *Ctx().platform.clock;
  auto fail = [](const std::string& why) {
    throw host::HostError(host::HostError::Kind::Refused, why);
  };

  DebugLog("mnuProbeCal_Click: Kill part 0.prg", 9);
  DeleteFileIfExists(InFolder(host.folder, "0.prg"));
  DeleteFileIfExists("0.prg");
  Label(normalRun, "Acquiring programs...");
  clock.Wait(Ms(1000));

  DebugLog("Setting parts...", 9);
  if (!host.HostParts) host.HostParts = host.HostApp->PartPrograms();
  if (!host.HostParts) {
    Box(Translate("Kormet parts not be attached") + ".");
    return false;
  }

  DebugLog("Creation of part 0.prg", 9);
  const std::string machine = IsOlderHost(host.version) ? kormet_.InterfaceMode() : "";
  auto add = [&]() -> std::shared_ptr<host::PartProgram> {
    try {
      return host.HostParts->Add("0", 0, machine, "");
    } catch (const host::HostError& e) {
      DebugLog(std::string("mnuProbeCal_Click: ") + e.what(), 0);
      return nullptr;
    }
  };
  host.HostPart = add();
  if (!host.HostPart) {
    DebugLog("mnuProbeCal_Click: Unable to add HostPart, trying a second time.", 0);
    RelObj(host.HostApp, "HostApp");
    host.HostApp = kormet_.Bind();
    clock.Wait(Ms(1000));
    host.HostParts = host.HostApp->PartPrograms();
    if (!host.HostParts) fail("mnuProbeCal_Click: HostParts was nothing.");
    host.HostPart = add();
    if (!host.HostPart) DebugLog("mnuProbeCal_Click: HostPart was nothing", 0);
  }

  DebugLog("Setting HostCommands", 0);
  host.HostCommands = host.HostPart ? host.HostPart->Commands() : nullptr;
  if (!host.HostCommands) {
    DebugLog("mnuProbeCal_Click: Unable to get Commands collection, exiting...", 0);
    fail("Unable to get Commands collection");
  }
  if (const long count = host.HostCommands->Count(); count > 0)
    host.HostCommands->InsertionPointAfter(host.HostCommands->Item(count));

  Label(normalRun, "Acquiring probes...");
  host.HostProbes = host.HostPart->Probes();
  if (!host.HostProbes) fail("mnuProbeCal_Click: HostProbes was nothing.");
  const long probeCount = host.HostProbes->Count();
  DebugLog("mnuProbeCal_Click: Probes.count is: " + std::to_string(probeCount), 0);
  if (!IsOlderHost(host.version)) host.HostProbes->SetVisible(false);

  QualificationChoice choice;
  choice.caption = Translate("Qualification Options");
  Label(normalRun, "Loading probes...");
  for (long i = 1; i <= probeCount; ++i) {
    const std::string name = host.HostProbes->Item(i)->Name();
    choice.probes.push_back(name);
    DebugLog("Probe file added: " + name, 9);
  }
  DebugLog("mnuProbeCal_Click: Probes in list: " + std::to_string(choice.probes.size()), 0);
  if (choice.probes.empty()) {
    Box(Translate("There are no probe files to qualify") + ".");
    return false;
  }
  choice.probe = choice.probes.front();
  const std::string probeFolder = ExpandShortFolder(host.HostProbes->Item(1)->Path());
  choice.caption = Translate("Qualify:") + " " + probeFolder;
  choice.probeEnabled = choice.probes.size() > 1;
  if (choice.probeEnabled) choice.probeTip = Translate("Select probe to qualify");

  Label(normalRun, "Loading tools...");
  DebugLog("Setting tools", 9);
  objects.tools = host.HostPart->Tools();
  const long toolCount = objects.tools ? objects.tools->Count() : 0;
  DebugLog("mnuProbeCal_Click: Tools.count is: " + std::to_string(toolCount), 0);
  for (long i = 1; i <= toolCount; ++i) {
    const std::string id = objects.tools->Item(i)->ID();
    choice.artifacts.push_back(id);
    DebugLog("Tool name: " + id, 9);
  }
  if (choice.artifacts.empty()) {
    Box(Translate("There are no artifacts (tools) to measure") + ".");
    return false;
  }
  choice.artifact = choice.artifacts.front();
  choice.artifactEnabled = choice.artifacts.size() > 1;
  if (choice.artifactEnabled) choice.artifactTip = Translate("Select qualification sphere");

  if (UCase(Trim(SettingsKey("WarnToolMoved"))) == "NO") choice.movedEnabled = false;
  if (UCase(Trim(SettingsKey("DefToolMoved"))) == "NO") choice.moved = false;

  Label(normalRun, "Choose Probe/Artifact");
  DebugLog("mnuProbeCal_Click: Showing frmSelect", 9);
  if (choice.NeedsWindow()) window_.ShowModal(choice);
  DebugLog("mnuProbeCal_Click: After frmSelect", 9);
  if (choice.Cancelled()) {
    DebugLog("mnuProbeCal_Click: Qualification cancelled by operator.", 3);
    host.HostProbes->CancelChanges();
    return false;
  }

  DebugLog("mnuProbeCal_Click: Setting probe objects", 9);
  objects.probe = host.HostProbes->Item(choice.probe);
  const std::string probePath = ExpandShortFolder(objects.probe->Path());
  DebugLog("mnuProbeCal_Click: Probe path is: " + probePath, 9);
  Label(normalRun, "Remove old Results...");
  const std::string results = choice.probe + ".Results";
  const std::vector<std::string> places = {InFolder(probePath, results),
                                           InFolder(host.folder, results),
                                           InFolder(kormet_.probesDirectory, results)};
  for (size_t i = 0; i < places.size(); ++i)
    if (i < 2 || !kormet_.probesDirectory.empty()) MakeOLD(places[i]);

  Label(normalRun, "Set Parameters...");
  objects.tool = objects.tools->Item(choice.artifact);
  DebugLog("mnuProbeCal_Click: Tool Set is: " + objects.tool->ID(), 9);
  objects.settings = objects.probe->QualificationSettings();
  host::QualSettings& q = *objects.settings;
  if (choice.moved) {
    q.SetToolMoved(true);
    DebugLog("mnuProbeCal_Click: Tool moved was yes.", 9);
  } else {
    q.SetToolMoved(false);
    DebugLog("mnuProbeCal: Tool moved was no.", 9);
  }
  DebugLog(std::string("mnuProbeCal_Click: Tool moved is: ") + (q.ToolMoved() ? "True" : "False"),
           9);
  q.SetTool(objects.tool);
  q.SetMode(100);
  q.SetExecuteMode(0);
  if (const long hits = q.NumHits(); hits < 5) {
    DebugLog("Probe Settings: Numhits: " + std::to_string(hits), 0);
    q.SetNumHits(25);
  }
  if (const double speed = q.MoveSpeed(); speed < 1) {
    DebugLog("Probe Settings: Movespeed: " + Number(speed), 0);
    q.SetMoveSpeed(20);
  }
  if (const double speed = q.Touchspeed(); speed <= 0) {
    DebugLog("Probe Settings: Touchspeed: " + Number(speed), 0);
    q.SetTouchspeed(1);
  }
  if (const double prehit = q.PreHit(); prehit <= 0) {
    DebugLog("Probe Settings: Prehit: " + Number(prehit), 0);
    q.SetPreHit(1);
  }
  objects.probe->SelectAllTips();

  if (NumberOr(SettingsKey("WindowUp"), 1) != 0) WindowToFront(host::kKormetWindowClass);
  Label(normalRun, "Qualify...");
  DebugLog("mnuProbeCal_Click: Qualify2 attempting qualification of: " + choice.probe, 9);
  if (!objects.probe->Qualify2(objects.settings)) {
    Box(Translate("Probe Qualification failed. Contact System Administrator") + ".");
    if (kormet_.HostWindowExists()) host.HostProbes->CancelChanges();
    return false;
  }

  DebugLog("Probe Qualification succeeded.", 0);
  host.HostProbes->SaveChanges();
  DebugLog("mnuProbeCal_Click: Probe: " + choice.probe + " Path: " + probePath, 0);
  if (!kormet_.probesDirectory.empty()) ChangePath(kormet_.probesDirectory);
  std::string found;
  for (int attempt = 0; attempt < 3 && found.empty(); ++attempt) {
    if (attempt > 0) clock.Wait(Ms(1500));
    for (size_t i = 0; i < places.size() && found.empty(); ++i) {
      if (i == 2 && kormet_.probesDirectory.empty()) continue;
      if (FileExists(places[i], true)) found = places[i];
    }
  }
  if (!found.empty()) {
    DebugLog("mnuProbeCal_Click: Results file: " + found, 3);
    if (printShow_) printShow_(found, "Results", "SHOW");
  } else {
    Box(
        Translate("Probe Results file could not be found.  It is likely that the probe "
                  "qualification did not succeed.  Please Contact System Administrator"));
  }
  ChangePath(Ctx().programFolder.string());
  return true;
}

void ProbeQualification::CleanUp(bool normalRun, Objects& objects) {
  HostState& host = kormet_.state;
  DebugLog("mnuProbeCal_Click: quit: After CancelChanges", 0);
  if (normalRun) Label(normalRun, "Click Probe to Qualify");
  DebugLog("mnuProbeCal_Click: End Objects", 9);
  if (kormet_.HostWindowExists()) {
    objects.settings.reset();
    RelObj(objects.probe, "HostProbe");
    RelObj(objects.tool, "HostTool");
    RelObj(objects.tools, "HostTools");
    RelObj(host.HostProbes, "HostProbes");
    try {
      if (host.HostParts) host.HostParts->CloseAll();
    } catch (const host::HostError& e) {
      DebugLog(std::string("mnuProbeCal_Click: CloseAll: ") + e.what(), 0);
    }
    RelObj(host.HostCommands, "HostCommands");
    RelObj(host.HostPart, "HostPart");
  }
  DebugLog("mnuProbeCal_Click: Unload frmSelect", 9);
  window_.Close();
  ChangePath(Ctx().programFolder.string());
  DeleteFileIfExists(InFolder(host.folder, "0.prg"));
}

}  // namespace zantrel
