#include "gui/nasa7_export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace moltherm::gui {

namespace {

QLineEdit* NumberField(const std::string& text, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setMinimumWidth(
        field->fontMetrics().horizontalAdvance(QStringLiteral("00000000000000")));
    return field;
}

}  // namespace

Nasa7ExportDialog::Nasa7ExportDialog(const std::string& name, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Export NASA-7"));
    const Nasa7Request defaults;
    format_ = new QComboBox(this);
    format_->addItem(tr("Chemkin THERMO"));  // in the order of Nasa7Format
    format_->addItem(tr("Cantera YAML"));
    formula_ = new QLineEdit(this);
    formula_->setPlaceholderText(tr("e.g. H2O"));
    if (Nasa7Formula(name)) formula_->setText(QString::fromStdString(name));
    enthalpy_ = NumberField(defaults.enthalpyOfFormation, this);
    enthalpy_->setPlaceholderText(tr("none"));
    enthalpy_->setToolTip(
        tr("Empty: H(298.15 K) is moltherm's own, measured from the lowest level."));
    tlow_ = NumberField(defaults.tlow, this);
    tmid_ = NumberField(defaults.tmid, this);
    thigh_ = NumberField(defaults.thigh, this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Format"), format_);
    form->addRow(tr("F&ormula"), formula_);
    form->addRow(tr("&Enthalpy of formation at 298.15 K [kJ/mol]"), enthalpy_);
    form->addRow(tr("T&LOW [K]"), tlow_);
    form->addRow(tr("T&MID [K]"), tmid_);
    form->addRow(tr("T&HIGH [K]"), thigh_);

    // Room for two lines, so that the dialog keeps its size whatever the message.
    message_ = new QLabel(this);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    message_->setWordWrap(true);
    message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing());
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("&Choose File\u2026"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(formula_, &QLineEdit::textChanged, this, &Nasa7ExportDialog::checkFormula);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    checkFormula();
}

Nasa7Request Nasa7ExportDialog::request() const {
    return {static_cast<Nasa7Format>(format_->currentIndex()),
            formula_->text().toStdString(),
            enthalpy_->text().toStdString(),
            tlow_->text().toStdString(),
            tmid_->text().toStdString(),
            thigh_->text().toStdString()};
}

QString Nasa7ExportDialog::message() const {
    return message_->text();
}

void Nasa7ExportDialog::checkFormula() {
    const auto formula = Nasa7Formula(formula_->text().toStdString());
    message_->setText(formula ? QString() : QString::fromStdString(formula.error()));
    ok_->setEnabled(formula.has_value());
}

std::optional<Nasa7Choice> AskNasa7Choice(QWidget* parent, const std::string& name) {
    Nasa7ExportDialog dialog(name, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const Nasa7Request request = dialog.request();
    const bool chemkin = request.format == Nasa7Format::kChemkin;
    const QString path =
        QFileDialog::getSaveFileName(parent, QObject::tr("Export NASA-7"),
                                     QString::fromStdString(name) + (chemkin ? ".dat" : ".yaml"),
                                     chemkin ? QObject::tr("Chemkin thermo files (*.dat *.inp)")
                                             : QObject::tr("Cantera YAML files (*.yaml)"));
    if (path.isEmpty()) return std::nullopt;
    return Nasa7Choice{request, path};
}

}  // namespace moltherm::gui
