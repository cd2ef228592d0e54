#pragma once

#include <QString>
#include <QUrl>

// Shows the user a web search for a place's latitude and longitude, in the desktop's browser.
// Nothing comes back into the program: the user reads the numbers and types them in.
class PlaceLookupComponent {
public:
    // The address searched for a text: the configured search address with the text
    // percent-encoded after it, so that no character of a place name can change the address.
    static QUrl SearchAddress(const QString& searchText);

    // Opens the search. homePage is the product site's address, kept for a search page that
    // wants to name where the user came from; the browser search does not need it. Returns
    // whether an address could be built and handed to the desktop.
    bool ShowPlaceSearch(const QString& searchText, const QString& homePage);
};
