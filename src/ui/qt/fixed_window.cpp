#include "ui/qt/fixed_window.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tallowin::ui::qt {

namespace {

// Watches one window; a child of it, so it lives as long as the window.
//
// On Wayland a maximised window must take the size the compositor gives it
// (a fixed-size window that does not is disconnected), and the maximised
// state cannot be withdrawn before the compositor has confirmed it. So while
// a maximised window is not normal its size is left free; it asks to be
// normal again, and takes its own size back once the window system says it
// is. A full-screen window may be smaller than the screen and keeps its size.
class NormalStateKeeper final : public QObject {
  public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        watchHandle();
        handingOn_.setInterval(kHandOnRetryMs);
        connect(&handingOn_, &QTimer::timeout, this, [this] { activateModal(); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Maximised by the window system unasked (Weston's Super+Shift+M),
        // its size still fixed: the window has not taken the size it was
        // given, and Weston ends the program at its next frame. Told before
        // any other part of the program, it leaves the screen before it draws
        // that frame, and comes back as a minimised window does.
        if (watched == watchedHandle_ && event->type() == QEvent::WindowStateChange &&
            event->spontaneous() && (watchedHandle_->windowStates() & Qt::WindowMaximized) != 0 &&
            !ownSize_.isValid()) {
            leaveScreenAtOnce();
            return true;
        }
        // The window system's word that the window is normal again: only
        // then may its size be fixed. Until then a compositor may still be
        // configuring it maximised, and a fixed-size frame sent in answer
        // would end the program (Weston: "does not match the configured
        // maximized state").
        if (watched == watchedHandle_ && event->type() == QEvent::WindowStateChange &&
            event->spontaneous() && askedNormal_ &&
            (watchedHandle_->windowStates() & ~Qt::WindowStates(Qt::WindowActive)) ==
                Qt::WindowNoState) {
            confirmedNormal_ = true;
            takeOwnSizeBackWhenNormal();
        }
        if (watched == &window_) {
            // The native window exists from the first showing on.
            if (event->type() == QEvent::Show) {
                watchHandle();
                // Qt makes its title bar once the window is on its way to
                // the screen, not before.
                QTimer::singleShot(0, this, [this] { fitTitle(); });
            }
            if (event->type() == QEvent::WindowTitleChange && window_.isVisible()) fitTitle();
            if (event->type() == QEvent::WindowActivate) handOnToModalWindow();
            if (event->type() == QEvent::WindowStateChange) {
                const Qt::WindowStates state = window_.windowState();
                if ((state & Qt::WindowMinimized) != 0) {
                    leaveMinimised();
                } else if ((state & Qt::WindowMaximized) != 0) {
                    // Maximised as asked, and drawn so: a compositor takes
                    // the state back only from a window it has seen.
                    QTimer::singleShot(0, this, [this] { becomeNormal(); });
                } else if ((state & Qt::WindowFullScreen) != 0) {
                    // A window may be smaller than the screen it fills, so
                    // its size stays fixed: KWin, told the window has become
                    // resizable and asked back more than once, keeps it full
                    // screen without its title bar. One request, once the
                    // state has come, puts it back.
                    QTimer::singleShot(0, this, [this] { becomeNormal(); });
                }
            }
            if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange) {
                takeOwnSizeBackWhenNormal();
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void watchHandle() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || handle == watchedHandle_) return;
        watchedHandle_ = handle;
        handle->installEventFilter(this);
        // Emitted as soon as a state is asked for (by Qt's own title bar on
        // Wayland, say), before the window system has answered. The size is
        // freed at once, before the program goes back to its event loop,
        // where the answer is read and applied: a maximised configuration
        // applied to a window still of fixed size makes a frame Weston
        // refuses. A maximise the window system made unasked is told by this
        // signal too: Qt 6.4 tells it after the event filter has taken the
        // window off the screen, and Qt 6.8 gives the window the configured
        // size whatever its limits, so freeing the size is safe there too.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized) {
                leaveMinimised();
            } else if ((state & Qt::WindowMaximized) != 0) {
                freeSize();
            }
        });
    }

    void freeSize() {
        if (ownSize_.isValid()) return;
        ownSize_ = window_.size();
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void leaveMinimised() {
        askedNormal_ = false;
        if (QWindow* handle = window_.windowHandle()) handle->setWindowStates(Qt::WindowNoState);
        window_.setWindowState(Qt::WindowNoState);
        showAgain();
    }

    // Off the screen before drawing again; back, normal, once Qt has dealt
    // with what the window system had sent for the old native window. A
    // modal window is closed, as its close box would.
    void leaveScreenAtOnce() {
        if (window_.isModal()) {
            window_.close();
            return;
        }
        window_.hide();
        QTimer::singleShot(0, this, [this] {
            if (QWindow* handle = window_.windowHandle())
                handle->setWindowStates(Qt::WindowNoState);
            window_.setWindowState(Qt::WindowNoState);
            window_.show();
        });
    }

    // Both the widget and its native window: Qt's title bar sets the latter
    // alone.
    void becomeNormal() {
        askedNormal_ = true;
        confirmedNormal_ = false;
        if (window_.windowState() != Qt::WindowNoState) {
            window_.setWindowState(Qt::WindowNoState);
        } else if (QWindow* handle = window_.windowHandle()) {
            handle->setWindowStates(Qt::WindowNoState);
        }
    }

    // Normal again at its own size, once asked to be and the window system
    // has said so: the window is back, and the size can be fixed again.
    void takeOwnSizeBackWhenNormal() {
        if (askedNormal_ && confirmedNormal_ && window_.windowState() == Qt::WindowNoState &&
            window_.size() == ownSize_) {
            takeOwnSizeBack();
        }
    }

    void takeOwnSizeBack() {
        askedNormal_ = false;
        confirmedNormal_ = false;
        if (!ownSize_.isValid()) return;
        window_.setFixedSize(ownSize_);
        ownSize_ = QSize();
    }

    // A window system may have hidden a minimised window already, with no
    // way to ask for it back but to show it anew. A modal window is closed
    // instead, as its close box would, so that the window below it takes
    // input again.
    void showAgain() {
        takeOwnSizeBack();  // nothing else will say the window is normal
        if (!window_.isVisible()) return;
        if (window_.isModal()) {
            window_.close();
        } else {
            window_.hide();
            window_.show();
        }
    }

    // A compositor may minimise a modal window by its own controls (mutter's
    // Super+H, KWin's minimise button) without telling the program, and
    // activate the window below it, which then looks active but takes no
    // input. So a window that a modal window blocks hands its activation on
    // to that window, as window managers do for modal dialogs on X11, and
    // the compositor brings it back. KWin does so at once; mutter only for a
    // request that carries a key or click the asking window has had, so the
    // request is made again while the blocked window stays active: the first
    // key or click on it brings the modal window back.
    void handOnToModalWindow() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == &window_ || modal->isAncestorOf(&window_)) return;
        modal_ = modal;
        QTimer::singleShot(0, this, [this] { activateModal(); });
        handingOn_.start();
    }

    void activateModal() {
        if (modal_.isNull() || !modal_->isVisible() || modal_->isActiveWindow() ||
            !window_.isActiveWindow()) {
            handingOn_.stop();
            return;
        }
        modal_->raise();
        modal_->activateWindow();
    }

    // Where Qt draws the title bar itself (on Wayland, when the compositor
    // leaves it to the program), the title is centred between the window's
    // edges but cut at its icon and its three buttons, so a window as narrow
    // as the list window shows only "IP Addresses for v". There the window is
    // widened until its title fits (never past the screen), its controls
    // kept in the middle. Elsewhere the window system draws the title, and
    // the window keeps its designed width.
    void fitTitle() {
        const QWindow* handle = window_.windowHandle();
        if (handle == nullptr || window_.layout() != nullptr ||
            !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
            handle->frameMargins().top() == 0) {
            return;
        }
        if (designWidth_ == 0) designWidth_ = window_.width();
        QFont titleFont = window_.font();
        titleFont.setPixelSize(kTitlePixelSize);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(window_.windowTitle());
        const int widest = window_.screen()->availableGeometry().width() -
                           handle->frameMargins().left() - handle->frameMargins().right();
        const int width =
            std::min(std::max(designWidth_, titleWidth + kTitleBarButtonsAndIcon), widest);
        if (width == window_.width()) return;
        const int shift = (width - window_.width()) / 2;
        for (QWidget* control : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            control->move(control->x() + shift, control->y());
        }
        window_.setFixedWidth(width);
    }

    // Qt's own title bar: a 14-pixel title, centred, with the three buttons
    // and their margins (77 pixels) kept clear on either side, less the
    // frame's own 3 pixels a side.
    static constexpr int kTitlePixelSize = 14;
    static constexpr int kTitleBarButtonsAndIcon = 2 * 77 - 2 * 3 + 8;

    static constexpr int kHandOnRetryMs = 300;

    QWidget& window_;
    QPointer<QWindow> watchedHandle_;
    QPointer<QWidget> modal_;  // the modal window this one hands activation on to
    QTimer handingOn_;
    int designWidth_ = 0;
    QSize ownSize_;  // valid while the window's size is free
    bool askedNormal_ = false;
    bool confirmedNormal_ = false;  // the window system has said so since askedNormal_
};

}  // namespace

void keepInNormalState(QWidget& window) {
    // Owned by the window as its Qt child.
    new NormalStateKeeper(window);
}

}  // namespace tallowin::ui::qt
