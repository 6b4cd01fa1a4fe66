#pragma once

#include <QDialog>
#include <optional>

#include "engine/options.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace moltherm::gui {

// Options → Thermochemistry…: the standard state, the scale factors, the zero-point energy and
// the three treatments of low modes, each with what it does and where it comes from. OK is
// refused while a value does not read, its message shown in the dialog.
class ThermoOptionsDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit ThermoOptionsDialog(const ThermoOptions& options, QWidget* parent = nullptr);

    // The options the fields hold; nothing, with the message shown, when one does not read.
    std::optional<ThermoOptions> read();
    // Fills the fields from options.
    void fill(const ThermoOptions& options);
    // The accepted options (after exec() returned Accepted).
    const ThermoOptions& accepted() const { return accepted_; }
    QString message() const;

    void accept() override;

  private:
    QRadioButton* atPressure_;
    QRadioButton* atConcentration_;
    QLineEdit* pressure_;
    QLineEdit* concentration_;
    QLineEdit* scale_;
    QCheckBox* zpe_;
    QLineEdit* zpeScale_;
    QCheckBox* grimme_;
    QLineEdit* grimmeCutoff_;
    QCheckBox* headGordon_;
    QLineEdit* headGordonCutoff_;
    QCheckBox* raise_;
    QLineEdit* raiseTo_;
    QLabel* message_;
    ThermoOptions accepted_;
};

// Shows the dialog for the options in force; true when the user accepted new ones.
bool EditThermoOptions(QWidget* parent, ThermoOptions& options);

}  // namespace moltherm::gui
