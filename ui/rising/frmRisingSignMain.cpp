#include "frmRisingSignMain.h"

#include "BirthDate.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "NameTextBox.h"
#include "RisingSign.h"
#include "RisingSignBands.h"
#include "RisingSignEntries.h"
#include "RisingSignProfile.h"
#include "SignCatalogue.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "frmRisingSignDisplay.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
ScreenSlot<frmRisingSignMain> theScreen;
}

frmRisingSignMain* frmRisingSignMain::instance() {
    return theScreen.instance([] {
        auto* screen = new frmRisingSignMain;
        screen->Form_Load();
        return screen;
    });
}

frmRisingSignMain* frmRisingSignMain::existing() {
    return theScreen.existing();
}

frmRisingSignMain::frmRisingSignMain()
    : ChildScreen(QStringLiteral("frmRisingSignMain"), QStringLiteral("ZT Zodiac Rising Sign")) {
    createControls();
    createMenus();
}

void frmRisingSignMain::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    central->setStyleSheet(RisingSignBands::StyleSheet());
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RisingSignBands::CreateTopBand(central, Label61));

    auto* middle = new QWidget(central);
    middle->setObjectName(QStringLiteral("middleBand"));
    middle->setAttribute(Qt::WA_StyledBackground);
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(24, 16, 24, 16);
    middleLayout->setSpacing(12);

    Label9 = new QLabel(
        QStringLiteral("Enter the correct details to know more about how the world sees you"),
        middle);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setWordWrap(true);
    QFont headingFont = Label9->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    Label9->setFont(headingFont);
    Label9->setStyleSheet(QStringLiteral("color: #2f1b4e;"));
    auto* heading = new QHBoxLayout;
    heading->setSpacing(12);
    const QPixmap emblem(QStringLiteral(":/pictures/choice-rising.png"));
    if (!emblem.isNull()) {
        auto* picEmblem = new QLabel(middle);
        picEmblem->setObjectName(QStringLiteral("picEmblem"));
        picEmblem->setPixmap(emblem);
        heading->addWidget(picEmblem);
    }
    heading->addWidget(Label9, 1);
    middleLayout->addLayout(heading);

    fraDetails = new QGroupBox(QStringLiteral("Enter Your Details"), middle);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    auto* grid = new QGridLayout(fraDetails);
    grid->setContentsMargins(16, 18, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    auto makeLabel = [this](const QString& text, const char* name) {
        auto* label = new QLabel(text, fraDetails);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    auto makeList = [this](const char* name) {
        auto* list = new QComboBox(fraDetails);
        list->setObjectName(QString::fromLatin1(name));
        list->setEditable(false);
        return list;
    };

    Label1 = makeLabel(QStringLiteral("Name:-"), "Label1");
    txtName = new NameTextBox(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Name"));
    txtName->keyPressHook = [this](QChar typed) { return txtName_KeyPress(typed); };
    txtName->pasteHook = [this](const QString& text) { return txtName_Paste(text); };
    Label1->setBuddy(txtName);

    Label3 = makeLabel(QStringLiteral("Date Of Birth:-"), "Label3");
    Label4 = makeLabel(QStringLiteral("Date"), "Label4");
    cmbDate = makeList("cmbDate");
    cmbDate->setAccessibleName(QStringLiteral("Date"));
    Label4->setBuddy(cmbDate);
    Label5 = makeLabel(QStringLiteral("Month"), "Label5");
    cmbMonth = makeList("cmbMonth");
    cmbMonth->setAccessibleName(QStringLiteral("Month"));
    Label5->setBuddy(cmbMonth);
    Label6 = makeLabel(QStringLiteral("Year"), "Label6");
    cmbYear = makeList("cmbYear");
    cmbYear->setAccessibleName(QStringLiteral("Year"));
    Label6->setBuddy(cmbYear);
    Label7 = makeLabel(QStringLiteral("Time Of Birth:-"), "Label7");
    cmbTime = makeList("cmbTime");
    cmbTime->setAccessibleName(QStringLiteral("Time Of Birth"));
    Label7->setBuddy(cmbTime);

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 7);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Label4, 1, 1, Qt::AlignRight);
    grid->addWidget(cmbDate, 1, 2);
    grid->addWidget(Label5, 1, 3, Qt::AlignRight);
    grid->addWidget(cmbMonth, 1, 4);
    grid->addWidget(Label6, 1, 5, Qt::AlignRight);
    grid->addWidget(cmbYear, 1, 6);
    grid->addWidget(Label7, 2, 0);
    grid->addWidget(cmbTime, 2, 1, 1, 3);
    grid->setColumnStretch(7, 1);
    middleLayout->addWidget(fraDetails);

    Label8 = new QLabel(
        QStringLiteral("ZT Zodiac Rising Sign calculates your rising sign or ascendant based on "
                       "Western astrology concepts. The rising sign describes your outer "
                       "personality."),
        middle);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setWordWrap(true);
    middleLayout->addWidget(Label8);

    cmdProceed = new QPushButton(QStringLiteral("Find My Zodiac &Rising Sign"), middle);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setDefault(true);
    cmdProceed->setMinimumHeight(34);
    connect(cmdProceed, &QPushButton::clicked, this, &frmRisingSignMain::cmdProceed_Click);
    middleLayout->addWidget(cmdProceed, 0, Qt::AlignHCenter);
    layout->addWidget(middle, 1);

    cmdExit = new QPushButton(QStringLiteral("&Exit"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmRisingSignMain::cmdExit_Click);
    layout->addWidget(
        RisingSignBands::CreateBottomBand(central, lblFullBrand, lblCoBrand, {cmdExit}));

    setCentralWidget(central);
    central->setMinimumWidth(640);

    setTabOrder(txtName, cmbTime);
    setTabOrder(cmbTime, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, cmdExit);
    setTabOrder(cmdExit, cmdProceed);
    setTabOrder(cmdProceed, lblFullBrand);
    setTabOrder(lblFullBrand, lblCoBrand);
    setTabOrder(lblCoBrand, Label61);
}

void frmRisingSignMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuFindZodiacRisingSign = file->addAction(QStringLiteral("Find My Zodiac &Rising Sign"));
    mnuFindZodiacRisingSign->setObjectName(QStringLiteral("mnuFindZodiacRisingSign"));
    connect(mnuFindZodiacRisingSign, &QAction::triggered, this,
            &frmRisingSignMain::cmdProceed_Click);
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmRisingSignMain::cmdExit_Click);

    modHelp::AddHelpMenu(menuBar(),
                         {QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2"),
                          QStringLiteral("Check for Software &Update")},
                         [this] { ShowAboutBox(this); });
    mnuMakeMoneyOnline = modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mnuMakeMoneyOnline"));
}

void frmRisingSignMain::Form_Load() {
    for (std::string_view month : zenthari::EnglishMonthNames)
        cmbMonth->addItem(QString::fromUtf8(month.data(), qsizetype(month.size())));
    for (int day = 1; day <= 31; ++day)
        cmbDate->addItem(QString::number(day));
    for (int year = 1900; year <= 2050; ++year)
        cmbYear->addItem(QString::number(year));
    for (std::string_view window : zenthari::modRisingSign::TimeWindowListOrder)
        cmbTime->addItem(QString::fromUtf8(window.data(), qsizetype(window.size())));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    cmbTime->setCurrentIndex(0);
    txtName->setFocus();
}

void frmRisingSignMain::showEvent(QShowEvent* event) {
    ChildScreen::showEvent(event);
    if (!focusWidget())
        txtName->setFocus();
}

std::optional<QChar> frmRisingSignMain::txtName_KeyPress(QChar typed) {
    const std::optional<QChar> accepted = RisingSignEntries::NameKeyPress(typed);
    if (!accepted)
        MessageBox::show(this, RisingSignEntries::OnlyAlphabetMessage,
                         MessageBox::Icon::Information);
    return accepted;
}

std::optional<QString> frmRisingSignMain::txtName_Paste(const QString& text) {
    const std::optional<QString> accepted = RisingSignEntries::NameFromPastedText(text);
    if (!accepted)
        MessageBox::show(this, RisingSignEntries::OnlyAlphabetMessage,
                         MessageBox::Icon::Information);
    return accepted;
}

bool frmRisingSignMain::ValidateInput() {
    const std::optional<RisingSignEntries::EntryProblem> problem = RisingSignEntries::CheckEntries(
        txtName->text(), cmbMonth->currentIndex() + 1, cmbDate->currentIndex() + 1,
        cmbYear->currentText().toInt());
    if (!problem)
        return true;
    MessageBox::show(this, problem->text, problem->icon);
    if (problem->focusName)
        txtName->setFocus();
    return false;
}

void frmRisingSignMain::cmdProceed_Click() {
    namespace rising = zenthari::modRisingSign;
    if (!ValidateInput())
        return;
    rising::SunSign =
        zenthari::FindSunSign(cmbMonth->currentIndex() + 1, cmbDate->currentIndex() + 1);
    rising::TimeWindow = cmbTime->currentText().toStdString();
    rising::RisingSignKey = rising::MakeRisingSignKey(rising::SunSign, rising::TimeWindow);

    frmRisingSignDisplay* display = frmRisingSignDisplay::instance();
    display->lblYourSunSign->setText(QString::fromStdString(rising::SunSign));
    rising::FindRisingSign();
    display->ShowProfile(QString::fromStdString(rising::RisingSign), IMGSign);

    hideScreen();
    display->showScreen();
    display->FitIntoClientArea();
    if (frmMDI* main = frmMDI::instance())
        main->HideWelcomePanel();
}

void frmRisingSignMain::cmdExit_Click() {
    unloadScreen();
}

void frmRisingSignMain::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            break;
        // Enter presses the button that has the focus, and the run everywhere else.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button != cmdProceed)
            button->click();
        else
            cmdProceed->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        if (event->modifiers() != Qt::NoModifier)
            break;
        // Escape is the run as well: the screen has no other button to cancel with.
        cmdProceed->click();
        event->accept();
        return;
    default:
        break;
    }
    ChildScreen::keyPressEvent(event);
}
