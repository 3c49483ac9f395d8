#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <fstream>

#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/PublishedWindow.h"
#include "tests/platformqt/Helper.h"

namespace zantrel {
namespace {

using testing::HelperPath;
using testing::ReadText;
using testing::TempFolder;

// The helper showing one published window; its handle read from its output.
struct OtherProgram {
  QProcess process;
  long long handle = 0;

  OtherProgram(const std::filesystem::path& folder, const std::string& className,
               const std::string& title) {
    process.start(HelperPath(), {"window", QString::fromStdString(folder.string()),
                                 QString::fromStdString(className), QString::fromStdString(title)});
    if (process.waitForReadyRead(10000)) handle = process.readLine().trimmed().toLongLong();
  }
  ~OtherProgram() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(5000);
    }
  }
};

std::vector<long long> Handles(FileWindowRegistry& registry) {
  std::vector<long long> handles;
  for (const auto& w : registry.All()) handles.push_back(w.handle);
  return handles;
}

TEST(FileWindowRegistry, SeesAndClosesTheWindowOfAnotherProgram) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  OtherProgram other(registry.Folder(), "KormetMain", "Kormet - Inspection");
  ASSERT_NE(other.handle, 0) << "helper did not publish";

  const auto byTitle = registry.FindByTitle("inspection");
  ASSERT_TRUE(byTitle);
  EXPECT_EQ(byTitle->handle, other.handle);
  EXPECT_EQ(byTitle->pid, long(other.process.processId()));
  EXPECT_EQ(byTitle->className, "KormetMain");
  EXPECT_EQ(byTitle->title, "Kormet - Inspection");
  ASSERT_TRUE(registry.FindByClass("KormetMain"));
  EXPECT_FALSE(registry.FindByTitle("Combine"));

  EXPECT_TRUE(registry.ToFront(other.handle));
  ASSERT_TRUE(registry.Close(other.handle));
  ASSERT_TRUE(other.process.waitForFinished(10000)) << "close request not noticed";
  EXPECT_EQ(other.process.exitCode(), 0);
  EXPECT_TRUE(other.process.readAll().contains("closed"));
  EXPECT_TRUE(registry.All().empty());
  EXPECT_TRUE(std::filesystem::is_empty(registry.Folder()));
  EXPECT_FALSE(registry.Close(other.handle));
}

TEST(FileWindowRegistry, IgnoresAndClearsEntriesOfEndedPrograms) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  QProcess vanish;
  vanish.start(HelperPath(), {"vanish", QString::fromStdString(registry.Folder().string())});
  ASSERT_TRUE(vanish.waitForFinished(10000));
  const long long handle = vanish.readAll().trimmed().toLongLong();
  ASSERT_NE(handle, 0);
  ASSERT_TRUE(std::filesystem::exists(registry.Folder() / (std::to_string(handle) + ".window")));

  EXPECT_TRUE(registry.All().empty());
  EXPECT_FALSE(std::filesystem::exists(registry.Folder() / (std::to_string(handle) + ".window")));
  EXPECT_FALSE(registry.Close(handle));
  EXPECT_FALSE(registry.ToFront(handle));
}

TEST(FileWindowRegistry, AReusedProcessIdDoesNotKeepAnOldEntryAlive) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  OtherProgram other(registry.Folder(), "Old", "Old window");
  ASSERT_NE(other.handle, 0);
  ASSERT_EQ(registry.All().size(), 1u);

  // The same pid with another start time: the entry's process has ended and the pid is reused.
  const auto file = registry.Folder() / (std::to_string(other.handle) + ".window");
  std::string text = ReadText(file);
  const auto at = text.find("started=");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, text.find('\n', at) - at, "started=1");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

  EXPECT_TRUE(registry.All().empty());
}

TEST(FileWindowRegistry, OwnWindowsInPublicationOrderWithTitlesAndRequests) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  const long long first = registry.Publish("frmMain", "Zantrel");
  const long long second = registry.Publish("frmInspOpt", "Inspection Options");
  EXPECT_NE(first, second);
  registry.SetTitle(first, "Zantrel - Zone 1\nsecond line");

  const auto all = registry.All();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].handle, first);
  EXPECT_EQ(all[0].title, "Zantrel - Zone 1 second line");
  EXPECT_EQ(all[1].className, "frmInspOpt");

  EXPECT_FALSE(registry.CloseRequested(second));
  EXPECT_TRUE(registry.Close(second));
  EXPECT_TRUE(registry.CloseRequested(second));
  registry.ClearCloseRequest(second);
  EXPECT_FALSE(registry.CloseRequested(second));

  bool fronted = false;
  registry.OnFront(first, [&] { fronted = true; });
  EXPECT_TRUE(registry.ToFront(first));
  EXPECT_TRUE(fronted);

  registry.Withdraw(first);
  EXPECT_EQ(Handles(registry), std::vector<long long>{second});
  // Another registry sees them through the folder.
  FileWindowRegistry other(registry.Folder());
  EXPECT_EQ(Handles(other), std::vector<long long>{second});
}

TEST(FileWindowRegistry, WithdrawsItsWindowsWhenItEnds) {
  TempFolder folder;
  {
    FileWindowRegistry registry(folder / "windows");
    registry.Publish("frmMain", "Zantrel");
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder / "windows"));
}

TEST(FileWindowRegistry, KeepsItsFolderPrivate) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "open");
  chmod((folder / "open").c_str(), 0755);
  FileWindowRegistry open(folder / "open");
  EXPECT_TRUE(open.Usable());
  struct stat st {};
  ASSERT_EQ(stat((folder / "open").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // A link could point anywhere another user chose.
  std::filesystem::create_directory_symlink(folder / "open", folder / "link");
  FileWindowRegistry linked(folder / "link");
  EXPECT_FALSE(linked.Usable());
  const long long handle = linked.Publish("frmMain", "Zantrel");
  ASSERT_EQ(linked.All().size(), 1u);  // its own windows are still known to itself
  EXPECT_EQ(linked.All()[0].handle, handle);
}

TEST(FileWindowRegistry, DefaultFolderIsInTheUsersRuntimeFolder) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && std::filesystem::is_directory(runtime))
    EXPECT_EQ(FileWindowRegistry::DefaultFolder(),
              std::filesystem::path(runtime) / "zantrel-windows");
  else
    EXPECT_EQ(FileWindowRegistry::DefaultFolder().parent_path(), "/tmp");
}

TEST(PublishedWindow, FollowsTheWindowAndClosesItOnRequest) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  auto* window = new QWidget;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName("frmCombine");
  window->setWindowTitle("Combine");
  auto* published = new PublishedWindow(window, registry);
  EXPECT_EQ(published->Handle(), 0);  // not shown yet
  EXPECT_TRUE(registry.All().empty());

  window->show();
  const long long handle = published->Handle();
  ASSERT_NE(handle, 0);
  auto found = registry.FindByTitle("COMBINE");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->className, "frmCombine");

  window->setWindowTitle("Combine - 2 files");
  EXPECT_EQ(registry.All().at(0).title, "Combine - 2 files");

  QPointer<QWidget> watch(window);
  ASSERT_TRUE(registry.Close(handle));
  EXPECT_TRUE(QTest::qWaitFor([&] { return watch.isNull(); }, 5000));
  EXPECT_TRUE(registry.All().empty());
}

TEST(PublishedWindow, AWindowThatRefusesToCloseIsAskedOnce) {
  class Stubborn : public QWidget {
   public:
    int asked = 0;

   protected:
    void closeEvent(QCloseEvent* event) override {
      ++asked;
      event->ignore();
    }
  };
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  Stubborn window;
  auto* published = new PublishedWindow(&window, registry, "Stubborn");
  window.show();
  ASSERT_TRUE(registry.Close(published->Handle()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.asked == 1; }, 5000));
  QTest::qWait(3 * PublishedWindow::kPollMs);
  EXPECT_EQ(window.asked, 1);
  EXPECT_FALSE(registry.CloseRequested(published->Handle()));
  EXPECT_EQ(registry.All().size(), 1u);
}

TEST(WindowPublisher, PublishesEveryTopLevelWindowAsItIsShown) {
  TempFolder folder;
  FileWindowRegistry registry(folder / "windows");
  WindowPublisher publisher(registry);
  QWidget window;
  window.setObjectName("frmMain");
  window.setWindowTitle("Zantrel");
  QWidget child(&window);  // a control, not a window
  window.show();
  const auto all = registry.All();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].className, "frmMain");
  window.hide();
  EXPECT_TRUE(registry.All().empty());
}

}  // namespace
}  // namespace zantrel
