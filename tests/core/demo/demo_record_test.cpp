#include "demo/demo_record.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace pelvoro {
namespace {

std::string printfFormat(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

TEST(DemoRecord, NumbersAreWrittenAsPrintfWritesThem) {
  // The time goes through "%.2f" (0.125 is exact in binary and rounds to even,
  // 0.135 and 1.005 are a little above and below their decimal text), then
  // every number through "%.15g".
  struct Case {
    double seconds, steer, metresPerSecond;
  };
  for (const Case c : {Case{0.12, 0, 0}, {0.125, -0.0, 1.0 / 3}, {0.135, 0.0523598775598299, -2.5},
                       {1.005, -0.62831853071796, 1e-20}, {14399.999, 3.14159265358979e-7, 123456789.123456789},
                       {7.7, 2.0 / 3, -0.0001}}) {
    SCOPED_TRACE(c.seconds);
    const std::string t = printfFormat("%.15g", std::stod(printfFormat("%.2f", c.seconds)));
    const std::string expected = "abc=" + t + ", def=" + printfFormat("%.15g", c.steer) +
                                 ", gh=" + printfFormat("%.15g", c.metresPerSecond) + ";";
    EXPECT_EQ(formatDemoRecord(c.seconds, c.steer, c.metresPerSecond), expected);
  }
  EXPECT_EQ(formatDemoRecord(0.125, 0, 0), "abc=0.12, def=0, gh=0;");
  EXPECT_EQ(formatDemoRecord(0.135, 0, 0), "abc=0.14, def=0, gh=0;");
  EXPECT_EQ(formatDemoRecord(1.005, 0, 0), "abc=1, def=0, gh=0;");
}

TEST(DemoRecord, ThreeFieldsReadBackAsWritten) {
  const std::string line = formatDemoRecord(12.345678, -0.0523598775598299, 2.77777777777778);
  EXPECT_EQ(demoLineTime(line), 12.35);
  EXPECT_EQ(demoLineSteer(line), -0.0523598775598299);
  EXPECT_EQ(demoLineSpeed(line), 2.77777777777778);
  EXPECT_TRUE(hasDemoKeys(line));
}

TEST(DemoRecord, IsANumber) {
  struct Case {
    const char* text;
    bool number;
  };
  for (const Case c : {Case{"0", true}, {"-0", true}, {"+1", true}, {"1.", true}, {".5", true}, {"-.5", true},
                       {"1e5", true}, {"1E-5", true}, {"2.5e+3", true}, {"4.9e-324", true},
                       {"0.0523598775598299", true}, {"", false}, {"+", false}, {"-", false}, {".", false},
                       {"e5", false}, {"1e", false}, {"1e+", false}, {" 1", false}, {"1 ", false}, {"1,5", false},
                       {"--1", false}, {"1.2.3", false}, {"inf", false}, {"-nan", false}, {"0x1p3", false},
                       {"1e400", false}, {"1e-400", false}, {"1;", false}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseDemoNumber(c.text).has_value(), c.number);
  }
  EXPECT_FALSE(parseDemoNumber(std::string_view("1\0", 2)));
  EXPECT_EQ(parseDemoNumber("+2.5e+3"), 2500);
  EXPECT_EQ(parseDemoNumber("-.5"), -0.5);
}

TEST(DemoRecord, FieldsNeedTheirSeparators) {
  // The time is read from the fifth character whatever the first four are.
  EXPECT_EQ(demoLineTime("xyz=1.5, def=0, gh=0;"), 1.5);
  // Separators without the space are not separators; the loader's keys are still there.
  const std::string noSpaces = "abc=1.5,def=0,gh=0;";
  EXPECT_TRUE(hasDemoKeys(noSpaces));
  EXPECT_FALSE(demoLineTime(noSpaces));
  EXPECT_FALSE(demoLineSteer(noSpaces));
  EXPECT_FALSE(demoLineSpeed(noSpaces));
  // ", gh=" before ", def=" does not close the steering field.
  EXPECT_FALSE(demoLineSteer("abc=1, gh=2, def=3;"));
  EXPECT_FALSE(demoLineSpeed("abc=1, def=0, gh=2"));  // no final ';'
  EXPECT_FALSE(demoLineSpeed("abc=1, def=0, gh=;"));
  EXPECT_FALSE(demoLineTime(", def=0, gh=0;"));  // the separator inside the first four characters
  EXPECT_FALSE(demoLineTime("abc"));
  EXPECT_FALSE(hasDemoKeys("abc=1, def=0;"));
}

TEST(DemoRecord, ALocaleWithDecimalCommaChangesNothing) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string restore = previous ? previous : "C";
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) {
      found = true;
      break;
    }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string line = formatDemoRecord(1.5, -0.25, 2.75);
  const auto steer = demoLineSteer(line);
  std::setlocale(LC_NUMERIC, restore.c_str());
  EXPECT_EQ(line, "abc=1.5, def=-0.25, gh=2.75;");
  EXPECT_EQ(steer, -0.25);
}

}  // namespace
}  // namespace pelvoro
