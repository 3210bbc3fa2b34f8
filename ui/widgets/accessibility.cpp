#include "accessibility.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <array>

#include "board_box.h"
#include "board_drawing.h"
#include "board_layout.h"
#include "gauge.h"
#include "level_scroll.h"
#include "speed_button.h"

namespace slcy {

namespace {

class BoardAccessible;

// One cell of the board; it lives as long as the board's interface.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardAccessible* table, Cell cell) : table_(table), cell_(cell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.Column - 1; }
    int rowIndex() const override { return cell_.Row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardAccessible* table_;
    Cell cell_;
};

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardBox* board) : QAccessibleWidget(board, QAccessible::Table) {
        for (int i = 0; i < kCellCount; ++i) {
            const Cell cell{i % kColumns + 1, i / kColumns + 1};
            cells_[i] = new CellAccessible(this, cell);
            ids_[i] = QAccessible::registerAccessibleInterface(cells_[i]);
        }
    }
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    BoardBox* board() const { return static_cast<BoardBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return board()->Name();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < kCellCount ? cells_[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kCellCount; ++i)
            if (cells_[i] == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = board()->mapFromGlobal(QPoint(x, y));
        const std::optional<Cell> cell = CellAt(at.x(), at.y());
        return cell ? cellAt(cell->Row - 1, cell->Column - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!board()->hasFocus()) return nullptr;
        return cellAt(board()->cursor().Row - 1, board()->cursor().Column - 1);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The table: rows top to bottom, columns left to right, counted from 0.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
        return cells_[row * kColumns + column];
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
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
    std::array<CellAccessible*, kCellCount> cells_{};
    std::array<QAccessible::Id, kCellCount> ids_{};
};

bool CellAccessible::isValid() const { return table_->isValid(); }
QAccessibleInterface* CellAccessible::parent() const { return table_; }
QAccessibleInterface* CellAccessible::table() const { return table_; }

QString CellAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? table_->board()->CellText(cell_) : QString();
}

QRect CellAccessible::rect() const {
    const QRect cell = CellRect(cell_.Column, cell_.Row);
    return {table_->board()->mapToGlobal(cell.topLeft()), cell.size()};
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = table_->board()->hasFocus() && table_->board()->cursor() == cell_;
    return s;
}

// The gauge: how many levels are solved, out of all.
class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(SolvedGauge* gauge)
        : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}
    SolvedGauge* gauge() const { return static_cast<SolvedGauge*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Value) return gauge()->toolTip();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return gauge()->maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// The level selector reads as the level it stands at: its top is the highest level, so the
// scroll bar's own value would count backwards. A value set by an assistive tool is a
// player's move of the thumb.
class LevelScrollAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LevelScrollAccessible(LevelScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar) {}
    LevelScrollBar* bar() const { return static_cast<LevelScrollBar*>(widget()); }
    int LevelAt(int position) const { return bar()->maximum() + bar()->minimum() - position; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return LevelAt(bar()->value()); }
    void setCurrentValue(const QVariant& level) override {
        bar()->setSliderPosition(LevelAt(std::clamp(level.toInt(), 1, int(bar()->maximum()))));
        bar()->triggerAction(QAbstractSlider::SliderMove);
    }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }
};

// A tool-bar button pressed by a screen reader. Qt's interface clicks a tool button within the
// press, and the screen reader waits for the answer: with a button whose click opens a modal
// dialog, until the dialog closes. Here the click is queued: the press is answered at once,
// and the dialog follows.
class ToolBarButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolBarButtonAccessible(SpeedButton* button)
        : QAccessibleWidget(button, QAccessible::PushButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

private:
    SpeedButton* button() const { return static_cast<SpeedButton*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("slcy::BoardBox"))
        return new BoardAccessible(static_cast<BoardBox*>(object));
    if (className == QLatin1String("slcy::SolvedGauge"))
        return new GaugeAccessible(static_cast<SolvedGauge*>(object));
    if (className == QLatin1String("slcy::LevelScrollBar"))
        return new LevelScrollAccessible(static_cast<LevelScrollBar*>(object));
    // The sound button is a check box, and stays Qt's: its click opens nothing.
    if (auto* button = qobject_cast<SpeedButton*>(object); button && !button->isCheckable())
        return new ToolBarButtonAccessible(button);
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace slcy
