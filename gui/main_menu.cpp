#include "gui/main_menu.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "gui/form_view.h"

namespace moltherm::gui {

namespace {

bool InResultsMode(const app::frmMoltherm& form) {
    const app::Control* newData = form.find(app::ControlName::cmdNewData);
    return newData && newData->visible;
}

}  // namespace

MainMenu::MainMenu(FormView& view) : view_(view), bar_(new QMenuBar) {
    QMenu* file = bar_->addMenu(tr("&File"));
    connect(add(file, "open", tr("&Open…"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] {
                if (openFile) openFile();
            });
    connect(add(file, "saveMolecule", tr("&Save Molecule As…"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] {
                if (saveMolecule) saveMolecule();
            });
    connect(add(file, "saveReport", tr("Save &Report As…"), {}), &QAction::triggered, this,
            [this] { saveReport(); });
    file->addSeparator();
    connect(add(file, "quit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered,
            &view_, &QWidget::close);

    QMenu* options = bar_->addMenu(tr("&Options"));
    QAction* thermo = add(options, "thermochemistry", tr("&Thermochemistry…"), {});
    thermo->setCheckable(true);
    connect(thermo, &QAction::triggered, this, [this] {
        if (editOptions) editOptions();
        refresh();
    });

    QMenu* tools = bar_->addMenu(tr("&Tools"));
    connect(add(tools, "sweep", tr("Temperature &Sweep…"), QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, [this] {
                if (openSweepWindow) openSweepWindow();
            });

    QMenu* help = bar_->addMenu(tr("&Help"));
    connect(add(help, "about", tr("&About"), {}), &QAction::triggered, this,
            [this] { QMessageBox::about(&view_, tr("About moltherm"), aboutText()); });

    for (QMenu* menu : {file, options, tools, help})
        connect(menu, &QMenu::aboutToShow, this, &MainMenu::refresh);
    refresh();
    view_.setMenuBar(bar_);
}

QAction* MainMenu::add(QMenu* menu, const char* name, const QString& text,
                       const QKeySequence& keys) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

QAction* MainMenu::action(const char* name) const {
    return bar_->findChild<QAction*>(QString::fromLatin1(name));
}

void MainMenu::refresh() {
    action("open")->setEnabled(static_cast<bool>(openFile));
    action("saveMolecule")->setEnabled(static_cast<bool>(saveMolecule));
    action("saveReport")->setEnabled(InResultsMode(view_.form()));
    action("thermochemistry")->setEnabled(static_cast<bool>(editOptions));
    action("thermochemistry")->setChecked(optionsDiffer && optionsDiffer());
    action("sweep")->setEnabled(static_cast<bool>(openSweepWindow));
}

void MainMenu::saveReport() {
    if (!InResultsMode(view_.form())) return;
    const QString path = QFileDialog::getSaveFileName(&view_, tr("Save Report As"), {},
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    const app::Control* answer = view_.form().find(app::ControlName::txtAns);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QByteArray::fromStdString(answer ? answer->text : std::string())) < 0) {
        view_.form().ShowError("Could not write " + path.toStdString() + ".");
    }
}

QString MainMenu::aboutText() {
    return tr("<p><b>moltherm %1</b></p>"
              "<p>Thermodynamic functions of an ideal gas from its molecular data.</p>"
              "<p>Built with:</p><ul>"
              "<li>Qt %2 — GNU LGPL version 3</li>"
              "<li>Eigen 3 — Mozilla Public License 2.0</li>"
              "<li>nlohmann-json — MIT licence</li>"
              "<li>CLI11 — BSD 3-clause licence</li></ul>")
        .arg(QStringLiteral(MOLTHERM_VERSION), QString::fromLatin1(qVersion()));
}

}  // namespace moltherm::gui
