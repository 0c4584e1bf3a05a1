#include "picture_control_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include "focus_and_keys.h"
#include "qt_text.h"
#include "surface_registry.h"

namespace {

PictureFocusHook focusHook = nullptr;

std::uint32_t PressPosition(int x, int y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
           ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

}  // namespace

void SetPictureFocusHook(PictureFocusHook hook) { focusHook = hook; }

void TellCursorFocused(PictureControlWidget& picture) {
    if (focusHook) focusHook(picture);
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
        this, [this] { if (hasFocus()) TellCursorFocused(*this); }, Qt::QueuedConnection);
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

