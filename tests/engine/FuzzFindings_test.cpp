// Every input the page-reader fuzzer caught, kept in tests/data/fuzz/, loaded the way the program
// loads a page: each must fail with its error and leave the page that was there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/Errors.h"
#include "engine/PageBitmap.h"

namespace pintoola {
namespace {

struct Finding {
  const char* file;
  const char* error;  // the message LoadFromFile must raise
};

// What each kept file once did, and what it must do now.
const Finding kFindings[] = {
    // 8 bits, 2^28 x 4: 1 GiB as read, 3 GiB and a 30-second pass once the first fill converts it
    // to 24 bits; refused when read.
    {"huge-8bit-grows-on-draw.bmp", "Bitmap image is not valid"},
    // 1 bit, 2^31 - 1 wide: overflowed the sampling of the fuzz target and promised 24 GiB at the
    // first change; refused when read.
    {"huge-1bit-width-int-max.bmp", "Bitmap image is not valid"},
};

// The test data folder is compiled into the suites.
std::filesystem::path FindingsFolder() { return std::filesystem::path(PINTOOLA_TEST_DATA) / "fuzz"; }

void PrintTo(const Finding& f, std::ostream* os) { *os << f.file; }

class FuzzFindingTest : public ::testing::TestWithParam<Finding> {};

TEST_P(FuzzFindingTest, FailsWithItsErrorQuicklyAndLeavesThePage) {
  const std::filesystem::path folder = FindingsFolder();
  const std::filesystem::path file = folder / GetParam().file;
  ASSERT_TRUE(std::filesystem::exists(file)) << file;

  PageBitmap page;
  page.SetSize(3, 2, clRed);
  const auto start = std::chrono::steady_clock::now();
  try {
    page.LoadFromFile(file.string());
    ADD_FAILURE() << GetParam().file << " loaded";
  } catch (const EPintoolaError& e) {
    EXPECT_STREQ(e.what(), GetParam().error);
  }
  // Refusing a file is header work; nothing may be allocated or touched for what it promises.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(page.Width(), 3);
  EXPECT_EQ(page.Height(), 2);
  EXPECT_EQ(page.Pixels(2, 1), clRed);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzFindingTest, ::testing::ValuesIn(kFindings),
                         [](const ::testing::TestParamInfo<Finding>& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.rfind('.'));
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name;
                         });

// A finding kept without an expectation here would only ever be replayed by the fuzzer.
TEST(FuzzFindings, EveryKeptFileHasAnExpectation) {
  const std::filesystem::path folder = FindingsFolder();
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    const bool listed = std::any_of(std::begin(kFindings), std::end(kFindings),
                                    [&](const Finding& f) { return name == f.file; });
    EXPECT_TRUE(listed) << name << " has no row in kFindings";
  }
}

}  // namespace
}  // namespace pintoola
