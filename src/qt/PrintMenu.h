#pragma once

class QMenu;
class QWidget;

namespace grill {

class CGrillDesignerDlg;

// Print Preview..., Print... and Export PDF... on `menu`: each asks whether
// to print the current design or the whole job when both can be printed,
// and says so when there is no design at all.
void AddPrintActions(QMenu& menu, QWidget& parent, CGrillDesignerDlg& designer);

}  // namespace grill
