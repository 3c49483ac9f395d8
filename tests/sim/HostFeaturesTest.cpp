// What the console and Devtab use of kormetsim, through the binding: configuration values,
// command fields, breakpoints, program start, reports, the scratch routine, probes, tools and
// qualification.
#include <gtest/gtest.h>

#include "foundation/TextFile.h"
#include "tests/hostipc/SimHost.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;
using testing::SimHost;

std::string Read(const fs::path& file) {
  return ReadAll(file).value_or("");
}

struct Ends : host::EventListener {
  std::vector<int> types;
  std::vector<std::string> status;
  void OnEndExecution(const host::EventRoutine&, int type) override { types.push_back(type); }
  void OnUpdateStatusMessage(const std::string& text) override { status.push_back(text); }
};

TEST(HostFeatures, RegistryValuesAndStartupOptionsComeFromTheHostFolder) {
  SimHost sim(
      "[Registry]\nOption/WarnMeasAllTips = 0\nOption/LoadProbeUserSearchDirectory = /p/probes\n"
      "Option/Broken = abc\n");
  sim.Write("AutomationStartupOptions.txt", "/f \r\n");
  auto app = sim.Bind();
  EXPECT_EQ(app->GetRegistryInt("Option", "WarnMeasAllTips", 1), 0);
  EXPECT_EQ(app->GetRegistryInt("option", "warnmeasalltips", 1), 0);
  EXPECT_EQ(app->GetRegistryInt("Option", "Missing", 7), 7);
  EXPECT_EQ(app->GetRegistryInt("Option", "Broken", 7), 7);
  EXPECT_EQ(app->GetRegistryString("Option", "LoadProbeUserSearchDirectory", ""), "/p/probes");
  EXPECT_EQ(app->GetRegistryString("Option", "Missing", "dflt"), "dflt");
  EXPECT_EQ(sim.LogCount("Startup options: /f "), 1);
  app->SetOperatorMode(true);
  EXPECT_TRUE(app->OperatorMode());
}

TEST(HostFeatures, CommandFieldsAsTheConsoleAndDevtabReadThem) {
  SimHost sim;
  sim.Write("f.prg",
            "DIM LOC1 1000\nAXIS 1002 1.23456 1.23 0.005 0.005\nASSIGN SHNKVAL = 1.5\n"
            "TRACE Operator = nobody\nLOADPROBE PROBE1.prb\n");
  auto app = sim.Bind();
  auto routine = app->PartPrograms()->Open((sim.Home() / "f.prg").string(), "CMM1");
  auto commands = routine->Commands();
  ASSERT_EQ(commands->Count(), 5);
  auto header = commands->Item(1), axis = commands->Item(2), assign = commands->Item(3),
       trace = commands->Item(4), load = commands->Item(5);
  EXPECT_TRUE(header->IsDimension());
  EXPECT_TRUE(host::IsDimensionFrame(header->Type()));
  EXPECT_EQ(header->ID(), "LOC1");
  EXPECT_EQ(axis->ID(), "");
  EXPECT_EQ(axis->Type(), 1002);
  auto values = axis->DimensionCommand();
  EXPECT_DOUBLE_EQ(values->Measured(), 1.23456);
  EXPECT_DOUBLE_EQ(values->NOMINAL(), 1.23);
  EXPECT_NEAR(values->Deviation(), 0.00456, 1e-12);
  EXPECT_DOUBLE_EQ(values->Minus(), 0.005);

  EXPECT_TRUE(assign->IsFlowControl());
  EXPECT_FALSE(assign->IsDimension());
  EXPECT_EQ(assign->GetText(host::kFieldAssignName, 0), "SHNKVAL");
  EXPECT_TRUE(assign->PutText("2.75", host::kFieldAssignValue, 0));
  EXPECT_EQ(assign->GetText(host::kFieldAssignValue, 0), "2.75");
  EXPECT_FALSE(assign->PutText("x", host::kFieldTraceValue, 0));

  EXPECT_TRUE(trace->IsTraceField());
  EXPECT_EQ(trace->GetText(host::kFieldTraceName, 0), "Operator");
  EXPECT_TRUE(trace->PutText("Smith", host::kFieldTraceValue, 0));

  EXPECT_TRUE(load->IsLoadProbe());
  EXPECT_EQ(load->ModalCommand().Name, "PROBE1.prb");
  EXPECT_EQ(trace->ModalCommand().Name, "");

  // SaveAs keeps what was put.
  ASSERT_TRUE(routine->SaveAs((sim.Home() / "LastRun.prg").string()));
  const std::string saved = Read(sim.Home() / "LastRun.prg");
  EXPECT_NE(saved.find("ASSIGN SHNKVAL = 2.75"), std::string::npos);
  EXPECT_NE(saved.find("TRACE Operator = Smith"), std::string::npos);
  EXPECT_EQ(routine->FullName(), (sim.Home() / "LastRun.prg").string());
}

TEST(HostFeatures, ABreakpointStopsTheRunUntilBreakpointsAreCleared) {
  SimHost sim;
  sim.Write("bp.prg", "COMMENT one\nBP COMMENT two\nCOMMENT three\n");
  auto app = sim.Bind();
  auto events = app->ApplicationEvents();
  Ends ends;
  events->Attach(&ends);
  auto routine = app->PartPrograms()->Open((sim.Home() / "bp.prg").string(), "CMM1");
  EXPECT_FALSE(routine->EXECUTE());
  routine->Commands()->ClearAllBreakpoints();
  EXPECT_TRUE(routine->EXECUTE());
  events->Detach(&ends);
  EXPECT_EQ(ends.types, (std::vector<int>{3, 1}));
  EXPECT_NE(ends.status.at(0).find("breakpoint"), std::string::npos);
}

TEST(HostFeatures, ARoutineStartsAProgramWithItsArgumentsAndWritesTheReports) {
  SimHost sim("[Variables]\nOUT = made by routine\n");
  const fs::path made = sim.Home() / "made by routine";
  sim.Write("run.prg",
            "DIM DIA2 1005 10.002 10 0.01 0.01\n"
            "RUNWAIT /usr/bin/touch \"${HOST_DIR}/${OUT}\"\n"
            "REPORT ${HOST_DIR}/KORMET.TXT\n"
            "REPORT ${HOST_DIR}/KORMET.RTF\n");
  sim.Write("bad.prg", "RUN /no/such/program\nCOMMENT never\n");
  auto app = sim.Bind();
  auto routine = app->PartPrograms()->Open((sim.Home() / "run.prg").string(), "OFFLINE");
  routine->SetPartName("TB100_OP10");
  routine->SetSerialNumber("SN42");
  routine->RefreshPart();
  EXPECT_EQ(routine->PartName(), "TB100_OP10");
  ASSERT_TRUE(routine->EXECUTE()) << sim.Log();
  EXPECT_TRUE(fs::exists(made));
  const std::string text = Read(sim.Home() / "KORMET.TXT");
  EXPECT_NE(text.find("Part name: TB100_OP10\r\n"), std::string::npos);
  EXPECT_NE(text.find("Serial number: SN42\r\n"), std::string::npos);
  EXPECT_NE(text.find("DIA2  1005    10.0020    10.0000"), std::string::npos);
  EXPECT_EQ(Read(sim.Home() / "KORMET.RTF").rfind("{\\rtf1", 0), 0u);

  auto events = app->ApplicationEvents();
  Ends ends;
  events->Attach(&ends);
  auto bad = app->PartPrograms()->Open((sim.Home() / "bad.prg").string(), "OFFLINE");
  EXPECT_FALSE(bad->EXECUTE());
  events->Detach(&ends);
  EXPECT_EQ(ends.types, std::vector<int>{3});
  ASSERT_EQ(ends.status.size(), 1u);
  EXPECT_NE(ends.status[0].find("/no/such/program"), std::string::npos);
}

TEST(HostFeatures, TheScratchRoutineIsANewActiveRoutineInTheHostFolder) {
  SimHost sim;
  auto app = sim.Bind();
  auto parts = app->PartPrograms();
  auto scratch = parts->Add("0", 0, "", "");
  ASSERT_NE(scratch, nullptr);
  EXPECT_TRUE(fs::exists(sim.Home() / "0.prg"));
  EXPECT_EQ(app->ActivePartProgram()->Name(), "0.prg");
  EXPECT_EQ(scratch->Commands()->Count(), 0);
  EXPECT_EQ(parts->Add("0", 0, "", ""), nullptr);  // already open
  parts->CloseAll();
  EXPECT_EQ(parts->Count(), 0);
  EXPECT_EQ(app->ActivePartProgram(), nullptr);
}

class Qualification : public ::testing::TestWithParam<const char*> {};

TEST_P(Qualification, WritesResultsWhereConfiguredAndSavesOrCancels) {
  const std::string place = GetParam();
  SimHost sim("[Host]\nResultsPlace = " + place +
              "\n[Registry]\nOption/LoadProbeUserSearchDirectory = PLACEHOLDER\n"
              "[Tools]\nSPHERE1 = 25.4\nSPHERE2 = 19.05\n"
              "[Qualification]\nNumHits = 3\nMoveSpeed = 0.5\nTouchspeed = 0\nPreHit = 0\n");
  // The probes directory is a folder of its own.
  const fs::path probesDir = sim.Home().parent_path() / "probesdir";
  fs::create_directories(probesDir);
  std::string ini = Read(sim.Home() / "kormetsim.ini");
  ini.replace(ini.find("PLACEHOLDER"), 11, probesDir.string());
  sim.Write("kormetsim.ini", ini);
  sim.Write("Probes/PROBE1.prb", "TIP T1A0B0 2.0\nTIP T1A90B0 2.0\n");
  sim.Write("Probes/PROBE2.PRB", "TIP T1 3.0\n");

  auto app = sim.Bind();
  auto scratch = app->PartPrograms()->Add("0", 0, "", "");
  auto probes = scratch->Probes();
  ASSERT_EQ(probes->Count(), 2);
  EXPECT_EQ(probes->Item(1)->Name(), "PROBE1");
  auto probe = probes->Item("probe1");
  EXPECT_EQ(probe->Path(), (sim.Home() / "Probes").string() + "/");
  ASSERT_EQ(probe->Tips()->Count(), 2);
  EXPECT_DOUBLE_EQ(probe->Tips()->Item(2)->Diameter(), 2.0);
  auto tools = scratch->Tools();
  ASSERT_EQ(tools->Count(), 2);
  EXPECT_EQ(tools->Item(2)->ID(), "SPHERE2");
  EXPECT_THROW(tools->Item("SPHERE9"), host::HostError);

  auto settings = probe->QualificationSettings();
  EXPECT_EQ(settings->NumHits(), 3);
  EXPECT_DOUBLE_EQ(settings->MoveSpeed(), 0.5);
  EXPECT_FALSE(probe->Qualify2(settings));  // no tool set yet
  settings->SetTool(tools->Item("SPHERE1"));
  settings->SetToolMoved(true);
  settings->SetMode(100);
  settings->SetExecuteMode(0);
  settings->SetNumHits(25);
  settings->SetMoveSpeed(20);
  settings->SetTouchspeed(1);
  settings->SetPreHit(1);
  EXPECT_TRUE(settings->ToolMoved());
  probe->SelectAllTips();
  ASSERT_TRUE(probe->Qualify2(settings));
  EXPECT_EQ(sim.LogCount("Qualify2 PROBE1 Tool=SPHERE1 ToolMoved=1 Mode=100 ExecuteMode=0 "
                         "NumHits=25 MoveSpeed=20.000 Touchspeed=1.000 PreHit=1.000 passed"),
            1);

  const fs::path folders[] = {sim.Home() / "Probes", sim.Home(), probesDir};
  const int expected = place == "probe" ? 0 : place == "host" ? 1 : 2;
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(fs::exists(folders[i] / "PROBE1.Results"), i == expected) << i;
  EXPECT_NE(Read(folders[expected] / "PROBE1.Results").find("NumHits: 25"), std::string::npos);

  // Cancelled: the probe file stays; saved: it holds the qualified diameters.
  const std::string before = Read(sim.Home() / "Probes/PROBE1.prb");
  probes->CancelChanges();
  EXPECT_EQ(Read(sim.Home() / "Probes/PROBE1.prb"), before);
  ASSERT_TRUE(probe->Qualify2(settings));
  probes->SaveChanges();
  const std::string after = Read(sim.Home() / "Probes/PROBE1.prb");
  EXPECT_NE(after, before);
  EXPECT_NE(after.find("TIP T1A0B0 "), std::string::npos);
  EXPECT_EQ(sim.LogCount("SaveChanges PROBE1"), 1);
}

INSTANTIATE_TEST_SUITE_P(Places, Qualification, ::testing::Values("probe", "host", "probes"));

TEST(HostFeatures, AFailingQualificationWritesNoResults) {
  SimHost sim("[Host]\nQualifyResult = 0\n");
  sim.Write("Probes/P.prb", "TIP T1 2.0\n");
  auto app = sim.Bind();
  auto scratch = app->PartPrograms()->Add("0", 0, "", "");
  auto probe = scratch->Probes()->Item("P");
  auto settings = probe->QualificationSettings();
  settings->SetTool(scratch->Tools()->Item(1));
  probe->SelectAllTips();
  EXPECT_FALSE(probe->Qualify2(settings));
  EXPECT_FALSE(fs::exists(sim.Home() / "Probes/P.Results"));
}

}  // namespace
}  // namespace zantrel
