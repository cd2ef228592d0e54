#include "RisingSignBands.h"

#include "LinkLabel.h"
#include "modHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace RisingSignBands {

QString SiteInvitationText() {
    return QStringLiteral("Visit %1 for more astrology software and free online readings")
        .arg(modHelp::ProductSiteName());
}

QString FullBrandText() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

QString CoBrandText() {
    return QStringLiteral("Co-brand this software for your site. Offer it to your visitors with "
                          "your own name and web address on every screen. Click Here for more "
                          "info on co-branding.");
}

QWidget* CreateTopBand(QWidget* parent, LinkLabel*& label61) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("topBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(12, 6, 12, 6);
    label61 = new LinkLabel(SiteInvitationText(), band);
    label61->setObjectName(QStringLiteral("Label61"));
    label61->setTextFormat(Qt::PlainText);
    label61->setWordWrap(false);
    label61->setAlignment(Qt::AlignCenter);
    QObject::connect(label61, &LinkLabel::clicked, label61,
                     [] { modHelp::OpenWebPage(QStringLiteral("home-page")); });
    layout->addWidget(label61, 1);
    return band;
}

QWidget* CreateBottomBand(QWidget* parent, LinkLabel*& fullBrand, LinkLabel*& coBrand,
                          const QList<QPushButton*>& buttons) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("bottomBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(16);

    auto* offers = new QVBoxLayout;
    offers->setSpacing(6);
    fullBrand = new LinkLabel(FullBrandText(), band);
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    fullBrand->setTextFormat(Qt::PlainText);
    QObject::connect(fullBrand, &LinkLabel::clicked, fullBrand,
                     [] { modHelp::OpenWebPage(QStringLiteral("fully-branded")); });
    coBrand = new LinkLabel(CoBrandText(), band);
    coBrand->setObjectName(QStringLiteral("lblCoBrand"));
    coBrand->setTextFormat(Qt::PlainText);
    QObject::connect(coBrand, &LinkLabel::clicked, coBrand,
                     [] { modHelp::OpenWebPage(QStringLiteral("co-brand")); });
    offers->addWidget(fullBrand);
    offers->addWidget(coBrand);
    layout->addLayout(offers, 1);

    for (QPushButton* button : buttons) {
        button->setParent(band);
        button->setMinimumWidth(90);
        layout->addWidget(button, 0, Qt::AlignVCenter);
    }
    return band;
}

QString StyleSheet() {
    return QStringLiteral(
        "#topBand { background-color: #2f1b4e; }"
        "#topBand QLabel { color: #f6d77a; font-weight: bold; }"
        "#bottomBand { background-color: #ece6f4; border-top: 1px solid #c9bddc; }"
        "#bottomBand QLabel { color: #3a2a7a; }"
        "#middleBand { background-color: #faf8fd; }"
        "QGroupBox { font-weight: bold; color: #2f1b4e; border: 1px solid #c9bddc;"
        " border-radius: 4px; margin-top: 10px; padding-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
        "QGroupBox QLabel, QGroupBox QComboBox, QGroupBox QLineEdit { font-weight: normal;"
        " color: black; }");
}

} // namespace RisingSignBands
