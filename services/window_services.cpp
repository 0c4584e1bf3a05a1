#include "window_services.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QToolTip>
#include <QHelpEvent>
#include <QKeyEvent>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

#include "picture_accessibility.h"
#include "program_icon.h"
#include "surface_registry.h"
#include "surface_state.h"
#include "window_test_bridge.h"
#include "window_registry.h"
#include "window_widgets.h"

namespace {

constexpr QRgb FaceColour = 0xFFF0F0F0;
// The window's and controls' default font; fontconfig picks the sans-serif
// face it stands for. The coupon draws with its own fonts.
constexpr const char* ControlFontFace = "MS Sans Serif";
constexpr int ControlFontPoints = 8;

// The keys the picture passes on, as their virtual-key codes; 0 for others.
std::uint32_t VirtualKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left: return VirtualKey::Left;
        case Qt::Key_Up: return VirtualKey::Up;
        case Qt::Key_Right: return VirtualKey::Right;
        case Qt::Key_Down: return VirtualKey::Down;
        case Qt::Key_Space: return VirtualKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VirtualKey::Return;
        default: return 0;
    }
}

std::uint32_t PressPosition(int x, int y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
           ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

PictureControlWidget* PictureWidget(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    return entry ? qobject_cast<PictureControlWidget*>(entry->widget.data()) : nullptr;
}

QString FromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// ---- Handles ---------------------------------------------------------------

std::map<Handle, RegistryEntry>& Registry() {
    static std::map<Handle, RegistryEntry> registry;
    return registry;
}

static Handle lastHandle = 0;

Handle RegisterHandle(RegistryEntry entry) {
    Registry()[++lastHandle] = std::move(entry);
    return lastHandle;
}

RegistryEntry* FindHandle(Handle handle) {
    const auto found = Registry().find(handle);
    return found != Registry().end() ? &found->second : nullptr;
}

MainWindowWidget* WindowWidget(Handle window) {
    RegistryEntry* entry = FindHandle(window);
    return entry ? qobject_cast<MainWindowWidget*>(entry->widget.data()) : nullptr;
}

void SendCommand(Handle window, int id, Handle control) {
    if (MainWindowWidget* top = WindowWidget(window))
        top->send(Message::Command, static_cast<std::uint32_t>(id) & 0xFFFFu,
                  static_cast<std::uint32_t>(control));
}

// Ends a window: the result, the close and destruction messages, the loop.
void EndWindow(MainWindowWidget* top) {
    if (top->ended) return;
    top->ended = true;
    if (top->result) *top->result = 0;
    top->send(Message::Close, 0, 0);
    top->send(Message::Destroy, 0, 0);
    UnregisterWindowSurfaces(top->handle);
    const Handle window = top->handle;
    std::erase_if(Registry(), [window](const auto& item) {
        return item.first == window || (item.second.widget && item.second.owner == window);
    });
    top->hide();
    if (top->loop) top->loop->quit();
    top->deleteLater();
}

// ---- Widgets ---------------------------------------------------------------

MainWindowWidget::MainWindowWidget(Handle h, int clientWidth, int clientHeight)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      handle(h),
      client(new QWidget(this)) {
    resize(clientWidth, clientHeight);
    client->setGeometry(0, 0, clientWidth, clientHeight);
}

std::int32_t MainWindowWidget::send(std::uint32_t message, std::uint32_t first,
                                    std::uint32_t second) {
    return handler ? handler(handle, message, first, second) : 0;
}

void MainWindowWidget::placeMenuBar() {
    const int barHeight = menuBar ? menuBar->sizeHint().height() : 0;
    if (menuBar) menuBar->setGeometry(0, 0, width(), barHeight);
    client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

bool MainWindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) send(Message::NcActivate, 1, 0);
    if (event->type() == QEvent::WindowDeactivate) send(Message::NcActivate, 0, 0);
    // A window manager adds its frame after the window is shown; centre the
    // outer window once more when that frame first shows up.
    if (event->type() == QEvent::Move && !centredWithFrame && isVisible() &&
        frameGeometry().size() != size()) {
        centredWithFrame = true;
        CentreWindow(this);
    }
    return QWidget::event(event);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    // The window goes only through the program's handler and EndWindow.
    event->ignore();
    if (ended) return;
    if (send(Message::SysCommand, SysCommandClose, 0) == 0) EndWindow(this);
}

void MainWindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeMenuBar();  // controls keep their places; only the bar follows the width
}

PictureControlWidget::PictureControlWidget(Handle w, Handle h, int controlId, QWidget* parent)
    : QWidget(parent), window(w), handle(h), id(controlId) {
    setContentsMargins(1, 1, 1, 1);  // the thin border lies outside the surface
    setFocusPolicy(Qt::StrongFocus);  // last in the Tab order: it is created last
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PictureControlWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = help->pos() - contentsRect().topLeft();
    for (const PictureHint& hint : hints) {
        if (at.x() >= hint.left && at.x() < hint.right && at.y() >= hint.top &&
            at.y() < hint.bottom) {
            QToolTip::showText(help->globalPos(), FromText(hint.text), this,
                               QRect(contentsRect().topLeft() + QPoint(hint.left, hint.top),
                                     QSize(hint.right - hint.left, hint.bottom - hint.top)));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void PictureControlWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(100, 100, 100));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (const QImage* image = ControlSurfaceImage(window, id))
        painter.drawImage(contentsRect().topLeft(), *image);
    if (cursorShown && hasFocus() && cursorCell >= 0 &&
        cursorCell < static_cast<int>(cells.size())) {
        // Over the picture only: the surface, and every bitmap saved from
        // it, never holds the cursor. Two rings: on the cell's border and
        // just outside it.
        const PictureCell& cell = cells[static_cast<std::size_t>(cursorCell)];
        const QRect box = QRect(cell.left, cell.top, cell.right - cell.left - 1,
                                cell.bottom - cell.top - 1)
                              .translated(contentsRect().topLeft());
        painter.setPen(palette().color(QPalette::Highlight));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.drawRect(box.adjusted(-1, -1, 1, 1));
    }
}

void PictureControlWidget::mousePressEvent(QMouseEvent* event) {
    showCursor(false);
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint() - contentsRect().topLeft();
    const MessageHandler call = handler;  // the handler may replace itself
    if (call) call(handle, Message::LeftButtonDown, LeftButtonFlag, PressPosition(at.x(), at.y()));
}

void PictureControlWidget::keyPressEvent(QKeyEvent* event) {
    // Every key stays with the picture. Tab and Shift+Tab never get here:
    // QWidget::event moves the focus with them first.
    event->accept();
    showCursor(true);
    const std::uint32_t key = VirtualKeyOf(*event);
    // A held Space or Enter toggles once, as one click does.
    if (key == 0 || (event->isAutoRepeat() && (key == VirtualKey::Space || key == VirtualKey::Return)))
        return;
    const MessageHandler call = handler;
    if (call) call(handle, Message::KeyDown, key, 0);
}

void PictureControlWidget::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) showCursor(true);
    updateCursorArea();
    QWidget::focusInEvent(event);
    // After the focus event Qt sends for the table itself.
    QMetaObject::invokeMethod(
        this, [this] { if (hasFocus()) ReportCursorFocus(*this); }, Qt::QueuedConnection);
}

void PictureControlWidget::focusOutEvent(QFocusEvent* event) {
    updateCursorArea();
    QWidget::focusOutEvent(event);
}

bool PictureControlWidget::cellChecked(int cell) const {
    const QImage* image = ControlSurfaceImage(window, id);
    if (!image || cell < 0 || cell >= static_cast<int>(cells.size())) return false;
    const PictureCell& one = cells[static_cast<std::size_t>(cell)];
    return image->valid(one.probeX, one.probeY) &&
           (image->pixel(one.probeX, one.probeY) & 0xFFFFFFu) == (markedFill & 0xFFFFFFu);
}

void PictureControlWidget::pressCell(int cell) {
    if (cell < 0 || cell >= static_cast<int>(cells.size())) return;
    const PictureCell& one = cells[static_cast<std::size_t>(cell)];
    const MessageHandler call = handler;
    if (call)
        call(handle, Message::LeftButtonDown, LeftButtonFlag,
             PressPosition((one.left + one.right) / 2, (one.top + one.bottom) / 2));
}

void PictureControlWidget::showCursor(bool shown) {
    if (shown == cursorShown) return;
    cursorShown = shown;
    updateCursorArea();
}

void PictureControlWidget::updateCursorArea() {
    if (cursorCell < 0 || cursorCell >= static_cast<int>(cells.size())) return;
    const PictureCell& cell = cells[static_cast<std::size_t>(cursorCell)];
    update(QRect(cell.left - 1, cell.top - 1, cell.right - cell.left + 2,
                 cell.bottom - cell.top + 2)
               .translated(contentsRect().topLeft()));
}

// ---- Program and windows -------------------------------------------------------

int RunProgram(int argc, char** argv, const std::function<int()>& entry) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    return entry();
}

Handle NewWindow(int, Handle, std::string_view title, int, int, int width, int height,
                 std::uint32_t, std::uint32_t) {
    const Handle handle = lastHandle + 1;
    InstallWindowAccessibility();
    auto* top = new MainWindowWidget(handle, width, height);
    RegisterHandle({top, nullptr, nullptr, 0, 0, nullptr});
    top->setWindowTitle(FromText(title));
    QFont font(QString::fromLatin1(ControlFontFace), ControlFontPoints);
    font.setStyleHint(QFont::SansSerif);
    top->setFont(font);
    CentreWindow(top);
    return handle;
}

// Centred in the work area by its outer size, whatever position was asked
// for. The frame is known only once the window is shown, so this runs again
// then.
void CentreWindow(QWidget* top) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = top->frameGeometry().size();
    top->move(std::max(0, (area.left() + area.right() + 1 - outer.width()) / 2),
              std::max(0, (area.top() + area.bottom() + 1 - outer.height()) / 2));
}

void SetWindowIcon(Handle window, std::string_view resource) {
    MainWindowWidget* top = WindowWidget(window);
    if (top && resource == "#200") top->setWindowIcon(ProgramIcon());
}

void AddControl(int kind, Handle window, int id, std::string_view text, int x, int y, int width,
                int height, std::uint32_t, std::uint32_t) {
    MainWindowWidget* top = WindowWidget(window);
    if (!top) return;
    const Handle handle = lastHandle + 1;
    QWidget* control = nullptr;
    MessageHandler handler;
    if (kind == ControlKind::PushButton) {
        auto* button = new QPushButton(FromText(text), top->client);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked,
                         [window, id, handle] { SendCommand(window, id, handle); });
        control = button;
        control->setGeometry(x, y, width, height);
    } else if (kind == ControlKind::TextBox) {
        auto* box = new QLineEdit(FromText(text), top->client);
        control = box;
        control->setGeometry(x, y, width, height);
    } else if (kind == ControlKind::Picture) {
        auto* picture = new PictureControlWidget(window, handle, id, top->client);
        picture->setGeometry(x - 1, y - 1, width + 2, height + 2);
        // The service's own handling of a press: focus, then tell the owner.
        handler = [picture, window, id](Handle self, std::uint32_t message, std::uint32_t,
                                        std::uint32_t) -> std::int32_t {
            if (message == Message::LeftButtonDown) {
                picture->setFocus(Qt::MouseFocusReason);
                SendCommand(window, id, self);
            }
            return 0;
        };
        picture->handler = handler;
        RegisterControlSurface(window, id, picture, width, height, FaceColour);
        control = picture;
    } else {
        return;
    }
    control->setObjectName(QStringLiteral("control-%1").arg(id));
    control->show();
    RegisterHandle({control, nullptr, nullptr, window, id, handler});
}

Handle ControlWindow(Handle window, int id) {
    for (const auto& [handle, entry] : Registry())
        if (entry.widget && entry.owner == window && entry.id == id && id != 0) return handle;
    return 0;
}

std::string GetControlText(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    if (!entry || !entry->widget) return {};
    if (auto* box = qobject_cast<QLineEdit*>(entry->widget.data())) return box->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(entry->widget.data()))
        return button->text().toStdString();
    return {};
}

MessageHandler SetControlHandler(Handle control, MessageHandler handler) {
    RegistryEntry* entry = FindHandle(control);
    if (!entry) return nullptr;
    MessageHandler previous = std::move(entry->handler);
    entry->handler = handler;
    if (auto* picture = qobject_cast<PictureControlWidget*>(entry->widget.data()))
        picture->handler = std::move(handler);
    return previous;
}

void SetPictureHints(Handle control, std::vector<PictureHint> hints) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    picture->hints = std::move(hints);
    if (picture->hints.empty()) QToolTip::hideText();
}

void SetPictureDescription(Handle control, std::string_view text) {
    RegistryEntry* entry = FindHandle(control);
    if (entry && entry->widget) entry->widget->setAccessibleDescription(FromText(text));
}

void SetPictureCells(Handle control, std::vector<PictureCell> cells, int columns,
                     Color markedFill) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    picture->updateCursorArea();
    picture->cells = std::move(cells);
    picture->cellColumns = std::max(1, columns);
    picture->markedFill = ToQRgb(markedFill);
    if (picture->cursorCell >= static_cast<int>(picture->cells.size())) picture->cursorCell = -1;
    const std::vector<PictureCell>& all = picture->cells;
    picture->reportedChecked.assign(all.size(), false);
    picture->cellsByProbeY.resize(all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
        picture->reportedChecked[k] = picture->cellChecked(static_cast<int>(k));
        picture->cellsByProbeY[k] = static_cast<int>(k);
    }
    std::stable_sort(picture->cellsByProbeY.begin(), picture->cellsByProbeY.end(),
                     [&all](int a, int b) {
                         return all[static_cast<std::size_t>(a)].probeY <
                                all[static_cast<std::size_t>(b)].probeY;
                     });
    picture->updateCursorArea();
}

void SetPictureCursor(Handle control, int cell) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    if (cell < 0 || cell >= static_cast<int>(picture->cells.size())) cell = -1;
    if (cell == picture->cursorCell) return;
    picture->updateCursorArea();
    picture->cursorCell = cell;
    picture->updateCursorArea();
    if (picture->hasFocus()) ReportCursorFocus(*picture);
}

void SetControlAccessibleName(Handle control, std::string_view text) {
    RegistryEntry* entry = FindHandle(control);
    if (entry && entry->widget) entry->widget->setAccessibleName(FromText(text));
}

std::int32_t CallPreviousHandler(const MessageHandler& previous, Handle control,
                                 std::uint32_t message, std::uint32_t first, std::uint32_t second) {
    return previous ? previous(control, message, first, second) : 0;
}
