#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Records every address the program hands to the desktop instead of opening a browser.
// Create one per test; it unregisters itself before it dies.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> urls;
    QStringList addresses() const;

public slots:
    void open(const QUrl& url);
};

namespace TestSupport {
// Message boxes answer themselves (and are recorded), settings live in a test location, file
// dialogs are answered by FileDialog::setNextFileName. Call from initTestCase().
void isolate();
// The address of a page of the product web site, as the program builds it.
QString pageAddress(const QString& pageKey);
} // namespace TestSupport
