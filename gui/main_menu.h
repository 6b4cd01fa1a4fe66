#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace moltherm::gui {

class FormView;

// The window's menu bar: File, Options, Tools and Help. Its access keys (F, O, T, H) leave
// the window's own Alt+L and Alt+N alone. The actions whose work lives elsewhere call the
// hooks below; a hook left empty leaves its action disabled.
class MainMenu final : public QObject {
    Q_OBJECT

  public:
    // Builds the menu bar and hands it to the view, which places it above the client area.
    explicit MainMenu(FormView& view);

    std::function<void()> openFile;         // File → Open…
    std::function<void()> saveMolecule;     // File → Save Molecule As…
    std::function<void()> editOptions;      // Options → Thermochemistry…
    std::function<void()> openSweepWindow;  // Tools → Temperature Sweep…
    std::function<bool()> optionsDiffer;    // the check mark of Thermochemistry…

    QMenuBar* bar() const { return bar_; }
    QAction* action(const char* name) const;

    // Whether each action can be used now: the hooks that are set, Save Report As in results
    // mode only. Runs whenever a menu opens.
    void refresh();

    // The text the About box shows.
    static QString aboutText();

  private:
    void saveReport();
    QAction* add(QMenu* menu, const char* name, const QString& text, const QKeySequence& keys);

    FormView& view_;
    QMenuBar* bar_;
};

}  // namespace moltherm::gui
