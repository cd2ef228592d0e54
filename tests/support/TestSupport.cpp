#include "TestSupport.h"

#include "MessageBox.h"
#include "modHelp.h"

#include <QDesktopServices>
#include <QStandardPaths>

UrlRecorder::UrlRecorder() {
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

QStringList UrlRecorder::addresses() const {
    QStringList list;
    for (const QUrl& url : urls)
        list << url.toString();
    return list;
}

void UrlRecorder::open(const QUrl& url) {
    urls.append(url);
}

namespace TestSupport {

void isolate() {
    QStandardPaths::setTestModeEnabled(true);
    MessageBox::setAutomaticAnswers(true);
}

QString pageAddress(const QString& pageKey) {
    return modHelp::PageAddress(pageKey);
}

} // namespace TestSupport
