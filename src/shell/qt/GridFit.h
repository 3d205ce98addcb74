#pragma once
// Grids whose column widths were laid out for another desktop font: each
// column grows to show its widest text, so no name or weight is cut off.

class QTableWidget;

namespace lwk {

// Widens every column of the grid to its widest cell or header text (never
// narrower than it is now) and grows the grid by what the columns gained.
// Returns the gain in pixels, for the window to grow by as well.
int WidenColumnsToFit(QTableWidget* grid);

}  // namespace lwk
