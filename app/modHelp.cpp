#include "modHelp.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>

namespace modHelp {

QString ProductSiteBase() {
    return QStringLiteral(ZENTHARI_PRODUCT_SITE_BASE);
}

QString ProductSiteName() {
    const QUrl base(ProductSiteBase());
    return base.host().isEmpty() ? ProductSiteBase() : base.host();
}

QString PageAddress(const QString& pageKey) {
    return ProductSiteBase() + QStringLiteral("/zenthari/ssd.php?page=") + pageKey;
}

void OpenAddress(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

void OpenWebPage(const QString& pageKey) {
    OpenAddress(QUrl(PageAddress(pageKey)));
}

namespace {
QAction* addPageItem(QMenu* menu, const QString& caption, const QString& name,
                     const QString& pageKey) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, action, [pageKey] { OpenWebPage(pageKey); });
    return action;
}
} // namespace

QMenu* AddHelpMenu(QMenuBar* bar, const HelpMenuNames& names, std::function<void()> aboutAction) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addPageItem(menu, QStringLiteral("&Online Help"), QStringLiteral("mnuOnline"),
                QStringLiteral("help-web-page"));
    addPageItem(menu, QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit"),
                QStringLiteral("home-page"));
    menu->addSeparator()->setObjectName(names.firstSeparator);
    addPageItem(menu, names.updateCaption, QStringLiteral("mnuUpdate"),
                QStringLiteral("download-web-page"));
    menu->addSeparator()->setObjectName(names.secondSeparator);
    QAction* about = menu->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, about, [aboutAction] {
        if (aboutAction)
            aboutAction();
    });
    return menu;
}

QAction* AddMakeMoneyItem(QMenuBar* bar, const QString& objectName) {
    QAction* item = bar->addAction(QStringLiteral("Make Money &Online"));
    item->setObjectName(objectName);
    QObject::connect(item, &QAction::triggered, item,
                     [] { OpenWebPage(QStringLiteral("fully-branded")); });
    // Switched off: hidden on every window, and disabled so no shortcut can reach it.
    item->setEnabled(false);
    item->setVisible(false);
    return item;
}

} // namespace modHelp
