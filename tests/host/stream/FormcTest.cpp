// Runs the formc tool (its path comes from the build) on files in a temporary directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "SampleForm.h"
#include "stream/BinaryStream.h"
#include "stream/TextForm.h"

namespace {

namespace fs = std::filesystem;

class Formc : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::path(::testing::TempDir()) /
           ("formc-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FDir);
    fs::create_directories(FDir);
  }
  void TearDown() override { fs::remove_all(FDir); }

  fs::path Path(const std::string& name) const { return FDir / name; }

  void WriteFile(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  // Runs formc with the arguments (already quoted) from within the directory; returns its exit code.
  int Run(const std::string& arguments) const {
    const std::string command =
        "cd '" + FDir.string() + "' && '" OVANTA_FORMC "' " + arguments + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path FDir;
};

TEST_F(Formc, CompilesATextFormAndPrintsItBack) {
  const std::string text = PrintTextForm(SampleForm());
  WriteFile("form.txt", text);
  ASSERT_EQ(Run("form.txt form.bin"), 0) << ReadFile("stderr.txt");
  const std::vector<std::uint8_t> expected = WriteObjectStream(SampleForm());
  EXPECT_EQ(ReadFile("form.bin"), std::string(expected.begin(), expected.end()));

  ASSERT_EQ(Run("--print form.bin"), 0) << ReadFile("stderr.txt");
  EXPECT_EQ(ReadFile("stdout.txt"), text);
}

TEST_F(Formc, ReportsTextErrorsWithFileLineAndColumn) {
  WriteFile("bad.txt", "object X: TX\n  Caption = 'open\nend\n");
  EXPECT_EQ(Run("bad.txt bad.bin"), 1);
  EXPECT_EQ(ReadFile("stderr.txt"), "bad.txt:2:13: unterminated string\n");
  EXPECT_FALSE(fs::exists(Path("bad.bin")));
}

TEST_F(Formc, ReportsMalformedStreamsWithTheOffset) {
  WriteFile("bad.bin", std::string("TPF0\x02TX\x00\x00", 9));
  EXPECT_EQ(Run("--print bad.bin"), 1);
  EXPECT_EQ(ReadFile("stderr.txt"), "bad.bin: offset 9: stream ends inside the child list of 'TX'\n");
}

TEST_F(Formc, FailsOnMissingFilesAndWrongUsage) {
  EXPECT_EQ(Run("missing.txt out.bin"), 1);
  EXPECT_EQ(ReadFile("stderr.txt"), "missing.txt: cannot read the file\n");
  WriteFile("form.txt", "object TX\nend\n");
  EXPECT_EQ(Run("form.txt no-such-dir/out.bin"), 1);
  EXPECT_EQ(Run("form.txt"), 2);
  EXPECT_EQ(Run("--bogus form.txt"), 2);
}

}  // namespace
