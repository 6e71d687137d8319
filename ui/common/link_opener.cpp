#include "ui/common/link_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ui {

void openLink(const QString& address)
{
    // Strict parsing, so that the address goes out exactly as written instead
    // of being "repaired" on the way.
    static_cast<void>(QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode)));
}

} // namespace ui
