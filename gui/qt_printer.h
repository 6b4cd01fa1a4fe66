#pragma once

#include <QFont>
#include <QString>
#include <memory>
#include <optional>

#include "report/printer.h"

class QPainter;
class QPrinter;

namespace moltherm::gui {

// What went wrong with the last document: the short message the window shows, and the reason.
struct PrintFailure {
    std::string message;
    QString reason;
};

// The system's default printer through Qt PrintSupport. A document opens with the first
// print() and goes to the printer at endDocument(). The printer is looked up afresh for
// each document, so a printer added or removed while the window is open is noticed.
class QtPrinter final : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    std::string fontName() const override;
    void setFontName(const std::string& name) override;
    std::optional<std::string> print(const std::string& text) override;
    std::optional<std::string> endDocument() override;

    // The size every font of this printer is set in; the font name never changes it.
    static constexpr qreal kPointSize = 10.0;

    // The failure of the last document, if it failed.
    const std::optional<PrintFailure>& lastFailure() const { return lastFailure_; }

  private:
    std::optional<std::string> beginDocument();
    void abandonDocument();
    std::optional<std::string> fail(const std::string& message, const QString& reason);
    QString printerName() const;

    QString fontName_;
    QFont font_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int linesOnPage_ = 0;
    std::optional<PrintFailure> lastFailure_;
};

}  // namespace moltherm::gui
