#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace modHelp {

// Scheme and host of the product web site, fixed when the program is built.
QString ProductSiteBase();
// The site's host name as people write it, e.g. "www.zenthari.example".
QString ProductSiteName();

// The address of a page of the product web site: base + "/zenthari/ssd.php?page=" + key.
QString PageAddress(const QString& pageKey);

// Hands an address to the desktop's default handler; the outcome is not examined.
void OpenAddress(const QUrl& address);

// Opens a page of the product web site in the user's browser.
void OpenWebPage(const QString& pageKey);

// The names of the separators differ from window to window; everything else of the Help menu
// is the same everywhere.
struct HelpMenuNames {
    QString firstSeparator = QStringLiteral("mnuSep1");
    QString secondSeparator = QStringLiteral("mnuSep2");
    QString updateCaption = QStringLiteral("Check for Software &Update");
};

// Adds "&Help" (mnuHelp) to the menu bar with its items mnuOnline, mnuVisit, mnuUpdate and
// mnuAbout; "&About Software" runs aboutAction. Returns the menu.
QMenu* AddHelpMenu(QMenuBar* bar, const HelpMenuNames& names, std::function<void()> aboutAction);

// Adds the top-level "Make Money &Online" item that opens the "fully-branded" page. It is
// switched off from the start on every window, and nothing switches it on.
QAction* AddMakeMoneyItem(QMenuBar* bar, const QString& objectName);

} // namespace modHelp
