#include "frmRisingSignDisplay.h"

#include "LinkLabel.h"
#include "RisingSignBands.h"
#include "RisingSignProfile.h"
#include "SignImageList.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "frmRisingSignMain.h"
#include "modHelp.h"

#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
ScreenSlot<frmRisingSignDisplay> theScreen;

// A text box that asks for room for a given number of lines, not the scroll area's large
// default, so the five texts share the screen sensibly and scroll within themselves.
class ProfileTextBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    int visibleLines = 4;

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth() + 2 * int(document()->documentMargin());
        return {480, visibleLines * fontMetrics().lineSpacing() + frame};
    }
    QSize minimumSizeHint() const override {
        const int frame = 2 * frameWidth() + 2 * int(document()->documentMargin());
        return {240, 2 * fontMetrics().lineSpacing() + frame};
    }
};
} // namespace

frmRisingSignDisplay* frmRisingSignDisplay::instance() {
    return theScreen.instance([] { return new frmRisingSignDisplay; });
}

frmRisingSignDisplay* frmRisingSignDisplay::existing() {
    return theScreen.existing();
}

frmRisingSignDisplay::frmRisingSignDisplay()
    : ChildScreen(QStringLiteral("frmRisingSignDisplay"), QStringLiteral("ZT Zodiac Rising Sign")) {
    createControls();
    createMenus();
}

QPlainTextEdit* frmRisingSignDisplay::createTextBox(const char* name, int lines) {
    auto* box = new ProfileTextBox;
    box->visibleLines = lines;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->viewport()->setMouseTracking(true);
    box->viewport()->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, &frmRisingSignDisplay::txtYour_Touched);
    textBoxes_.append(box);
    return box;
}

void frmRisingSignDisplay::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    central->setStyleSheet(
        RisingSignBands::StyleSheet() +
        QStringLiteral("#fraFacts, #fraTexts { margin-top: 0px; padding-top: 0px; }"
                       "QLabel[role=\"caption\"] { color: #4a3470; }"
                       "QLabel[role=\"value\"] { font-weight: bold; }"
                       "QLabel[role=\"sign\"] { font-weight: bold;"
                       " color: #2f1b4e; }"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RisingSignBands::CreateTopBand(central, Label61));

    auto* middle = new QWidget(central);
    middle->setObjectName(QStringLiteral("middleBand"));
    middle->setAttribute(Qt::WA_StyledBackground);
    auto* middleLayout = new QHBoxLayout(middle);
    middleLayout->setContentsMargins(16, 14, 16, 14);
    middleLayout->setSpacing(16);

    // Left: the picture, the two signs and the short values.
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    picSign = new QLabel(middle);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setFixedSize(200, 200);
    picSign->setAlignment(Qt::AlignCenter);
    picSign->setFrameShape(QFrame::Box);
    picSign->setStyleSheet(QStringLiteral("border: 1px solid #c9bddc; background: white;"));
    left->addWidget(picSign, 0, Qt::AlignHCenter);

    auto* facts = new QGroupBox(middle);
    facts->setObjectName(QStringLiteral("fraFacts"));
    auto* grid = new QGridLayout(facts);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);

    struct Row {
        QLabel** caption;
        const char* captionName;
        const char* captionText;
        QLabel** value;
        const char* valueName;
    };
    Label19 = new LinkLabel(QStringLiteral("Your Sun Sign"), facts);
    Label19->setWordWrap(false);
    Label19->setTextFormat(Qt::PlainText);
    const Row rows[] = {
        {nullptr, "Label19", "Your Sun Sign", &lblYourSunSign, "lblYourSunSign"},
        {&Label18, "Label18", "Your Rising Sign", &lblYourRisingSign, "lblYourRisingSign"},
        {&Label17, "Label17", "Your Ruling Planet", &lblYourRulingPlanet, "lblYourRulingPlanet"},
        {&Label16, "Label16", "Your Symbol", &lblYourSymbol, "lblYourSymbol"},
        {&Label15, "Label15", "Your Element", &lblYourElement, "lblYourElement"},
        {&Label14, "Label14", "Your Sign Color", &lblYourSignColor, "lblYourSignColor"},
        {&Label13, "Label13", "Your Type of Sign", &lblYourTypeofSign, "lblYourTypeofSign"},
        {&Label12, "Label12", "Your Lucky Days", &lblYourLuckyDays, "lblYourLuckyDays"},
        {&Label11, "Label11", "Your Lucky Numbers", &lblYourLuckyNumbers, "lblYourLuckyNumbers"},
        {&Label10, "Label10", "Your Lucky Direction", &lblYourLuckyDirection,
         "lblYourLuckyDirection"},
        {&Label9, "Label9", "Your Lucky Colors", &lblYourLuckyColors, "lblYourLuckyColors"},
        {&Label8, "Label8", "Your Lucky Gemstone", &lblYourLuckyGemstone, "lblYourLuckyGemstone"},
    };
    int row = 0;
    for (const Row& r : rows) {
        QLabel* caption = r.caption ? new QLabel(QString::fromLatin1(r.captionText), facts)
                                    : static_cast<QLabel*>(Label19);
        if (r.caption)
            *r.caption = caption;
        caption->setObjectName(QString::fromLatin1(r.captionName));
        auto* value = new QLabel(facts);
        value->setObjectName(QString::fromLatin1(r.valueName));
        *r.value = value;
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::NoTextInteraction);
        const bool sign = row < 2;
        caption->setProperty("role", "caption");
        value->setProperty("role", sign ? "sign" : "value");
        // A screen reader announces the caption, then the value it labels.
        caption->setBuddy(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        if (row == 1) {
            auto* rule = new QFrame(facts);
            rule->setFrameShape(QFrame::HLine);
            rule->setStyleSheet(QStringLiteral("color: #c9bddc;"));
            grid->addWidget(rule, 2, 0, 1, 2);
            row = 3;
        } else {
            ++row;
        }
    }
    grid->setColumnStretch(1, 1);
    connect(Label19, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("co-brand")); });
    left->addWidget(facts);
    left->addStretch();
    middleLayout->addLayout(left);

    // Right: the five texts, each under its caption.
    auto* texts = new QGroupBox(middle);
    texts->setObjectName(QStringLiteral("fraTexts"));
    auto* textLayout = new QVBoxLayout(texts);
    textLayout->setContentsMargins(12, 10, 12, 10);
    textLayout->setSpacing(4);
    struct TextRow {
        QLabel** caption;
        const char* captionName;
        const char* captionText;
        QPlainTextEdit** box;
        const char* boxName;
        int lines;
    };
    const TextRow textRows[] = {
        {&Label7, "Label7", "Your Looks", &txtYourLooks, "txtYourLooks", 3},
        {&Label6, "Label6", "Your Nature", &txtYourNature, "txtYourNature", 7},
        {&Label5, "Label5", "Your Career and Finance", &txtYourCareerandFinance,
         "txtYourCareerandFinance", 4},
        {&Label4, "Label4", "Your Love and Domestic Life", &txtYourLoveandDomesticLife,
         "txtYourLoveandDomesticLife", 4},
        {&Label2, "Label2", "Your Health", &txtYourHealth, "txtYourHealth", 3},
    };
    for (const TextRow& r : textRows) {
        auto* caption = new QLabel(QString::fromLatin1(r.captionText), texts);
        caption->setObjectName(QString::fromLatin1(r.captionName));
        caption->setProperty("role", "sign");
        *r.caption = caption;
        QPlainTextEdit* box = createTextBox(r.boxName, r.lines);
        box->setParent(texts);
        caption->setBuddy(box);
        box->setAccessibleName(caption->text());
        *r.box = box;
        textLayout->addWidget(caption);
        textLayout->addWidget(box, r.lines);
        textLayout->addSpacing(3);
    }
    middleLayout->addWidget(texts, 1);
    layout->addWidget(middle, 1);

    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    connect(cmdBack, &QPushButton::clicked, this, &frmRisingSignDisplay::cmdBack_Click);
    cmdExit = new QPushButton(QStringLiteral("&Exit"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &frmRisingSignDisplay::cmdExit_Click);
    layout->addWidget(
        RisingSignBands::CreateBottomBand(central, lblFullBrand, lblCoBrand, {cmdBack, cmdExit}));
    setCentralWidget(central);

    setTabOrder(cmdExit, cmdBack);
    setTabOrder(cmdBack, txtYourLooks);
    setTabOrder(txtYourLooks, txtYourNature);
    setTabOrder(txtYourNature, txtYourCareerandFinance);
    setTabOrder(txtYourCareerandFinance, txtYourLoveandDomesticLife);
    setTabOrder(txtYourLoveandDomesticLife, txtYourHealth);
    cmdExit->setFocus();
}

void frmRisingSignDisplay::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuFileBack = file->addAction(QStringLiteral("&Back"));
    mnuFileBack->setObjectName(QStringLiteral("mnuFileBack"));
    connect(mnuFileBack, &QAction::triggered, this, &frmRisingSignDisplay::cmdBack_Click);
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &frmRisingSignDisplay::cmdExit_Click);

    modHelp::AddHelpMenu(menuBar(),
                         {QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2"),
                          QStringLiteral("&Check for Software Update")},
                         [this] { ShowAboutBox(this); });
    mnuMakeMoneyOnline = modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mnuMakeMoneyOnline"));
}

void frmRisingSignDisplay::ShowProfile(const QString& risingSign, const SignImageList& images) {
    lblYourRisingSign->setText(risingSign);
    const zenthari::RisingSignProfile profile =
        zenthari::FindRisingSignProfile(risingSign.toStdString())
            .value_or(zenthari::RisingSignProfile{});
    auto text = [](const std::string& value) { return QString::fromStdString(value); };
    txtYourLooks->setPlainText(text(profile.Looks));
    txtYourNature->setPlainText(text(profile.Nature));
    txtYourCareerandFinance->setPlainText(text(profile.CareerAndFinance));
    txtYourLoveandDomesticLife->setPlainText(text(profile.LoveAndDomesticLife));
    txtYourHealth->setPlainText(text(profile.Health));
    lblYourRulingPlanet->setText(text(profile.RulingPlanet));
    lblYourSymbol->setText(text(profile.Symbol));
    lblYourElement->setText(text(profile.Element));
    lblYourSignColor->setText(text(profile.SignColor));
    lblYourTypeofSign->setText(text(profile.TypeOfSign));
    lblYourLuckyDays->setText(text(profile.LuckyDays));
    lblYourLuckyNumbers->setText(text(profile.LuckyNumbers));
    lblYourLuckyDirection->setText(text(profile.LuckyDirection));
    lblYourLuckyColors->setText(text(profile.LuckyColors));
    lblYourLuckyGemstone->setText(text(profile.LuckyGemstone));
    const QPixmap picture = images.picture(profile.PictureNumber);
    if (picture.isNull())
        picSign->clear();
    else
        picSign->setPixmap(picture);
    picSign->setAccessibleName(risingSign);
}

void frmRisingSignDisplay::FitIntoClientArea() {
    QMdiSubWindow* sub = subWindow();
    if (!sub || !sub->mdiArea())
        return;
    const int room = sub->mdiArea()->viewport()->height();
    if (room > 0 && sub->height() > room)
        sub->resize(sub->width(), std::max(room, sub->minimumSizeHint().height()));
}

void frmRisingSignDisplay::cmdBack_Click() {
    unloadScreen();
    if (frmRisingSignMain* input = frmRisingSignMain::existing()) {
        input->showScreen();
        if (frmMDI* main = frmMDI::instance())
            main->HideWelcomePanel();
    }
}

void frmRisingSignDisplay::cmdExit_Click() {
    unloadScreen();
}

void frmRisingSignDisplay::txtYour_Touched() {
    QGuiApplication::clipboard()->clear();
}

bool frmRisingSignDisplay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        for (QPlainTextEdit* box : std::as_const(textBoxes_)) {
            if (watched == box->viewport()) {
                txtYour_Touched();
                break;
            }
        }
        break;
    default:
        break;
    }
    return ChildScreen::eventFilter(watched, event);
}

void frmRisingSignDisplay::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                  event->key() == Qt::Key_Enter)) {
        // Enter presses the focused button (Back), Exit otherwise; Escape is always Exit.
        if (event->key() != Qt::Key_Escape && focusWidget() == cmdBack)
            cmdBack->click();
        else
            cmdExit->click();
        event->accept();
        return;
    }
    ChildScreen::keyPressEvent(event);
}
