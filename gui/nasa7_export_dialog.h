#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "calc/nasa7_export.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace moltherm::gui {

// What "Export NASA-7…" collects before it fits: the dialog's texts and the file to write.
struct Nasa7Choice {
    Nasa7Request request;
    QString path;
};

// The texts of a NASA-7 export: format, formula, enthalpy of formation, TLOW, TMID, THIGH. The
// formula is checked as it is typed, its refusal shown in the dialog and OK disabled while there
// is one; the numbers are read by the export, whose refusals the sweep window shows.
class Nasa7ExportDialog final : public QDialog {
    Q_OBJECT

  public:
    // The formula starts as `name` when that reads as one ("H2O").
    explicit Nasa7ExportDialog(const std::string& name, QWidget* parent = nullptr);

    Nasa7Request request() const;

    QComboBox& formatBox() { return *format_; }
    QLineEdit& formulaField() { return *formula_; }
    QLineEdit& enthalpyField() { return *enthalpy_; }
    QLineEdit& tlowField() { return *tlow_; }
    QLineEdit& tmidField() { return *tmid_; }
    QLineEdit& thighField() { return *thigh_; }
    QPushButton& okButton() { return *ok_; }
    QString message() const;

  private:
    void checkFormula();

    QComboBox* format_;
    QLineEdit* formula_;
    QLineEdit* enthalpy_;
    QLineEdit* tlow_;
    QLineEdit* tmid_;
    QLineEdit* thigh_;
    QLabel* message_;
    QPushButton* ok_;
};

// The dialog, then the file dialog (.dat or .inp for Chemkin, .yaml for Cantera); nothing when
// either is cancelled.
std::optional<Nasa7Choice> AskNasa7Choice(QWidget* parent, const std::string& name);

}  // namespace moltherm::gui
