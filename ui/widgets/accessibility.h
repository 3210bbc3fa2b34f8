// What screen readers find in the main window beyond the names and descriptions every control
// has: the board as a table of 10 x 8 cells, each telling its piece, its openings and whether
// it carries water, and the solved-levels gauge as a value. They reach screen readers through
// Qt's accessibility bridge (AT-SPI on Linux desktops).
#pragma once

namespace slcy {

// Makes Qt ask us for the accessible interfaces of the board, the gauge and the level selector. Once per program.
void InstallAccessibleInterfaces();

}  // namespace slcy
