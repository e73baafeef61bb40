// Clicking an entry of the visible panel's list from code, as the command line's --record
// and the tests do.
#pragma once

namespace mw {

class frmMusterwright;

// Selects entry `k` of the list of the panel the file selector shows; false when there
// is no such entry.
bool selectRecord(frmMusterwright& window, int k);

} // namespace mw
