#include "gui/form_view.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "gui/control_widgets.h"
#include "gui/default_font.h"
#include "gui/form_surface.h"
#include "gui/option_button.h"
#include "gui/spinner_bar.h"
#include "gui/twips.h"

namespace moltherm::gui {

using app::Control;
using app::ControlId;
using app::ControlKind;
using app::ControlProperty;

namespace {

// The margin kept right of and below the lowest control when the client area scrolls; less
// than the 95 twips that the frames' layout leaves below them, so that no bar appears then.
constexpr int kContentMarginTwips = 60;
// The size the default font starts from: the classic 8-point dialog font.
constexpr qreal kDialogFontPoints = 8.25;

std::vector<CaptionRoom> CaptionRooms(const app::frmMoltherm& form) {
    std::vector<CaptionRoom> rooms;
    for (const Control* c : form.controls()) {
        if (c->text.empty() || c->font) continue;
        CaptionRoom::Kind kind;
        switch (c->kind) {
            case ControlKind::Label:
                kind = CaptionRoom::Kind::Label;
                break;
            case ControlKind::CommandButton:
                kind = CaptionRoom::Kind::Button;
                break;
            case ControlKind::OptionButton:
                kind = CaptionRoom::Kind::Option;
                break;
            case ControlKind::Frame:
                kind = CaptionRoom::Kind::FrameTitle;
                break;
            default:
                continue;
        }
        rooms.push_back({kind, QString::fromStdString(c->text), TwipsToPixels(c->width),
                         TwipsToPixels(c->height)});
    }
    return rooms;
}

// Qt's key text as the window's character code; 0 for keys that are no character.
int KeyAscii(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return 0;
    if (key.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = key.text();
    if (text.size() != 1) return 0;
    const char16_t code = text.at(0).unicode();
    return code < 256 ? code : 0;
}

}  // namespace

// Nothing may unwind through Qt's event loop. An exception out of the model is a broken
// invariant: it is named on stderr in one line and the program stops, as a failed assertion does.
template <typename Call>
void FormView::forward(Call&& call) noexcept {
    try {
        const bool outermost = !inModel_;
        {
            const QScopedValueRollback inside(inModel_, true);
            call();
        }
        if (outermost) settleAfterModel();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "moltherm: internal error: %s\n", e.what());
        std::abort();
    } catch (...) {
        std::fprintf(stderr, "moltherm: internal error: unknown exception\n");
        std::abort();
    }
}

FormView::FormView(app::frmMoltherm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(QString::fromStdString(form_.caption()));
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    setFont(ChooseDefaultFont(CaptionRooms(form_), PreferredDialogFamilies(), kDialogFontPoints));

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    surface_ = new FormSurface(scroll_);
    scroll_->setWidget(surface_);
    connect(surface_, &FormSurface::pointerMoved, this, [this](int buttons, int shift, QPoint p) {
        forward([&] {
            form_.mouseMove(buttons, shift, static_cast<float>(PixelsToTwips(p.x())),
                            static_cast<float>(PixelsToTwips(p.y())));
        });
    });

    for (const Control* c : form_.controls()) addWidget(*c);
    form_.addObserver(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onFocusChanged(now); });
    showWindowSize();
}

FormView::~FormView() {
    // The widgets go while this is still a FormView, and hear nothing of their own teardown.
    disconnect(qApp, nullptr, this, nullptr);
    form_.removeObserver(this);
    for (const auto& [widget, id] : ids_) const_cast<QObject*>(widget)->removeEventFilter(this);
    delete scroll_;
}

void FormView::open() {
    {
        const QScopedValueRollback applying(applyingWindow_, true);
        move(TwipsToPixels(form_.left()), TwipsToPixels(form_.top()));
        show();
    }
    showWindowSize();
    keepOnScreen();
    forward([&] { form_.show(); });
}

void FormView::setMenuBar(QMenuBar* bar) {
    menuBar_ = bar;
    bar->setParent(this);
    bar->show();
    placeChildren();
    showWindowSize();
}

int FormView::menuHeight() const {
    return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

void FormView::placeChildren() {
    const int bar = menuHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), bar);
    scroll_->setGeometry(rect().adjusted(0, bar, 0, 0));
}

void FormView::runModel(const std::function<void()>& call) {
    forward([&] { call(); });
}

void FormView::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void FormView::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    emit fileDropped(urls.front().toLocalFile());
}

QWidget* FormView::widgetFor(const ControlId& id) const {
    const auto it = widgets_.find({id.name, id.index});
    return it == widgets_.end() ? nullptr : it->second.data();
}

// ---- Widgets for controls

void FormView::addWidget(const Control& control) {
    QWidget* parent = surface_;
    if (control.container) {
        if (QWidget* frame = widgetFor(*control.container)) parent = frame;
    }
    QWidget* widget = CreateControlWidget(control, parent);
    ShowControl(widget, control);
    widgets_[{control.id.name, control.id.index}] = widget;
    ids_.insert_or_assign(widget, control.id);
    connectInput(control, widget);
}

void FormView::connectInput(const Control& control, QWidget* widget) {
    const ControlId id = control.id;
    switch (control.kind) {
        case ControlKind::TextBox:
            widget->installEventFilter(this);
            if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                connect(line, &QLineEdit::textEdited, this, [this, id, line](const QString& text) {
                    bool taken = false;
                    forward([&] { taken = form_.typeText(id, text.toStdString()); });
                    if (!taken) {
                        if (const Control* c = form_.find(id))
                            line->setText(QString::fromStdString(c->text));
                    }
                });
            }
            break;
        case ControlKind::CommandButton:
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, id] { forward([&] { form_.click(id); }); });
            break;
        case ControlKind::OptionButton: {
            auto* option = static_cast<OptionButton*>(widget);
            connect(option, &OptionButton::chosen, this,
                    [this, id] { forward([&] { form_.chooseOption(id); }); });
            connect(option, &OptionButton::accessKeyPressed, this, [this, option] {
                const QKeySequence key = QKeySequence::mnemonic(option->text());
                const QString letter =
                    key.toString(QKeySequence::PortableText).section(QLatin1Char('+'), -1);
                if (letter.size() == 1) forward([&] { form_.accessKey(letter.at(0).toLatin1()); });
            });
            break;
        }
        case ControlKind::Spinner: {
            auto* spinner = static_cast<SpinnerBar*>(widget);
            connect(spinner, &SpinnerBar::upArrow, this,
                    [this, id] { forward([&] { form_.spinUp(id); }); });
            connect(spinner, &SpinnerBar::downArrow, this,
                    [this, id] { forward([&] { form_.spinDown(id); }); });
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
    }
}

// ---- What the model reports

void FormView::controlCreated(const Control& control) {
    addWidget(control);
}

void FormView::controlDestroyed(const ControlId& id) {
    const auto it = widgets_.find({id.name, id.index});
    if (it == widgets_.end()) return;
    QWidget* widget = it->second.data();
    widgets_.erase(it);
    if (!widget) return;
    ids_.erase(widget);
    // The element may be the very widget whose event is being handled (a spinner whose row is
    // rebuilt): it goes once that event is over.
    widget->hide();
    widget->deleteLater();
}

void FormView::propertyChanged(const Control& control, ControlProperty property) {
    if (QWidget* widget = widgetFor(control.id)) ShowProperty(widget, control, property);
}

void FormView::focusMoved(const Control* control) {
    if (!control) {
        if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
            focused->clearFocus();
        return;
    }
    if (QWidget* widget = widgetFor(control->id)) {
        widget->setFocus(Qt::OtherFocusReason);
        scroll_->ensureWidgetVisible(widget);
    }
}

void FormView::windowPropertySet(app::WindowProperty property) {
    if (property == app::WindowProperty::Height) {
        showWindowSize();
        keepOnScreen();
    } else {
        const QScopedValueRollback applying(applyingWindow_, true);
        move(TwipsToPixels(form_.left()), TwipsToPixels(form_.top()));
    }
}

// ---- Settling after the model

void FormView::settleAfterModel() {
    // The scroll bars may have come or gone with the controls: the client area keeps the size
    // the model gave it, beside them.
    showWindowSize();
    updateSurfaceSize();
    // A window that the view moved to keep it on the screen is where the model's drag starts.
    const int left = PixelsToTwips(x());
    const int top = PixelsToTwips(y());
    if (left != form_.left() || top != form_.top()) form_.userMoved(left, top);
    syncFocus();
}

void FormView::syncFocus() {
    const Control* focus = form_.focus();
    QWidget* target = focus ? widgetFor(focus->id) : nullptr;
    if (target && QApplication::focusWidget() != target) {
        const QScopedValueRollback inside(inModel_, true);
        target->setFocus(Qt::OtherFocusReason);
    }
    if (target) scroll_->ensureWidgetVisible(target);
}

void FormView::onFocusChanged(QWidget* now) {
    // Focus moves that the model made, or that Qt made while a control was hidden or
    // disabled, are settled afterwards from the model's own focus.
    if (inModel_ || now == nullptr || !isAncestorOf(now)) return;
    const auto it = ids_.find(now);
    if (it == ids_.end()) {
        syncFocus();
        return;
    }
    const Control* current = form_.focus();
    if (current && current->id == it->second) return;
    const ControlId id = it->second;
    forward([&] { form_.moveFocus(id); });
}

bool FormView::focusNextPrevChild(bool next) {
    // Qt asks for the next control itself when it hides or disables the focused one; the
    // model's focus settles that once the model's change is over.
    if (inModel_) return true;
    forward([&] { form_.tabFocus(!next); });
    return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto it = ids_.find(watched);
    if (it == ids_.end()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int ascii = KeyAscii(*key);
    if (ascii == 0) return false;
    const ControlId id = it->second;
    int result = 0;
    forward([&] { result = form_.keyPress(id, ascii); });
    if (result == ascii) return false;
    // The handler swallowed the key, or replaced it with another character.
    if (result != 0) {
        if (auto* line = qobject_cast<QLineEdit*>(watched); line && !line->isReadOnly()) {
            line->insert(QString(QChar(result)));
            forward([&] { form_.typeText(id, line->text().toStdString()); });
        }
    }
    return true;
}

// ---- Window size and the scrolled client area

QSize FormView::contentSize() const {
    int right = 0;
    int bottom = 0;
    for (const Control* c : form_.controls()) {
        if (c->container || !c->visible) continue;
        right = std::max(right, TwipsToPixels(c->left + c->width + kContentMarginTwips));
        bottom = std::max(bottom, TwipsToPixels(c->top + c->height + kContentMarginTwips));
    }
    return {right, bottom};
}

int FormView::scrollBarExtent() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
}

QSize FormView::viewportFor(QSize area) const {
    // A scroll bar appears only where the controls reach beyond the area, and the room it
    // takes may call for the other one.
    const QSize content = contentSize();
    const int bar = scrollBarExtent();
    bool vertical = content.height() > area.height();
    const bool horizontal = content.width() > area.width() - (vertical ? bar : 0);
    if (horizontal && !vertical) vertical = content.height() > area.height() - bar;
    return {area.width() - (vertical ? bar : 0), area.height() - (horizontal ? bar : 0)};
}

QSize FormView::modelClientSize() const {
    return {TwipsToPixels(form_.scaleWidth()), TwipsToPixels(form_.scaleHeight())};
}

QRect FormView::freeArea() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void FormView::showWindowSize() {
    // The client area has the model's size, with the scroll bars that its controls call for
    // beside it rather than over it, and the window never grows past the screen's free area:
    // what is taller scrolls. The inverse of viewportFor, so a size the user chose stays.
    const int menu = menuHeight();
    const QSize limit = freeArea().size() - (frameGeometry().size() - size()) - QSize(0, menu);
    const QSize client = modelClientSize();
    const QSize content = contentSize();
    const int bar = scrollBarExtent();
    const int horizontal = content.width() > client.width() ? bar : 0;
    const int height = std::min(client.height() + horizontal, limit.height());
    const int vertical = content.height() > height - horizontal ? bar : 0;
    const int width = std::min(client.width() + vertical, limit.width());
    const QScopedValueRollback applying(applyingWindow_, true);
    resize(width, height + menu);
}

void FormView::keepOnScreen() {
    // A window that would pass the bottom or the right of the free area moves up or left, so
    // that all of it, its scroll bar included, can be reached.
    const QRect free = freeArea();
    const QRect frame = frameGeometry();
    const int left =
        std::max(free.left(), std::min(frame.left(), free.right() + 1 - frame.width()));
    const int top = std::max(free.top(), std::min(frame.top(), free.bottom() + 1 - frame.height()));
    if (left == frame.left() && top == frame.top()) return;
    const QScopedValueRollback applying(applyingWindow_, true);
    move(left, top);
}

void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
    updateSurfaceSize();
    // Only the user (or the window system) resizes the window behind the view's back.
    if (!applyingWindow_ && !inModel_) reportClientSize();
}

void FormView::reportClientSize() {
    if (!isVisible()) return;
    const QSize client = viewportFor(size() - QSize(0, menuHeight()));
    if (client == modelClientSize()) return;
    const int scaleWidth = PixelsToTwips(client.width());
    const int scaleHeight = PixelsToTwips(client.height());
    const int frameWidth = form_.width() - form_.scaleWidth();
    const int frameHeight = form_.height() - form_.scaleHeight();
    forward([&] {
        form_.userResized(scaleWidth + frameWidth, scaleHeight + frameHeight, scaleWidth,
                          scaleHeight);
    });
}

void FormView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (applyingWindow_ || !isVisible()) return;
    const int left = PixelsToTwips(x());
    const int top = PixelsToTwips(y());
    if (left == form_.left() && top == form_.top()) return;
    forward([&] { form_.userMoved(left, top); });
}

void FormView::updateSurfaceSize() {
    // As large as the client area, or as the controls on it where they reach further; the
    // scroll area shows a bar only where they do.
    surface_->setMinimumSize(contentSize());
    // A smaller minimum alone does not make the scroll area count its bars again.
    QEvent recount(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(scroll_, &recount);
}

}  // namespace moltherm::gui
