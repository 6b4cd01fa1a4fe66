#include <gtest/gtest.h>

#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

class PrintTest : public FormTest {
  protected:
    void CalculateThreeTemperatures() {
        type("txtName", "Ar");
        type("txtMolarMass", "39.948");
        press("cmdCalc");
        type("txtTemp", "300");
        press("cmdCalc");
        type("txtTemp", "400");
        press("cmdCalc");
        ASSERT_TRUE(resultsMode());
    }
};

TEST_F(PrintTest, PrintsTheWholeReportInCourierThenReturnsToTheData) {
    CalculateThreeTemperatures();
    const std::string report = text("txtAns");
    const std::string summary = form.summaryText(), tables = form.tableText();
    press("cmdPrint");
    EXPECT_EQ(printer.log,
              (std::vector<std::string>{"font courier", "print", "end", "font Arial"}));
    EXPECT_EQ(printer.printed, report);
    EXPECT_EQ(printer.font, "Arial");
    EXPECT_EQ(form.summaryText(), summary);
    EXPECT_EQ(form.tableText(), tables);
    EXPECT_EQ(text("cmdCalc"), "Calc");
    EXPECT_FALSE(c("txtAns").visible);
    EXPECT_FALSE(c("cmdPrint").visible);
    EXPECT_FALSE(c("cmdNewData").visible);
    EXPECT_TRUE(c("frmMolType").visible);
    EXPECT_FALSE(c("txtError").visible);
}

TEST_F(PrintTest, AFailedPrintIsReportedAndKeepsTheReport) {
    struct Case {
        const char* what;
        std::optional<std::string> printFailure, endFailure;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"no default printer",
         "No default printer",
         std::nullopt,
         {"font courier", "print", "font Arial"}},
        {"the printer refuses the document",
         std::nullopt,
         "Printer error: out of paper",
         {"font courier", "print", "end", "font Arial"}},
    };
    for (const Case& failure : cases) {
        SCOPED_TRACE(failure.what);
        Session s;
        s.printer.printFailure = failure.printFailure;
        s.printer.endFailure = failure.endFailure;
        s.type("txtName", "Ar");
        s.type("txtMolarMass", "39.948");
        s.press("cmdCalc");
        const std::string report = s.text("txtAns");
        s.press("cmdPrint");
        EXPECT_EQ(s.printer.log, failure.log);
        EXPECT_EQ(s.printer.font, "Arial");
        EXPECT_TRUE(s.c("txtError").visible);
        EXPECT_EQ(s.text("txtError"),
                  failure.printFailure.value_or(failure.endFailure.value_or("")));
        EXPECT_EQ(s.focusName(), "txtError");
        EXPECT_TRUE(s.resultsMode());
        EXPECT_EQ(s.text("txtAns"), report);
        // Once the printer is back the same report prints.
        s.printer.printFailure.reset();
        s.printer.endFailure.reset();
        s.printer.printed.clear();
        s.press("cmdPrint");
        EXPECT_EQ(s.printer.printed, report);
        EXPECT_FALSE(s.resultsMode());
    }
}

}  // namespace
}  // namespace moltherm::app::testing
