// A file written whole or not at all, through a link to the file it points to, never over a
// folder, a device or a pipe, and a failure named by the system's reason.

#include "output/file_output.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "translations/messages.h"

namespace coldesign {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void Put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Two pieces, as the schedule's writer hands a large file over.
bool TwoPieces(const WritePiece& write) { return write("mark,count\n") && write("C1,2\n"); }

// A disk that fills after the first write.
ssize_t FullAfterFirstWrite(int file, const void* bytes, std::size_t size) {
  static int writes = 0;
  if (++writes % 2 == 0) {
    errno = ENOSPC;
    return -1;
  }
  return ::write(file, bytes, size);
}

struct OutputCase {
  const char* what;
  // Makes what the path names in the folder and gives the path.
  std::function<fs::path(const fs::path& folder)> make;
  WriteCall write_call;
  bool not_regular_file;
  std::string reason;    // empty when written
  std::string expected;  // the file the path leads to, afterwards
  friend std::ostream& operator<<(std::ostream& os, const OutputCase& c) { return os << c.what; }
};

class WriteWholeFileTo : public ::testing::TestWithParam<OutputCase> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("file_output_test_" + std::to_string(::getpid()) + "_" +
                                           std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_P(WriteWholeFileTo, WritesWholeOrLeavesAllAsItWas) {
  const OutputCase& c = GetParam();
  const fs::path path = c.make(folder_);
  const bool existed = fs::exists(fs::symlink_status(path));
  const auto entries_before = std::distance(fs::directory_iterator(folder_), {});
  const auto written = WriteWholeFile(path.string(), TwoPieces, c.write_call);
  EXPECT_EQ(c.reason.empty() && !c.not_regular_file, written.has_value());
  if (!written) {
    EXPECT_EQ(c.not_regular_file, written.error().not_regular_file);
    EXPECT_EQ(c.reason, written.error().reason);
  }
  // No file left beside: a new name is the one file more.
  const auto entries_after = std::distance(fs::directory_iterator(folder_), {});
  EXPECT_EQ(entries_before + (written && !existed ? 1 : 0), entries_after);
  if (fs::is_regular_file(path)) {
    EXPECT_EQ(c.expected, Contents(path));
  }
}

const std::string kWritten = "mark,count\nC1,2\n";

INSTANTIATE_TEST_SUITE_P(
    Paths, WriteWholeFileTo,
    ::testing::Values(OutputCase{"a new name",
                                 [](const fs::path& folder) { return folder / "new.csv"; }, nullptr,
                                 false, "", kWritten},
                      OutputCase{"a file, replaced",
                                 [](const fs::path& folder) {
                                   Put(folder / "old.csv", "what was there");
                                   return folder / "old.csv";
                                 },
                                 nullptr, false, "", kWritten},
                      OutputCase{"a full disk: the file as it was",
                                 [](const fs::path& folder) {
                                   Put(folder / "old.csv", "what was there");
                                   return folder / "old.csv";
                                 },
                                 FullAfterFirstWrite, false, "No space left on device",
                                 "what was there"},
                      OutputCase{"a folder that is not there",
                                 [](const fs::path& folder) { return folder / "none" / "new.csv"; },
                                 nullptr, false, "No such file or directory", ""},
                      OutputCase{"a folder",
                                 [](const fs::path& folder) {
                                   fs::create_directory(folder / "sub");
                                   return folder / "sub";
                                 },
                                 nullptr, true, "", ""},
                      OutputCase{"a pipe",
                                 [](const fs::path& folder) {
                                   ::mkfifo((folder / "pipe").c_str(), 0600);
                                   return folder / "pipe";
                                 },
                                 nullptr, true, "", ""},
                      OutputCase{"a link to a pipe",
                                 [](const fs::path& folder) {
                                   ::mkfifo((folder / "pipe").c_str(), 0600);
                                   fs::create_symlink(folder / "pipe", folder / "link.csv");
                                   return folder / "link.csv";
                                 },
                                 nullptr, true, "", ""},
                      OutputCase{"a link to nothing",
                                 [](const fs::path& folder) {
                                   fs::create_symlink(folder / "none.csv", folder / "link.csv");
                                   return folder / "link.csv";
                                 },
                                 nullptr, true, "", ""}));

// Through a link the file it points to is replaced, with its permissions; the link stays.
TEST(WriteWholeFile, ThroughALinkReplacesTheFileItPointsTo) {
  const fs::path folder =
      fs::temp_directory_path() / ("file_output_link_" + std::to_string(::getpid()));
  fs::create_directories(folder / "target");
  Put(folder / "target" / "kept.csv", "what was there");
  fs::permissions(folder / "target" / "kept.csv",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(folder / "target" / "kept.csv", folder / "link.csv");
  ASSERT_TRUE(WriteWholeFile((folder / "link.csv").string(), TwoPieces).has_value());
  EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
  EXPECT_EQ(kWritten, Contents(folder / "target" / "kept.csv"));
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
            fs::status(folder / "target" / "kept.csv").permissions());
  EXPECT_EQ(1, std::distance(fs::directory_iterator(folder / "target"), {}));
  fs::remove_all(folder);
}

TEST(FileMessages, NameTheFileAndTheSystemsReason) {
  const struct {
    Message message;
    QString arabic;
    QString english;
  } cases[] = {
      {FileMessage("out.csv", "No space left on device", true),
       QStringLiteral("تعذرت كتابة الملف out.csv: No space left on device"),
       QStringLiteral("could not write out.csv: No space left on device")},
      {NotRegularFileMessage("/dev/sda"),
       QStringLiteral("تعذرت كتابة الملف /dev/sda: ليس ملفا عاديا ولا اسما جديدا"),
       QStringLiteral("could not write /dev/sda: it is neither a regular file nor a new name")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.arabic, c.message.in(InArabic));
    EXPECT_EQ(c.english, c.message.in(InEnglish));
  }
}

}  // namespace
}  // namespace coldesign
