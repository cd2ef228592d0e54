#include "frmMDI.h"

#include "CalculatorScreens.h"
#include "ChildScreen.h"
#include "LinkLabel.h"
#include "StartUp.h"
#include "frmAbout.h"
#include "modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

QPointer<frmMDI> theMainWindow;

// Colours of the main window: a night-sky band on top, the starry banner (or its colours when
// the picture is missing) with gold lettering, a pale client area.
const QColor NightTop(0x10, 0x15, 0x36);
const QColor NightBottom(0x1f, 0x27, 0x58);
const QColor BannerLeft(0x2a, 0x1a, 0x5e);
const QColor BannerRight(0x4b, 0x2a, 0x86);
const QColor ClientBackground(0xf5, 0xf2, 0xfb);
const QColor BottomBackground(0xe7, 0xe1, 0xf3);
const QColor Ink(0x2b, 0x1d, 0x5c);
const QColor LinkInk(0x5b, 0x2c, 0x91);

// A band of the main window: a picture stretched across it when the program has one, else a
// gradient between two colours. A click anywhere on it can run an action.
class Band : public QWidget {
public:
    Band(const QString& picture, QColor top, QColor bottom, QWidget* parent)
        : QWidget(parent), picture_(picture), top_(top), bottom_(bottom) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!picture_.isNull()) {
            const QPixmap scaled =
                picture_.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
            painter.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2,
                               scaled);
            return;
        }
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, top_);
        gradient.setColorAt(1, bottom_);
        painter.fillRect(rect(), gradient);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onClick && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint())) {
            onClick();
            return;
        }
        QWidget::mouseReleaseEvent(event);
    }

private:
    QPixmap picture_;
    QColor top_;
    QColor bottom_;
};

QFont scaledFont(const QFont& base, double factor, bool bold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

// A palette colour costs far less at start-up than a style sheet per label.
void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setUnderline(QLabel* label, bool on) {
    QFont font = label->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    label->setFont(font);
}

} // namespace

frmMDI::frmMDI(QWidget* parent) : QMainWindow(parent) {
    theMainWindow = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Zenthari v1.30"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    MDIForm_Load();
}

frmMDI::~frmMDI() = default;

frmMDI* frmMDI::instance() {
    return theMainWindow;
}

void frmMDI::MDIForm_Load() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    createChoiceBand(central);
    createBannerBand(central);

    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(ClientBackground);
    mdiArea_->setFrameShape(QFrame::NoFrame);
    // On a small screen a calculator can be wider or taller than the client area; scroll bars
    // keep every part of it within reach.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->viewport()->installEventFilter(this);
    createWelcomePanel();

    createBottomBand(central);

    layout->addWidget(Picture1);
    layout->addWidget(Picture6);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(PicCoBrand);
    setCentralWidget(central);

    createMenus();
    cmdSelectOption[0]->setFocus();
    setMinimumSize(760, 560);
    resize(1024, 720);
}

void frmMDI::createChoiceBand(QWidget* parent) {
    auto* band = new Band(QString(), NightTop, NightBottom, parent);
    Picture1 = band;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(92);

    picButtonContainer = new QFrame(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto* row = new QHBoxLayout(picButtonContainer);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    const QStringList captions = {QStringLiteral("Zodiac Rising Sign"),
                                  QStringLiteral("Vedic Ascendant")};
    const QStringList pictures = {QStringLiteral(":/pictures/choice-rising.png"),
                                  QStringLiteral(":/pictures/choice-vedic.png")};
    const QStringList pictureNames = {QStringLiteral("Picture3"), QStringLiteral("Picture2")};
    for (int i = 0; i < 2; ++i) {
        auto* picture = new QLabel(picButtonContainer);
        picture->setObjectName(pictureNames[i]);
        picture->setFixedSize(56, 56);
        picture->setAlignment(Qt::AlignCenter);
        const QPixmap pixmap(pictures[i]);
        if (!pixmap.isNull())
            picture->setPixmap(
                pixmap.scaled(56, 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        (i == 0 ? Picture3 : Picture2) = picture;

        cmdSelectOption[i] = new QPushButton(captions[i], picButtonContainer);
        cmdSelectOption[i]->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        cmdSelectOption[i]->setMinimumSize(200, 44);
        cmdSelectOption[i]->setFont(scaledFont(font(), 1.15, true));
        connect(cmdSelectOption[i], &QPushButton::clicked, this,
                [this, i] { cmdSelectOption_Click(i); });

        if (i == 1)
            row->addSpacing(36);
        row->addWidget(picture);
        row->addWidget(cmdSelectOption[i]);
    }
    picButtonContainer->setStyleSheet(QStringLiteral(
        "QPushButton { color: #2b1d5c; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fff8e1, stop:1 #f2d98c); border: 1px solid #b8860b; border-radius: 8px;"
        " padding: 6px 18px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #ffffff, stop:1 #f7e3a3); }"
        "QPushButton:pressed { background: #e9c86a; }"
        "QPushButton:focus { border: 2px solid #ffffff; }"));

    auto* centre = new QHBoxLayout(Picture1);
    centre->setContentsMargins(12, 10, 12, 10);
    centre->addStretch();
    centre->addWidget(picButtonContainer);
    centre->addStretch();
}

void frmMDI::createBannerBand(QWidget* parent) {
    auto* band = new Band(QStringLiteral(":/pictures/banner.png"), BannerLeft, BannerRight, parent);
    band->onClick = [this] { Picture6_Click(); };
    Picture6 = band;
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->setFixedHeight(40);
    Picture6->setCursor(LinkLabel::LinkCursor());
    Picture6->setToolTip(modHelp::PageAddress(QStringLiteral("home-page")));

    lblQuorvelBanner = new LinkLabel(
        QStringLiteral("Talk astrology with other Zenthari users: visit our online forum at ") +
            modHelp::ProductSiteName(),
        Picture6);
    lblQuorvelBanner->setObjectName(QStringLiteral("lblQuorvelBanner"));
    lblQuorvelBanner->setTextFormat(Qt::PlainText);
    lblQuorvelBanner->setWordWrap(false);
    lblQuorvelBanner->setFont(scaledFont(font(), 1.1, true));
    setTextColor(lblQuorvelBanner, QColor(0xff, 0xd8, 0x73));
    lblQuorvelBanner->setToolTip(modHelp::PageAddress(QStringLiteral("home-page")));
    connect(lblQuorvelBanner, &LinkLabel::clicked, this, [this] { lblQuorvelBanner_Click(); });

    auto* centre = new QHBoxLayout(Picture6);
    centre->setContentsMargins(12, 0, 12, 0);
    centre->addStretch();
    centre->addWidget(lblQuorvelBanner);
    centre->addStretch();
}

void frmMDI::createWelcomePanel() {
    picMain = new QWidget(mdiArea_->viewport());
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setMouseTracking(true);
    picMain->setAutoFillBackground(true);
    QPalette palette = picMain->palette();
    palette.setColor(QPalette::Window, ClientBackground);
    palette.setColor(QPalette::WindowText, Ink);
    picMain->setPalette(palette);
    picMain->installEventFilter(this);

    const QStringList captions = {
        QStringLiteral("Welcome to Zenthari"),
        QStringLiteral("Welcome to Zenthari! Zenthari calculates your rising sign or ascendant "
                       "based on Western & Vedic astrology concepts. The rising sign describes "
                       "your outer personality."),
        QStringLiteral("Zenthari includes the following programs"),
        QStringLiteral("Zodiac Rising Sign"), QStringLiteral("Vedic Ascendant")};
    const QList<QPair<double, bool>> looks = {
        {2.2, true}, {1.15, false}, {1.25, true}, {1.5, true}, {1.5, true}};

    auto* panel = new QVBoxLayout(picMain);
    panel->setContentsMargins(24, 24, 24, 24);
    panel->setSpacing(0);
    panel->addStretch(2);
    for (int i = 0; i < 5; ++i) {
        auto* caption = new LinkLabel(captions[i], picMain);
        lblCaption[i] = caption;
        caption->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        caption->setTextFormat(Qt::PlainText);
        caption->setAlignment(Qt::AlignHCenter);
        caption->setFont(scaledFont(font(), looks[i].first, looks[i].second));
        if (i != 1)
            caption->setWordWrap(false);
        if (i < 3) {
            // Text only: no pointer picture, no keyboard stop.
            caption->unsetCursor();
            caption->setFocusPolicy(Qt::NoFocus);
            setTextColor(caption, QColor(0x2b, 0x1d, 0x5c));
        } else {
            setTextColor(caption, QColor(0x5b, 0x2c, 0x91));
            caption->setToolTip(i == 3 ? QStringLiteral("Open the Zodiac Rising Sign calculator")
                                       : QStringLiteral("Open the Vedic Ascendant calculator"));
        }
        connect(caption, &LinkLabel::clicked, this, [this, i] { lblCaption_Click(i); });
        connect(caption, &LinkLabel::mouseMoved, this, [this, i] { lblCaption_MouseMove(i); });
    }
    // The long welcome text reads as a paragraph of comfortable width.
    lblCaption[1]->setFixedWidth(640);
    lblCaption[1]->setMinimumHeight(lblCaption[1]->heightForWidth(640));

    panel->addWidget(lblCaption[0], 0, Qt::AlignHCenter);
    panel->addSpacing(22);
    panel->addWidget(lblCaption[1], 0, Qt::AlignHCenter);
    panel->addSpacing(34);
    panel->addWidget(lblCaption[2], 0, Qt::AlignHCenter);
    panel->addSpacing(18);
    panel->addWidget(lblCaption[3], 0, Qt::AlignHCenter);
    panel->addSpacing(12);
    panel->addWidget(lblCaption[4], 0, Qt::AlignHCenter);
    panel->addStretch(7);

    picMain->setGeometry(mdiArea_->viewport()->rect());
    picMain->lower();
}

void frmMDI::createBottomBand(QWidget* parent) {
    PicCoBrand = new QWidget(parent);
    PicCoBrand->setObjectName(QStringLiteral("PicCoBrand"));
    PicCoBrand->setAutoFillBackground(true);
    QPalette palette = PicCoBrand->palette();
    palette.setColor(QPalette::Window, BottomBackground);
    PicCoBrand->setPalette(palette);

    Label7 = new LinkLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."),
        PicCoBrand);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setTextFormat(Qt::PlainText);
    Label7->setAlignment(Qt::AlignCenter);
    setTextColor(Label7, QColor(0x7a, 0x23, 0x48));
    Label7->setToolTip(modHelp::PageAddress(QStringLiteral("fully-branded")));
    connect(Label7, &LinkLabel::clicked, this, [this] { Label7_Click(); });

    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit->setMinimumSize(96, 32);
    connect(cmdMdiExit, &QPushButton::clicked, this, [this] { cmdMdiExit_Click(); });

    // Label7 is centred across the band: the space on its left balances the button on its right.
    auto* row = new QHBoxLayout(PicCoBrand);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(12);
    row->addSpacing(cmdMdiExit->minimumWidth());
    row->addWidget(Label7, 1);
    row->addWidget(cmdMdiExit, 0, Qt::AlignRight | Qt::AlignVCenter);
}

void frmMDI::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    modHelp::AddHelpMenu(menuBar(), {}, [this] { ShowAboutBox(this); });
    modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mkmoney"));
}

void frmMDI::OpenCalculator(int choice) {
    CloseCalculatorScreens();
    HideWelcomePanel();
    if (QWidget* screen = CalculatorScreens::ShowInputScreen(choice)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
            PlaceScreen(sub);
    }
}

void frmMDI::CloseCalculatorScreens() {
    for (const QString& name : CalculatorScreens::ClosingOrder) {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (widget->objectName() != name)
                continue;
            if (auto* screen = qobject_cast<ChildScreen*>(widget))
                screen->unloadScreen();
            else
                widget->close();
            break;
        }
    }
}

void frmMDI::ShowWelcomePanel() {
    picMain->setGeometry(mdiArea_->viewport()->rect());
    picMain->setVisible(true);
    picMain->lower();
}

void frmMDI::HideWelcomePanel() {
    picMain->setVisible(false);
}

bool frmMDI::isWelcomePanelVisible() const {
    return picMain->isVisibleTo(mdiArea_);
}

void frmMDI::PlaceScreen(QMdiSubWindow* window) const {
    const int left = (mdiArea_->viewport()->width() - window->width()) / 2;
    window->move(left > 0 ? left : 0, 0);
}

void frmMDI::closeEvent(QCloseEvent* event) {
    // However the window is closed, the program ends with it, without a question.
    if (!StartUp::isEnding())
        EndProgram();
    event->accept();
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event) {
    if (mdiArea_ && watched == mdiArea_->viewport() && event->type() == QEvent::Resize)
        picMain->setGeometry(mdiArea_->viewport()->rect());
    else if (watched == picMain && event->type() == QEvent::MouseMove)
        picMain_MouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::cmdSelectOption_Click(int index) {
    OpenCalculator(index);
}

void frmMDI::lblCaption_Click(int index) {
    CloseCalculatorScreens();
    if (index == 3 || index == 4)
        OpenCalculator(index - 3);
}

void frmMDI::lblCaption_MouseMove(int index) {
    if (index == 3 || index == 4)
        setUnderline(lblCaption[index], true);
}

void frmMDI::picMain_MouseMove() {
    for (LinkLabel* caption : lblCaption)
        setUnderline(caption, false);
}

void frmMDI::Picture6_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}

void frmMDI::lblQuorvelBanner_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}

void frmMDI::Label7_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}

void frmMDI::cmdMdiExit_Click() {
    close();
}

void frmMDI::mnuExit_Click() {
    close();
}
