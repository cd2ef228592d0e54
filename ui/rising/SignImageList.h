#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

// The twelve sign pictures in catalogue order, addressed by 1-based position or by key
// ("aries.jpg" ... "pisces.jpg"). Never shown itself; a missing picture reads as a null pixmap.
class SignImageList {
public:
    SignImageList();

    int count() const { return int(keys_.size()); }
    QStringList keys() const { return keys_; }
    QPixmap picture(int number) const;
    QPixmap picture(const QString& key) const;

    // Where the picture with this key is kept among the program's resources.
    static QString ResourcePath(const QString& key);

private:
    QStringList keys_;
    QList<QPixmap> pictures_;
};
