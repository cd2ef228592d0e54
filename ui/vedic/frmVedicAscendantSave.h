#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <string>

class LinkLabel;
class QPrinter;
class QPushButton;
class QTextEdit;

// The ascendant report: the lagna sign's facts as a formatted report that can be printed, with
// the buttons that save the reading and print the report. It opens modal in front of the result
// screen, which stays open behind it and comes to the front again when the report closes.
class frmVedicAscendantSave : public QDialog {
    Q_OBJECT
public:
    // A fresh report of the current lagna information, in front of resultScreen.
    explicit frmVedicAscendantSave(QWidget* resultScreen);
    ~frmVedicAscendantSave() override;

    // The open report, or null.
    static frmVedicAscendantSave* existing();

    // Test hook: while set, Print writes a PDF file there instead of using the default printer.
    static void setPrintOutputForTests(const QString& pdfPath);

    QTextEdit* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    LinkLabel* Label12 = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* Label14 = nullptr;

    void cmdSave_Click();
    void cmdPrint_Click();
    // Asks where to save the current reading and writes it there.
    void SaveReadingFile();

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void PlaceOverClientArea();
    void RTB_Change();
    void RTB_MouseEvent();

    QPointer<QWidget> resultScreen_;
    bool unloaded_ = false;
};

// Creates and shows the report of the current lagna information, modal, in front of the result
// screen; the report brings that screen to the front again when it closes.
void OpenAscendantReport(QWidget* resultScreen);

// Prints the whole report, whatever part of it is selected, to printer as one job.
void PrintReport(QTextEdit* rtb, QPrinter& printer);
