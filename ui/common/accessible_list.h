// How a drop-down list reads to a screen reader.
#pragma once

namespace ui {

// Makes every drop-down list announce its accessible name, with the entry
// shown as its value. Toolkit's own reading on Linux gives the entry as the
// name, so a reader would hear "inches" and never what the list is for.
// Safe to call more than once.
void announceListsByPurpose();

} // namespace ui
