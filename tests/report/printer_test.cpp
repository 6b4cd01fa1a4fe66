#include "report/printer.h"

#include <gtest/gtest.h>

#include <vector>

namespace moltherm {
namespace {

// Records every printer operation in order; can be told to fail at one of them.
class RecordingPrinter : public Printer {
  public:
    std::string fontName() const override {
        log.push_back("font?");
        return font;
    }
    void setFontName(const std::string& name) override {
        log.push_back("font=" + name);
        font = name;
    }
    std::optional<std::string> print(const std::string& text) override {
        log.push_back("print:" + text);
        return failPrint;
    }
    std::optional<std::string> endDocument() override {
        log.push_back("end");
        return failEnd;
    }

    std::string font = "Arial";
    std::optional<std::string> failPrint, failEnd;
    mutable std::vector<std::string> log;
};

TEST(PrintReport, PrintsOneTextInCourierAndRestoresTheFont) {
    RecordingPrinter p;
    EXPECT_FALSE(PrintReport(p, "summary\r\n", "table\r\n").has_value());
    const std::vector<std::string> expected{"font?", "font=courier", "print:summary\r\ntable\r\n",
                                            "end", "font=Arial"};
    EXPECT_EQ(p.log, expected);
}

TEST(PrintReport, FailureIsReportedAndTheFontStillRestored) {
    RecordingPrinter p;
    p.failPrint = "No default printer";
    EXPECT_EQ(PrintReport(p, "s", "t"), "No default printer");
    EXPECT_EQ(p.log.back(), "font=Arial");
    EXPECT_EQ(std::count(p.log.begin(), p.log.end(), "end"), 0);

    RecordingPrinter q;
    q.failEnd = "Printer error";
    EXPECT_EQ(PrintReport(q, "s", "t"), "Printer error");
    EXPECT_EQ(q.font, "Arial");
}

}  // namespace
}  // namespace moltherm
