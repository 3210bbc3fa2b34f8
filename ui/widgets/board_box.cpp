#include "board_box.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

#include "board_drawing.h"
#include "board_layout.h"
#include "texts.h"

namespace slcy {

BoardBox::BoardBox(const QImage& board, int scale, QWidget* parent)
    : PaintBox(board, scale, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

namespace {
// Held with a key, these make it another key.
bool AnotherKeyHeld(const QKeyEvent& event) {
    return event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}
}  // namespace

std::optional<BoardBox::Key> BoardBox::LetterOf(const QKeyEvent& event) {
    if (AnotherKeyHeld(event)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_A: return Key::TurnLeft;
        case Qt::Key_D: return Key::TurnRight;
        case Qt::Key_S: return Key::MoveSource;
        default: return std::nullopt;
    }
}

std::optional<BoardBox::Key> BoardBox::KeyOf(const QKeyEvent& event) {
    if (AnotherKeyHeld(event)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Left: return Key::CursorLeft;
        case Qt::Key_Right: return Key::CursorRight;
        case Qt::Key_Up: return Key::CursorUp;
        case Qt::Key_Down: return Key::CursorDown;
        case Qt::Key_Space: return Key::MoveSource;
        default: return LetterOf(event);
    }
}

void BoardBox::SetCursor(Cell cell) {
    cell.Column = std::clamp(cell.Column, 1, kColumns);
    cell.Row = std::clamp(cell.Row, 1, kRows);
    if (cell == cursor_) return;
    UpdateCell(cursor_);
    cursor_ = cell;
    UpdateCell(cursor_);
    AnnounceCursorCell();
}

void BoardBox::MoveCursor(int columns, int rows) {
    SetCursor({cursor_.Column + columns, cursor_.Row + rows});
}

void BoardBox::UpdateCell(Cell cell) { update(CellRect(cell.Column, cell.Row)); }

void BoardBox::Watch(const BoardState* board, const int* language) {
    board_ = board;
    language_ = language;
}

QString BoardBox::Name() const { return language_ ? BoardName(*language_) : QString(); }

QString BoardBox::CellText(Cell cell) const {
    if (!board_ || !language_ || !OnBoard(cell.Column, cell.Row)) return {};
    return slcy::CellText(*language_, board_->Piece(cell.Column, cell.Row),
                          board_->Wet(cell.Column, cell.Row), board_->SourceCell == cell);
}

void BoardBox::AnnounceCursorCell() {
    if (!hasFocus() || !QAccessible::isActive()) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* table = board ? board->tableInterface() : nullptr;
    if (QAccessibleInterface* cell = table ? table->cellAt(cursor_.Row - 1, cursor_.Column - 1) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void BoardBox::ShowCursor(bool shown) {
    if (keyboard_ == shown) return;
    keyboard_ = shown;
    UpdateCell(cursor_);
}

// A black and yellow frame inside the cell's edge: plain on the steel, the rust and the water.
void BoardBox::paintEvent(QPaintEvent* event) {
    PaintBox::paintEvent(event);
    if (!CursorShown()) return;
    QPainter p(this);
    const QRect cell = CellRect(cursor_.Column, cursor_.Row);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    p.drawRect(cell.adjusted(3, 3, -4, -4));
    p.setPen(QPen(QColor(255, 220, 0), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(cell).adjusted(2, 2, -2, -2));
}

void BoardBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = KeyOf(*event);
    if (!key) {
        PaintBox::keyPressEvent(event);  // to the window: the tool bar's keys
        return;
    }
    ShowCursor(true);
    emit keyPressed(*key);
}

void BoardBox::mousePressEvent(QMouseEvent* event) {
    ShowCursor(false);
    PaintBox::mousePressEvent(event);
}

namespace {
// The focus went to another window (a dialog, a menu) and will come back as it left.
bool ToAnotherWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
}  // namespace

// Tab, Shift+Tab and the board's keys bring the cursor; a click does not.
void BoardBox::focusInEvent(QFocusEvent* event) {
    PaintBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && !ToAnotherWindow(event->reason()))
        ShowCursor(true);
    UpdateCell(cursor_);
    // Qt tells screen readers of the board's own focus once this event is handled; the cell
    // comes after it, or the board would be the last word and the cell unheard.
    QMetaObject::invokeMethod(this, &BoardBox::AnnounceCursorCell, Qt::QueuedConnection);
}

void BoardBox::focusOutEvent(QFocusEvent* event) {
    PaintBox::focusOutEvent(event);
    if (!ToAnotherWindow(event->reason())) ShowCursor(false);
    UpdateCell(cursor_);
}

}  // namespace slcy
