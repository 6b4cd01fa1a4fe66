#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "app/form_observer.h"
#include "app/frm_moltherm.h"

class QMenuBar;
class QScrollArea;

namespace moltherm::gui {

class FormSurface;

// The window frmMoltherm on screen. It draws every control of the model as a Qt widget at the
// model's twips geometry, mirrors each change the model reports, and hands the user's input
// to the model's entry points; it decides nothing itself. The client area scrolls, so that
// rows of a frame taller than the screen stay reachable.
class FormView final : public QWidget, private app::FormObserver {
    Q_OBJECT

  public:
    explicit FormView(app::frmMoltherm& form, QWidget* parent = nullptr);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // Shows the window at the model's position and size, then runs the model's first display.
    void open();

    // Puts a menu bar (owned by the view from now on) above the client area: the client area
    // keeps its size and the window grows by the bar's height.
    void setMenuBar(QMenuBar* bar);
    QMenuBar* menuBar() const { return menuBar_; }

    // Runs calls of the model made from outside the view (menu commands) as the view's own,
    // so that the view settles focus and size after them.
    void runModel(const std::function<void()>& call);

    // The widget that draws a control; nullptr when the control does not exist.
    QWidget* widgetFor(const app::ControlId& id) const;
    QScrollArea* scrollArea() const { return scroll_; }
    FormSurface* surface() const { return surface_; }
    app::frmMoltherm& form() const { return form_; }

  signals:
    // A file was dropped on the window.
    void fileDropped(const QString& path);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // FormObserver
    void controlCreated(const app::Control& control) override;
    void controlDestroyed(const app::ControlId& id) override;
    void propertyChanged(const app::Control& control, app::ControlProperty property) override;
    void focusMoved(const app::Control* control) override;
    void windowPropertySet(app::WindowProperty property) override;

    // Runs one call of the model; when the outermost call returns, the view settles what
    // Qt may have done on its own meanwhile (focus, scrolled area, scroll bars, position).
    template <typename Call>
    void forward(Call&& call) noexcept;
    void settleAfterModel();

    void addWidget(const app::Control& control);
    void connectInput(const app::Control& control, QWidget* widget);
    void onFocusChanged(QWidget* now);
    void syncFocus();
    void showWindowSize();
    void keepOnScreen();
    QRect freeArea() const;
    void reportClientSize();
    void updateSurfaceSize();
    QSize contentSize() const;
    QSize viewportFor(QSize area) const;
    QSize modelClientSize() const;
    int scrollBarExtent() const;
    int menuHeight() const;
    void placeChildren();

    using Key = std::pair<app::ControlName, int>;
    app::frmMoltherm& form_;
    QScrollArea* scroll_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    FormSurface* surface_ = nullptr;
    std::map<Key, QPointer<QWidget>> widgets_;
    std::map<const QObject*, app::ControlId> ids_;
    bool inModel_ = false;         // a call of the model is under way
    bool applyingWindow_ = false;  // the view itself sizes or moves the window
};

}  // namespace moltherm::gui
