#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "report/printer.h"

class QPainter;
class QPrinter;

namespace moltherm::gui {

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

  private:
    std::optional<std::string> beginDocument();
    void abandonDocument();

    QString fontName_;
    QFont font_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int linesOnPage_ = 0;
};

}  // namespace moltherm::gui
