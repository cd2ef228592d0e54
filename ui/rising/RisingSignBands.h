#pragma once

#include <QString>

class LinkLabel;
class QPushButton;
class QWidget;

// The bands both rising sign screens share: the invitation to the maker's site at the top, the
// branding offers and the buttons at the bottom.
namespace RisingSignBands {

QString SiteInvitationText();
QString FullBrandText();
QString CoBrandText();

// The top band holding Label61, which opens the home page. The label is returned through label61.
QWidget* CreateTopBand(QWidget* parent, LinkLabel*& label61);

// The bottom band: lblFullBrand and lblCoBrand on the left, the buttons on the right, in the
// order given.
QWidget* CreateBottomBand(QWidget* parent, LinkLabel*& fullBrand, LinkLabel*& coBrand,
                          const QList<QPushButton*>& buttons);

// The shared look of the screens' bands and frames.
QString StyleSheet();

} // namespace RisingSignBands
