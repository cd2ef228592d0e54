#include "SignImageList.h"

#include "RisingSignProfile.h"

SignImageList::SignImageList() {
    for (zenthari::SignIndex sign = 0; sign < zenthari::SignCount; ++sign) {
        const QString key = QString::fromStdString(zenthari::SignPictureKey(sign));
        keys_.append(key);
        pictures_.append(QPixmap(ResourcePath(key)));
    }
}

QPixmap SignImageList::picture(int number) const {
    if (number < 1 || number > pictures_.size())
        return {};
    return pictures_.at(number - 1);
}

QPixmap SignImageList::picture(const QString& key) const {
    return picture(int(keys_.indexOf(key)) + 1);
}

QString SignImageList::ResourcePath(const QString& key) {
    return QStringLiteral(":/signs/") + key;
}
