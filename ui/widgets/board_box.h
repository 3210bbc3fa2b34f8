// The board: the retained picture of the board, the mouse on it, and for a player at the
// keyboard a cursor on one cell. The cursor is a frame drawn over the picture, never into it,
// and shows only while the board has the keyboard focus and is played from the keyboard: a
// click gives the board the focus but shows no cursor.
#pragma once

#include <optional>

#include "board.h"
#include "paint_box.h"

namespace slcy {

class BoardBox : public PaintBox {
    Q_OBJECT
public:
    // What a key asks of the board, whatever the key.
    enum class Key { CursorLeft, CursorRight, CursorUp, CursorDown, TurnLeft, TurnRight, MoveSource };

    BoardBox(const QImage& board, int scale, QWidget* parent);

    Cell cursor() const { return cursor_; }
    // The cursor on `cell`, kept on the board.
    void SetCursor(Cell cell);
    // Steps the cursor, stopping at the edges.
    void MoveCursor(int columns, int rows);
    bool CursorShown() const { return hasFocus() && keyboard_; }

    // For screen readers: the board whose cells this shows, and the language to speak of it.
    // Both are watched, not copied, so they must live as long as the box.
    void Watch(const BoardState* board, const int* language);
    QString Name() const;
    QString CellText(Cell cell) const;
    // Tells a screen reader that the cell under the cursor is the one in focus, or has changed.
    void AnnounceCursorCell();

    // The keys of the board: the arrows, A (turn anticlockwise), D (clockwise), S and Space
    // (move the source). Nothing else. Shift held changes nothing; with Ctrl, Alt or Meta held
    // a key is another key, none of the board's.
    static std::optional<Key> KeyOf(const QKeyEvent& event);
    // The board's letters A, D and S alone: keys of no other control, which from anywhere in
    // the window bring the player to the board.
    static std::optional<Key> LetterOf(const QKeyEvent& event);

signals:
    void keyPressed(BoardBox::Key key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowCursor(bool shown);
    void UpdateCell(Cell cell);

    Cell cursor_;
    bool keyboard_ = false;  // the board is being played from the keyboard
    const BoardState* board_ = nullptr;
    const int* language_ = nullptr;
};

}  // namespace slcy
