// What screen readers find in the main window beyond the names and descriptions every control
// has: the board as a table of 10 x 8 cells, each telling its piece, its openings and whether
// it carries water, the solved-levels gauge as a value, and tool-bar buttons whose press is
// answered before the dialog it opens. They reach screen readers through Qt's accessibility
// bridge (AT-SPI on Linux desktops).
#pragma once

namespace slcy {

// Makes Qt ask us for the accessible interfaces of the board, the gauge, the level selector
// and the tool-bar buttons. Once per program.
void InstallAccessibleInterfaces();

}  // namespace slcy
