#include "foundation/SettingsCatalogue.h"

#include <cstdio>
#include <vector>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "platform/Operator.h"
#include "platform/UserStore.h"

namespace zantrel {

namespace {

bool Ask(const std::string& question, const std::string& title) {
  Operator* op = Ctx().platform.op;
  return op && op->YesNo(Translate(question), Translate(title));
}

}  // namespace

void CreateDefaultSettingsFile(const std::filesystem::path& file, const std::string& productName,
                               int major, int minor) {
  const std::string folder = Ctx().programFolder.string();
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) throw FileError("Cannot write " + file.string());
  auto line = [&](const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fwrite("\r\n", 1, 2, out);
  };
  const std::string stars =
      "!************************************************************************";

  try {
    line(stars);
    line("!" + productName + " Version " + std::to_string(major) + "." + std::to_string(minor) +
         " Initialization File");
    line("!CAPS sensitive, OFF = 0 and ON = 1");
    line(stars);
    line("!Measurement Settings");
    line("SendScanOffsets = OFF !ON/OFF !Default is OFF");
    if (Ask("Are you ONLINE (On a CMM)?", "ONLINE?")) {
      line("Interface = CMM1 !To run the CMM this value should be CMM1");
      const bool scanning =
          Ask("Is this machine capable of analog scanning? (Answer YES if not sure)",
              "Scanning Capable?");
      line(std::string("Trim = ") + (scanning ? "ON" : "OFF") +
           " ! For touch trigger machines should be OFF default is ON.  Set value to READ for "
           "variable trim.");
    } else if (Ask("Is Kormet OFFLINE installed on this system?", "OFFLINE?")) {
      line("Interface = OFFLINE !To run the CMM this value should be CMM1");
    } else {
      line("Interface = TEST !To run the CMM this value should be CMM1");
    }
    for (const char* text : {
             "!Report Display/Print Settings",
             "PRINTMODE = ON !OOT/ON/OFF !Default is OOT",
             "PLOTMODE = OFF !default is OFF",
             "Matrix_Mode = ON ! ON/OFF Printing of Matrix",
             "CMM_Mode = NONE !SHOW/PRINT/BOTH/NONE",
             "CMB_Mode = SHOW ! SHOW/PRINT/BOTH/NONE",
             "RTF_Mode = SHOW ! SHOW/PRINT/BOTH/NONE",
             "TXT_Mode = SHOW ! SHOW/PRINT/BOTH/NONE",
             "Results_Mode = SHOW ! SHOW/PRINT/BOTH/NONE",
             "Matrix_Report = FOLLOW !NOM/OUT/ACT/DEV/FOLLOW default is FOLLOW",
             "PrintOldStyle = OFF !Default is OFF, OldStyle application associated with OS PRINT "
             "for file type",
             " ",
             "!Feature Operator Selection",
             "FEATURE_SEL = OFF !default is OFF, turns all feature selection on or off",
             "PARTCOUNT_SEL = ON !default is ON",
             "!LETHCK_SEL = OFF !single feature selection on or off, overrides global setting",
             " ",
             "!Output Selection defaults",
             "SAVEDP = OFF !Default is OFF",
             "SECTION_SEL = ON !default is ON",
             "REPORT_SEL = ON !default is ON",
             "DATABASE_SEL = ON !default is ON",
             "PLOT_SEL = ON !default is ON",
             " ",
             "!Screen Behavior",
             "!Zone2_DISABLE = ON !Disables zone 1.",
             "!Zone3_DISABLE = ON !Disables zone 2.",
             "!Zone4_DISABLE = ON !Disables zone 3.",
             "4ZoneQueueing = ON   !Run all active part zones in queue ",
             "Zeph4ZoneBarCodeScan = OFF   !Custom bar code scan for serial # entry (Zeph request)",
             "Zeph_Final_Insp_CMM = 0      !no copy report pdf file when at final inspection cmm "
             "(Zeph request)",
             "Zeph_NetworkProgramFileCopy = 0      !copy kormet programs, nom, tol, flv, op, def "
             "files from network W:\\DOC\\CMM programs\\Zantrel\\blades\\partnumber folder to "
             "local drive",
             "Zantrel_WindowState = 2 ! 0 normal, 1 minimized, 2 maximized",
             "SingleZone = ON !Turn on single zone operation.  Default is ON.",
             "!SingleZoneLabel = Widget Inspection !Name/Label to use for single zone interface.",
             "!ProductName = Widget's are Us !Name/Label to use for generic interface (Appears on "
             "title bar).",
             "SingleZoneOP = ON !Turn on the operation combo box in singlezone operation.",
             "ShowOptions = ON !Turn on the inspection options box in singlezone operation.  "
             "Default is ON.",
         })
      line(text);
    line("Logo = " + JoinPath(folder, "CompanyLogo.gif") + " !default is none");
    for (const char* text : {
             "CalcReorder = OFF !Reorders the calculations in the inspection options screen to a "
             "standard format",
             "TextShowFont = Courier New",
             "TextShowSize = 10",
             " ",
             "!Network Settings",
             "NetLookup = OFF !When blades are on network, copy lookup table to the local "
             "machine.",
             "NetHome = OFF !Mirror home files from the network.",
             "ListLookup = OFF !When lists are on network, copy them to the local machine.",
             " ",
             "!Timing",
             "RESTART_NO = 10 ! Number of times to run Kormet before a forced restart.",
             "AutoRestart = ON ! Display messages when restarting when OFF",
             "RestartTime = 5 ! Time in seconds before and after Kormet shutdown/restart",
             "CMB_Wait = 2 !Time in seconds to wait before PRINT/SHOW of CMB file",
             " ",
             "!Stats",
             "!KeyLabel = Router# ! Labels the Key ID in the Inspection Options Window",
             "!STAT1 = OPERATOR Operator Name ! Stats Tracking Parameters (1-8 are possible)",
             "CombineON = ON ! Combines the Kormet and Camberix reports into a CMB file.",
             "ValidateON = ON ! Validates all Statistical data when lists are used.",
             "ValidateKeyLabel = ON ! Validates the key label is entered.",
             "UpdateKormetPartName = ON !Set the statistical Kormet part name for each program",
             "SendCMMasSTAT = ON !Send the CMM name as a statistical field",
             "ResetStatOnNewPart = OFF !Reset all STAT fields when new part number is selected",
             "CSV_To_Home = ON !Send CSV data from Camberix to Zantrel home dir for 3rd party "
             "stats",
             "SZ_Stats = OFF ! Turn on or off the STAT1 and STAT2 dropdowns on Singlezone "
             "interface",
             "SZ_Serial = OFF !Turn on or off the Serial number (Keylabel) dropdown in singlezone "
             "interface",
             "FORCE_ENTRY = ON !Force the entry of stats data",
             " ",
             "!File Cleanup",
             "CleanXYZ = 0",
             "CleanIGS = 0",
             "CleanCSV = 0",
             "CleanBCD = 0",
             "CleanRPT = 0",
             "CleanRTF = 0",
             "CleanTXT = 0",
             "CleanCMM = 0",
             "CleanCMB = 0",
             " ",
             "!Miscellaneous",
             "debuglevel = 10",
         })
      line(text);
    // From here on start-up reads the file's own level.
    Ctx().debugLevel = 9;
    for (const char* text : {
             "OutFileName = PartNo CompName Date Time !All possible values are listed in Help",
             "USE_MTH = OFF !default is OFF, ON saves Camberix calculation time",
             "NOM_MODE = QUENBY !OEM is default, QUENBY uses Quenby nominal files NOM.",
             "ProbeR = TIP 1 !syntax Tip tipnum example ProbeR = AVERAGE, TIP 2, FileValue, or a "
             "real number. For probe compensation default is 0",
             "Operator_Mode = OFF",
             "HeaderON = ON !Output a header file with stats/info textual information",
             "FixtureON = OFF !Output a fixture file with zone textual information",
             "CheckTimer = OFF",
             "CheckTimerCMD = Some_Command",
             "CheckTimerTime = 1 !In minutes",
             "!ExtCamberixFinish = Lumistat Macro_Name !Automatically create charts, etc.",
             "!ExtCamberixFinish2 = Lumistat Macro_Name !Automatically create charts, etc.",
             "!ExternalMCL = External Calculation Program !Automatically Run a Program on the MCL "
             "file",
             "Language = 1 !English = 1, French =2, Italian=3, German=4, Spanish=5",
             "WindowUp = ON !Bring Kormet window to top during execution",
             "ClearBreaks = OFF !Clear breakpoints in Kormet program before execution",
         })
      line(text);
    const bool rotors =
        Ask("Will multi-bladed rotors be measured on this system?", "Multi-bladed Rotor?");
    line(std::string("MBR = ") + (rotors ? "ON" : "OFF") +
         " !Enable Multi-Bladed Rotor Functionality");
    for (const char* text : {
             "PointsOnSectionTolerance = 0.040 !In inches, the amount a section can vary in Z and "
             "still be considered a section",
             " ",
             "!Warnings",
             "WarnToolMoved = YES",
             "DefToolMoved = YES",
             "! Inspection Window Labels",
             "! LETHCK_LABEL = This is LE Thick !Overrides the default Zantrel name for the "
             "parameter",
             " ",
             "!Inspection Options Screen Feature Checks - ON or OFF overridden by any single "
             "selection",
             "FEATURE_CHECKALL = ON",
             "!Calculation Check Defaults, overrides Global Selection",
             "!LETHCK = ON",
             "!Calculation/Flavor Check defaults where FLV = name of the flavor file, overrides "
             "all "
             "other selection",
             "!LETHCK_FLV = ON",
             " ",
             "ForbidCopyingFilesToTempFolderBeforeRun = 0  !Forbid copying part programs to temp "
             "folder before running.",
             "FixtureIsVisible = 0  !Hide FixtureCombo Box as just a few user is using it.",
             "ClosePPAfterRun = 0  !Close Part Program after run",
             "ProbeCalibrationIsInvisible = 0  !Probe Calibration is visible",
         })
      line(text);
    line(
        "!AltProbeCalibrationProgram = c:\\Zantrel\\kormet programs\\Qual_Tips.prg  !Run the "
        "specified kormet program when operator clicks Probe Calibration button");
    for (const char* text : {
             "KormetWritesRptFile = 0     ! 1 = kormet will write RPT file, Zantrel does not need "
             "to look for blade.rtf",
             "ResetCamberixSettingAbortReportIfAnySectionTrimFails = 0 ! Recheck Camberix setting "
             "'Abort Report if any section trim fails'",
             "LaserScanData = 0   !Measured data came from laser line scanner",
         })
      line(text);
  } catch (...) {
    std::fclose(out);
    throw;
  }
  if (std::fclose(out) != 0) throw FileError("Cannot write " + file.string());

  UserStore* store = Ctx().platform.store;
  if (store) {
    auto camberix = store->Get("directories", "camberixexe");
    if (!camberix || camberix->empty()) {
      store->Set("directories", "blades", JoinPath(folder, "blades"));
      store->Set("directories", "fixtures", JoinPath(folder, "fixtures"));
      store->Set("directories", "programs", JoinPath(folder, "kormet programs"));
      store->Set("directories", "networkblades", "");
      store->Set("directories", "networkfixtures", "");
      store->Set("directories", "networkprograms", "");
    }
  }
  DebugLog(Translate("First time run or INI file may have been deleted.  Default Initialization "
                     "File created.  Check settings in") +
               " " + file.string() + ".",
           0, true, kInfo);
}

}  // namespace zantrel
