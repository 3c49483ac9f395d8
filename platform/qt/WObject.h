#pragma once
// Window placement and sizing, and unloading every window of the program at exit.
#include <vector>

class QWidget;

namespace zantrel {

// Centres the window on its screen.
void center(QWidget* window);
// Sizes the window to the right-most edge of its visible controls plus the margin.
void SetWidth(QWidget* window, int margin);
// Sizes the window to the bottom-most edge of its visible controls plus the margin.
void SetBottom(QWidget* window, int margin);

int RightEdge(const QWidget* control);   // left + width
int BottomEdge(const QWidget* control);  // top + height
// The control's left becomes the other's right edge plus the gap.
void PlaceRightOf(QWidget* control, const QWidget* other, int gap);
// The visible members of a control array, in index order, each right of the previous visible
// one; the first keeps its place. Missing members (null) are passed over.
void RowLayout(const std::vector<QWidget*>& members, int gap);

// Closes every window of the program, logging each. Returns how many are still open (those
// that refused to close).
int ExitVB();

}  // namespace zantrel
