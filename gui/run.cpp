#include "gui/run.h"

#include <QApplication>

#include "gui/moltherm_window.h"

namespace moltherm::gui {

int RunMoltherm(int& argc, char** argv, const std::function<void(FormView&)>& opened) {
    QApplication application(argc, argv);
    PrepareApplication();
    MolthermWindow window;
    window.view().open();
    // `moltherm FILE` opens the file into the boxes.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.openFile(arguments.at(1));
    if (opened) opened(window.view());
    return QApplication::exec();
}

}  // namespace moltherm::gui
