#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <fstream>

#include "platform/qt/ProgramPlatform.h"
#include "tests/platformqt/Helper.h"

namespace zantrel {
namespace {

using testing::HelperPath;
using testing::ReadText;
using testing::TempFolder;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class UnattendedRun : public ::testing::Test {
 protected:
  std::string Script(const std::string& name, const std::string& lines) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << lines;
    return path.string();
  }

  // Runs the asking helper with these variables set and every other ZANTREL_ one removed.
  Outcome Ask(const std::map<QString, std::string>& variables) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : env.keys())
      if (key.startsWith("ZANTREL_")) env.remove(key);
    env.insert("ZANTREL_USER_STORE", QString::fromStdString((folder / "registry.ini").string()));
    for (const auto& [key, value] : variables) env.insert(key, QString::fromStdString(value));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(HelperPath(), {"ask"});
    Outcome run;
    if (!process.waitForFinished(20000)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << "the helper did not end";
      return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
  }

  TempFolder folder;
};

TEST_F(UnattendedRun, AnswersFromTheScriptAndWritesATranscript) {
  const std::string script = Script("answers.txt", "# start-up\nYes\n\nOK\n");
  const Outcome run = Ask({{"ZANTREL_OPERATOR_SCRIPT", script}});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("first=Yes"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("second=OK"), std::string::npos) << run.out;
  const std::string transcript = ReadText(script + ".transcript");
  EXPECT_NE(transcript.find("First question? -> Yes"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("Second question? -> OK"), std::string::npos) << transcript;

  // Programs it starts must not answer from the same script again, but stay unattended.
  EXPECT_NE(run.out.find("script=\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("unattended=" + script + "\n"), std::string::npos) << run.out;

  // A second run starts its transcript afresh.
  Ask({{"ZANTREL_OPERATOR_SCRIPT", script}});
  const std::string again = ReadText(script + ".transcript");
  EXPECT_EQ(again.find("First question?"), again.rfind("First question?")) << again;
}

TEST_F(UnattendedRun, AQuestionFromTheEventLoopWithoutAnswerEndsTheProgram) {
  const std::string script = Script("answers.txt", "Yes\n");
  const Outcome run = Ask({{"ZANTREL_OPERATOR_SCRIPT", script}});
  EXPECT_EQ(run.exitCode, kUnansweredExitCode);
  EXPECT_EQ(run.out.find("second="), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("unattended run ended"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Second question?"), std::string::npos) << run.err;
  const std::string transcript = ReadText(script + ".transcript");
  EXPECT_NE(transcript.find("Second question? -> UNANSWERED"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("ERROR: "), std::string::npos) << transcript;
}

TEST_F(UnattendedRun, AProgramThatCatchesEverythingStillEnds) {
  const std::string script = Script("answers.txt", "");
  const Outcome run = Ask({{"ZANTREL_OPERATOR_SCRIPT", script}});
  EXPECT_EQ(run.exitCode, kUnansweredExitCode);
  EXPECT_EQ(run.out.find("swallowed"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("First question?"), std::string::npos) << run.err;
}

TEST_F(UnattendedRun, AMissingScriptIsAClearError) {
  const std::string missing = (folder / "no-such-answers.txt").string();
  const Outcome run = Ask({{"ZANTREL_OPERATOR_SCRIPT", missing}});
  EXPECT_EQ(run.exitCode, kSetupExitCode);
  EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
}

TEST_F(UnattendedRun, AStartedProgramWithoutScriptEndsAtItsFirstQuestion) {
  const std::string parent = (folder / "parent.txt").string();
  const Outcome run = Ask({{"ZANTREL_UNATTENDED", parent}});
  EXPECT_EQ(run.exitCode, kUnansweredExitCode);
  const std::string transcript = ReadText(parent + ".probe.transcript");
  EXPECT_NE(transcript.find("First question? -> UNANSWERED"), std::string::npos) << transcript;
}

TEST_F(UnattendedRun, AProgramsOwnScriptComesFirst) {
  const std::string general = Script("general.txt", "No\nCancel\n");
  const std::string own = Script("probe.txt", "Yes\nOK\n");
  const Outcome run =
      Ask({{"ZANTREL_OPERATOR_SCRIPT", general}, {"ZANTREL_OPERATOR_SCRIPT_PROBE", own}});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("first=Yes"), std::string::npos) << run.out;
  // The general one is left for the programs this one starts.
  EXPECT_NE(run.out.find("script=" + general + "\n"), std::string::npos) << run.out;
  EXPECT_TRUE(std::filesystem::exists(own + ".transcript"));
}

}  // namespace
}  // namespace zantrel
