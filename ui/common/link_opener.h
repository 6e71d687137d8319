// Hands an address to the desktop, which opens it with the handler the user
// chose for its scheme: the web browser, the mail program.
#pragma once

class QString;

namespace ui {

// Returns at once and tells nothing: a desktop that cannot open the address
// is not the user's problem to be told about.
void openLink(const QString& address);

} // namespace ui
