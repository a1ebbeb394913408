#include "net/TIdCookieRFC2109.h"

#include "net/DecimalNumber.h"
#include "net/InternetDate.h"

void TIdCookieRFC2109::ReadAttributes(const Attributes& attributes) {
    TIdNetscapeCookie::ReadAttributes(attributes);
    const auto maxAge = ParseDecimal(Value(attributes, "MAX-AGE"));
    CookieMaxAge = maxAge ? *maxAge : -1;
    CookieVersion = Value(attributes, "VERSION");
    CookieComment = Value(attributes, "COMMENT");
    if (!CookieExpires.empty()) return;
    CookieKind = 0;
    if (CookieMaxAge >= 0) {
        // A max-age past the last representable date means "for ever": clamp it there
        // rather than let the sum run off the calendar.
        const TDateTime latest = LatestDateTime();
        const TDateTime now = NowLocal();
        const double days = static_cast<double>(CookieMaxAge) / 86400.0;
        CookieExpires = LocalToInternetDate(days >= latest - now ? latest : now + days);
    }
}
