// Combos with thousands of entries (troops, items, templates): their list opens at once and
// shows the longest entries uncut.
#pragma once

class QComboBox;

namespace mw {

// Opens the combo's list as a plain drop-down below it, without measuring every entry on
// each opening, and widens the list for its longest entries once each time the combo's
// model is refilled (and again when an entry is renamed). Call after the model is set.
void makeLongChoiceList(QComboBox* combo);

} // namespace mw
