#include "frmAbout.h"

#include "LinkLabel.h"
#include "modHelp.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QPointer<frmAbout> openAboutBox;

QLabel* textLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

LinkLabel* linkLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(text);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #1d4fa8;"));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zenthari v1.30"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    const QPixmap icon(QStringLiteral(":/pictures/icon.png"));
    if (!icon.isNull())
        Picture1->setPixmap(icon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Picture1->setFixedSize(64, 64);
    Picture1->setAlignment(Qt::AlignCenter);

    Label2 = textLabel(QStringLiteral("Label2"), QStringLiteral("Zenthari v1.30"), this);
    QFont heading = Label2->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    Label2->setFont(heading);
    Label2->setStyleSheet(QStringLiteral("color: #2b1d5c;"));

    Label1 = textLabel(
        QStringLiteral("Label1"),
        QStringLiteral(
            "The Ascendant or the Zodiac Rising Sign holds a very significant position in the "
            "study of astrology. The Ascendant along with the sun sign and moon sign describes "
            "the complete personality of an individual. Know you Ascendant on the basis of "
            "Western & Vedic Astrology with the help of this software."),
        this);

    Line1_2 = new QFrame(this);
    Line1_2->setObjectName(QStringLiteral("Line1_2"));
    Line1_2->setFrameShape(QFrame::HLine);
    Line1_2->setFrameShadow(QFrame::Sunken);

    Label3 = textLabel(QStringLiteral("Label3"),
                       QStringLiteral("Home Business Opportunity. Start your own Internet "
                                      "business and make money online. Get this software fully "
                                      "branded for your website. "),
                       this);
    lblCoBrand = linkLabel(QStringLiteral("lblCoBrand"),
                           QStringLiteral("Click here for more details."), this);
    lblHomePage =
        linkLabel(QStringLiteral("lblHomePage"),
                  QStringLiteral("Click here to visit ") + modHelp::ProductSiteName(), this);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setMinimumWidth(90);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(lblCoBrand, &LinkLabel::clicked, this, [this] { lblCoBrand_Click(); });
    connect(lblHomePage, &LinkLabel::clicked, this, [this] { lblHomePage_Click(); });

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    auto* about = new QVBoxLayout;
    about->addWidget(Label2);
    about->addWidget(Label1);
    top->addLayout(about, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addWidget(Line1_2);
    layout->addSpacing(4);
    layout->addWidget(Label3);
    layout->addWidget(lblCoBrand);
    layout->addWidget(lblHomePage);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    // Wide enough for the description to read as a paragraph, not a column.
    Label1->setFixedWidth(380);
    setFixedSize(sizeHint());
    cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

frmAbout* frmAbout::existing() {
    return openAboutBox;
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::lblCoBrand_Click() {
    modHelp::OpenWebPage(QStringLiteral("fully-branded"));
}

void frmAbout::lblHomePage_Click() {
    modHelp::OpenWebPage(QStringLiteral("home-page"));
}

void ShowAboutBox(QWidget* parent) {
    if (openAboutBox) {
        openAboutBox->raise();
        openAboutBox->activateWindow();
        return;
    }
    // No owner: the box belongs to the program, not to the screen it was asked from, and is
    // modal for all of it.
    auto* box = new frmAbout(nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    openAboutBox = box;

    QScreen* screen = parent ? parent->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        box->move(area.center() - QPoint(box->width() / 2, box->height() / 2));
    }
    box->show();
    box->raise();
    box->activateWindow();
}
