#include "PlaceLookupComponent.h"

#include "modHelp.h"

QUrl PlaceLookupComponent::SearchAddress(const QString& searchText) {
    // Every byte outside the unreserved set is escaped, "&", "#", "+", "?", "%" and "=" included,
    // and the address is taken as already encoded, so the escapes stay exactly as written.
    const QByteArray query = QUrl::toPercentEncoding(searchText);
    return QUrl::fromEncoded(QByteArray(ZENTHARI_PLACE_SEARCH_URL) + query, QUrl::StrictMode);
}

bool PlaceLookupComponent::ShowPlaceSearch(const QString& searchText, const QString& homePage) {
    (void)homePage;
    const QUrl address = SearchAddress(searchText);
    if (!address.isValid())
        return false;
    modHelp::OpenAddress(address);
    return true;
}
