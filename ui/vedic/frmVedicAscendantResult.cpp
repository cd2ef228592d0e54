#include "frmVedicAscendantResult.h"

#include "LinkLabel.h"
#include "frmMDI.h"
#include "frmVedicAscendantMain.h"
#include "frmVedicAscendantSave.h"
#include "modHelp.h"

#include "LagnaInformation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace {
ScreenSlot<frmVedicAscendantResult> theScreen;

// The sign pictures by English name, in the order in which they are searched.
const std::array<const char*, 12> SignPictureKeys = {
    "Aquarius", "Aries",  "Cancer",      "Capricorn", "Gemini", "Leo",
    "Libra",    "Pisces", "Sagittarius", "Scorpio",   "Taurus", "Virgo"};

const QString InitialPicture = QStringLiteral(":/pictures/lagna-initial.png");

const QString FullBrandText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* valueBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAccessibleName(accessibleName);
    return box;
}

QPlainTextEdit* textBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setAccessibleName(accessibleName);
    return box;
}

LinkLabel* linkLabel(QWidget* parent, const QString& name, const QString& text,
                     const QString& pageKey) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Clickable texts read as links.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    QObject::connect(label, &LinkLabel::clicked, label,
                     [pageKey] { modHelp::OpenWebPage(pageKey); });
    return label;
}

// A row of a label beside its value box (or above it, in a one-column grid); the hint shows
// over both.
template <typename Box>
Box* addRow(QGridLayout* grid, QWidget* parent, const QString& labelName, const QString& caption,
            Box* box, const QString& hint, QLabel** labelOut = nullptr) {
    QLabel* label = plainLabel(parent, labelName, caption);
    label->setToolTip(hint);
    box->setToolTip(hint);
    const int row = grid->rowCount();
    if (grid->property("stacked").toBool()) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row + 1, 0);
    } else {
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(box, row, 1);
    }
    if (labelOut)
        *labelOut = label;
    return box;
}

// A label above its multi-line box.
void addTextBlock(QVBoxLayout* column, QWidget* parent, const QString& labelName,
                  const QString& caption, QPlainTextEdit* box, const QString& hint) {
    QLabel* label = plainLabel(parent, labelName, caption);
    label->setToolTip(hint);
    box->setToolTip(hint);
    column->addWidget(label);
    column->addWidget(box, 1);
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}
} // namespace

frmVedicAscendantResult* frmVedicAscendantResult::instance() {
    return theScreen.instance([] {
        auto* screen = new frmVedicAscendantResult;
        screen->Form_Load();
        return screen;
    });
}

frmVedicAscendantResult* frmVedicAscendantResult::existing() {
    return theScreen.existing();
}

QString frmVedicAscendantResult::SignPicturePath(const QString& englishName) {
    for (const char* key : SignPictureKeys) {
        if (englishName == QLatin1String(key))
            return QStringLiteral(":/signs/") + QString::fromLatin1(key).toLower() +
                   QStringLiteral(".jpg");
    }
    return {};
}

frmVedicAscendantResult::frmVedicAscendantResult()
    : ChildScreen(QStringLiteral("frmVedicAscendantResult"), QStringLiteral("ZT Vedic Ascendant")) {
    createControls();
    createMenus();
}

void frmVedicAscendantResult::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* outer = new QGridLayout(central);
    outer->setContentsMargins(12, 10, 12, 10);
    outer->setHorizontalSpacing(14);
    outer->setVerticalSpacing(10);

    // Left column: the sign's picture and name over five facts.
    auto* left = new QVBoxLayout();
    picLagna = new QLabel(central);
    picLagna->setObjectName(QStringLiteral("picLagna"));
    picLagna->setFixedSize(200, 200);
    picLagna->setAlignment(Qt::AlignCenter);
    picLagna->setFrameShape(QFrame::StyledPanel);
    left->addWidget(picLagna, 0, Qt::AlignHCenter);

    lblVedicName =
        plainLabel(central, QStringLiteral("lblVedicName"), QStringLiteral("Vedic Name"));
    QFont bold = lblVedicName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    lblVedicName->setFont(bold);
    lblVedicName->setAlignment(Qt::AlignCenter);
    left->addWidget(lblVedicName);

    // Labels above their boxes keep the column narrow, so that all eight tabs fit beside it.
    auto* facts = new QGridLayout();
    facts->setProperty("stacked", true);
    facts->setVerticalSpacing(3);
    txtRullingPlanet = addRow(
        facts, central, QStringLiteral("Label2"), QStringLiteral("Rulling Planet"),
        valueBox(central, QStringLiteral("txtRullingPlanet"), QStringLiteral("Rulling Planet")),
        QStringLiteral("This signifies the planet that exercises a powerful energy on the sign."),
        &Label2);
    txtEnglishName =
        addRow(facts, central, QStringLiteral("Label4"), QStringLiteral("English Name"),
               valueBox(central, QStringLiteral("txtEnglishName"), QStringLiteral("English Name")),
               QStringLiteral("This signifies the English name for the Vedic moon sign."), &Label4);
    txtInbornNature = addRow(
        facts, central, QStringLiteral("Label3"), QStringLiteral("Inborn Nature"),
        valueBox(central, QStringLiteral("txtInbornNature"), QStringLiteral("Inborn Nature")),
        QStringLiteral("This describes the human characteristics of this sign."), &Label3);
    txtSymbol = addRow(facts, central, QStringLiteral("Label5"), QStringLiteral("Symbol"),
                       valueBox(central, QStringLiteral("txtSymbol"), QStringLiteral("Symbol")),
                       QStringLiteral("This signifies the picture associated with the moon sign."),
                       &Label5);
    txtSignColor =
        addRow(facts, central, QStringLiteral("Label6"), QStringLiteral("Sign Color"),
               valueBox(central, QStringLiteral("txtSignColor"), QStringLiteral("Sign Color")),
               QStringLiteral("This signifies the color associated with the sign."), &Label6);
    left->addLayout(facts);
    left->addStretch();

    cmdBack = new QPushButton(QStringLiteral("&Back"), central);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &frmVedicAscendantResult::cmdBack_Click);
    cmdSave = new QPushButton(QStringLiteral("&Save"), central);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    connect(cmdSave, &QPushButton::clicked, this, &frmVedicAscendantResult::cmdSave_Click);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdSave);
    left->addLayout(buttons);

    auto* leftColumn = new QWidget(central);
    leftColumn->setObjectName(QStringLiteral("leftColumn"));
    leftColumn->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    leftColumn->setFixedWidth(212);
    outer->addWidget(leftColumn, 0, 0, 2, 1);

    // The tabs.
    SST = new QTabWidget(central);
    SST->setObjectName(QStringLiteral("SST"));
    SST->setMinimumSize(600, 430);
    // Every tab caption stays in sight: the tab bar is as wide as its captions.
    SST->setUsesScrollButtons(false);
    const auto newTab = [this](const QString& caption, int index) {
        auto* page = new QWidget(SST);
        page->setObjectName(QStringLiteral("SST_tab%1").arg(index));
        SST->addTab(page, caption);
        return page;
    };

    {
        QWidget* page = newTab(QStringLiteral("Sign Characteristics"), 0);
        auto* column = new QVBoxLayout(page);
        auto* grid = new QGridLayout();
        grid->setVerticalSpacing(10);
        grid->setColumnStretch(1, 1);
        txtTypeOfSign =
            addRow(grid, page, QStringLiteral("Label7"), QStringLiteral("Type Of Sign"),
                   valueBox(page, QStringLiteral("txtTypeOfSign"), QStringLiteral("Type Of Sign")),
                   QStringLiteral("This signifies the attitude of the people under this sign."));
        txtGender = addRow(grid, page, QStringLiteral("Label8"), QStringLiteral("Gender"),
                           valueBox(page, QStringLiteral("txtGender"), QStringLiteral("Gender")),
                           QStringLiteral("The male rashis are more dynamic in nature while the "
                                          "female rashis are passive by nature."));
        txtBarren =
            addRow(grid, page, QStringLiteral("Label9"), QStringLiteral("Barren / Fruitful"),
                   valueBox(page, QStringLiteral("txtBarren"), QStringLiteral("Barren / Fruitful")),
                   QStringLiteral("This classifies the signs on basis of fertility."));
        txtSignCaste = addRow(
            grid, page, QStringLiteral("Label10"), QStringLiteral("Sign Caste"),
            valueBox(page, QStringLiteral("txtSignCaste"), QStringLiteral("Sign Caste")),
            QStringLiteral("This classifies the sign based on caste into Brahmana (the seeker and "
                           "teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the "
                           "industrialists, wealth creators) and the Sudras (the workers)."));
        txtSignPosition = addRow(
            grid, page, QStringLiteral("Label11"), QStringLiteral("Sign Position"),
            valueBox(page, QStringLiteral("txtSignPosition"), QStringLiteral("Sign Position")),
            QStringLiteral("This classifies the sign based on position into Dwara (Entrance), "
                           "Bahya (Outside), Garbha (Inside)."));
        txtConstituentCharacter =
            addRow(grid, page, QStringLiteral("Label12"), QStringLiteral("Constituent Character"),
                   valueBox(page, QStringLiteral("txtConstituentCharacter"),
                            QStringLiteral("Constituent Character")),
                   QStringLiteral("This classifies the sign based on constituent making into "
                                  "Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal)."));
        txtPartOfTheBody = addRow(
            grid, page, QStringLiteral("Label13"), QStringLiteral("Part Of The Body"),
            valueBox(page, QStringLiteral("txtPartOfTheBody"), QStringLiteral("Part Of The Body")),
            QStringLiteral(
                "This shows the parts of the bodies that the different signs represent."));
        column->addLayout(grid);
        column->addStretch();
    }
    {
        QWidget* page = newTab(QStringLiteral("Physique And Looks"), 1);
        auto* column = new QVBoxLayout(page);
        auto* grid = new QGridLayout();
        grid->setColumnStretch(1, 1);
        txtPhysique = addRow(
            grid, page, QStringLiteral("Label14"), QStringLiteral("Physique"),
            valueBox(page, QStringLiteral("txtPhysique"), QStringLiteral("Physique")),
            QStringLiteral("This signifies the general stature of people born under this sign."));
        column->addLayout(grid);
        txtLooks = textBox(page, QStringLiteral("txtLooks"), QStringLiteral("Looks"));
        addTextBlock(column, page, QStringLiteral("Label15"), QStringLiteral("Looks"), txtLooks,
                     QStringLiteral("This signifies the physical appearance of people born under "
                                    "this sign."));
    }
    {
        QWidget* page = newTab(QStringLiteral("Human Nature"), 2);
        auto* column = new QVBoxLayout(page);
        txtNature = textBox(page, QStringLiteral("txtNature"), QStringLiteral("Nature"));
        addTextBlock(column, page, QStringLiteral("Label16"), QStringLiteral("Nature"), txtNature,
                     QStringLiteral("This signifies the human nature of people born under this "
                                    "sign."));
    }
    {
        QWidget* page = newTab(QStringLiteral("Career and Finance"), 3);
        auto* column = new QVBoxLayout(page);
        txtCareerAndFinance = textBox(page, QStringLiteral("txtCareerAndFinance"),
                                      QStringLiteral("Career And Finance"));
        addTextBlock(column, page, QStringLiteral("Label17"), QStringLiteral("Career And Finance"),
                     txtCareerAndFinance,
                     QStringLiteral("This shows their career interests and financial habits."));
    }
    {
        QWidget* page = newTab(QStringLiteral("Love And Compatibility"), 4);
        auto* column = new QVBoxLayout(page);
        txtLoveAndDomesticLife = textBox(page, QStringLiteral("txtLoveAndDomesticLife"),
                                         QStringLiteral("Love And Domestic Life"));
        addTextBlock(column, page, QStringLiteral("Label18"),
                     QStringLiteral("Love And Domestic Life"), txtLoveAndDomesticLife,
                     QStringLiteral("This signifies born under this sign."));
        auto* grid = new QGridLayout();
        grid->setColumnStretch(1, 1);
        txtCompatibleWith = addRow(
            grid, page, QStringLiteral("Label19"), QStringLiteral("Compatible With"),
            valueBox(page, QStringLiteral("txtCompatibleWith"), QStringLiteral("Compatible With")),
            QStringLiteral("This signifies the other rashis/ moon signs that are compatible with "
                           "this sign."));
        txtNotCompatibleWith =
            addRow(grid, page, QStringLiteral("Label20"), QStringLiteral("Not Compatible With"),
                   valueBox(page, QStringLiteral("txtNotCompatibleWith"),
                            QStringLiteral("Not Compatible With")),
                   QStringLiteral("This signifies the other rashis/ moon signs that are not "
                                  "compatible with this sign."));
        column->addLayout(grid);
    }
    {
        QWidget* page = newTab(QStringLiteral("Health"), 5);
        auto* column = new QVBoxLayout(page);
        txtHealth = textBox(page, QStringLiteral("txtHealth"), QStringLiteral("Health"));
        addTextBlock(column, page, QStringLiteral("Label21"), QStringLiteral("Health"), txtHealth,
                     QStringLiteral("This signifies the health issues of people born under this "
                                    "rashi."));
    }
    {
        QWidget* page = newTab(QStringLiteral("Lucky for.... Rashi"), 6);
        auto* column = new QVBoxLayout(page);
        auto* grid = new QGridLayout();
        grid->setVerticalSpacing(10);
        grid->setColumnStretch(1, 1);
        txtLuckyDays =
            addRow(grid, page, QStringLiteral("lblLuckyDays"), QStringLiteral("Lucky Days"),
                   valueBox(page, QStringLiteral("txtLuckyDays"), QStringLiteral("Lucky Days")),
                   QStringLiteral("This signifies the lucky days for people born under this sign."),
                   &lblLuckyDays);
        txtLuckyNumbers = addRow(
            grid, page, QStringLiteral("lblLuckyNumbers"), QStringLiteral("Lucky Numbers"),
            valueBox(page, QStringLiteral("txtLuckyNumbers"), QStringLiteral("Lucky Numbers")),
            QStringLiteral("This signifies the lucky numbers for people born under this sign."),
            &lblLuckyNumbers);
        txtBestDirection = addRow(
            grid, page, QStringLiteral("lblBestDirection"), QStringLiteral("Best Direction"),
            valueBox(page, QStringLiteral("txtBestDirection"), QStringLiteral("Best Direction")),
            QStringLiteral("This signifies the lucky directions for people born under this sign."),
            &lblBestDirection);
        txtLuckyColors = addRow(
            grid, page, QStringLiteral("lblLuckyColors"), QStringLiteral("Lucky Colors"),
            valueBox(page, QStringLiteral("txtLuckyColors"), QStringLiteral("Lucky Colors")),
            QStringLiteral("This signifies the lucky colors for people born under this sign."),
            &lblLuckyColors);
        txtLuckyGemstone = addRow(
            grid, page, QStringLiteral("lblLuckyGemstone"), QStringLiteral("Lucky Gemstone"),
            valueBox(page, QStringLiteral("txtLuckyGemstone"), QStringLiteral("Lucky Gemstone")),
            QStringLiteral("This signifies the lucky gemstones for people born under this sign."),
            &lblLuckyGemstone);
        txtBestPeriodOfActivity =
            addRow(grid, page, QStringLiteral("lblBestPeriodOfActivity"),
                   QStringLiteral("Best Period Of Activity"),
                   valueBox(page, QStringLiteral("txtBestPeriodOfActivity"),
                            QStringLiteral("Best Period Of Activity")),
                   QStringLiteral("This shows the best period of the day when people of this sign "
                                  "are more active."),
                   &lblBestPeriodOfActivity);
        column->addLayout(grid);
        column->addStretch();
    }
    SST->addTab(createAboutTab(), QStringLiteral("About Software"));
    outer->addWidget(SST, 0, 1);

    // Promotions under the tabs.
    auto* promotions = new QGridLayout();
    fraFullBrand = new QGroupBox(central);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    auto* fullBrand = new QVBoxLayout(fraFullBrand);
    lblFullBrand = linkLabel(fraFullBrand, QStringLiteral("lblFullBrand"), FullBrandText,
                             QStringLiteral("fully-branded"));
    fullBrand->addWidget(lblFullBrand);
    promotions->addWidget(fraFullBrand, 0, 0, Qt::AlignTop);

    fraForum = new QGroupBox(modHelp::ProductSiteName(), central);
    fraForum->setObjectName(QStringLiteral("fraForum"));
    auto* forum = new QVBoxLayout(fraForum);
    Label61 = linkLabel(fraForum, QStringLiteral("Label61"),
                        QStringLiteral("Join our online discussion board: share your readings and "
                                       "talk astrology with other users. Click here to visit."),
                        QStringLiteral("home-page"));
    forum->addWidget(Label61);
    promotions->addWidget(fraForum, 0, 1, Qt::AlignTop);

    lblCoBrand1 = linkLabel(central, QStringLiteral("lblCoBrand1"),
                            QStringLiteral("Co-brand this software for your site. Put your site's "
                                           "name and link here. Click here for more info on "
                                           "co-branding."),
                            QStringLiteral("co-brand"));
    promotions->addWidget(lblCoBrand1, 1, 0, 1, 2);
    promotions->setColumnStretch(0, 1);
    promotions->setColumnStretch(1, 1);
    outer->addLayout(promotions, 1, 1);
    outer->setRowStretch(0, 1);
    outer->setColumnStretch(1, 1);

    setCentralWidget(central);
}

QWidget* frmVedicAscendantResult::createAboutTab() {
    auto* page = new QWidget(SST);
    page->setObjectName(QStringLiteral("SST_tab7"));
    auto* row = new QHBoxLayout(page);

    Picture1 = new QLabel(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    const QPixmap product(QStringLiteral(":/pictures/product.png"));
    if (!product.isNull())
        Picture1->setPixmap(product.height() > 240
                                ? product.scaledToHeight(240, Qt::SmoothTransformation)
                                : product);
    row->addWidget(Picture1, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout();
    Label24 = plainLabel(page, QStringLiteral("Label24"), QStringLiteral("ZT Vedic Ascendant"));
    QFont title = Label24->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    Label24->setFont(title);
    column->addWidget(Label24);

    Label23 = plainLabel(
        page, QStringLiteral("Label23"),
        QStringLiteral(
            "ZT Vedic Ascendant finds your ascendant (lagna), the sign that was rising in the "
            "east at the moment of your birth, following the traditions of Vedic astrology. "
            "Enter your name, the date and time of your birth and where you were born, and it "
            "shows your lagna with its ruling planet, symbol and element, what it says about your "
            "looks, nature, career, love life and health, and your lucky days, numbers, colours "
            "and gemstone. A reading can be saved, opened again later and printed as a report."));
    Label23->setWordWrap(true);
    column->addWidget(Label23);

    lblHomePage = linkLabel(page, QStringLiteral("lblHomePage"),
                            QStringLiteral("Click here to visit ") + modHelp::ProductSiteName(),
                            QStringLiteral("home-page"));
    column->addWidget(lblHomePage);

    Label25 = plainLabel(page, QStringLiteral("Label25"), FullBrandText);
    Label25->setWordWrap(true);
    column->addWidget(Label25);

    lblCoBrand =
        linkLabel(page, QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details"),
                  QStringLiteral("fully-branded"));
    column->addWidget(lblCoBrand);
    column->addStretch();
    row->addLayout(column, 1);
    return page;
}

void frmVedicAscendantResult::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuBack = file->addAction(QStringLiteral("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    connect(mnuBack, &QAction::triggered, this, &frmVedicAscendantResult::mnuBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuSave = file->addAction(QStringLiteral("&Save"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    connect(mnuSave, &QAction::triggered, this, &frmVedicAscendantResult::mnuSave_Click);

    // On this screen "About Software" shows the About tab rather than the About box.
    modHelp::AddHelpMenu(menuBar(),
                         {QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2"),
                          QStringLiteral("Check for Software &Update")},
                         [this] { mnuAbout_Click(); });
    modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mnuMakeMoney"));
}

void frmVedicAscendantResult::Form_Load() {
    const zenthari::LagnaRecord& info = zenthari::modLagnaInformation::LagnaInformation;
    const QString vedicName = text(info.VedicName);

    SST->setCurrentIndex(0);
    lblVedicName->setText(vedicName);

    txtEnglishName->setText(text(info.EnglishName));
    txtRullingPlanet->setText(text(info.RulingPlanet));
    txtSymbol->setText(text(info.Symbol));
    txtInbornNature->setText(text(info.InbornNature));
    txtSignColor->setText(text(info.SignColor));
    txtTypeOfSign->setText(text(info.TypeOfSign));
    txtGender->setText(text(info.Gender));
    txtBarren->setText(text(info.BarrenOrFruitful));
    txtSignCaste->setText(text(info.SignCaste));
    txtSignPosition->setText(text(info.SignPosition));
    txtConstituentCharacter->setText(text(info.ConstituentCharacter));

    SST->setTabText(6, QStringLiteral("Lucky for ") + vedicName);
    lblLuckyDays->setText(QStringLiteral("Lucky Days for ") + vedicName);
    lblLuckyNumbers->setText(QStringLiteral("Lucky Numbers for ") + vedicName);
    lblBestDirection->setText(QStringLiteral("Best Direction for ") + vedicName);
    lblLuckyColors->setText(QStringLiteral("Lucky Colors for ") + vedicName);
    lblLuckyGemstone->setText(QStringLiteral("Lucky Gemstone for ") + vedicName);
    lblBestPeriodOfActivity->setText(QStringLiteral("Best Period Of Activity for ") + vedicName);

    txtLuckyDays->setText(text(info.LuckyDays));
    txtLuckyNumbers->setText(text(info.LuckyNumbers));
    txtBestDirection->setText(text(info.BestDirection));
    txtLuckyColors->setText(text(info.LuckyColors));
    txtLuckyGemstone->setText(text(info.LuckyGemstone));
    txtBestPeriodOfActivity->setText(text(info.BestPeriodOfActivity));
    txtPartOfTheBody->setText(text(info.PartOfTheBody));
    txtPhysique->setText(text(info.Physique));
    txtLooks->setPlainText(text(info.Looks));
    txtNature->setPlainText(text(info.Nature));
    txtCareerAndFinance->setPlainText(text(info.CareerAndFinance));
    txtLoveAndDomesticLife->setPlainText(text(info.LoveAndDomesticLife));
    txtHealth->setPlainText(text(info.Health));
    txtCompatibleWith->setText(text(info.CompatibleWith));
    txtNotCompatibleWith->setText(text(info.NotCompatibleWith));
    // Long values start at their beginning, not scrolled to the end.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setCursorPosition(0);

    lagnaPicture_ = InitialPicture;
    const QString signPicture = SignPicturePath(text(info.EnglishName));
    if (!signPicture.isEmpty())
        lagnaPicture_ = signPicture;
    const QPixmap picture(lagnaPicture_);
    if (!picture.isNull())
        picLagna->setPixmap(
            picture.scaled(picLagna->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picLagna->setAccessibleName(vedicName.isEmpty() ? QStringLiteral("Vedic Name") : vedicName);
}

void frmVedicAscendantResult::cmdBack_Click() {
    frmVedicAscendantMain::instance()->showScreen();
    unloadScreen();
    if (frmMDI* main = frmMDI::instance())
        main->HideWelcomePanel();
}

void frmVedicAscendantResult::mnuBack_Click() {
    cmdBack_Click();
}

void frmVedicAscendantResult::cmdSave_Click() {
    OpenAscendantReport(this);
}

void frmVedicAscendantResult::mnuSave_Click() {
    cmdSave_Click();
}

void frmVedicAscendantResult::mnuAbout_Click() {
    SST->setCurrentIndex(7);
}
