#include "gui/thermo_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/molecule_description.h"
#include "calc/option_text.h"

namespace moltherm::gui {

namespace {

QString Text(double value) {
    return QString::fromStdString(ExactText(value));
}

QString UnitName(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::kBar:
            return "bar";
        case PressureUnit::kAtm:
            return "atm";
        case PressureUnit::kPa:
            return "Pa";
        case PressureUnit::kKPa:
            return "kPa";
        case PressureUnit::kMPa:
            return "MPa";
        case PressureUnit::kTorr:
            return "torr";
    }
    return "bar";
}

QLabel* Explanation(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setItalic(true);
    label->setFont(small);
    return label;
}

}  // namespace

ThermoOptionsDialog::ThermoOptionsDialog(const ThermoOptions& options, QWidget* parent)
    : QDialog(parent), accepted_(options) {
    setWindowTitle(tr("Thermochemistry"));
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](QWidget* choice, QLineEdit* value, const QString& explanation) {
        grid->addWidget(choice, row, 0);
        if (value) grid->addWidget(value, row, 1);
        grid->addWidget(Explanation(explanation), row + 1, 0, 1, 2);
        row += 2;
    };
    atPressure_ = new QRadioButton(tr("Standard &pressure"));
    atConcentration_ = new QRadioButton(tr("Standard &concentration (mol/L)"));
    pressure_ = new QLineEdit;
    concentration_ = new QLineEdit;
    scale_ = new QLineEdit;
    zpe_ = new QCheckBox(tr("&Zero-point energy included, factor"));
    zpeScale_ = new QLineEdit;
    zpeScale_->setPlaceholderText(tr("as the frequencies"));
    grimme_ = new QCheckBox(tr("Quasi-RRHO &entropy, cutoff (1/cm)"));
    grimmeCutoff_ = new QLineEdit;
    headGordon_ = new QCheckBox(tr("Quasi-RRHO ener&gy, cutoff (1/cm)"));
    headGordonCutoff_ = new QLineEdit;
    raise_ = new QCheckBox(tr("&Raise low modes to (1/cm)"));
    raiseTo_ = new QLineEdit;
    addRow(atPressure_, pressure_,
           tr("Volume per molecule kT/p; a unit after the number: bar, atm, Pa, kPa, MPa, torr."));
    addRow(atConcentration_, concentration_,
           tr("Volume per molecule 1/(c·1000·N<sub>A</sub>), for species in solution."));
    addRow(new QLabel(tr("&Frequency scale factor")), scale_,
           tr("Every wavenumber multiplied by F (0 < F ≤ 2) in all vibrational terms."));
    qobject_cast<QLabel*>(grid->itemAtPosition(4, 0)->widget())->setBuddy(scale_);
    addRow(zpe_, zpeScale_,
           tr("Energies from the bottom of the well; a ZPE factor is usually the frequency "
              "factor / 1.014 (Alecu et al., JCTC 2010, 6, 2872)."));
    addRow(grimme_, grimmeCutoff_,
           tr("Low modes' entropy blended with a free rotor's (Grimme, Chem. Eur. J. 2012, 18, "
              "9955)."));
    addRow(headGordon_, headGordonCutoff_,
           tr("Low modes' energy blended towards RT/2 (Head-Gordon, J. Phys. Chem. C 2015, 119, "
              "1840)."));
    addRow(raise_, raiseTo_,
           tr("Wavenumbers below the cutoff raised to it, not in the ZPE (Truhlar)."));

    message_ = new QLabel;
    message_->setObjectName("message");
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, Qt::darkRed);
    message_->setPalette(red);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::RestoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &ThermoOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { fill(ThermoOptions{}); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    fill(options);
}

void ThermoOptionsDialog::fill(const ThermoOptions& o) {
    const bool pressure = o.standardState.kind == StandardState::Kind::kPressure;
    atPressure_->setChecked(pressure);
    atConcentration_->setChecked(!pressure);
    pressure_->setText(pressure ? Text(o.standardState.value) + UnitName(o.standardState.unit)
                                : QStringLiteral("1bar"));
    concentration_->setText(pressure ? QStringLiteral("1") : Text(o.standardState.value));
    scale_->setText(Text(o.frequencyScale));
    zpe_->setChecked(o.zeroPointEnergy);
    zpeScale_->setText(o.zpeScale ? Text(*o.zpeScale) : QString());
    const auto cutoff = [](QCheckBox* box, QLineEdit* text, const std::optional<double>& value,
                           double usual) {
        box->setChecked(value.has_value());
        text->setText(Text(value.value_or(usual)));
    };
    cutoff(grimme_, grimmeCutoff_, o.qrrhoEntropyCutoff, 100);
    cutoff(headGordon_, headGordonCutoff_, o.qrrhoEnthalpyCutoff, 100);
    cutoff(raise_, raiseTo_, o.raiseLowModesTo, 100);
    message_->clear();
}

std::optional<ThermoOptions> ThermoOptionsDialog::read() {
    ThermoOptions o;
    std::string problem;
    const auto take = [&](auto parsed, auto& into) {
        if (!problem.empty()) return;
        if (parsed)
            into = *parsed;
        else
            problem = parsed.error();
    };
    const auto text = [](QLineEdit* edit) { return edit->text().trimmed().toStdString(); };
    if (atPressure_->isChecked())
        take(ParsePressure(text(pressure_)), o.standardState);
    else
        take(ParseConcentration(text(concentration_)), o.standardState);
    take(ParseScaleFactor("frequency scale factor", text(scale_)), o.frequencyScale);
    o.zeroPointEnergy = zpe_->isChecked();
    if (o.zeroPointEnergy && !text(zpeScale_).empty()) {
        double factor = 1;
        take(ParseScaleFactor("zero-point energy factor", text(zpeScale_)), factor);
        o.zpeScale = factor;
    }
    const auto cutoff = [&](QCheckBox* box, QLineEdit* edit, const char* what,
                            std::optional<double>& into) {
        if (!box->isChecked()) return;
        double value = 0;
        take(ParseCutoff(what, text(edit)), value);
        into = value;
    };
    cutoff(grimme_, grimmeCutoff_, "quasi-RRHO entropy cutoff", o.qrrhoEntropyCutoff);
    cutoff(headGordon_, headGordonCutoff_, "quasi-RRHO energy cutoff", o.qrrhoEnthalpyCutoff);
    cutoff(raise_, raiseTo_, "raised low modes cutoff", o.raiseLowModesTo);
    if (!problem.empty()) {
        message_->setText(QString::fromStdString(problem));
        return std::nullopt;
    }
    message_->clear();
    return o;
}

QString ThermoOptionsDialog::message() const {
    return message_->text();
}

void ThermoOptionsDialog::accept() {
    const auto options = read();
    if (!options) return;
    accepted_ = *options;
    QDialog::accept();
}

bool EditThermoOptions(QWidget* parent, ThermoOptions& options) {
    ThermoOptionsDialog dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = dialog.accepted();
    return true;
}

}  // namespace moltherm::gui
