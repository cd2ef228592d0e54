#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's name and version, what it does, and two links to the product
// web site. Modal for the whole program while it is open.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // The About box on screen now, or null.
    static frmAbout* existing();

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Line1_2 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();
};

// Shows the About box modally, centred on the screen, and returns at once; the box closes with
// "&OK" or its close box and is destroyed then. While it is open no other window of the program
// takes input. A second call while it is open brings the open box to the front.
void ShowAboutBox(QWidget* parent);
