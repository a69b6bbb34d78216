#include "demo/demo_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#if defined(__unix__)
#include <sys/resource.h>

#include <csignal>
#endif

#include "demo/demo_record.h"
#include "demo/shuffle.h"

namespace pelvoro {
namespace {

namespace fs = std::filesystem;

constexpr DemoChoice kWuling{"五菱桂花", "桩考", ""};      // 6 code points: seed 6
constexpr DemoChoice kDongnan{"东南菱帅", "侧方停车", ""};  // 8 code points
constexpr DemoChoice kSameLength{"东南菱帅", "桩考", ""};   // 6 again

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, std::string_view bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A path as UTF-8 text, in the form the platform writes it.
std::string utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(utf8(entry.path().filename()));
  return names;
}

// `count` plausible records, one tick apart.
DemoLines recordsOf(std::size_t count) {
  DemoLines lines;
  for (std::size_t i = 0; i < count; ++i)
    lines[i] = formatDemoRecord(0.12 + 0.06 * static_cast<double>(i), 0.01 * static_cast<double>(i % 50), -1.5);
  return lines;
}

// A file's bytes as the program writes them: records shuffled with `seed`, each followed by `lineEnd`.
std::string fileOf(const std::vector<std::string>& records, std::size_t seed, std::string_view lineEnd = "\r\n") {
  std::string bytes;
  for (const std::string& record : records) bytes += shuffleText(record, seed).text + std::string(lineEnd);
  return bytes;
}

class DemoFile : public ::testing::Test {
 protected:
  void SetUp() override {
    program = fs::temp_directory_path() /
              ("pelvoro-demo-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
               std::to_string(std::random_device{}()));
    fs::create_directories(program);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(demoFolder(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(program, ignored);
  }

  fs::path demoFolder() const { return program / u8"演示"; }
  fs::path fileFor(const DemoChoice& choice) const { return demoFilePath(program, choice); }

  fs::path program;  // the program's folder
};

TEST_F(DemoFile, NameAndMessage) {
  EXPECT_EQ(utf8(demoFilePath("prog", kWuling)), utf8(fs::path("prog") / u8"演示" / u8"五菱桂花_桩考.dem"));
  EXPECT_EQ(utf8(demoFilePath("prog", {"悍马H1", "通过单边桥", "_右"}).filename()), "悍马H1_通过单边桥_右.dem");
  EXPECT_EQ(invalidDemoFileMessage(fs::path(u8"东南菱帅_桩考.dem")), "\"东南菱帅_桩考.dem\"不是有效的演示文件!");
}

TEST_F(DemoFile, RecordSaveLoadReplay) {
  // A recorded run: changes at ticks 4, 9 and 30, success at tick 40.
  DemoBuffer recorded;
  double clock = 0, steer = 0, speed = 0;
  const auto context = [&] { return DemoContext{clock, 60, 60, 30, 0.6, 300}; };
  for (int tick = 1; tick <= 40; ++tick) {
    clock += 0.06;
    if (tick == 4) speed = 15;
    if (tick == 9) steer = 0.0523598775598299;
    if (tick == 30) speed = -45.3;
    recordChanges(recorded, context(), steer, speed);
  }
  recordSuccess(recorded, context(), steer, speed);
  ASSERT_EQ(recorded.demoLineIndex, 3);
  ASSERT_NE(recorded.demoLines[3], "");  // the line of the success
  ASSERT_EQ(recorded.demoLines[4], "");

  const DemoSaveResult saved = saveDemoFile(program, kWuling, recorded.demoLines);
  ASSERT_TRUE(saved.saved) << saved.reason;
  EXPECT_EQ(saved.reason, "");

  // Four shuffled lines with CR LF, nothing else in the new folder.
  const std::string bytes = readBytes(fileFor(kWuling));
  std::vector<std::string> fileLines;
  for (std::size_t from = 0, end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
    fileLines.push_back(bytes.substr(from, end - from));
  ASSERT_EQ(fileLines.size(), 4u);
  std::size_t lineBytes = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    lineBytes += fileLines[i].size() + 2;
    EXPECT_NE(fileLines[i], recorded.demoLines[i]);
    EXPECT_EQ(unshuffleText(fileLines[i], 6).text, recorded.demoLines[i]);
  }
  EXPECT_EQ(bytes.size(), lineBytes);
  EXPECT_EQ(namesIn(demoFolder()), std::set<std::string>{"五菱桂花_桩考.dem"});

  const auto loaded = loadDemoFile(program, kWuling);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(*loaded, recorded.demoLines);

  // The replay applies the changes 2 ticks earlier (the first comes at the second tick) and the
  // success line at tick 38, then ends.
  DemoBuffer demo;
  demo.demoLines = *loaded;
  clock = 0, steer = 0, speed = 0;
  std::vector<int> appliedAt;
  ReplayStep step = ReplayStep::Continue;
  for (int tick = 1; tick <= 40 && step == ReplayStep::Continue; ++tick) {
    clock += 0.06;
    const int before = demo.demoLineIndex;
    step = replayDemoLine(demo, context(), steer, speed);
    if (demo.demoLineIndex > before) appliedAt.push_back(tick);
    if (tick == 26) {
      EXPECT_EQ(steer, 0.0523598775598299);
      EXPECT_NEAR(speed, 15, 1e-12);
    }
  }
  EXPECT_EQ(appliedAt, (std::vector<int>{2, 7, 28, 38}));
  EXPECT_EQ(step, ReplayStep::Ended);
  EXPECT_NEAR(speed, -45.3, 1e-12);
}

TEST_F(DemoFile, LineEnds) {
  const DemoLines three = recordsOf(3);
  const std::vector<std::string> records{three.begin(), three.begin() + 3};
  DemoLines expected{};
  std::copy(records.begin(), records.end(), expected.begin());
  std::string noFinalEnd = fileOf(records, 6);
  noFinalEnd.resize(noFinalEnd.size() - 2);
  for (const std::string& bytes : {fileOf(records, 6), fileOf(records, 6, "\n"), noFinalEnd}) {
    writeBytes(fileFor(kWuling), bytes);
    EXPECT_EQ(loadDemoFile(program, kWuling), expected);
  }
  // A blank line after the last is a line, and not a record.
  writeBytes(fileFor(kWuling), fileOf(records, 6) + "\r\n");
  EXPECT_FALSE(loadDemoFile(program, kWuling));
}

TEST_F(DemoFile, BadFilesAreRejected) {
  const DemoLines many = recordsOf(kDemoLineCount);
  std::vector<std::string> lines1001(many.begin(), many.end());
  std::vector<std::string> lines1002 = lines1001;
  lines1002.push_back(lines1001.back());
  writeBytes(fileFor(kWuling), fileOf(lines1001, 6));
  EXPECT_EQ(loadDemoFile(program, kWuling), many);  // the largest valid file

  std::string binary;
  for (int i = 0; i < 600; ++i) binary += static_cast<char>((i * 7) % 256);
  const std::string good = shuffleText(many[0], 6).text;
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"binary", binary},
      {"a megabyte in one line", std::string(1 << 20, 'a')},
      {"1002 lines", fileOf(lines1002, 6)},
      {"a blank line among records", good + "\r\n\r\n" + good + "\r\n"},
      {"a line of one character", good + "\r\nx\r\n"},
      {"a line of 255 characters", good + "\r\n" + std::string(255, 'x') + "\r\n"},
      {"a line without the keys", fileOf({"abc=0.12, def=0;"}, 6)},
      {"not shuffled", many[0] + "\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(fileFor(kWuling), c.bytes);
    EXPECT_FALSE(loadDemoFile(program, kWuling));
  }

  fs::remove(fileFor(kWuling));
  EXPECT_FALSE(loadDemoFile(program, kWuling));  // missing
  fs::create_directory(fileFor(kWuling));
  EXPECT_FALSE(loadDemoFile(program, kWuling));  // a folder of that name
}

TEST_F(DemoFile, ANonNumericFieldLoadsButEndsTheReplay) {
  writeBytes(fileFor(kWuling), fileOf({"abc=0.12, def=left, gh=0;"}, 6));
  const auto loaded = loadDemoFile(program, kWuling);
  ASSERT_TRUE(loaded);
  DemoBuffer demo;
  demo.demoLines = *loaded;
  double steer = 0, speed = 0;
  EXPECT_EQ(replayDemoLine(demo, {0.12, 60, 60, 30, 0.6, 300}, steer, speed), ReplayStep::Malformed);
}

TEST_F(DemoFile, AMovedFileNeedsTheSameCaptionLength) {
  const DemoLines records = recordsOf(20);
  ASSERT_TRUE(saveDemoFile(program, kWuling, records).saved);
  fs::copy_file(fileFor(kWuling), fileFor(kDongnan));
  fs::copy_file(fileFor(kWuling), fileFor(kSameLength));
  EXPECT_FALSE(loadDemoFile(program, kDongnan));                // seed 8 scrambles the records
  EXPECT_EQ(loadDemoFile(program, kSameLength), records);       // seed 6 as for 五菱桂花 + 桩考
}

TEST_F(DemoFile, SavingReplacesTheOldFileCompletely) {
  ASSERT_TRUE(saveDemoFile(program, kWuling, recordsOf(300)).saved);
  const DemoLines shorter = recordsOf(2);
  ASSERT_TRUE(saveDemoFile(program, kWuling, shorter).saved);
  EXPECT_EQ(readBytes(fileFor(kWuling)), fileOf({shorter[0], shorter[1]}, 6));
  EXPECT_EQ(loadDemoFile(program, kWuling), shorter);
  EXPECT_EQ(namesIn(demoFolder()), std::set<std::string>{"五菱桂花_桩考.dem"});  // no temporary file left
}

TEST_F(DemoFile, AFailedSaveKeepsWhatWasThere) {
  ASSERT_TRUE(saveDemoFile(program, kWuling, recordsOf(5)).saved);
  const std::string old = readBytes(fileFor(kWuling));
  const std::set<std::string> oldNames = namesIn(demoFolder());

  DemoLines tooLong = recordsOf(5);
  tooLong[3] = std::string(255, 'x');
  DemoSaveResult r = saveDemoFile(program, kWuling, tooLong);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.reason, "需要加密的字符串太长！");

  r = saveDemoFile(program, kWuling, DemoLines{});
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.reason, "没有可保存的演示记录!");

  // The file's name taken by a folder: the new file cannot replace it.
  fs::create_directories(fileFor(kSameLength) / "inside");
  r = saveDemoFile(program, kSameLength, recordsOf(5));
  EXPECT_FALSE(r.saved);
  EXPECT_NE(r.reason.find("无法替换演示文件"), std::string::npos) << r.reason;
  EXPECT_TRUE(fs::is_directory(fileFor(kSameLength) / "inside"));

  EXPECT_EQ(readBytes(fileFor(kWuling)), old);
  EXPECT_EQ(namesIn(demoFolder()), (std::set<std::string>{*oldNames.begin(), utf8(fileFor(kSameLength).filename())}));
}

TEST_F(DemoFile, AFolderThatCannotBeCreated) {
  // "演示" is a regular file: the old bytes stay.
  writeBytes(demoFolder(), "old bytes");
  DemoSaveResult r = saveDemoFile(program, kWuling, recordsOf(3));
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.reason, "无法创建演示文件夹\"" + utf8(demoFolder()) + "\"：路径上有同名的文件!");
  EXPECT_EQ(readBytes(demoFolder()), "old bytes");
  EXPECT_EQ(namesIn(program), std::set<std::string>{"演示"});

  // The program's folder is a regular file.
  r = saveDemoFile(demoFolder(), kWuling, recordsOf(3));
  EXPECT_FALSE(r.saved);
  EXPECT_NE(r.reason.find("无法创建演示文件夹"), std::string::npos) << r.reason;
  EXPECT_EQ(readBytes(demoFolder()), "old bytes");
}

TEST_F(DemoFile, AReadOnlyFolder) {
  ASSERT_TRUE(saveDemoFile(program, kWuling, recordsOf(5)).saved);
  const std::string old = readBytes(fileFor(kWuling));
  fs::permissions(demoFolder(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(demoFolder() / "probe")) GTEST_SKIP() << "permissions do not stop this user (root?)";

  const DemoSaveResult r = saveDemoFile(program, kWuling, recordsOf(9));
  EXPECT_FALSE(r.saved);
  EXPECT_NE(r.reason.find("没有写入权限"), std::string::npos) << r.reason;
  EXPECT_EQ(readBytes(fileFor(kWuling)), old);
  EXPECT_EQ(namesIn(demoFolder()), std::set<std::string>{"五菱桂花_桩考.dem"});
}

#if defined(__unix__)
TEST_F(DemoFile, AWriteErrorLeavesTheOldFileAndNoTemporary) {
  // A file size limit makes the write fail halfway, as a full disk would, even for root.
  ASSERT_TRUE(saveDemoFile(program, kWuling, recordsOf(5)).saved);
  const std::string old = readBytes(fileFor(kWuling));

  rlimit normal{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
  rlimit small = normal;
  small.rlim_cur = 1024;  // bytes; the old file is smaller, the new one far larger
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const DemoSaveResult r = saveDemoFile(program, kWuling, recordsOf(kDemoLineCount));
  setrlimit(RLIMIT_FSIZE, &normal);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(r.saved);
  EXPECT_NE(r.reason.find("无法写入演示文件"), std::string::npos) << r.reason;
  EXPECT_EQ(readBytes(fileFor(kWuling)), old);
  EXPECT_EQ(namesIn(demoFolder()), std::set<std::string>{"五菱桂花_桩考.dem"});
}
#endif

}  // namespace
}  // namespace pelvoro
