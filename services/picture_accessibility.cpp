#include "picture_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "surface_registry.h"
#include "window_test_bridge.h"
#include "main_window_widget.h"
#include "picture_control_widget.h"

namespace {

int CellCount(const PictureControlWidget* picture) {
    return picture ? static_cast<int>(picture->cells.size()) : 0;
}

// One cell of the picture. It has no object of its own: events name it by
// its id, as Qt's item views do with theirs.
class PictureCellInterface : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
public:
    PictureCellInterface(PictureControlWidget* picture, int index)
        : picture_(picture), index_(index) {}

    bool isValid() const override { return index_ < CellCount(picture_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return picture_ ? picture_->QWidget::window()->windowHandle() : nullptr;
    }
    // Qt's interface asks for children and text to set; a cell has neither,
    // whatever the arguments.
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(picture_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return QString::fromStdString(cell().name);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const PictureCell& one = cell();
        const QPoint topLeft = picture_->contentsRect().topLeft() + QPoint(one.left, one.top);
        return {picture_->mapToGlobal(topLeft), QSize(one.right - one.left, one.bottom - one.top)};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = picture_->hasFocus() && picture_->cursorCell == index_;
        state.checkable = !picture_->readOnly;
        state.readOnly = picture_->readOnly;
        state.checked = picture_->cellChecked(index_);
        state.invisible = !picture_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return picture_ ? index_ % picture_->cellColumns : -1; }
    int rowIndex() const override { return picture_ ? index_ / picture_->cellColumns : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Toggling is a click on the cell, with everything a click does.
    QStringList actionNames() const override {
        if (picture_ && picture_->readOnly) return {};
        return {toggleAction()};
    }
    void doAction(const QString& name) override {
        if (name == toggleAction() && isValid() && !picture_->readOnly) picture_->pressCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    PictureControlWidget* picture() const { return picture_.data(); }
    int index() const { return index_; }

private:
    const PictureCell& cell() const { return picture_->cells[static_cast<std::size_t>(index_)]; }

    QPointer<PictureControlWidget> picture_;
    int index_;
};

// The picture control: a table of its cells. Name and description are the
// widget's own, so SetPictureDescription still reaches screen readers.
class PictureTableInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PictureTableInterface(PictureControlWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Table) {}
    ~PictureTableInterface() override {
        for (const QAccessible::Id id : cellIds_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return CellCount(picture()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (cellIds_.size() <= static_cast<std::size_t>(index))
            cellIds_.resize(static_cast<std::size_t>(childCount()), 0);
        QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new PictureCellInterface(picture(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const PictureCellInterface*>(child);
        return cell && cell->picture() == picture() ? cell->index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const PictureControlWidget* shown = picture();
        if (!shown) return nullptr;
        const QPoint at = shown->mapFromGlobal(QPoint(x, y)) - shown->contentsRect().topLeft();
        for (int k = 0; k < childCount(); ++k) {
            const PictureCell& cell = shown->cells[static_cast<std::size_t>(k)];
            if (at.x() >= cell.left && at.x() < cell.right && at.y() >= cell.top &&
                at.y() < cell.bottom)
                return child(k);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const PictureControlWidget* shown = picture();
        return shown && shown->hasFocus() ? child(shown->cursorCell) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Qt's table interface; the cells have no headers, and selection is
    // marking, which goes by clicks: these answer the same for any argument.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || column >= columnCount()) return nullptr;
        return child(row * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return picture() ? picture()->cellColumns : 0; }
    int rowCount() const override {
        return columnCount() > 0 ? childCount() / columnCount() : 0;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    PictureControlWidget* picture() const { return static_cast<PictureControlWidget*>(widget()); }

    mutable std::vector<QAccessible::Id> cellIds_;
};

AccessibleEventTap eventTap = nullptr;

bool Heard() { return eventTap != nullptr || QAccessible::isActive(); }

void Send(QAccessibleEvent& event) {
    if (eventTap != nullptr) eventTap(&event);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureControlWidget")) {
        if (auto* picture = qobject_cast<PictureControlWidget*>(object))
            return new PictureTableInterface(picture);
    } else if (className == QLatin1String("MainWindowWidget")) {
        // A top-level plain widget would otherwise be a client area. The
        // window runs as a dialog: modal, begun by its initialisation message.
        if (auto* top = qobject_cast<MainWindowWidget*>(object))
            return new QAccessibleWidget(top, QAccessible::Dialog);
    }
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility() {
    QAccessible::installFactory(WindowAccessibleFactory);
    SetPictureFocusHook(ReportCursorFocus);
    SetControlSurfaceObserver([](QWidget* control, const QRect& area) {
        if (auto* picture = qobject_cast<PictureControlWidget*>(control))
            ReportCheckedChanges(*picture, area);
    });
}

void ReportCheckedChanges(PictureControlWidget& picture, const QRect& area) {
    // Every drawing call on the picture comes here, a few for each cell a
    // check redraws: only the cells whose probe lies in the changed rows
    // are looked at.
    const std::vector<PictureCell>& cells = picture.cells;
    const auto first = std::partition_point(
        picture.cellsByProbeY.begin(), picture.cellsByProbeY.end(),
        [&](int k) { return cells[static_cast<std::size_t>(k)].probeY < area.top(); });
    QAccessibleInterface* table = nullptr;
    for (auto at = first; at != picture.cellsByProbeY.end(); ++at) {
        const auto k = static_cast<std::size_t>(*at);
        if (cells[k].probeY > area.bottom()) break;
        if (cells[k].probeX < area.left() || cells[k].probeX > area.right()) continue;
        const bool checked = picture.cellChecked(*at);
        if (picture.reportedChecked[k] == checked) continue;
        picture.reportedChecked[k] = checked;
        if (!Heard()) continue;
        if (!table) table = QAccessible::queryAccessibleInterface(&picture);
        QAccessibleInterface* child = table ? table->child(*at) : nullptr;
        if (!child) continue;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(child, changed);
        Send(event);
    }
}

void ReportCursorFocus(PictureControlWidget& picture) {
    if (!Heard()) return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&picture);
    if (QAccessibleInterface* cell = table ? table->child(picture.cursorCell) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        Send(event);
    }
}

void SetAccessibleEventTap(AccessibleEventTap tap) { eventTap = tap; }
